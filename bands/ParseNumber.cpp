#include "ParseNumber.h"

#include <charconv>
#include <limits>
#include <string>

namespace orvane
{

namespace
{
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
} // namespace

double parseNumber(std::string_view text)
{
    // Blanks count for nothing anywhere, so drop them first and read what is left.
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            compact += c;

    std::size_t i = 0;
    const auto digitsFrom = [&](std::size_t at) {
        std::size_t end = at;
        while (end < compact.size() && isDigit(compact[end]))
            ++end;
        return end;
    };
    bool negative = false;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
        negative = compact[i++] == '-';
    const std::size_t mantissaStart = i;
    i = digitsFrom(i);
    bool anyDigit = i > mantissaStart;
    if (i < compact.size() && compact[i] == '.') {
        const std::size_t fraction = i + 1;
        i = digitsFrom(fraction);
        anyDigit = anyDigit || i > fraction;
    }
    if (!anyDigit)
        return 0;
    bool negativeExponent = false;
    if (i < compact.size() && (compact[i] == 'E' || compact[i] == 'e')) {
        std::size_t at = i + 1;
        if (at < compact.size() && (compact[at] == '+' || compact[at] == '-'))
            negativeExponent = compact[at++] == '-';
        if (const std::size_t end = digitsFrom(at); end > at)
            i = end; // an 'E' without digits is not part of the number
    }

    double magnitude = 0;
    const char* first = compact.data() + mantissaStart;
    const auto [end, error] = std::from_chars(first, compact.data() + i, magnitude);
    if (error == std::errc::result_out_of_range)
        magnitude = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -magnitude : magnitude;
}

} // namespace orvane
