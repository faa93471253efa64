#include "BandConfig.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace orvane {

namespace {

// Field offsets of the record.
constexpr std::size_t kNumberAt = 0;
constexpr std::size_t kNameAt = 2;
constexpr std::size_t kStartAt = 22;
constexpr std::size_t kEndAt = 26;
constexpr std::size_t kOffsetOnAt = 30;
constexpr std::size_t kOffsetAt = 32;
constexpr std::size_t kCorrectionAt = 36;
constexpr std::size_t kCellsAt = 40;

template <class Int>
void put(BandRecord& record, std::size_t at, Int value)
{
    auto bits = static_cast<std::make_unsigned_t<Int>>(value);
    for (std::size_t i = 0; i < sizeof(Int); ++i, bits >>= 8)
        record[at + i] = static_cast<std::uint8_t>(bits & 0xff);
}

template <class Int>
Int get(const BandRecord& record, std::size_t at)
{
    std::make_unsigned_t<Int> bits = 0;
    for (std::size_t i = sizeof(Int); i-- > 0;)
        bits = static_cast<std::make_unsigned_t<Int>>((bits << 8) | record[at + i]);
    return static_cast<Int>(bits);
}

} // namespace

std::string padBandName(std::string name)
{
    name.resize(BandConfig::kNameLength, ' ');
    return name;
}

BandRecord encodeBandRecord(const BandConfig& band)
{
    BandRecord record{};
    put(record, kNumberAt, band.bandNumber);
    const std::string name = padBandName(band.bandName);
    std::memcpy(record.data() + kNameAt, name.data(), BandConfig::kNameLength);
    put(record, kStartAt, band.startFreq);
    put(record, kEndAt, band.endFreq);
    put(record, kOffsetOnAt, band.offsetOn);
    put(record, kOffsetAt, band.offsetFreq);
    put(record, kCorrectionAt, band.vfoCorrection);
    for (int k = 1; k <= BandConfig::kMemoryCells; ++k)
        put(record, kCellsAt + 4 * static_cast<std::size_t>(k - 1), band.memCell(k));
    return record;
}

BandConfig decodeBandRecord(std::span<const std::uint8_t> bytes)
{
    BandRecord record = encodeBandRecord(BandConfig{});
    std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
    BandConfig band;
    band.bandNumber = get<std::int16_t>(record, kNumberAt);
    band.bandName.assign(reinterpret_cast<const char*>(record.data() + kNameAt),
                         BandConfig::kNameLength);
    band.startFreq = get<std::int32_t>(record, kStartAt);
    band.endFreq = get<std::int32_t>(record, kEndAt);
    band.offsetOn = get<std::int16_t>(record, kOffsetOnAt);
    band.offsetFreq = get<std::int32_t>(record, kOffsetAt);
    band.vfoCorrection = get<std::int32_t>(record, kCorrectionAt);
    for (int k = 1; k <= BandConfig::kMemoryCells; ++k)
        band.memCell(k) = get<std::int32_t>(record, kCellsAt + 4 * static_cast<std::size_t>(k - 1));
    return band;
}

std::optional<std::int32_t> toHertz(double hertz)
{
    // nearbyint rounds ties to even in the default rounding mode.
    const double whole = std::nearbyint(hertz);
    if (!(whole >= std::numeric_limits<std::int32_t>::min() &&
          whole <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

std::string formatGrouped(std::int64_t value)
{
    if (value == 0)
        return {};
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    return value < 0 ? "-" + digits : digits;
}

std::string activatedOffsetText(bool offsetOn, std::int32_t offset)
{
    return offsetOn ? "Offset " + formatGrouped(offset) + " Hz" : "Offset 0 Hz";
}

} // namespace orvane
