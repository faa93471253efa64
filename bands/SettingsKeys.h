#pragma once

#include <string_view>

// The keys of section [StartUp]. Spelled as they have always been written; the store matches
// them without regard to case.
namespace orvane::settings_keys
{

inline constexpr std::string_view kFormLeft = "Form_Left";
inline constexpr std::string_view kFormTop = "Form_Top";
inline constexpr std::string_view kAutoHide = "AutoHide";
inline constexpr std::string_view kBaseAddress = "BaseAddress";
inline constexpr std::string_view kDwellSetting = "DwellSetting";
inline constexpr std::string_view kSweepTime = "SweepTime";
inline constexpr std::string_view kSweepStep = "SweepStep";
inline constexpr std::string_view kMultiplier = "Multiplier";
inline constexpr std::string_view kClockFreq = "Clock_Freq";
inline constexpr std::string_view k9850Checked = "9850_Checked";
inline constexpr std::string_view kPllOn = "PLL_On";
inline constexpr std::string_view kCustomFreqFlag = "Custom Freq Flag";
inline constexpr std::string_view kAppNumber = "App_Number";
inline constexpr std::string_view kLastFrequency = "Last_Frequency";
inline constexpr std::string_view kStepIndex = "Step_Index";

} // namespace orvane::settings_keys
