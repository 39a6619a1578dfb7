// The per-user "Show Tips at Startup" setting of the tip of the day.
#pragma once

#include <string>

#include "platform/UserSettings.h"

namespace quintel {

constexpr const char* TipSection = "Options";
constexpr const char* TipKey = "Show Tips at Startup";

// True when the tip window should open at start-up; a missing setting
// counts as "1".
bool ShowTipsAtStartup(UserSettings& settings, const std::string& appName);

}  // namespace quintel
