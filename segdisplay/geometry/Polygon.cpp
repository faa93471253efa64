#include "segdisplay/geometry/Polygon.h"

#include "segdisplay/geometry/LocateAngle.h"
#include "segdisplay/geometry/Rounding.h"

#include <cmath>

namespace glintar
{

Point pointAt(double x, double y)
{
    return {near(x), near(y)};
}

Rect rectAt(double left, double top, double width, double height)
{
    return {near(left), near(top), near(left + width), near(top + height)};
}

Polygon rotatePolygon(const Polygon& polygon, double degrees)
{
    const Point pivot = polygon[0];
    const double turn = degrees / 180 * kPi;
    Polygon turned = polygon;
    for (std::size_t i = 1; i < polygon.size(); ++i) {
        // Real arithmetic throughout: coordinates far apart must not overflow an int.
        const double dx = static_cast<double>(polygon[i].x) - pivot.x;
        const double dy = static_cast<double>(pivot.y) - polygon[i].y; // y up for the angle
        const double radius = std::sqrt(dx * dx + dy * dy);
        const double phi = locateAngle(dx, dy) + turn;
        turned[i] = pointAt(pivot.x + static_cast<double>(near(std::cos(phi) * radius)),
                            pivot.y - static_cast<double>(near(std::sin(phi) * radius)));
    }
    return turned;
}

Polygon offsetPolygon(const Polygon& polygon, int dx, int dy)
{
    Polygon moved = polygon;
    for (Point& point : moved)
        point = pointAt(static_cast<double>(point.x) + dx, static_cast<double>(point.y) + dy);
    return moved;
}

} // namespace glintar
