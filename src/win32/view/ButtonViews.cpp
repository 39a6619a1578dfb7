#include "win32/view/ButtonViews.h"

namespace quintel::win32 {

namespace {

void SetCheckIfChanged(HWND window, WPARAM state) {
    if (static_cast<WPARAM>(SendMessageA(window, BM_GETCHECK, 0, 0)) != state)
        SendMessageA(window, BM_SETCHECK, state, 0);
}

}  // namespace

// Clipped by its siblings: it lies below its contents and must not paint
// over them.
ControlView::Kind FrameView::WindowKind() const {
    return {"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS};
}

void FrameView::Mirror() { SetTextIfChanged(Window(), Model().Caption()); }

HBRUSH FrameView::StaticColours(HDC dc) {
    // A disabled frame greys its caption like any disabled control.
    SetTextColor(dc, GetSysColor(IsWindowEnabled(Window()) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

ControlView::Kind OptionView::WindowKind() const { return {"BUTTON", BS_RADIOBUTTON}; }

void OptionView::Mirror() {
    SetTextIfChanged(Window(), Model().Caption());
    SetCheckIfChanged(Window(), option_.Value() ? BST_CHECKED : BST_UNCHECKED);
}

bool OptionView::UserCommand(UINT code, int) {
    if (code != BN_CLICKED) return false;
    option_.UserClick();
    return true;
}

ControlView::Kind CheckView::WindowKind() const { return {"BUTTON", BS_CHECKBOX}; }

void CheckView::Mirror() {
    SetTextIfChanged(Window(), Model().Caption());
    SetCheckIfChanged(Window(), check_.Value() == forms::CheckBox::Checked ? BST_CHECKED
                                                                           : BST_UNCHECKED);
}

bool CheckView::UserCommand(UINT code, int) {
    if (code != BN_CLICKED) return false;
    check_.UserClick();
    return true;
}

ControlView::Kind CommandView::WindowKind() const { return {"BUTTON", BS_PUSHBUTTON}; }

void CommandView::Mirror() { SetTextIfChanged(Window(), Model().Caption()); }

bool CommandView::UserCommand(UINT code, int) {
    if (code != BN_CLICKED) return false;
    button_.UserClick();
    return true;
}

}  // namespace quintel::win32
