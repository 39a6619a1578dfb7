#include "win32/view/ButtonViews.h"

#include "win32/view/Pane.h"

namespace quintel::win32 {

namespace {

void SetCheckIfChanged(HWND window, WPARAM state) {
    if (static_cast<WPARAM>(SendMessageA(window, BM_GETCHECK, 0, 0)) != state)
        SendMessageA(window, BM_SETCHECK, state, 0);
}

}  // namespace

// Clipped by its siblings: it lies below its contents and must not paint
// over them.
// Transparent: the pane clips its children, and the inside of the group
// box, which it never paints, is left to the pane's background that way.
ControlView::Kind FrameView::WindowKind() const {
    return {"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_TRANSPARENT};
}

HWND FrameView::ParentFor(HWND parent) {
    pane_ = MakePane(parent, Context().Instance);
    return pane_;
}

POINT FrameView::ContentOrigin(int) const {
    const PixelRect place = PlaceOf(Model(), Context().Scale);
    return POINT{place.Left, place.Top};
}

void FrameView::Lower() {
    SetWindowPos(Window(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The pane goes where the group box is, and shows and takes input as the
// frame does.
void FrameView::Placed() {
    const PixelRect place = PlaceOf(Model(), Context().Scale);
    const POINT origin = ContainerOrigin();
    SetWindowPos(pane_, nullptr, place.Left - origin.x, place.Top - origin.y, place.Width(),
                 place.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    EnableWindow(pane_, IsWindowEnabled(Window()));
    const bool shown = (GetWindowLongA(Window(), GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != ((GetWindowLongA(pane_, GWL_STYLE) & WS_VISIBLE) != 0))
        ShowWindow(pane_, shown ? SW_SHOWNA : SW_HIDE);
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
    // As in a dialog box, the Tab key stops at the group's chosen option.
    SetStyle(Window(), WS_TABSTOP, option_.Value());
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

ControlView::Kind CommandView::WindowKind() const {
    return {"BUTTON", static_cast<DWORD>(button_.Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)};
}

void CommandView::Mirror() { SetTextIfChanged(Window(), Model().Caption()); }

bool CommandView::UserCommand(UINT code, int) {
    if (code != BN_CLICKED) return false;
    button_.UserClick();
    return true;
}

}  // namespace quintel::win32
