#include "segdisplay/geometry/Segments.h"

#include "segdisplay/geometry/Rounding.h"

#include <algorithm>
#include <cmath>

namespace glintar
{
namespace
{

// Sums of stored pixel properties are formed in real arithmetic and brought back to whole
// pixels by pointAt(), so that an absurd loaded value saturates instead of overflowing.
constexpr auto at = pointAt;

// A horizontal bar of length `len` from tip to tip and thickness 2h, pointed at both ends; P0 is
// its left tip.
Polygon hexBar(double x0, double y0, double len, double h)
{
    return {at(x0, y0),       at(x0 + h, y0 - h),       at(x0 + len - h, y0 - h),
            at(x0 + len, y0), at(x0 + len - h, y0 + h), at(x0 + h, y0 + h)};
}

// offsetPolygon() for moves computed in real arithmetic.
Polygon moved(const Polygon& polygon, double dx, double dy)
{
    return offsetPolygon(polygon, near(dx), near(dy));
}

Polygon reversed(Polygon polygon)
{
    std::reverse(polygon.begin(), polygon.end());
    return polygon;
}

struct Builder {
    SegmentPolygons result;
    void set(Segment segment, const Polygon& polygon)
    {
        result.polygons[static_cast<std::size_t>(segment)] = polygon;
    }
};

bool manual(const GeometryProperties& properties)
{
    return properties.adjustMode == 1;
}

// Half the thickness of a manual hexagon or bevel bar; never less than a pixel.
int manualHalfWidth(int halved)
{
    return halved > 0 ? halved : 1;
}

} // namespace

SegmentPolygons hexSegments(const GeometryProperties& properties, const DigitCell& cell)
{
    const double left = cell.x;
    const double top = cell.y;
    const double hc = cell.height;
    const double yTop = top + hc / 15;
    const int len = near(hc / 35 * 13 - 1);

    double h = 0; // whole pixels, held as reals so that sums cannot overflow
    double s = 0;
    int angle = 86; // automatic slant; the property is used only in manual geometry
    if (manual(properties)) {
        h = manualHalfWidth(near(properties.segmentWidth / 2.0));
        s = properties.segmentSeparation;
        angle = properties.italicAngle;
    } else {
        // t of 1 or less counts as 2, so s and h are at least 1.
        const int t = near(len / 6.0);
        s = near(std::max(t, 2) / 2.0);
        h = s;
    }

    Builder out;
    if (!properties.italic) {
        const Polygon a = hexBar(near(left + hc / 12), near(yTop), len, h);
        const Polygon b = moved(rotatePolygon(a, 270), -s, s);
        const double q = len + 2.0 * s;
        out.set(Segment::A, a);
        out.set(Segment::B, b);
        out.set(Segment::C, moved(b, 0, q));
        out.set(Segment::D, moved(a, 0, 2.0 * len + 4.0 * s));
        out.set(Segment::E, moved(b, q, q));
        out.set(Segment::F, moved(b, q, 0));
        out.set(Segment::G, moved(a, 0, q));
        out.set(Segment::PlusBar,
                offsetPolygon(rotatePolygon(a, 270), floor(len / 2.0), floor(len / 2.0 + 2.0 * s)));
        return out.result;
    }

    const double theta = angle / 180.0 * kPi;
    const int sx = near((-len - 2.0 * s) * std::cos(theta));
    const int sy = near((len + 2.0 * s) * std::sin(theta));
    // Slanted, the top bar has no inset of a twelfth of the height: it starts four lower-half
    // shifts (sx) right of the cell's edge instead, so that a right-leaning character keeps its
    // lower segments near the cell.
    const Polygon a = hexBar(left - 4.0 * sx, near(yTop), len, h);
    const Polygon b = moved(rotatePolygon(a, angle + 180.0), -s, s);
    out.set(Segment::A, a);
    out.set(Segment::B, b);
    out.set(Segment::C, offsetPolygon(b, sx, sy));
    out.set(Segment::D, moved(a, 2.0 * sx, 2.0 * sy));
    out.set(Segment::E, moved(b, static_cast<double>(sy) + sx, sy));
    out.set(Segment::F, offsetPolygon(b, sy, 0));
    out.set(Segment::G, offsetPolygon(a, sx, sy));
    // The plus bar stays upright under a slant.
    out.set(Segment::PlusBar,
            offsetPolygon(rotatePolygon(a, 270), floor(len / 2.0), floor(len / 2.0 + 2.0 * s)));
    return out.result;
}

SegmentPolygons bevelSegments(const GeometryProperties& properties, const DigitCell& cell)
{
    const double hc = cell.height;
    const int x0 = floor(cell.x + hc / 30);
    const int y0 = floor(cell.y + hc / 40);
    const int len = floor(hc * 16 / 35 - 2);

    int w = 0;
    double h = 0; // whole pixels, held as reals so that sums cannot overflow
    double s = 0;
    if (manual(properties)) {
        w = properties.segmentWidth;
        h = manualHalfWidth(floor(w / 2.0));
        s = properties.segmentSeparation;
    } else {
        w = std::max(floor(len / 6.0), 2);
        h = floor(w / 2.0); // w is at least 2, so h is at least 1
        s = std::max(floor(h / 3.0), 1);
    }

    // Outer edge on top, 45-degree bevels at both ends, thickness w; the right end is repeated
    // to make up six points.
    const double x = x0;
    const double y = y0;
    const Polygon a = {at(x, y),       at(x + w, y + w), at(x + len - w, y + w),
                       at(x + len, y), at(x + len, y),   at(x + len, y)};
    // Reversed so that P0 is the right end: turned upright it becomes the top outer corner of
    // the left bars, which is where a slant pivots.
    const Polygon b = moved(moved(rotatePolygon(reversed(a), 90), -len, 0), -s, s);
    const Polygon f = moved(moved(rotatePolygon(a, 270), len, 0), s, s);
    const double down = len + 2.0 * s;
    const Polygon c = moved(b, 0, down);
    const Polygon e = moved(f, 0, down);
    const Polygon d = moved(rotatePolygon(a, 180), len, 2.0 * len + 4.0 * s);
    const Polygon g = hexBar(x, y + down, len, h);

    Builder out;
    out.set(Segment::A, a);
    out.set(Segment::PlusBar, moved(rotatePolygon(g, 270), near(len / 2.0), near(-len / 2.0)));
    if (!properties.italic) {
        out.set(Segment::B, b);
        out.set(Segment::C, c);
        out.set(Segment::D, d);
        out.set(Segment::E, e);
        out.set(Segment::F, f);
        out.set(Segment::G, g);
        return out.result;
    }

    // The slant turns the left and right bars about their top outer corners and shifts the lower
    // half; the top bar and the plus bar stay where they are.
    const double theta = properties.italicAngle / 180.0 * kPi;
    const int sx = near((-2.0 * s - len) * std::cos(theta));
    const int sy = near((2.0 * s + len) * std::sin(theta));
    const double tilt = properties.italicAngle - 90.0;
    const Polygon slantedB = rotatePolygon(b, tilt);
    const Polygon slantedF = rotatePolygon(f, tilt);
    out.set(Segment::B, slantedB);
    out.set(Segment::C, offsetPolygon(slantedB, sx, sy));
    out.set(Segment::D, moved(d, 2.0 * sx, 0));
    out.set(Segment::E, offsetPolygon(slantedF, sx, sy));
    out.set(Segment::F, slantedF);
    out.set(Segment::G, offsetPolygon(g, sx, 0));
    return out.result;
}

SegmentPolygons segmentPolygons(const GeometryProperties& properties, const DigitCell& cell)
{
    return properties.ledType == 0 ? hexSegments(properties, cell)
                                   : bevelSegments(properties, cell);
}

} // namespace glintar
