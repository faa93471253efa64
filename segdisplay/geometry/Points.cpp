#include "segdisplay/geometry/Points.h"

#include "segdisplay/geometry/Rounding.h"

namespace glintar
{

Shapes drawPoint(const GeometryProperties& properties, std::span<const DigitCell> cells, int index,
                 char32_t character)
{
    if (character != U'.' && character != U':')
        return {};
    if (index < 0 || static_cast<std::size_t>(index) >= cells.size())
        return {};
    const DigitCell& first = cells.front();
    const DigitCell& cell = cells[static_cast<std::size_t>(index)];
    const double y0 = first.y;
    const double h0 = first.height;

    double size = 0;
    double gap = 0;
    double dx = 0;
    double dy = 0;
    if (properties.adjustMode == 1) {
        size = properties.decimalSize;
        gap = properties.hSpace;
        dx = properties.decimalXOffset;
        dy = properties.decimalYOffset;
    } else {
        const int tenth = near(h0 / 10);
        size = tenth > 2 ? tenth : 3;
        gap = near(first.width * 0.4);
    }
    const double half = size / 2;

    double left = cell.x + static_cast<double>(cell.width) + gap / 2 - half + dx;
    if (properties.ledType != 0)
        left -= cell.width / 20.0; // under the slant of the bevelled style
    const double x = near(left);

    const auto square = [&](double top) {
        return Shape{ColourRole::Lit, rectAt(x, near(top), size, size)};
    };
    if (character == U'.')
        return {square(y0 + h0 - half - h0 / 10 + dy)};
    return {square(y0 + h0 / 3 - half + dy), square(y0 + h0 * 2 / 3 - half + dy)};
}

} // namespace glintar
