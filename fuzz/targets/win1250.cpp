// The Windows-1250 conversions and letter cases.
#include "FuzzSupport.h"
#include "base/Win1250.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const std::string utf8 = toUtf8(text);
    fromUtf8(text);  // any bytes, as if they were UTF-8
    fromUtf8(utf8);
    lowerCase(text);
    for (char c : text) upperCase(c);
    return 0;
}
