#include "win32/view/Pane.h"

#include "win32/ProgramError.h"
#include "win32/view/RootWindow.h"

namespace quintel::win32 {

namespace {

constexpr const char* ClassName = "QuintelPane";

LRESULT CALLBACK PaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return SendMessageA(RootWindow(pane), message, wParam, lParam);
    }
    return DefWindowProcA(pane, message, wParam, lParam);
}

}  // namespace

HWND MakePane(HWND parent, HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &PaneProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw ProgramError("could not register the pane window class");
    // Clipping its children, as the forms do (FormStyle).
    HWND pane = CreateWindowExA(WS_EX_CONTROLPARENT, ClassName, "", WS_CHILD | WS_CLIPCHILDREN, 0, 0,
                                0, 0, parent, nullptr, instance, nullptr);
    if (!pane) throw ProgramError("could not create a pane");
    return pane;
}

}  // namespace quintel::win32
