#pragma once

#include "segdisplay/geometry/CellLayout.h"
#include "segdisplay/geometry/GeometryProperties.h"
#include "segdisplay/geometry/Polygon.h"

#include <array>
#include <cstddef>

namespace glintar
{

// The seven segments and the plus bar, in the control's own naming: a top, b upper left,
// c lower left, d bottom, e lower right, f upper right, g middle; the plus bar is the vertical
// bar through g that only "+" lights.
enum class Segment { A, B, C, D, E, F, G, PlusBar };

inline constexpr std::size_t kSegmentCount = 8; // a..g and the plus bar

// The outlines of one cell's segments, indexed by Segment.
struct SegmentPolygons {
    std::array<Polygon, kSegmentCount> polygons{};
    const Polygon& operator[](Segment segment) const
    {
        return polygons[static_cast<std::size_t>(segment)];
    }
};

// Pointed hexagon segments (ledType 0) in the cell, upright or slanted. Only the cell's x, y
// and height matter. Reads adjustMode, italic, italicAngle (only slanted in manual geometry;
// automatic slanting is always 86 degrees), segmentWidth and segmentSeparation.
SegmentPolygons hexSegments(const GeometryProperties& properties, const DigitCell& cell);

// Bevelled trapezoid segments with a pointed middle bar (ledType 1), upright or slanted; the
// slant is italicAngle in both adjust modes. Reads the same properties as hexSegments().
SegmentPolygons bevelSegments(const GeometryProperties& properties, const DigitCell& cell);

// hexSegments() for ledType 0, bevelSegments() for any other ledType.
SegmentPolygons segmentPolygons(const GeometryProperties& properties, const DigitCell& cell);

} // namespace glintar
