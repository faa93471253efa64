#include "segdisplay/geometry/Rounding.h"

#include <cmath>
#include <limits>

namespace glintar
{
namespace
{

constexpr double kLowest = std::numeric_limits<int>::min();
constexpr double kHighest = std::numeric_limits<int>::max();

double nearestEven(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

int saturate(double whole)
{
    if (std::isnan(whole))
        return 0;
    if (whole <= kLowest)
        return std::numeric_limits<int>::min();
    if (whole >= kHighest)
        return std::numeric_limits<int>::max();
    return static_cast<int>(whole);
}

} // namespace

int near(double x)
{
    return saturate(nearestEven(x));
}

int floor(double x)
{
    return saturate(std::floor(x));
}

std::optional<int> nearChecked(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    const double whole = nearestEven(x);
    if (whole < kLowest || whole > kHighest)
        return std::nullopt;
    return static_cast<int>(whole);
}

} // namespace glintar
