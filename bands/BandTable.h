#pragma once

#include "BandConfig.h"

#include <array>
#include <filesystem>
#include <string>

namespace orvane {

// The fifteen band slots, held for the whole run and written through to their files at once.
class BandTable {
public:
    static constexpr int kSlots = 15;

    explicit BandTable(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    static bool validSlot(int n) { return n >= 1 && n <= kSlots; }
    BandConfig& slot(int n) { return m_slots[static_cast<std::size_t>(n - 1)]; }
    const BandConfig& slot(int n) const { return m_slots[static_cast<std::size_t>(n - 1)]; }

    std::filesystem::path bandFilePath(int n) const;
    // Replace slot n with its file's record / write slot n to its file. Empty text on success,
    // else a line for the user.
    std::string readBandFile(int n);
    std::string writeBandFile(int n) const;
    // Puts `band` into slot n and writes it; when the write fails, slot n keeps its old record.
    std::string replaceSlot(int n, const BandConfig& band);
    // Empties slot n (number 0, blank name, no frequencies, no memories) the same way.
    std::string deleteBand(int n);

private:
    std::filesystem::path m_folder;
    std::array<BandConfig, kSlots> m_slots;
};

} // namespace orvane
