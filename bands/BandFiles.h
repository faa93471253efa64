#pragma once

#include "BandConfig.h"

#include <filesystem>
#include <string>

namespace orvane {

// The fixed band folder: $XDG_DATA_HOME/Orvane, or ~/.local/share/Orvane.
std::filesystem::path defaultBandFolder();

// "APP1.dat" .. "APP15.dat" in the band folder.
std::filesystem::path bandFilePath(const std::filesystem::path& folder, int slot);

// Record 1 of a band file. A missing file reads as an absent band; `error` says why a file that
// exists could not be read (it is left empty otherwise).
BandConfig readBandFile(const std::filesystem::path& file, std::string* error = nullptr);

// Replaces bytes 0..119 of the file with the record and keeps whatever follows them. The new
// contents go to a temporary file that is then renamed over the old one, so a crash leaves
// either the old file or the new one. Creates the folder and the file when missing. Returns an
// empty text on success, else what went wrong.
std::string writeBandFile(const std::filesystem::path& file, const BandConfig& band);

} // namespace orvane
