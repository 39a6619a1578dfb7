// The windows' common controls 6 and visual styles, for the window path
// only. The process manifest names no common controls: under Wine,
// resolving that dependency costs every start some 70 ms, and the
// switches make no window. The dependency sits in a manifest resource of
// its own (ControlsManifestId), made the thread's activation context
// before the first window, so every window, dialog and message box made
// while it is active gets what a process-wide dependency gave them.
#pragma once

#include <windows.h>

namespace quintel::win32 {

// The resource id of the manifest that names common controls 6.
constexpr int ControlsManifestId = 2;

class CommonControlsContext {
public:
    // Activates the manifest resource `id` of the program file `path`.
    // Windows before XP has no activation contexts, and there nothing
    // happens: its common controls are the only ones.
    CommonControlsContext(const char* path, int id);
    ~CommonControlsContext();
    CommonControlsContext(const CommonControlsContext&) = delete;
    CommonControlsContext& operator=(const CommonControlsContext&) = delete;

    bool Active() const { return active_; }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

}  // namespace quintel::win32
