#include "win32/korvet/KorvetWindow.h"

#include <windowsx.h>

#include <string>

#include "win32/ProgramError.h"
#include "win32/korvet/KorvetControl.h"

namespace quintel::korvet {

namespace {

constexpr UINT_PTR TickTimer = 1;
constexpr UINT TickPeriod = 1000;

}  // namespace

KorvetWindow::~KorvetWindow() {
    if (Window()) DestroyWindow(Window());
}

void KorvetWindow::Create(HINSTANCE instance) {
    if (const char* failed = CreateHiddenWindow(instance, WindowClass, "Quintel keep-alive"))
        throw win32::ProgramError(std::string("could not make the companion's window: ") + failed +
                                  " failed");
    if (!SetTimer(Window(), TickTimer, TickPeriod, nullptr))
        throw win32::ProgramError("could not start the companion's timer");
    // The first interval is counted from the start, not from the first
    // timer message.
    Tick();
}

int KorvetWindow::RunMessageLoop() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
        if (failure_) {
            std::exception_ptr failure = std::move(failure_);
            failure_ = nullptr;
            if (Window()) DestroyWindow(Window());
            std::rethrow_exception(failure);
        }
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : ExitOk;
}

LRESULT KorvetWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = Window();
    switch (message) {
        HANDLE_MSG(hwnd, WM_TIMER, OnTimer);
        HANDLE_MSG(hwnd, WM_CLOSE, OnClose);
        HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
        HANDLE_MSG(hwnd, WM_QUERYENDSESSION, OnQueryEndSession);
        HANDLE_MSG(hwnd, WM_ENDSESSION, OnEndSession);
    case PauseMessage:
        OnPause();
        return 0;
    case ResumeMessage:
        OnResume();
        return 0;
    case StateQueryMessage:
        return keepAlive_.Paused() ? StatePaused : StateRunning;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void KorvetWindow::Tick() {
    try {
        keepAlive_.Tick(clock_.Now());
    } catch (const std::exception&) {
        // One ping that went wrong must not end the keep-alive for the rest
        // of the session; the next interval tries again with settings read
        // afresh.
    }
}

void KorvetWindow::OnTimer(HWND, UINT id) {
    if (id == TickTimer) Tick();
}

void KorvetWindow::OnPause() {
    keepAlive_.Pause();
    // Other programs (and the tests) can see the state without asking.
    SetPropA(Window(), PausedProperty, reinterpret_cast<HANDLE>(1));
}

void KorvetWindow::OnResume() {
    keepAlive_.Resume(clock_.Now());
    RemovePropA(Window(), PausedProperty);
}

void KorvetWindow::OnClose(HWND window) {
    DestroyWindow(window);
}

void KorvetWindow::OnDestroy(HWND window) {
    KillTimer(window, TickTimer);
    // Windows wants every property gone before the window is.
    RemovePropA(window, PausedProperty);
    PostQuitMessage(ExitOk);
}

BOOL KorvetWindow::OnQueryEndSession(HWND) {
    // Nothing is ever unsaved here.
    return TRUE;
}

void KorvetWindow::OnEndSession(HWND window, BOOL ending) {
    // Leave cleanly rather than be ended with the session.
    if (ending) DestroyWindow(window);
}

}  // namespace quintel::korvet
