#pragma once

#include "segdisplay/geometry/GeometryProperties.h"

#include <string>
#include <vector>

namespace glintar
{

// Upper bound on the cells one layout creates. The property allows 1..100 cells, but a loaded
// form is not range-checked; this keeps a corrupt count from allocating without bound.
inline constexpr int kMaxCells = 100;

// One character position.
struct DigitCell {
    int x = 0; // left, pixels
    int y = 0; // top
    int width = 0;
    int height = 0;
    // The character last drawn here (UTF-8), so that a partial repaint can skip unchanged
    // cells. A fresh layout leaves it empty, which forces the next repaint to draw every cell.
    std::string shown;
    friend bool operator==(const DigitCell&, const DigitCell&) = default;
};

// The number of cells for the mode: ledBitNum in digital and alpha mode (none when it is not
// positive, at most kMaxCells), 6 for the time alone and 16 for time and date.
int cellCount(const GeometryProperties& properties);

// The cells, left to right, all the same size: height ledSize x client height, width 60/105 of
// that plus one, separated by hSpace (manual) or 0.4 of the width (automatic), starting at
// ledX x client width, one position further right when plusMinuMode is 2 so that the sign has
// room. A quantity that cannot be computed (not a finite number within 32 bits) stays 0.
// Reads mode, dateType, ledBitNum, ledSize, ledX, ledY, adjustMode, hSpace, plusMinuMode and the
// client size.
std::vector<DigitCell> layoutCells(const GeometryProperties& properties);

} // namespace glintar
