#pragma once

// The style file: an 80-byte header, then StyleRecords one after the other to the end of the
// file, with no count and no separator. The library and every exported style use this layout.

#include "segdisplay/styles/StyleRecord.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glintar::styles {

inline constexpr std::size_t kHeaderSize = 80;
// The header's text; the rest of the 80 bytes are spaces.
inline constexpr std::string_view kHeaderText = "Varnok Glintar ActiveX Config File, Ver 3.0";

// The 80 header bytes.
std::string fileHeader();

std::string encodeRecord(const StyleRecord& record);

// A record as it was read, with the exact bytes it took in the file, so that rewriting the file
// around another record leaves this one byte for byte as it was.
struct StoredStyle {
    StyleRecord record;
    std::string bytes;
};

// Every record of a style file, or nullopt when the bytes are not one: a wrong header, or a
// record whose length, count or field runs past the end of the file.
std::optional<std::vector<StoredStyle>> parseStyleFile(std::string_view file);

// A whole file: the header and these records.
std::string buildStyleFile(const std::vector<std::string>& records);

} // namespace glintar::styles
