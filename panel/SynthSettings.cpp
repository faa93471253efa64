#include "SynthSettings.h"

#include "bands/SettingsKeys.h"
#include "bands/SettingsStore.h"

namespace orvane
{

namespace keys = settings_keys;

StoredSynthSettings readSynthSettings(const SettingsStore& store)
{
    const StoredSynthSettings defaults;
    StoredSynthSettings stored;
    stored.baseAddress = store.readInt32(keys::kBaseAddress, defaults.baseAddress);
    stored.multiplier = store.readInt16(keys::kMultiplier, defaults.multiplier);
    stored.clockFreq = store.readSingle(keys::kClockFreq, defaults.clockFreq);
    stored.is9850 = store.readBool(keys::k9850Checked, defaults.is9850);
    if (!stored.is9850)
        stored.pllOn = store.readBool(keys::kPllOn, defaults.pllOn);
    stored.customFreqFlag = store.readBool(keys::kCustomFreqFlag, defaults.customFreqFlag);
    return stored;
}

void saveSynthSetting(SettingsStore& store, SynthSetting setting, const SynthConfig& config)
{
    switch (setting) {
    case SynthSetting::BaseAddress:
        store.writeWhole(keys::kBaseAddress, config.portBase);
        break;
    case SynthSetting::Multiplier:
        store.writeWhole(keys::kMultiplier, config.outputMultiplier);
        break;
    case SynthSetting::ClockFreq:
        store.writeSingle(keys::kClockFreq, config.refClockMHz);
        break;
    case SynthSetting::Chip9850:
        store.writeBool(keys::k9850Checked, config.is9850);
        break;
    case SynthSetting::PllOn:
        store.writeBool(keys::kPllOn, config.x6);
        break;
    case SynthSetting::CustomFreqFlag:
        store.writeBool(keys::kCustomFreqFlag, config.customClock);
        break;
    }
}

} // namespace orvane
