#include "SettingsText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace orvane
{

namespace
{

// Decimal text of `value` rounded to `digits` significant digits, without trailing zeros, in
// fixed notation for every magnitude a setting holds and with an exponent only beyond that.
std::string formatSignificant(double value, int digits)
{
    if (!std::isfinite(value))
        return std::to_string(value); // "inf"/"nan": reads back as the key's default
    if (value == 0)
        return "0"; // also for -0

    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    const std::string_view text(buffer);
    const auto e = text.find('e');
    const bool negative = text.front() == '-';
    std::string mantissa; // the significant digits, without point and sign
    for (char c : text.substr(0, e))
        if (c >= '0' && c <= '9')
            mantissa += c;
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out = negative ? "-" : "";
    constexpr int kLowestFixed = -5;
    constexpr int kHighestFixed = 14;
    if (exponent < kLowestFixed || exponent > kHighestFixed) {
        out += mantissa.substr(0, 1);
        if (mantissa.size() > 1)
            out += "." + mantissa.substr(1);
        char exponentText[8];
        std::snprintf(exponentText, sizeof exponentText, "E%+03d", exponent);
        return out + exponentText;
    }
    if (exponent < 0)
        return out + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= wholeDigits)
        return out + mantissa + std::string(wholeDigits - mantissa.size(), '0');
    return out + mantissa.substr(0, wholeDigits) + "." + mantissa.substr(wholeDigits);
}

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<double> parseWholeNumberText(std::string_view text, double lowest, double highest)
{
    const auto value = parseDouble(text);
    if (!value)
        return std::nullopt;
    const double whole = std::nearbyint(*value); // nearest, ties to even
    if (whole < lowest || whole > highest)
        return std::nullopt;
    return whole;
}

} // namespace

std::string formatBool(bool value)
{
    return value ? "True" : "False";
}

std::string formatWhole(long long value)
{
    return std::to_string(value);
}

std::string formatSingle(float value)
{
    return formatSignificant(value, 7);
}

std::string formatDouble(double value)
{
    return formatSignificant(value, 15);
}

std::optional<bool> parseBool(std::string_view text)
{
    const auto t = trimmed(text);
    const auto is = [t](std::string_view word) {
        if (t.size() != word.size())
            return false;
        for (std::size_t i = 0; i < t.size(); ++i)
            if ((t[i] | 0x20) != word[i])
                return false;
        return true;
    };
    if (is("true"))
        return true;
    if (is("false"))
        return false;
    if (const auto number = parseDouble(t))
        return *number != 0;
    return std::nullopt;
}

std::optional<std::int32_t> parseInt32(std::string_view text)
{
    using Limits = std::numeric_limits<std::int32_t>;
    if (const auto whole = parseWholeNumberText(text, Limits::min(), Limits::max()))
        return static_cast<std::int32_t>(*whole);
    return std::nullopt;
}

std::optional<std::int16_t> parseInt16(std::string_view text)
{
    using Limits = std::numeric_limits<std::int16_t>;
    if (const auto whole = parseWholeNumberText(text, Limits::min(), Limits::max()))
        return static_cast<std::int16_t>(*whole);
    return std::nullopt;
}

std::optional<float> parseSingle(std::string_view text)
{
    const auto value = parseDouble(text);
    if (!value)
        return std::nullopt;
    const auto single = static_cast<float>(*value);
    if (!std::isfinite(single))
        return std::nullopt;
    return single;
}

std::optional<double> parseDouble(std::string_view text)
{
    auto t = trimmed(text);
    if (t.size() > 1 && t.front() == '+' && t[1] != '-')
        t.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || error != std::errc() || end != t.data() + t.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace orvane
