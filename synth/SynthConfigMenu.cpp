#include "SynthConfigMenu.h"

#include <algorithm>
#include <cmath>

namespace orvane
{

namespace
{

constexpr float kStandardClock9850 = 100.0f;
constexpr float kStandardClock9851 = 180.0f; // 30 MHz crystal, 6x multiplier on
constexpr int kPllFactor = 6;
constexpr std::string_view kCustomFrequency = "Custom Frequency";

template <typename Item, typename Value, std::size_t N>
std::optional<Item> itemFor(const std::array<Value, N>& values, Value value)
{
    const auto it = std::find(values.begin(), values.end(), value);
    if (it == values.end())
        return std::nullopt;
    return static_cast<Item>(it - values.begin());
}

// A typed text shown in a caption as typed: '&' would otherwise mark an access key.
std::string literalCaption(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += '&';
        out += c;
    }
    return out;
}

} // namespace

SynthConfigMenu::SynthConfigMenu(SynthConfig& config, FormatSingle formatSingle)
    : m_config(config), m_formatSingle(formatSingle)
{
}

float SynthConfigMenu::crystalMHz() const
{
    const bool multiplied = !m_config.is9850 && m_config.x6;
    return multiplied ? m_config.refClockMHz / kPllFactor : m_config.refClockMHz;
}

void SynthConfigMenu::setCustomCaption(float crystal)
{
    const std::string text = m_formatSingle(crystal);
    m_state.customCaption = "Custom " + text + " mHz";
    m_state.crystalText = text;
}

void SynthConfigMenu::restore(const StoredSynthSettings& stored)
{
    m_config.portBase = stored.baseAddress;
    m_state.port = itemFor<LptPort>(kPortBases, stored.baseAddress);

    m_config.outputMultiplier = stored.multiplier;
    m_state.mode = itemFor<OutputMode>(kOutputMultipliers, stored.multiplier);

    // A clock of 0 or below cannot drive the chip; such a stored value counts as unreadable.
    m_config.refClockMHz =
        stored.clockFreq > 0 ? stored.clockFreq : StoredSynthSettings{}.clockFreq;

    m_config.is9850 = stored.is9850;
    m_state.standardCaption = stored.is9850 ? "Standard 100 mHz" : "Standard 30 mHz";
    m_state.standardChecked = true;
    m_state.customChecked = false;
    m_state.pllOptionsEnabled = !stored.is9850;
    m_config.x6 = !stored.is9850 && stored.pllOn;
    m_config.controlPrefix = stored.is9850 ? kPrefixAllZero : kPrefixX6;

    m_config.customClock = stored.customFreqFlag;
    if (stored.customFreqFlag) {
        m_state.customChecked = true;
        m_state.standardChecked = false;
        setCustomCaption(crystalMHz());
        // A crystal without the multiplier drives the AD9851 directly.
        if (!m_config.is9850 && !m_config.x6)
            m_config.controlPrefix = kPrefixAllZero;
    } else {
        m_state.customCaption = kCustomFrequency;
    }
}

SynthChange SynthConfigMenu::selectPort(LptPort port)
{
    m_state.port = port;
    m_config.portBase = kPortBases[static_cast<std::size_t>(port)];
    return {{SynthSetting::BaseAddress}};
}

SynthChange SynthConfigMenu::selectOutputMode(OutputMode mode)
{
    // No send: the new mode applies from the next frequency change.
    m_state.mode = mode;
    m_config.outputMultiplier = kOutputMultipliers[static_cast<std::size_t>(mode)];
    return {{SynthSetting::Multiplier}};
}

void SynthConfigMenu::useStandardClock()
{
    if (m_config.is9850) {
        m_config.refClockMHz = kStandardClock9850;
        m_config.controlPrefix = kPrefixAllZero;
    } else {
        m_config.x6 = true;
        m_config.refClockMHz = kStandardClock9851;
        m_config.controlPrefix = kPrefixX6;
    }
    m_state.standardChecked = true;
    m_state.customChecked = false;
    m_state.customCaption = kCustomFrequency;
}

void SynthConfigMenu::selectChip(bool is9850)
{
    // The custom-clock flag stays as it was: only the Standard item and Save change it.
    m_config.is9850 = is9850;
    m_state.standardCaption = is9850 ? "Standard 100 mHz" : "Standard 30 mHz";
    if (!is9850)
        m_state.pllOptionsEnabled = true;
    useStandardClock();
}

SynthChange SynthConfigMenu::select9850()
{
    selectChip(true);
    return {{SynthSetting::ClockFreq, SynthSetting::Chip9850}, true};
}

SynthChange SynthConfigMenu::select9851()
{
    selectChip(false);
    return {{SynthSetting::ClockFreq, SynthSetting::Chip9850}, true, true};
}

SynthChange SynthConfigMenu::selectStandardFrequency()
{
    const bool optionsSet = !m_config.is9850;
    useStandardClock();
    m_config.customClock = false;
    return {{SynthSetting::ClockFreq, SynthSetting::CustomFreqFlag}, true, optionsSet};
}

void SynthConfigMenu::openCustomFrequency()
{
    if (m_config.is9850) {
        m_state.pllOptionsEnabled = false;
        m_config.x6 = false;
    }
    m_state.crystalText = m_formatSingle(crystalMHz());
}

std::optional<SynthChange> SynthConfigMenu::saveCrystal(double typedMHz, std::string_view typedText,
                                                        bool x6Selected)
{
    const bool multiplied = !m_config.is9850 && x6Selected;
    const auto clock = static_cast<float>(multiplied ? typedMHz * kPllFactor : typedMHz);
    if (!(typedMHz > 0) || !std::isfinite(clock) || !(clock > 0))
        return std::nullopt;

    SynthChange change;
    m_config.x6 = x6Selected;
    m_config.refClockMHz = clock;
    m_config.controlPrefix = multiplied ? kPrefixX6 : kPrefixAllZero;
    change.saved.push_back(SynthSetting::ClockFreq);
    if (!m_config.is9850)
        change.saved.push_back(SynthSetting::PllOn);

    m_state.customChecked = true;
    m_state.standardChecked = false;
    m_config.customClock = true;
    change.saved.push_back(SynthSetting::CustomFreqFlag);

    m_state.customCaption = "Custom " + literalCaption(typedText) + " mHz";
    m_state.crystalText = typedText;
    change.resend = true;
    return change;
}

} // namespace orvane
