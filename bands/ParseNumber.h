#pragma once

#include <string_view>

namespace orvane
{

// The lenient reading of a number typed into a dialog: blanks, tabs and line feeds anywhere are
// skipped; then an optional sign, digits with at most one '.' (always a period) and an optional
// exponent ('E' or 'e', optional sign, digits). Reading stops at the first character that cannot
// continue the number, and a text with no number in front reads as 0: " 125.5 MHz" is 125.5,
// "7 000 000" is 7000000, "7,000,000" is 7, "" and "abc" are 0.
double parseNumber(std::string_view text);

} // namespace orvane
