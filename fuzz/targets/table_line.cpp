// One line of each content table; the first byte picks the table.
#include "FuzzSupport.h"
#include "base/ScriptError.h"
#include "content/EntryLines.h"
#include "content/LineScanner.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view line = fuzz::asText(data + 1, size - 1);
    std::int32_t counter = 0;
    try {
        switch (data[0] % 5) {
            case 0: ParseWeaponLine(line, counter); break;
            case 1: ParseArmourLine(line, counter); break;
            case 2: ParseItemLine(line, counter); break;
            case 3: ParseSpellLine(line, counter); break;
            default: ParseAttackLine(line, counter); break;
        }
    } catch (const ScriptError&) {
    } catch (const MalformedLine&) {  // what the table loader reports with its line number
    }
    return 0;
}
