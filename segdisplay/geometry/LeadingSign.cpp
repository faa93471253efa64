#include "segdisplay/geometry/LeadingSign.h"

#include "segdisplay/geometry/Rounding.h"

namespace glintar
{

Shapes drawLeadingSign(const GeometryProperties& properties, std::span<const DigitCell> cells,
                       double value)
{
    if (cells.empty())
        return {};
    const DigitCell& first = cells.front();
    const double y0 = first.y;
    const double h0 = first.height;
    const double w = properties.segmentWidth;

    const double len = near(h0 / 3);
    const double m = near(h0 / 23);
    const double left = near(properties.ledX * properties.clientWidth + first.width / 2.0 - w / 2);
    const double top = near(properties.ledY * properties.clientHeight + m + 1);
    const double left2 = near(left + w / 2 - len / 2);
    const double top2 = near(top + len / 2 - w / 2);
    const double top3 = near(y0 + h0 - m - len / 2 - w / 2 + 2);

    const Rect vertical = rectAt(left, top, w, len);
    const Rect upper = rectAt(left2, top2, len, w);
    const Rect lower = rectAt(left2, top3, len, w);

    Shapes shapes = {
        {ColourRole::Unlit, vertical}, {ColourRole::Unlit, upper}, {ColourRole::Unlit, lower}};
    if (value < 0) {
        shapes.push_back({ColourRole::Lit, lower});
    } else {
        shapes.push_back({ColourRole::Lit, vertical});
        shapes.push_back({ColourRole::Lit, upper});
    }
    return shapes;
}

} // namespace glintar
