#pragma once

#include "SynthConfig.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane
{

enum class LptPort { Lpt1, Lpt2, Lpt3 };
enum class OutputMode { X1, X2, X4 };

inline constexpr std::array<int, 3> kPortBases{888, 632, 956};     // by LptPort
inline constexpr std::array<short, 3> kOutputMultipliers{1, 2, 4}; // by OutputMode

// The settings the configuration is kept in; the front panel maps them to their keys.
enum class SynthSetting { BaseAddress, Multiplier, ClockFreq, Chip9850, PllOn, CustomFreqFlag };

// The stored values the configuration is restored from, each already read with its default.
struct StoredSynthSettings {
    std::int32_t baseAddress = 888;
    std::int16_t multiplier = 1;
    float clockFreq = 100.0f;
    bool is9850 = true;
    bool pllOn = false; // only read when the AD9851 is selected
    bool customFreqFlag = false;
};

// What the Program menu's groups and the Reference Oscillator dialog show. The chip items'
// check marks follow SynthConfig::is9850 and the dialog's X6 option SynthConfig::x6.
struct SynthMenuState {
    std::optional<LptPort> port;    // none checked for an address that is no LPT port
    std::optional<OutputMode> mode; // none checked for an unknown multiplier
    bool standardChecked = false;
    bool customChecked = false;
    // Captions with '&' marking the access key, as the menu shows them.
    std::string standardCaption = "&Standard Frequency";
    std::string customCaption = "&Custom Frequency";
    bool pllOptionsEnabled = true; // the dialog's X1 and X6 options
    std::string crystalText = " "; // the dialog's crystal frequency box

    friend bool operator==(const SynthMenuState&, const SynthMenuState&) = default;
};

// What a handler changed beyond the state: the settings to save now, in order, whether the
// current frequency must be sent again with the new clock, and whether the dialog's options
// were set (so an open dialog shows them).
struct SynthChange {
    std::vector<SynthSetting> saved;
    bool resend = false;
    bool pllOptionsSet = false;

    friend bool operator==(const SynthChange&, const SynthChange&) = default;
};

// The synthesizer configuration's menu groups and Reference Oscillator dialog as plain state:
// the start-up restore and every handler's changes. Works on the SynthConfig its owner keeps
// (the one the port link reads); sends and saves nothing itself.
class SynthConfigMenu
{
public:
    // How a clock is written in captions and the dialog: the settings' text form of a single.
    using FormatSingle = std::string (*)(float);

    SynthConfigMenu(SynthConfig& config, FormatSingle formatSingle);

    const SynthConfig& config() const { return m_config; }
    const SynthMenuState& state() const { return m_state; }

    // Start-up: port, output mode, then clock and chip. Sends nothing.
    void restore(const StoredSynthSettings& stored);

    SynthChange selectPort(LptPort port);
    SynthChange selectOutputMode(OutputMode mode);
    SynthChange select9850();
    SynthChange select9851();
    SynthChange selectStandardFrequency();
    // The Custom item: fills the dialog before it is shown. Changes nothing else.
    void openCustomFrequency();
    // The dialog's Save with the number read from the typed text and the option chosen.
    // A crystal frequency that gives no usable clock (0 or less, or too large for the clock's
    // precision) is refused: nullopt, and nothing has changed.
    std::optional<SynthChange> saveCrystal(double typedMHz, std::string_view typedText,
                                           bool x6Selected);

private:
    void useStandardClock();
    void selectChip(bool is9850);
    void setCustomCaption(float crystalMHz);
    float crystalMHz() const;

    SynthConfig& m_config;
    FormatSingle m_formatSingle;
    SynthMenuState m_state;
};

} // namespace orvane
