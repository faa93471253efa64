#pragma once

// The toolkit-free geometry of the seven-segment display: everything the widget paints, as
// integer polygons and rectangles with a colour role each. Include this for all of it.
//
// How the widget uses it:
// - Fill a GeometryProperties from the control's state and client size.
// - layoutCells() after every change of mode, cell count, layout property or size.
// - Paint the Shapes that drawCharacter(), drawPoint(), drawLeadingSign() and drawFrame() return,
//   in order, each with pen and brush in the colour of its ColourRole (pen width 1): a Polygon
//   as one filled polygon of its six points, a Rect as the filled rectangle with its right and
//   bottom edges excluded.
// - backPictureRect() is where the background picture is stretched; captionTopLeft() places a
//   caption's measured text.

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
