// The location scan and the tag parser: any text as a location's source.
#include "FuzzSupport.h"
#include "parser/Command.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view source = fuzz::asText(data, size);
    LocationCommands commands;
    std::int32_t counter = 0;
    ScanLocation(source, commands, counter);
    for (std::size_t at = source.find('<'); at != std::string_view::npos;
         at = source.find('<', at + 1))
        ParseTag(source, at);
    return 0;
}
