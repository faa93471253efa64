#pragma once

#include <array>

namespace glintar
{

// A pixel of the control's client area; rows grow downward.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Every segment, frame ring half and bar is a six-point polygon painted as one filled shape.
// P0 is the pivot of rotations; some shapes repeat a point.
using Polygon = std::array<Point, 6>;

// A filled rectangle from (left, top) to (right, bottom), the far edges excluded: it covers
// right - left columns and bottom - top rows (QRect(left, top, right - left, bottom - top)).
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The point nearest to (x, y), each coordinate rounded with near().
Point pointAt(double x, double y);

// The rectangle of width x height pixels with its top-left corner at (left, top), the four
// edges rounded with near().
Rect rectAt(double left, double top, double width, double height);

// The polygon turned about its P0 by `degrees` (whole degrees in practice): positive turns
// counter-clockwise as seen on the screen, so 270 turns a rightward bar to point downward and 90 a
// leftward one upward. Each point is rounded on its own (near()), as the segment shapes expect.
Polygon rotatePolygon(const Polygon& polygon, double degrees);

// The polygon moved by (dx, dy).
Polygon offsetPolygon(const Polygon& polygon, int dx, int dy);

} // namespace glintar
