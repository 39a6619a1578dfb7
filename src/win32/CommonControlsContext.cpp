#include "win32/CommonControlsContext.h"

namespace quintel::win32 {

namespace {

// The activation context calls came with Windows XP; they are looked up
// so the program still starts on the Windows before it.
struct ContextCalls {
    HANDLE(WINAPI* create)(PCACTCTXA) = nullptr;
    BOOL(WINAPI* activate)(HANDLE, ULONG_PTR*) = nullptr;
    BOOL(WINAPI* deactivate)(DWORD, ULONG_PTR) = nullptr;
    void(WINAPI* release)(HANDLE) = nullptr;

    ContextCalls() {
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        if (!kernel) return;
        Find(kernel, "CreateActCtxA", create);
        Find(kernel, "ActivateActCtx", activate);
        Find(kernel, "DeactivateActCtx", deactivate);
        Find(kernel, "ReleaseActCtx", release);
    }
    bool Complete() const { return create && activate && deactivate && release; }

private:
    template <typename F>
    static void Find(HMODULE module, const char* name, F& entry) {
        entry = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
};

}  // namespace

CommonControlsContext::CommonControlsContext(const char* path, int id) {
    const ContextCalls calls;
    if (!calls.Complete()) return;
    ACTCTXA request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path;
    request.lpResourceName = MAKEINTRESOURCEA(id);
    context_ = calls.create(&request);
    // Without it the windows get the classic controls, as on Windows 2000.
    if (context_ == INVALID_HANDLE_VALUE) return;
    active_ = calls.activate(context_, &cookie_) != FALSE;
}

CommonControlsContext::~CommonControlsContext() {
    const ContextCalls calls;
    if (!calls.Complete()) return;
    if (active_) calls.deactivate(0, cookie_);
    if (context_ != INVALID_HANDLE_VALUE) calls.release(context_);
}

}  // namespace quintel::win32
