#pragma once

#include <string_view>

// The remote-control keys of section [StartUp].
namespace orvane::settings_keys {

inline constexpr std::string_view kRemoteEnabled = "Remote_Enabled";
inline constexpr std::string_view kRemotePort = "Remote_Port";
inline constexpr std::string_view kRemoteAllowAll = "Remote_AllowAll";

} // namespace orvane::settings_keys
