// A saved position loaded into a game prepared from the demo.
#include "FuzzSupport.h"
#include "save/LoadPosition.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = (fuzz::copyDemoData(true), true);
    (void)ready;
    fuzz::writeScratch("save/x.mkp", fuzz::asText(data, size));
    fuzz::PreparedGame g;
    LoadPosition(g.game, "save/x.mkp");
    return 0;
}
