// While a form runs modally the program's other windows take no input,
// and the modal window stays above the one that was active. Release hands
// everything back: the windows' input, then the activation, in that order
// so Windows does not activate another program's window in between.
#pragma once

#include <windows.h>

#include <vector>

namespace quintel::win32 {

class ModalScope {
public:
    explicit ModalScope(HWND modal);
    ~ModalScope() { Release(); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    HWND Modal() const { return modal_; }
    void Release() noexcept;

private:
    HWND modal_;
    HWND previous_;
    std::vector<HWND> disabled_;
    bool owned_ = false;
    bool released_ = false;
};

}  // namespace quintel::win32
