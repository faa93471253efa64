#include "segdisplay/geometry/LocateAngle.h"

#include <cmath>

namespace glintar
{

double locateAngle(double x, double y)
{
    // The constants are pi / 2, pi, 3 pi / 2 and 2 pi to the control's eight places; the
    // rotated segment outlines depend on them to the pixel.
    if (x == 0)
        return y <= 0 ? 4.712388975 : 1.570796325;
    if (x < 0)
        return std::atan(y / x) + 3.14159265;
    if (y < 0)
        return std::atan(y / x) + 6.2831853;
    return std::atan(y / x);
}

} // namespace glintar
