#pragma once

#include "segdisplay/geometry/CellLayout.h"
#include "segdisplay/geometry/GeometryProperties.h"
#include "segdisplay/geometry/Shape.h"

#include <span>

namespace glintar
{

// A decimal point (".", one square) or a colon (":", two squares) in the gap right of cell
// `index`, all Lit: points have no unlit form. Sizes come from cell 0 (decimalSize, hSpace and
// the decimal offsets in manual geometry; a tenth of the cell height and 0.4 of its width
// otherwise); bevelled characters get their point a twentieth of the width further left, under
// their slant. Nothing for another character or an index outside the cells. Reads adjustMode,
// ledType, decimalSize, hSpace, decimalXOffset and decimalYOffset.
Shapes drawPoint(const GeometryProperties& properties, std::span<const DigitCell> cells, int index,
                 char32_t character);

} // namespace glintar
