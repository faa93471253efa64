#pragma once

#include "segdisplay/geometry/GeometryProperties.h"
#include "segdisplay/geometry/Polygon.h"

namespace glintar
{

// Top-left corner of a caption's text of textWidth x textHeight pixels, so that the text is
// centred on (captionX x client width, captionY x client height). Reads the client size.
Point captionTopLeft(const GeometryProperties& properties, double captionX, double captionY,
                     double textWidth, double textHeight);

} // namespace glintar
