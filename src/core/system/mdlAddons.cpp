#include "core/system/mdlAddons.h"

namespace quintel {

namespace {
// The Control Panel's own starter, with the applet and its page as the
// last argument.
Result<std::uint32_t> OpenApplet(ProcessLauncher& launcher, const std::string& applet) {
    return launcher.Start(launcher.SystemProgram("rundll32.exe"),
                          {"shell32.dll,Control_RunDLL", applet}, show::Show);
}
}  // namespace

void OpenProductWebSite(Shell& shell) {
    // The shell tells the user itself when nothing can open the address.
    (void)shell.Open(ProductWebSite, show::Normal);
}

void StartSupportEMail(Shell& shell) {
    // The shell tells the user itself when no mail program is set up.
    (void)shell.Open(std::string("mailto:") + SupportEMail, show::Show);
}

Result<std::uint32_t> OpenInternetOptions(ProcessLauncher& launcher) {
    return OpenApplet(launcher, "inetcpl.cpl,,0");
}

Result<std::uint32_t> OpenModemOptions(ProcessLauncher& launcher) {
    return OpenApplet(launcher, "modem.cpl");
}

Result<std::uint32_t> OpenSystemOptions(ProcessLauncher& launcher) {
    return OpenApplet(launcher, "sysdm.cpl,,0");
}

Result<std::uint32_t> OpenNetworkOptions(ProcessLauncher& launcher, const WindowsFamily& family) {
    if (family.Is9xBranch()) return OpenApplet(launcher, "netcpl.cpl");
    if (family.IsNTBranch()) return OpenApplet(launcher, "ncpa.cpl");
    return SystemError{2, "There is no network applet for this Windows."};
}

}  // namespace quintel
