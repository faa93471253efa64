#include "segdisplay/DisplayText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace glintar
{

namespace
{

// The significant digits a double is trusted to: rounding works on the value as it reads in
// this many digits, not on the binary fraction behind it.
constexpr int kSignificantDigits = 15;

// |x| as decimal digits and the count of them that lie before the point (may be 0 or negative).
struct Decimal {
    std::string digits;
    int pointPos = 0;
};

Decimal toDecimal(double ax)
{
    if (ax == 0)
        return {"0", 1};
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, ax, std::chars_format::scientific,
                                   kSignificantDigits - 1);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const auto e = text.find('e');
    Decimal d;
    for (char c : text.substr(0, e))
        if (c != '.')
            d.digits += c;
    int exponent = 0;
    const auto expText = text.substr(e + 1);
    const char* first = expText.data() + (expText.front() == '+' ? 1 : 0);
    std::from_chars(first, expText.data() + expText.size(), exponent);
    d.pointPos = exponent + 1;
    return d;
}

// Adds one to a string of decimal digits.
void increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string twoDigits(int v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string fourDigits(int v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d", v);
    return buf;
}

} // namespace

std::optional<std::string> formatFixed(double x, int decimals)
{
    if (!std::isfinite(x))
        return std::nullopt;
    decimals = std::max(decimals, 0);
    const Decimal d = toDecimal(std::fabs(x));

    // n = |x| * 10^decimals rounded half away from zero, as digits.
    const long keep = static_cast<long>(d.pointPos) + decimals;
    const auto len = static_cast<long>(d.digits.size());
    std::string n;
    if (keep <= 0) {
        n = (keep == 0 && d.digits.front() >= '5') ? "1" : "0";
    } else if (keep >= len) {
        n = d.digits + std::string(static_cast<std::size_t>(keep - len), '0');
    } else {
        n = d.digits.substr(0, static_cast<std::size_t>(keep));
        if (d.digits[static_cast<std::size_t>(keep)] >= '5')
            increment(n);
    }
    n.erase(0, std::min(n.find_first_not_of('0'), n.size()));
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (n.size() < width)
        n.insert(0, width - n.size(), '0');
    if (decimals > 0)
        n.insert(n.size() - static_cast<std::size_t>(decimals), 1, '.');
    if (x < 0)
        n.insert(0, 1, '-');
    return n;
}

std::optional<std::string> buildNumberText(double value, const NumberFormat& format)
{
    auto text = formatFixed(std::fabs(value), format.decimals);
    if (!text)
        return std::nullopt;
    std::string& s = *text;
    const long p = s.find('.') != std::string::npos ? 1 : 0;
    const long u = format.cellCount - 1;
    const auto length = static_cast<long>(s.size());
    if (format.leadingZeros && length - p < u)
        s.insert(0, static_cast<std::size_t>(u + p - length), '0');

    switch (format.signMode) {
    case SignMode::Always:
        s.insert(0, 1, value >= 0 ? '+' : '-');
        break;
    case SignMode::LeadingSign:
        if (format.leadingZeros)
            s.insert(0, 1, '0');
        break;
    case SignMode::NegativeOnly:
        if (value < 0)
            s.insert(0, 1, '-');
        else if (format.leadingZeros)
            s.insert(0, 1, '0');
        break;
    }
    return text;
}

std::string buildTimeText(int dateType, const DateTime& now)
{
    const std::string time =
        twoDigits(now.hour) + ":" + twoDigits(now.minute) + ":" + twoDigits(now.second);
    if (dateType == static_cast<int>(DateType::TimeOnly))
        return time;
    const std::string yyyy = fourDigits(now.year);
    const std::string mo = twoDigits(now.month);
    const std::string dd = twoDigits(now.day);
    switch (static_cast<DateType>(dateType)) {
    case DateType::English1:
        return dd + "-" + mo + "-" + yyyy + time;
    case DateType::English2:
        return mo + "-" + dd + "-" + yyyy + time;
    default:
        return yyyy + "-" + mo + "-" + dd + time;
    }
}

std::vector<TextStep> drawText(std::string_view text, int cellCount, DrawablePredicate drawable)
{
    std::vector<TextStep> steps;
    const int u = cellCount - 1;
    int i = 0;
    auto k = static_cast<long>(text.size());
    while (i <= u) {
        const char ch = k <= 0 ? ' ' : text[static_cast<std::size_t>(k - 1)];
        --k;
        if (ch == '.' || ch == ':') {
            steps.push_back({TextStep::Kind::Point, u - i, ch});
            continue;
        }
        // Past the text's start only blanks remain; a space always has a (dark) form, even
        // for a predicate that forgets it, so the walk always ends.
        if (k < 0 || drawable(ch)) {
            steps.push_back({TextStep::Kind::Character, u - i, ch});
            ++i;
        }
    }
    return steps;
}

} // namespace glintar
