#pragma once

// One style of the style library: a named snapshot of every property of a display that a style
// carries (the background picture and the mouse icon are not part of it). Texts are the bytes
// stored in the file, in the 8-bit code page the library is written in; the widget side converts.

#include <cstdint>
#include <string>
#include <vector>

namespace glintar::styles {

// A caption as a style keeps it.
struct StyleCaption {
    std::string text;
    std::int32_t fontID = 0;
    double x = 0;
    std::int32_t color = 0;
    double y = 0;
    bool operator==(const StyleCaption&) const = default;
};

// A font slot as a style keeps it: size in whole points, weight on the 1..1000 scale (400
// normal, 700 bold).
struct StyleFont {
    bool bold = false;
    bool italic = false;
    std::string name;
    std::int16_t size = 0;
    bool strikethrough = false;
    bool underline = false;
    std::int16_t weight = 400;
    bool operator==(const StyleFont&) const = default;
};

// The fields in the order the file holds them. The caption and font lists may be longer or
// shorter than captionNum and fontNum: a file is read as it stands and the counts rule when a
// style is applied.
struct StyleRecord {
    std::int32_t backColor = 0;
    bool enabled = true;
    std::int16_t mousePointer = 0;
    bool autoRedraw = true;
    std::int32_t mode = 2;
    std::int32_t dateType = 0;
    std::int32_t adjustMode = 1;
    std::int32_t ledBitNum = 7;
    std::int32_t decimals = 1;
    double value = 0;
    std::string alphaText;
    bool italic = false;
    bool leadingZeros = false;
    std::int32_t plusMinuMode = 0;
    bool blinkEnabled = false;
    std::int32_t blinkRate = 500;
    std::int32_t italicAngle = 86;
    std::int32_t ledType = 1;
    std::int32_t ledOffColor = 0;
    std::int32_t ledOnColor = 0;
    double ledSize = 0.8;
    double ledX = 0.05;
    double ledY = 0.05;
    std::int32_t segmentWidth = 8;
    std::int32_t segmentSeparation = 2;
    std::int32_t hSpace = 14;
    std::int32_t decimalSize = 10;
    std::int32_t decimalXOffset = 0;
    std::int32_t decimalYOffset = 0;
    std::int32_t captionNum = 0;
    std::vector<StyleCaption> captions;
    std::int32_t fontNum = 1;
    std::vector<StyleFont> fonts;
    std::int32_t borderWidth = 1;
    std::int32_t borderColor = 0;
    std::int32_t borderLight = 0;
    std::int32_t borderShadow = 0;
    std::int32_t inLineStyle = 2;
    std::int32_t outLineStyle = 1;
    std::int32_t outLineWidth = 2;
    std::int32_t inLineWidth = 3;
    std::string notes;
    std::string description; // the name the library lists
    std::string reserved;    // empty in every record we build; kept as read
    bool operator==(const StyleRecord&) const = default;
};

} // namespace glintar::styles
