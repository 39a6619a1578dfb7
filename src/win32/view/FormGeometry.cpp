#include "win32/view/FormGeometry.h"

namespace quintel::win32 {

DWORD FormStyle(const forms::Form& form) {
    // Children clipped: under Wine a control painted over a parent that
    // does not clip its children costs several times as much to draw.
    // Group boxes, which paint only their frame, are transparent windows,
    // which clipping leaves to their parent's background.
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (!form.FixedSize) style |= WS_THICKFRAME;
    if (form.MinButton) style |= WS_MINIMIZEBOX;
    if (form.MaxButton) style |= WS_MAXIMIZEBOX;
    return style;
}

// WS_EX_CONTROLPARENT lets the dialog keys reach the controls.
DWORD FormExStyle(const forms::Form&) { return WS_EX_CONTROLPARENT; }

SIZE WindowSizeFor(SIZE client, DWORD style, DWORD exStyle, bool hasMenu) {
    RECT rect{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&rect, style, hasMenu, exStyle);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void FitClientSize(HWND window, SIZE client) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        RECT now{};
        GetClientRect(window, &now);
        const LONG dx = client.cx - (now.right - now.left);
        const LONG dy = client.cy - (now.bottom - now.top);
        if (dx == 0 && dy == 0) return;
        RECT outer{};
        GetWindowRect(window, &outer);
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + dx,
                     outer.bottom - outer.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

POINT CentredOnWorkArea(SIZE size) {
    RECT work{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        work = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    LONG x = work.left + (work.right - work.left - size.cx) / 2;
    LONG y = work.top + (work.bottom - work.top - size.cy) / 2;
    // A window taller than the screen keeps its caption on it.
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    return POINT{x, y};
}

}  // namespace quintel::win32
