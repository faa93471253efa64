#pragma once

#include "segdisplay/geometry/GeometryProperties.h"

namespace glintar::fixtures
{

// The front panel's frequency display: 289 x 121 pixels, nine hexagon-segment cells in manual
// geometry, no frame.
inline GeometryProperties frontPanelDisplay()
{
    GeometryProperties p;
    p.clientWidth = 289;
    p.clientHeight = 121;
    p.mode = 1;
    p.ledBitNum = 9;
    p.ledSize = 0.36;
    p.ledX = 0.02;
    p.ledY = 0.3;
    p.adjustMode = 1;
    p.hSpace = 6;
    p.segmentWidth = 5;
    p.segmentSeparation = 2;
    p.decimalSize = 5;
    p.decimalYOffset = 1;
    p.ledType = 0;
    p.italic = false;
    p.borderWidth = 0;
    p.outLineWidth = 0;
    p.inLineWidth = 0;
    p.plusMinuMode = 0;
    return p;
}

} // namespace glintar::fixtures
