#include "segdisplay/geometry/CellLayout.h"

#include "segdisplay/geometry/Rounding.h"

#include <algorithm>

namespace glintar
{
namespace
{

// A layout step whose value cannot be computed (an absurd stored size, say) leaves it at 0 and
// the next step runs, rather than stopping the whole layout.
int stepOrZero(double x)
{
    return nearChecked(x).value_or(0);
}

} // namespace

int cellCount(const GeometryProperties& properties)
{
    if (properties.mode == 1 || properties.mode == 2)
        return std::clamp(properties.ledBitNum, 0, kMaxCells);
    return properties.dateType != 0 ? 16 : 6;
}

std::vector<DigitCell> layoutCells(const GeometryProperties& properties)
{
    const double clientWidth = properties.clientWidth;
    const double clientHeight = properties.clientHeight;

    const int height = stepOrZero(properties.ledSize * clientHeight);
    const int width = stepOrZero(height * 60.0 / 105.0 + 1);
    const int gap = properties.adjustMode == 1 ? properties.hSpace : stepOrZero(width * 0.4);
    const int top = stepOrZero(properties.ledY * clientHeight);
    // The sign takes the first position whatever the mode.
    const int firstPosition = properties.plusMinuMode == 2 ? 1 : 0;

    std::vector<DigitCell> cells(static_cast<std::size_t>(cellCount(properties)));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const double position = static_cast<double>(i) + firstPosition;
        DigitCell& cell = cells[i];
        cell.x = stepOrZero(properties.ledX * clientWidth +
                            position * (static_cast<double>(width) + gap));
        cell.y = top;
        cell.width = width;
        cell.height = height;
    }
    return cells;
}

} // namespace glintar
