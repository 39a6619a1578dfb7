#include "win32/view/CommonControls.h"

#include <windows.h>
#include <commctrl.h>

namespace quintel::win32 {

CommonControls InitCommonControlClasses() {
    // Every version has InitCommonControls, which loads the library the
    // windows get (version 6 through the manifest, where there is one) and,
    // before version 6, registers every class. InitCommonControlsEx came
    // with 4.70; version 6 registers only what it is asked for.
    InitCommonControls();
    MEMORY_BASIC_INFORMATION library{};
    using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    InitEx initEx = nullptr;
    if (VirtualQuery(reinterpret_cast<const void*>(&InitCommonControls), &library, sizeof library))
        initEx = reinterpret_cast<InitEx>(reinterpret_cast<void*>(
            GetProcAddress(static_cast<HMODULE>(library.AllocationBase), "InitCommonControlsEx")));
    if (!initEx) return CommonControls{false};
    // Only flags comctl32 5.8 (Windows XP without a manifest) knows, so the
    // call does not fail there; the buttons, edits and lists come from
    // user32 or, with the manifest, from version 6 by themselves.
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                                           ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
    initEx(&classes);
    return CommonControls{true};
}

}  // namespace quintel::win32
