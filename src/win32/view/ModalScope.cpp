#include "win32/view/ModalScope.h"

namespace quintel::win32 {

namespace {

struct Collect {
    HWND modal;
    std::vector<HWND>* windows;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM data) {
    auto* collect = reinterpret_cast<Collect*>(data);
    if (window != collect->modal && IsWindowVisible(window) && IsWindowEnabled(window)) {
        collect->windows->push_back(window);
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

}  // namespace

ModalScope::ModalScope(HWND modal) : modal_(modal), previous_(GetActiveWindow()) {
    if (previous_ == modal_) previous_ = nullptr;
    // Owned by the window it interrupts, it stays in front of it.
    if (previous_ && !GetWindow(modal_, GW_OWNER)) {
        SetWindowLongPtrA(modal_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(previous_));
        owned_ = true;
    }
    Collect collect{modal_, &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(&collect));
    if (IsWindowVisible(modal_)) SetActiveWindow(modal_);
}

void ModalScope::Release() noexcept {
    if (released_) return;
    released_ = true;
    for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it)
        if (IsWindow(*it)) EnableWindow(*it, TRUE);
    // Shown again later without a modal loop, it stands on its own.
    if (owned_ && IsWindow(modal_)) SetWindowLongPtrA(modal_, GWLP_HWNDPARENT, 0);
    if (previous_ && IsWindow(previous_) && IsWindowVisible(previous_)) {
        SetForegroundWindow(previous_);
        SetActiveWindow(previous_);
    }
}

}  // namespace quintel::win32
