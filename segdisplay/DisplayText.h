#pragma once

// What the display shows, as text: the number and clock texts and how a text lands on the cells.
// Pure text work, no toolkit, so the rules can be checked against worked examples directly.

#include "segdisplay/glintar_export.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glintar
{

// Sign handling in digital mode (PlusMinuMode).
enum class SignMode {
    NegativeOnly = 0, // "-" in front of negative values only
    Always = 1,       // "+" or "-" in front of every value
    LeadingSign = 2,  // the sign is painted in its own position left of the cells
};

// x with exactly `decimals` places, no grouping, at least one digit before the point, "." as
// separator, a half rounded away from zero, a negative x keeps its "-". Rounds the value as it
// reads in 15 significant digits, so 2.675 gives 2.68 as a person expects. Empty for NaN and
// infinities: there is no text for them.
GLINTAR_EXPORT std::optional<std::string> formatFixed(double x, int decimals);

struct NumberFormat {
    int decimals = 0;
    int cellCount = 7; // LEDBitNum
    bool leadingZeros = false;
    SignMode signMode = SignMode::NegativeOnly;
};

// The text of digital mode for `value`. Empty when the value has no text (NaN, infinity).
GLINTAR_EXPORT std::optional<std::string> buildNumberText(double value, const NumberFormat& format);

// A local date and time as the clock shows it.
struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// What time/date mode shows (DateType).
enum class DateType {
    TimeOnly = 0, // hh:mm:ss
    Chinese = 1,  // yyyy-mo-ddhh:mm:ss
    English1 = 2, // dd-mo-yyyyhh:mm:ss
    English2 = 3, // mo-dd-yyyyhh:mm:ss
};

// The text of time/date mode. A date type outside 0..3 (only a loaded bag can hold one) shows
// the date as type 1 does, so that the text still fills the 16 cells laid out for a date.
GLINTAR_EXPORT std::string buildTimeText(int dateType, const DateTime& now);

// Whether a character has a segment form; the others take no cell.
using DrawablePredicate = bool (*)(char);

// One step of painting a text onto the cells, in the order the steps are painted.
struct TextStep {
    enum class Kind { Character, Point };
    Kind kind;
    int cell; // for a point: the cell whose right-hand gap holds it
    char ch;
    bool operator==(const TextStep&) const = default;
};

// DrawText's walk: the text read from its last character backwards and right-aligned on
// `cellCount` cells. "." and ":" become points in the gap right of the cell the next character
// fills; characters without a segment form are skipped and take no cell; cells the text does not
// reach show a space; characters that do not fit are dropped on the left.
GLINTAR_EXPORT std::vector<TextStep> drawText(std::string_view text, int cellCount,
                                              DrawablePredicate drawable);

} // namespace glintar
