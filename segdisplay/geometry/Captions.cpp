#include "segdisplay/geometry/Captions.h"

namespace glintar
{

Point captionTopLeft(const GeometryProperties& properties, double captionX, double captionY,
                     double textWidth, double textHeight)
{
    return pointAt(captionX * properties.clientWidth - textWidth / 2,
                   captionY * properties.clientHeight - textHeight / 2);
}

} // namespace glintar
