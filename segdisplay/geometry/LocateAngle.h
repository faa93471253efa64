#pragma once

namespace glintar
{

// Direction of the vector (x, y) in radians, from 0 up to 2 pi, y pointing up (callers working
// in screen rows flip y first). The constants are the control's historical ones, kept as they
// are so that rotated polygons land on the same pixels: (0, 0) gives 4.712388975.
double locateAngle(double x, double y);

} // namespace glintar
