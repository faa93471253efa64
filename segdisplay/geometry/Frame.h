#pragma once

#include "segdisplay/geometry/GeometryProperties.h"
#include "segdisplay/geometry/Shape.h"

namespace glintar
{

// The three-ring bevelled frame, outside in: outline (outLineWidth), border (borderWidth),
// inline (inLineWidth). Each ring is an upper-left and a lower-right L-shaped polygon; they come
// in painting order: outline, inline, border. Style 1 is raised (light upper-left, shadow
// lower-right), 2 lowered; a ring of width 0 or less, or with another style value, is left out.
// Rings wider than half the control overlap without harm. Reads the frame properties and the
// client size.
Shapes drawFrame(const GeometryProperties& properties);

// Where a background picture is stretched: inside all three rings. Empty (right <= left or
// bottom <= top) when the rings fill the control.
Rect backPictureRect(const GeometryProperties& properties);

} // namespace glintar
