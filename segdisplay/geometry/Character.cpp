#include "segdisplay/geometry/Character.h"

#include "segdisplay/geometry/CharacterTable.h"
#include "segdisplay/geometry/Segments.h"

namespace glintar
{

std::optional<Shapes> drawCharacter(const GeometryProperties& properties, const DigitCell& cell,
                                    char32_t character)
{
    const std::optional<SegmentMask> mask = litSegments(character);
    if (!mask)
        return std::nullopt;

    const SegmentPolygons polygons = segmentPolygons(properties, cell);
    Shapes shapes;
    shapes.reserve(kSegmentCount);
    for (const Segment segment :
         {Segment::A, Segment::B, Segment::C, Segment::D, Segment::E, Segment::F, Segment::G}) {
        const ColourRole role = isLit(*mask, segment) ? ColourRole::Lit : ColourRole::Unlit;
        shapes.push_back({role, polygons[segment]});
    }
    // Only "+" paints the plus bar, and only lit: it has no unlit form.
    if (isLit(*mask, Segment::PlusBar))
        shapes.push_back({ColourRole::Lit, polygons[Segment::PlusBar]});
    return shapes;
}

} // namespace glintar
