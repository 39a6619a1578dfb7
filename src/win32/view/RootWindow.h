// The top-level window a window belongs to, as GetAncestor(GA_ROOT) gives
// it on the Windows that have that call (98 and 2000 on): the last window
// up the chain of child windows' parents.
#pragma once

#include <windows.h>

namespace quintel::win32 {

inline HWND RootWindow(HWND window) {
    while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
    return window;
}

}  // namespace quintel::win32
