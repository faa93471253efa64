#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orvane {

// One band as its file holds it. Frequencies are whole hertz.
struct BandConfig {
    static constexpr int kNameLength = 20;
    static constexpr int kMemoryCells = 20;
    static constexpr std::size_t kRecordSize = 120;

    std::int16_t bandNumber = 0;           // the slot it was saved from; 0 in a deleted record
    std::string bandName = std::string(kNameLength, ' '); // single-byte (Latin-1) characters
    std::int32_t startFreq = 0;
    std::int32_t endFreq = 0;
    std::int16_t offsetOn = 0;             // 0 unchecked, 1 checked
    std::int32_t offsetFreq = 0;           // IF offset: positive with the oscillator above
    std::int32_t vfoCorrection = 0;
    std::array<std::int32_t, kMemoryCells> memCells{}; // cell k (1..20) at index k - 1; 0 = empty

    std::int32_t memCell(int k) const { return memCells[static_cast<std::size_t>(k - 1)]; }
    std::int32_t& memCell(int k) { return memCells[static_cast<std::size_t>(k - 1)]; }

    // At start-up a slot counts as present exactly when its start frequency is above 0.
    bool presentAtStart() const { return startFreq > 0; }

    friend bool operator==(const BandConfig&, const BandConfig&) = default;
};

// A name as stored: padded with spaces to 20 characters, cut at 20.
std::string padBandName(std::string name);

// The 120-byte little-endian record; fields follow each other without padding.
using BandRecord = std::array<std::uint8_t, BandConfig::kRecordSize>;
BandRecord encodeBandRecord(const BandConfig& band);
// Reads as many of the record's bytes as there are; missing bytes are those of a deleted record,
// so a missing or short file gives an absent band with a blank name rather than garbage.
BandConfig decodeBandRecord(std::span<const std::uint8_t> bytes);

// A real number of hertz as a signed 32-bit whole number, nearest, ties to even; nothing when it
// does not fit.
std::optional<std::int32_t> toHertz(double hertz);

// The number format "###,###,###": commas between groups of three, no leading zeros, a minus sign
// kept, and an empty text for 0.
std::string formatGrouped(std::int64_t value);

// The offset line a band activation writes: "Offset 455,000 Hz", "Offset -455,000 Hz",
// "Offset  Hz" for a checked offset of 0, "Offset 0 Hz" when the offset is off.
std::string activatedOffsetText(bool offsetOn, std::int32_t offset);

} // namespace orvane
