#include "win32/Win32Background.h"

#include <memory>

#include "win32/Win32Registry.h"

namespace quintel::win32 {

namespace {

constexpr const char* WindowClass = "Quintel.BackgroundWork";
// A job's work has ended: lParam is the job.
constexpr UINT WorkDone = WM_APP + 0x51;

SystemError LastError(const char* what) {
    const DWORD code = GetLastError();
    return SystemError{static_cast<long>(code), std::string(what) + ": " + SystemErrorText(code)};
}

}  // namespace

struct Win32BackgroundWork::Job {
    std::function<void()> work;
    std::function<void()> done;
    HWND window = nullptr;
    // What the work threw, raised again on the window's thread.
    std::exception_ptr failure;
};

Win32BackgroundWork::Win32BackgroundWork(PendingError& errors, HINSTANCE instance)
    : errors_(errors), instance_(instance) {}

Win32BackgroundWork::~Win32BackgroundWork() {
    for (UniqueHandle& thread : threads_) WaitForSingleObject(thread.Get(), INFINITE);
    threads_.clear();
    if (!Window()) return;
    MSG message{};
    while (PeekMessageA(&message, Window(), WorkDone, WorkDone, PM_REMOVE))
        delete reinterpret_cast<Job*>(message.lParam);
    DestroyWindow(Window());
}

// Made on first use, by the thread whose loop is to run the completions;
// a program that never works in the background has no such window.
Result<> Win32BackgroundWork::MakeWindow() {
    if (Window()) return {};
    if (const char* failed = CreateHiddenWindow(instance_, WindowClass, "")) return LastError(failed);
    return {};
}

Result<> Win32BackgroundWork::Run(std::function<void()> work, std::function<void()> done) {
    if (auto made = MakeWindow(); !made) return made.Error();
    // Threads that have ended are let go of.
    std::erase_if(threads_, [](const UniqueHandle& thread) {
        return WaitForSingleObject(thread.Get(), 0) == WAIT_OBJECT_0;
    });
    auto job = std::make_unique<Job>();
    job->work = std::move(work);
    job->done = std::move(done);
    job->window = Window();
    DWORD id = 0;
    UniqueHandle thread(CreateThread(nullptr, 0, ThreadMain, job.get(), 0, &id));
    if (!thread) return LastError("CreateThread");
    job.release();  // the thread owns it now
    threads_.push_back(std::move(thread));
    return {};
}

DWORD WINAPI Win32BackgroundWork::ThreadMain(LPVOID parameter) noexcept {
    auto* job = static_cast<Job*>(parameter);
    try {
        if (job->work) job->work();
    } catch (...) {
        job->failure = std::current_exception();
    }
    // Without the window there is nobody to hand the result to.
    if (!PostMessageA(job->window, WorkDone, 0, reinterpret_cast<LPARAM>(job))) delete job;
    return 0;
}

LRESULT Win32BackgroundWork::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WorkDone) return DefWindowProcA(Window(), message, wParam, lParam);
    // The job is ours from here, whatever its completion does.
    std::unique_ptr<Job> job(reinterpret_cast<Job*>(lParam));
    if (job->failure) std::rethrow_exception(job->failure);
    if (job->done) job->done();
    return 0;
}

}  // namespace quintel::win32
