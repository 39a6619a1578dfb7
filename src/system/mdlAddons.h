// The Control Panel applets the toolbar and the View menu open, and the
// product's web site and support address.
#pragma once

#include <cstdint>

#include "platform/Processes.h"
#include "system/WindowsFamily.h"

namespace quintel {

constexpr const char* ProductWebSite = "https://www.quintel.example/";
constexpr const char* SupportEMail = "support@quintel.example";

// Each returns the started process's identifier, 0 when nothing started.
std::uint32_t OpenInternetOptions(ProcessLauncher& launcher);
std::uint32_t OpenModemOptions(ProcessLauncher& launcher);
std::uint32_t OpenSystemOptions(ProcessLauncher& launcher);
// The network applet of the running family; nothing before the detection.
std::uint32_t OpenNetworkOptions(ProcessLauncher& launcher, const WindowsFamily& family);

}  // namespace quintel
