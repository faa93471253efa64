#pragma once

#include <QRect>

namespace orvane {

// Window geometry is designed in twips, 15 to a pixel at 96 dpi; Qt scales pixels on high-DPI
// screens.
constexpr int twips(int value) { return (value + 7) / 15; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace orvane
