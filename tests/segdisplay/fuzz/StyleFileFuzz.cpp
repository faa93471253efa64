// libFuzzer target for the style file parser: any bytes are either rejected or read into records
// that give the file back byte for byte, and every record read encodes into one that reads again.
// Built only with -DORVANE_BUILD_FUZZ=ON and clang; how to run it: CMakeLists.txt beside this.

#include "segdisplay/styles/StyleFile.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const auto styles = glintar::styles::parseStyleFile(file);
    if (!styles)
        return 0;
    std::vector<std::string> records;
    for (const auto& style : *styles) {
        records.push_back(style.bytes);
        const std::string encoded = glintar::styles::encodeRecord(style.record);
        const auto again = glintar::styles::parseStyleFile(glintar::styles::fileHeader() + encoded);
        if (!again || again->size() != 1 || (*again)[0].bytes != encoded)
            std::abort();
    }
    if (glintar::styles::buildStyleFile(records) != file)
        std::abort();
    return 0;
}
