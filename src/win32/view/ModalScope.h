// While a form runs modally the window it was shown over owns it and takes
// no input, as DialogBox does with its owner: the modal window stays in
// front of it. Release gives the owner its input back before the modal
// window is hidden, as EndDialog does, so Windows activates the owner and
// not another program's window.
#pragma once

#include <windows.h>

namespace quintel::win32 {

class ModalScope {
public:
    // `owner` may be null: a form shown with no window of the program
    // active has nothing to hold.
    ModalScope(HWND modal, HWND owner);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    HWND Modal() const { return modal_; }
    void Release() noexcept;

private:
    HWND modal_;
    HWND owner_ = nullptr;
    bool owned_ = false;
    bool released_ = false;
};

}  // namespace quintel::win32
