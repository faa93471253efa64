#pragma once

#include "segdisplay/geometry/Segments.h"

#include <cstdint>
#include <optional>

namespace glintar
{

// Lit segments as bits, bit n for Segment n.
using SegmentMask = std::uint8_t;

constexpr SegmentMask segmentBit(Segment segment)
{
    return static_cast<SegmentMask>(1U << static_cast<unsigned>(segment));
}

constexpr bool isLit(SegmentMask mask, Segment segment)
{
    return (mask & segmentBit(segment)) != 0;
}

// The segments a character lights, matched exactly (case matters: "R" and "r" are both in the
// table, "#" is not). Characters outside the table, "." and ":" among them, give nothing: they
// are not drawn as characters.
std::optional<SegmentMask> litSegments(char32_t character);

} // namespace glintar
