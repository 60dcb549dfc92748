// The game definition file (data/inicializace.vrn), read and then used to
// prepare a new game over the demo's tables.
#include "FuzzSupport.h"
#include "parser/GameDefinition.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        fuzz::copyDemoData();
        fuzz::writeScratch("data/data.vrn", "<1><TEXT OBSAH=\"a\">");
        return true;
    }();
    (void)ready;
    fuzz::writeScratch("data/inicializace.vrn", fuzz::asText(data, size));
    try {
        fuzz::PreparedGame g;
    } catch (const GameFileError&) {  // a file too short to be a definition
    }
    return 0;
}
