// Background work on Windows: each job on a thread of its own
// (CreateThread: the program's runtime has no std::thread), its
// completion posted to a hidden window of the thread that asked, so it
// runs from that thread's message loop, modal loops included.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/Background.h"
#include "win32/Handles.h"
#include "win32/view/BaseWindow.h"
#include "win32/view/PendingError.h"

namespace quintel::win32 {

class Win32BackgroundWork final : public BackgroundWork,
                                  private BaseWindow<Win32BackgroundWork> {
public:
    // An exception from a completion is kept in `errors`, for the message
    // loop that dispatched it to raise again.
    explicit Win32BackgroundWork(PendingError& errors,
                                 HINSTANCE instance = GetModuleHandleA(nullptr));
    // Waits for the threads still running: their work uses services that
    // go after this. Completions not yet delivered are dropped.
    ~Win32BackgroundWork() override;
    Win32BackgroundWork(const Win32BackgroundWork&) = delete;
    Win32BackgroundWork& operator=(const Win32BackgroundWork&) = delete;

    Result<> Run(std::function<void()> work, std::function<void()> done) override;

    struct Job;

private:
    friend class BaseWindow<Win32BackgroundWork>;

    Result<> MakeWindow();
    static DWORD WINAPI ThreadMain(LPVOID job) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Failed(std::exception_ptr failure) noexcept { errors_.Keep(failure); }

    PendingError& errors_;
    HINSTANCE instance_;
    std::vector<UniqueHandle> threads_;
};

}  // namespace quintel::win32
