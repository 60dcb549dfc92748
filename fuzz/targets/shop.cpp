// The shop file, read into a game whose tables are the demo's.
#include "FuzzSupport.h"
#include "character/ShopFile.h"
#include "game/ContentLoader.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::FuzzGame g;
    static const bool ready = [] {
        fuzz::copyDemoData();
        LoadContentTables(g.game);
        return true;
    }();
    (void)ready;
    fuzz::writeScratch("data/obchod.vrn", fuzz::asText(data, size));
    LoadShop(g.game);
    return 0;
}
