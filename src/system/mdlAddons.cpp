#include "system/mdlAddons.h"

namespace quintel {

namespace {
constexpr const char* ControlRunDll = "rundll32.exe shell32.dll,Control_RunDLL ";
}

void OpenProductWebSite(Shell& shell) {
    shell.Open(ProductWebSite, show::Normal);
}

void StartSupportEMail(Shell& shell) {
    shell.Open(std::string("mailto:") + SupportEMail, show::Show);
}

std::uint32_t OpenInternetOptions(ProcessLauncher& launcher) {
    return launcher.Start(std::string(ControlRunDll) + "inetcpl.cpl,,0", show::Show);
}

std::uint32_t OpenModemOptions(ProcessLauncher& launcher) {
    return launcher.Start(std::string(ControlRunDll) + "modem.cpl", show::Show);
}

std::uint32_t OpenSystemOptions(ProcessLauncher& launcher) {
    return launcher.Start(std::string(ControlRunDll) + "sysdm.cpl,,0", show::Show);
}

std::uint32_t OpenNetworkOptions(ProcessLauncher& launcher, const WindowsFamily& family) {
    if (family.Is9xBranch()) return launcher.Start(std::string(ControlRunDll) + "netcpl.cpl", show::Show);
    if (family.IsNTBranch()) return launcher.Start(std::string(ControlRunDll) + "ncpa.cpl", show::Show);
    return 0;
}

}  // namespace quintel
