#include "win32/view/TextView.h"

#include <windowsx.h>

namespace quintel::win32 {

TextView::~TextView() {
    if (Window() && IsWindow(Window())) Unsubclass(Window());
}

ControlView::Kind TextView::WindowKind() const {
    const DWORD align = text_.Alignment() == forms::TextBox::Align::Center ? ES_CENTER : ES_LEFT;
    return {"EDIT", ES_AUTOHSCROLL | align, WS_EX_CLIENTEDGE};
}

void TextView::Created() {
    made_ = text_.Alignment();
    Subclass(Window());
}

void TextView::Mirror() {
    if (text_.Alignment() != made_) Remake();
    SetTextIfChanged(Window(), text_.Text());
}

bool TextView::UserCommand(UINT code, int) {
    if (code != EN_CHANGE) return false;
    text_.UserText(WindowText(Window()));
    return true;
}

void TextView::Remake() {
    HWND old = Window();
    HWND fresh = MakeWindow(GetParent(old), GetDlgCtrlID(old), GroupStyle());
    if (!fresh) return;  // keep the old alignment rather than lose the box
    // The same place in the tab order, the same text and state.
    SetWindowPos(fresh, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowTextA(fresh, text_.Text().c_str());
    DWORD start = 0, end = 0;
    SendMessageA(old, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SendMessageA(fresh, EM_SETSEL, start, static_cast<LPARAM>(end));
    EnableWindow(fresh, IsWindowEnabled(old));
    const bool focused = GetFocus() == old;
    const bool shown = (GetWindowLongA(old, GWL_STYLE) & WS_VISIBLE) != 0;
    Unsubclass(old);
    ReplaceWindow(fresh);
    Created();
    if (shown) ShowWindow(fresh, SW_SHOWNA);
    if (focused) SetFocus(fresh);
    DestroyWindow(old);
}

void TextView::Subclass(HWND window) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TextView::EditProc)));
}

void TextView::Unsubclass(HWND window) {
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == &TextView::EditProc)
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc_));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

LRESULT CALLBACK TextView::EditProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<TextView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->HandleEdit(window, message, wParam, lParam);
    } catch (...) {
        self->Context().Errors.Keep(std::current_exception());
        return 0;
    }
}

LRESULT TextView::HandleEdit(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC edit = editProc_;
    if (message == WM_CHAR) return HANDLE_WM_CHAR(window, wParam, lParam, OnChar);
    if (message == WM_NCDESTROY) Unsubclass(window);
    return CallWindowProcA(edit, window, message, wParam, lParam);
}

void TextView::OnChar(HWND window, TCHAR ch, int repeat) {
    // The filter works on the character's code in the ANSI code page, as
    // VB's KeyAscii does; 0 back means the key is refused.
    const int key = text_.UserKey(static_cast<unsigned char>(ch));
    if (key == 0) return;
    auto edit = [this](HWND w, UINT m, WPARAM wp, LPARAM lp) {
        return CallWindowProcA(editProc_, w, m, wp, lp);
    };
    FORWARD_WM_CHAR(window, static_cast<TCHAR>(key), repeat, edit);
}

}  // namespace quintel::win32
