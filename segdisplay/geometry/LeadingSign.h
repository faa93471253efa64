#pragma once

#include "segdisplay/geometry/CellLayout.h"
#include "segdisplay/geometry/GeometryProperties.h"
#include "segdisplay/geometry/Shape.h"

#include <span>

namespace glintar
{

// The sign in the position left of cell 0 that the layout leaves free when plusMinuMode is 2:
// a vertical bar V and an upper bar U (together a plus in the upper half) and a lower bar D
// (a minus in the lower half), each segmentWidth thick. The three bars come first, Unlit;
// then, Lit, V and U when `value` is 0 or more, D alone when it is negative. In the dark blink
// phase the lit colour is the unlit one, so painting every shape gives the all-unlit sign.
// Nothing when there are no cells. Reads ledX, ledY, segmentWidth and the client size.
Shapes drawLeadingSign(const GeometryProperties& properties, std::span<const DigitCell> cells,
                       double value);

} // namespace glintar
