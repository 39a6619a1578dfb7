// The window a frame or a tab page puts its controls in. It is a control
// parent (WS_EX_CONTROLPARENT), so the dialog manager walks into it for
// the Tab key and the access keys, and its controls' notifications go on
// to the form's window, where the views are found.
#pragma once

#include <windows.h>

namespace quintel::win32 {

// A hidden, empty pane as a child of `parent`.
HWND MakePane(HWND parent, HINSTANCE instance);

}  // namespace quintel::win32
