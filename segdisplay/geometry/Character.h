#pragma once

#include "segdisplay/geometry/CellLayout.h"
#include "segdisplay/geometry/GeometryProperties.h"
#include "segdisplay/geometry/Shape.h"

#include <optional>

namespace glintar
{

// The shapes that draw `character` into `cell`: the seven segments a..g in that order, each
// Lit or Unlit as the character table says, in the shape of properties.ledType; for "+" the
// plus bar follows, Lit. The plus bar is never painted unlit. Nothing for a character outside the
// table: the caller must not treat the cell as used. Reads what segmentPolygons() reads.
std::optional<Shapes> drawCharacter(const GeometryProperties& properties, const DigitCell& cell,
                                    char32_t character);

} // namespace glintar
