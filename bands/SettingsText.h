#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The text forms of values in the settings file. Writers always produce these forms; readers
// accept them and a little more (blanks around the text, any letter case for Booleans), and
// answer nullopt for text that does not hold a value of the type, so the caller can fall back
// to the key's default.
namespace orvane
{

std::string formatBool(bool value);       // "True" or "False"
std::string formatWhole(long long value); // plain decimal digits, '-' when negative
// Rounded to 7 significant digits, trailing zeros and a bare point dropped: 100, 180, 125.0001.
std::string formatSingle(float value);
// Rounded to 15 significant digits, trailing zeros and a bare point dropped: 7040000.
std::string formatDouble(double value);

std::optional<bool> parseBool(std::string_view text);
std::optional<std::int32_t> parseInt32(std::string_view text);
std::optional<std::int16_t> parseInt16(std::string_view text);
std::optional<float> parseSingle(std::string_view text);
std::optional<double> parseDouble(std::string_view text);

} // namespace orvane
