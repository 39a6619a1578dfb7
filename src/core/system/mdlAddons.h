// The Control Panel applets the toolbar and the View menu open, and the
// product's web site and support address.
#pragma once

#include <cstdint>

#include "platform/Processes.h"
#include "platform/Shell.h"
#include "core/system/WindowsFamily.h"

namespace quintel {

constexpr const char* ProductWebSite = "https://www.quintel.example/";
constexpr const char* SupportEMail = "support@quintel.example";

// The web site in the browser (shown normally) and a new message to
// support in the mail program (shown); the shell's answer is not needed.
void OpenProductWebSite(Shell& shell);
void StartSupportEMail(Shell& shell);

// Each answers the started process's identifier, or why nothing started.
Result<std::uint32_t> OpenInternetOptions(ProcessLauncher& launcher);
Result<std::uint32_t> OpenModemOptions(ProcessLauncher& launcher);
Result<std::uint32_t> OpenSystemOptions(ProcessLauncher& launcher);
// The network applet of the running family; nothing before the detection
// (the answer is then that no such program was found).
Result<std::uint32_t> OpenNetworkOptions(ProcessLauncher& launcher, const WindowsFamily& family);

}  // namespace quintel
