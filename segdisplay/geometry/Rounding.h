#pragma once

#include <optional>

namespace glintar
{

// Every shape is built from real-valued expressions turned into whole pixels at fixed places;
// the rounding rule there decides single pixels, so the two rules below are used exactly where
// the geometry says, and nowhere else.

// The value of pi the geometry was designed with. Using a more precise value moves pixels.
inline constexpr double kPi = 3.14159265;

// Nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4, -1.5 -> -2).
// Results outside the 32-bit range saturate and NaN gives 0, so absurd stored properties give
// absurd but harmless coordinates instead of undefined behaviour.
int near(double x);

// Largest integer not above x, saturating like near().
int floor(double x);

// near(), but a value that is not a finite number within the 32-bit range is reported as a
// failure instead of saturating (the layout leaves such a step at 0).
std::optional<int> nearChecked(double x);

} // namespace glintar
