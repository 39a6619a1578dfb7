#include "win32/korvet/KorvetRemote.h"

#include <windows.h>

#include "win32/Handles.h"
#include "win32/korvet/KorvetControl.h"

namespace quintel::korvet {

namespace {

static_assert(PauseMessage == WM_APP + 1 && ResumeMessage == WM_APP + 2 &&
                  StateQueryMessage == WM_APP + 3 && StopMessage == WM_CLOSE,
              "KorvetControl.h states the message numbers other programs rely on");

// Long enough for a ping in progress (one second at most) to finish.
constexpr DWORD StopWait = 10000;

int Stop(HWND window) {
    if (!window) return ExitOk;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const win32::UniqueHandle process(processId ? OpenProcess(SYNCHRONIZE, FALSE, processId)
                                                : nullptr);
    PostMessageA(window, StopMessage, 0, 0);
    if (process) WaitForSingleObject(process.Get(), StopWait);
    return ExitOk;
}

}  // namespace

int SendToRunningCompanion(Action action) {
    HWND window = FindWindowA(WindowClass, nullptr);
    switch (action) {
    case Action::Stop: return Stop(window);
    case Action::Pause:
    case Action::Resume:
        if (!window) return ExitNotRunning;
        return PostMessageA(window, action == Action::Pause ? PauseMessage : ResumeMessage, 0, 0)
                   ? ExitOk
                   : ExitNotRunning;
    default: return ExitUsage;
    }
}

}  // namespace quintel::korvet
