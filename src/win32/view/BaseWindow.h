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

    // A window that only takes messages, never shown: a tool window, so
    // it stays out of the task list even if something shows it (Windows 95
    // and NT 4 have no message-only windows). Registers `className` on
    // first use. Nothing when it is made, else the call that failed, for
    // GetLastError's reason.
    const char* CreateHiddenWindow(HINSTANCE instance, const char* className,
                                   const char* title) noexcept {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = WndProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = className;
        if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return "RegisterClassEx";
        // The derived object, as WndProc takes it back: the two differ
        // where this is not the first base.
        Derived* self = static_cast<Derived*>(this);
        if (!CreateWindowExA(WS_EX_TOOLWINDOW, className, title, WS_POPUP, 0, 0, 0, 0, nullptr,
                             nullptr, instance, self))
            return "CreateWindowEx";
        return nullptr;
    }

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
