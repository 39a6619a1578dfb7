// The companion's hidden window: it carries the once-a-second timer that
// drives the keep-alive schedule, takes the control messages of
// KorvetControl.h, and ends with the Windows session. It is an ordinary
// top-level window, never shown, because message-only windows are not
// told that the session ends.
#pragma once

#include <windows.h>

#include <exception>

#include "core/ping/KeepAlive.h"
#include "win32/korvet/SteadyClock.h"
#include "win32/view/BaseWindow.h"

namespace quintel::korvet {

class KorvetWindow final : public win32::BaseWindow<KorvetWindow> {
public:
    KorvetWindow(KeepAlive& keepAlive, SteadyClock& clock) : keepAlive_(keepAlive), clock_(clock) {}
    ~KorvetWindow();

    // Makes the window and starts the schedule; throws when Windows
    // refuses either.
    void Create(HINSTANCE instance);

    // Runs until the window is gone, then returns the quit code. What a
    // message handler threw is raised again here, after the window is
    // destroyed.
    int RunMessageLoop();

private:
    friend class win32::BaseWindow<KorvetWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Failed(std::exception_ptr error) noexcept {
        if (!failure_) failure_ = std::move(error);
    }

    void OnTimer(HWND window, UINT id);
    void OnPause();
    void OnResume();
    void OnClose(HWND window);
    void OnDestroy(HWND window);
    BOOL OnQueryEndSession(HWND window);
    void OnEndSession(HWND window, BOOL ending);

    void Tick();

    KeepAlive& keepAlive_;
    SteadyClock& clock_;
    std::exception_ptr failure_;
};

}  // namespace quintel::korvet
