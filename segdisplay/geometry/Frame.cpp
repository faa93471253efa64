#include "segdisplay/geometry/Frame.h"

#include "segdisplay/geometry/Rounding.h"

namespace glintar
{
namespace
{

constexpr auto at = pointAt;

// The colours of a ring's two halves, in the order they are painted.
struct RingColours {
    ColourRole first;
    ColourRole second;
};

void addRing(Shapes& shapes, const Polygon& first, const Polygon& second, RingColours colours)
{
    shapes.push_back({colours.first, first});
    shapes.push_back({colours.second, second});
}

} // namespace

Shapes drawFrame(const GeometryProperties& properties)
{
    const double sw = properties.clientWidth;
    const double sh = properties.clientHeight;
    const double o = properties.outLineWidth;
    const double w = properties.borderWidth;
    const double n = properties.inLineWidth;
    const double a = o + w;
    const double t = o + w + n;

    Shapes shapes;
    shapes.reserve(6);

    const int outlineStyle = properties.outLineStyle;
    if (o > 0 && (outlineStyle == 1 || outlineStyle == 2)) {
        const Polygon upperLeft = {at(0, 0),         at(sw, 0),         at(sw - o + 1, o - 1),
                                   at(o - 1, o - 1), at(o - 1, sh - o), at(0, sh - 1)};
        const Polygon lowerRight = {at(0, sh),     at(sw, sh),         at(sw, 0),
                                    at(sw - o, o), at(sw - o, sh - o), at(o, sh - o)};
        const RingColours colours =
            outlineStyle == 1 ? RingColours{ColourRole::BorderLight, ColourRole::BorderShadow}
                              : RingColours{ColourRole::BorderShadow, ColourRole::BorderLight};
        addRing(shapes, upperLeft, lowerRight, colours);
    }

    // The inline paints its lower-right half first, so its upper-left colour wins where the
    // halves meet.
    const int inlineStyle = properties.inLineStyle;
    if (n > 0 && (inlineStyle == 1 || inlineStyle == 2)) {
        const Polygon lowerRight = {at(a, sh - a - 1),  at(sw - a - 1, sh - a - 1),
                                    at(sw - a - 1, a),  at(sw - t, t - 1),
                                    at(sw - t, sh - t), at(t, sh - t)};
        const Polygon upperLeft = {at(a, a),         at(sw - a, a),     at(sw - t + 1, t - 1),
                                   at(t - 1, t - 1), at(t - 1, sh - t), at(a, sh - a - 1)};
        const RingColours colours =
            inlineStyle == 2 ? RingColours{ColourRole::BorderLight, ColourRole::BorderShadow}
                             : RingColours{ColourRole::BorderShadow, ColourRole::BorderLight};
        addRing(shapes, lowerRight, upperLeft, colours);
    }

    if (w > 0) {
        const Polygon upperLeft = {at(o, o),         at(sw - o, o),         at(sw - o - w, a - 1),
                                   at(a - 1, a - 1), at(a - 1, sh - o - w), at(o, sh - o - 1)};
        const Polygon lowerRight = {at(o, sh - o - 1),          at(sw - o - 1, sh - o - 1),
                                    at(sw - o - 1, o),          at(sw - o - w, a),
                                    at(sw - o - w, sh - o - w), at(a, sh - o - w)};
        addRing(shapes, upperLeft, lowerRight, {ColourRole::BorderColor, ColourRole::BorderColor});
    }
    return shapes;
}

Rect backPictureRect(const GeometryProperties& properties)
{
    const double rings = static_cast<double>(properties.borderWidth) + properties.inLineWidth +
                         properties.outLineWidth;
    return rectAt(rings, rings, properties.clientWidth - 2 * rings,
                  properties.clientHeight - 2 * rings);
}

} // namespace glintar
