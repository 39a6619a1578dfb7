#include "win32/view/ModalScope.h"

#include "win32/view/RootWindow.h"

namespace quintel::win32 {

ModalScope::ModalScope(HWND modal, HWND owner) : modal_(modal) {
    if (owner) owner = RootWindow(owner);
    if (owner && owner != modal_ && IsWindowEnabled(owner)) owner_ = owner;
    if (owner_ && !GetWindow(modal_, GW_OWNER)) {
        SetWindowLongPtrA(modal_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_));
        owned_ = true;
    }
    if (owner_) EnableWindow(owner_, FALSE);
    if (IsWindowVisible(modal_)) SetActiveWindow(modal_);
}

ModalScope::~ModalScope() {
    Release();
    // Hidden by now; shown again later without a modal loop, it stands on
    // its own.
    if (owned_ && IsWindow(modal_)) SetWindowLongPtrA(modal_, GWLP_HWNDPARENT, 0);
}

void ModalScope::Release() noexcept {
    if (released_) return;
    released_ = true;
    if (!owner_ || !IsWindow(owner_)) return;
    EnableWindow(owner_, TRUE);
}

}  // namespace quintel::win32
