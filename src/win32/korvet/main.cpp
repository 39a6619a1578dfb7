// Korvet.exe, the keep-alive companion: pings the host of the ping tab
// every few minutes from a hidden window, one copy at a time. With a
// switch it only controls the copy that runs (see KorvetControl.h).
#include <windows.h>

#include "core/switches/CommandLine.h"
#include "core/ping/KeepAlive.h"
#include "win32/FolderCheck.h"
#include "win32/SystemFolders.h"
#include "win32/Win32Services.h"
#include "win32/Win32System.h"
#include "win32/korvet/KorvetControl.h"
#include "win32/korvet/KorvetPing.h"
#include "win32/korvet/KorvetRemote.h"
#include "win32/korvet/KorvetSwitches.h"
#include "win32/korvet/KorvetWindow.h"
#include "win32/korvet/SteadyClock.h"

namespace {

// The exit code of a companion that ended on an unexpected error.
constexpr int ExitFailed = 3;

int RunCompanion() {
    using namespace quintel;
    // Ping.cfg is read through the folder's ANSI path: where that leads
    // nowhere the companion would ping the default host forever. Nobody
    // sees it, so it leaves without a box; the main window says why.
    if (win32::CheckApplicationFolder()) return korvet::ExitUnusableFolder;
    win32::NamedMutexInstance instance(korvet::InstanceMutex);
    if (instance.AnotherInstanceRunning()) return korvet::ExitOk;

    korvet::KorvetPing pinger(win32::ApplicationFolder());
    KeepAlive keepAlive([&pinger] { return pinger.Load(); },
                        [&pinger](const PingSettings& settings) { pinger.Ping(settings); });
    korvet::SteadyClock clock;
    korvet::KorvetWindow window(keepAlive, clock);
    window.Create(GetModuleHandleA(nullptr));
    return window.RunMessageLoop();
}

int Run() {
    using namespace quintel::korvet;
    const Action action = ParseArguments(quintel::ArgumentText(GetCommandLineA()));
    switch (action) {
    case Action::Run: return RunCompanion();
    case Action::Unknown: return ExitUsage;
    default: return SendToRunningCompanion(action);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    quintel::win32::KeepCurrentFolderOutOfDllSearch();
    // No message box, even now: the companion runs unattended, and a box
    // nobody answers would keep it alive doing nothing.
    try {
        return Run();
    } catch (...) {
        return ExitFailed;
    }
}
