// A form window's border and size: the styles the model's border
// settings ask for, and the window size that gives the model's client
// area, menu bar included.
#pragma once

#include <windows.h>

#include "ui/forms/Form.h"

namespace quintel::win32 {

DWORD FormStyle(const forms::Form& form);
DWORD FormExStyle(const forms::Form& form);

// The outer size for a client area of `client` pixels.
SIZE WindowSizeFor(SIZE client, DWORD style, DWORD exStyle, bool hasMenu);

// Resizes `window` so its client area is `client`, checking afterwards:
// a menu bar too long for the window takes a second line.
void FitClientSize(HWND window, SIZE client);

// The top-left corner that centres a window of `size` on the desktop's
// work area (the screen without the taskbar).
POINT CentredOnWorkArea(SIZE size);

}  // namespace quintel::win32
