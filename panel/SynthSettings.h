#pragma once

#include "synth/SynthConfigMenu.h"

namespace orvane
{

class SettingsStore;

// The synthesizer configuration's values as read at start-up, each with its default.
// "PLL_On" is only read when the AD9851 is selected.
StoredSynthSettings readSynthSettings(const SettingsStore& store);

// Writes one setting from the configuration's current value, under its key.
void saveSynthSetting(SettingsStore& store, SynthSetting setting, const SynthConfig& config);

} // namespace orvane
