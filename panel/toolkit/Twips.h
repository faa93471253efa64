#pragma once

#include <QRect>

namespace orvane
{

// Window layouts are given in twips, 1440 to the inch: 15 to a pixel at 96 pixels per inch.
// Qt's logical pixels carry the screen's scaling from there.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace orvane
