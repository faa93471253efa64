#pragma once

// The toolkit-free geometry of the seven-segment display: everything the widget paints, as
// integer polygons and rectangles with a colour role each. Include this for all of it.

#include "segdisplay/geometry/Captions.h"
#include "segdisplay/geometry/CellLayout.h"
#include "segdisplay/geometry/Character.h"
#include "segdisplay/geometry/CharacterTable.h"
#include "segdisplay/geometry/Frame.h"
#include "segdisplay/geometry/GeometryProperties.h"
#include "segdisplay/geometry/LeadingSign.h"
#include "segdisplay/geometry/LocateAngle.h"
#include "segdisplay/geometry/Points.h"
#include "segdisplay/geometry/Polygon.h"
#include "segdisplay/geometry/Rounding.h"
#include "segdisplay/geometry/Segments.h"
#include "segdisplay/geometry/Shape.h"
