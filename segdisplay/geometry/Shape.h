#pragma once

#include "segdisplay/geometry/Polygon.h"

#include <variant>
#include <vector>

namespace glintar
{

// Which of the control's colours a shape is painted in. The geometry knows roles, not colours:
// Lit is the colour of the paint under way (the lit colour, or the blink phase), Unlit the
// colour of unlit segments, and the three frame colours are the frame properties.
enum class ColourRole {
    Lit,
    Unlit,
    BorderLight,
    BorderShadow,
    BorderColor,
};

// One filled shape, painted with pen and brush both in its colour, pen width 1.
struct Shape {
    ColourRole role = ColourRole::Lit;
    std::variant<Polygon, Rect> outline;
    friend bool operator==(const Shape&, const Shape&) = default;
};

// Shapes in painting order: later shapes cover earlier ones.
using Shapes = std::vector<Shape>;

} // namespace glintar
