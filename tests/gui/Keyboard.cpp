// Keys typed into another program: posted to the control that has its
// keyboard focus, as the keyboard's input would reach it, so its message
// loop (and the dialog manager there) sees them.
#include <cwctype>

#include "Internals.h"

namespace quintel::gui {

namespace {

bool Post(HWND window, UINT message, WPARAM key, LPARAM data, const Where& where) {
    if (PostMessageW(window, message, key, data)) return true;
    detail::Fail(where, "could not post a key to " + detail::Describe(window) + " (error " +
                            std::to_string(GetLastError()) + ")");
    return false;
}

HWND Target(HWND window, const Where& where) {
    HWND focus = FocusedControl(window);
    if (!focus)
        detail::Fail(where, "nothing in the program of " + detail::Describe(window) +
                                " has the keyboard focus");
    return focus;
}

}  // namespace

HWND FocusedControl(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = IsWindow(window) ? GetWindowThreadProcessId(window, nullptr) : 0;
    if (!thread || !GetGUIThreadInfo(thread, &info)) return nullptr;
    return info.hwndFocus;
}

bool PressKey(HWND window, WORD virtualKey, Where where) {
    HWND target = Target(window, where);
    if (!target) return false;
    const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyW(virtualKey, 0) << 16);
    const LPARAM up = down | (1L << 30) | static_cast<LPARAM>(1UL << 31);
    return Post(target, WM_KEYDOWN, virtualKey, down, where) &&
           Post(target, WM_KEYUP, virtualKey, up, where);
}

bool PressAccessKey(HWND window, wchar_t letter, Where where) {
    HWND target = Target(window, where);
    if (!target) return false;
    // Bit 29, the context code: Alt is held down.
    const LPARAM withAlt = 1 | (1L << 29);
    return Post(target, WM_SYSCHAR, static_cast<WPARAM>(std::towlower(letter)), withAlt, where);
}

}  // namespace quintel::gui
