// Both skin files; the input is the menu skin, then a zero byte, then the skin.
#include "FuzzSupport.h"
#include "shell/Skin.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = fuzz::parts(fuzz::asText(data, size));
    fuzz::writeScratch("grafika/menuskin.ini", texts[0]);
    fuzz::writeScratch("grafika/skin.ini", texts.size() > 1 ? texts[1] : texts[0]);
    ReadMenuSkin(fuzz::scratchFolder());
    ReadSkin(fuzz::scratchFolder());
    return 0;
}
