// The boundary between Windows and the view's window objects. The object
// behind a window is stored with the window at WM_NCCREATE and found
// again from the handle; no exception crosses back into Windows, whose
// callers cannot unwind C++ frames: it is handed to Failed() and the
// message loop raises it again once Windows has returned.
#pragma once

#include <windows.h>

#include <exception>

namespace quintel::win32 {

template <typename Derived>
class BaseWindow {
public:
    HWND Window() const noexcept { return window_; }

    // True while a message for this window is being handled, so the
    // object must not be deleted yet.
    bool Busy() const noexcept { return depth_ > 0; }

protected:
    BaseWindow() = default;
    ~BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    // The window procedure to register; pass `this` as CreateWindowEx's
    // last argument.
    static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->window_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        }
        if (!self) return DefWindowProcA(window, message, wParam, lParam);

        LRESULT result = 0;
        ++self->depth_;
        try {
            result = self->HandleMessage(message, wParam, lParam);
        } catch (...) {
            self->Failed(std::current_exception());
        }
        --self->depth_;
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
        }
        return result;
    }

private:
    HWND window_ = nullptr;
    int depth_ = 0;
};

}  // namespace quintel::win32
