#include "win32/view/ControlView.h"

#include <vector>

#include "win32/ProgramError.h"

namespace quintel::win32 {

namespace {

bool SameRect(const PixelRect& a, const PixelRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

}  // namespace

void ControlView::Create(HWND parent, const ControlView* container, int id, DWORD groupStyle) {
    container_ = container;
    groupStyle_ = groupStyle;
    window_ = MakeWindow(ParentFor(parent), id, groupStyle);
    if (!window_) throw ProgramError("could not create the window of " + model_.Name());
    placed_ = PlaceInParent();
    Created();
}

POINT ControlView::ContainerOrigin() const {
    return container_ ? container_->ContentOrigin(model_.Page()) : POINT{};
}

POINT ControlView::Origin() const { return ContainerOrigin(); }

std::optional<PixelRect> ControlView::PlaceInParent() const {
    std::optional<PixelRect> place = Placement();
    if (!place) return place;
    const POINT origin = Origin();
    place->Left -= origin.x;
    place->Right -= origin.x;
    place->Top -= origin.y;
    place->Bottom -= origin.y;
    return place;
}

HWND ControlView::MakeWindow(HWND parent, int id, DWORD groupStyle) const {
    const Kind kind = WindowKind();
    const PixelRect place = PlaceInParent().value_or(PixelRect{});
    HWND window = CreateWindowExA(
        kind.ExStyle, kind.ClassName, model_.Caption().c_str(), WS_CHILD | groupStyle | kind.Style,
        place.Left, place.Top, place.Width(), place.Height(), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), context_.Instance, nullptr);
    if (window) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(context_.Font), FALSE);
    return window;
}

std::optional<PixelRect> ControlView::Placement() const { return PlaceOf(model_, context_.Scale); }

void ControlView::Place() {
    if (!window_) return;
    // Compared with what was last asked for, not with the window's
    // rectangle: a drop-down list reports only its closed height.
    if (const auto place = PlaceInParent(); place && !(placed_ && SameRect(*placed_, *place))) {
        SetWindowPos(window_, nullptr, place->Left, place->Top, place->Width(), place->Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        placed_ = place;
    }
    const bool usable = Usable(model_);
    if ((IsWindowEnabled(window_) != FALSE) != usable) EnableWindow(window_, usable);
    const bool shown = Shown(model_);
    const bool showing = (GetWindowLongA(window_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != showing) ShowWindow(window_, shown ? SW_SHOWNA : SW_HIDE);
    Placed();
}

void SetTextIfChanged(HWND window, const std::string& text) {
    if (WindowText(window) != text) SetWindowTextA(window, text.c_str());
}

void SetStyle(HWND window, DWORD bits, bool on) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    const DWORD wanted = on ? style | bits : style & ~bits;
    if (wanted != style) SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(wanted));
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(window, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}

}  // namespace quintel::win32
