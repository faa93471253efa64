#pragma once

#include <QString>

#include <string_view>

namespace orvane {

// Band names and the panel's own captions are single-byte (Latin-1) texts.
inline QString fromLatin1(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace orvane
