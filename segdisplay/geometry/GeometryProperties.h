#pragma once

namespace glintar
{

// The control's properties that decide where things are drawn, and the client size. The widget
// fills one of these from its state before laying out or painting; every geometry function reads
// only the fields its comment names. Defaults are those of a newly placed control (320 x 69).
// Values are taken as stored: loading a saved form applies no range checks, so the geometry
// must cope with anything here.
struct GeometryProperties {
    // What the cells hold.
    int mode = 2;         // 0 time/date, 1 digital, 2 alpha
    int dateType = 0;     // time/date mode: 0 time only, otherwise time and date
    int ledBitNum = 7;    // cells in digital and alpha mode
    int plusMinuMode = 0; // 2 keeps a position left of the cells free for the sign

    // Segment shapes.
    int adjustMode =
        1;           // 1 manual geometry from the pixel properties, otherwise derived from the cell
    int ledType = 1; // 0 pointed hexagons, otherwise bevelled trapezoids
    bool italic = false;
    int italicAngle = 86; // degrees; below 90 leans right

    // Cell placement, as fractions of the client height (size, y) and width (x).
    double ledSize = 0.8;
    double ledX = 0.05;
    double ledY = 0.05;

    // Manual geometry, pixels.
    int segmentWidth = 8;
    int segmentSeparation = 2;
    int hSpace = 14;
    int decimalSize = 10;
    int decimalXOffset = 0;
    int decimalYOffset = 0;

    // The three frame rings, pixels, and their styles (1 raised, 2 lowered).
    int borderWidth = 1;
    int outLineWidth = 2;
    int inLineWidth = 3;
    int outLineStyle = 1;
    int inLineStyle = 2;

    // Client area, pixels.
    int clientWidth = 320;
    int clientHeight = 69;
};

} // namespace glintar
