// Sending messages to another process's windows: questions that must not
// hang the test, and actions that may open a modal window.
#include <algorithm>

#include "Internals.h"

namespace quintel::gui::detail {

namespace {

// A window that takes longer than this to answer a question is hung.
constexpr UINT QueryTimeoutMs = 5000;

// The reply to an action, filled in by SendMessageCallback's callback. It
// may come after SendAsUser has returned (the action opened a modal
// window), so the callback owns it from then on.
struct Reply {
    bool done = false;
    bool abandoned = false;
};

void CALLBACK OnReply(HWND, UINT, ULONG_PTR data, LRESULT) {
    auto* reply = reinterpret_cast<Reply*>(data);
    reply->done = true;
    if (reply->abandoned) delete reply;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool IsModalKind(HWND window) {
    // A tooltip comes and goes by itself and holds up nothing.
    return ClassName(window) != L"tooltips_class32";
}

BOOL CALLBACK AddIfVisible(HWND window, LPARAM list) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> VisibleWindowsOfThread(DWORD thread) {
    std::vector<HWND> windows;
    EnumThreadWindows(thread, AddIfVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::optional<LRESULT> Query(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             const Where& where) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, QueryTimeoutMs,
                             &result)) {
        char number[16];
        wsprintfA(number, "0x%04X", message);
        Fail(where, Describe(window) + " did not answer message " + number + " within " +
                        std::to_string(QueryTimeoutMs) + " ms (error " +
                        std::to_string(GetLastError()) + ")");
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

bool SendAsUser(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what,
                const Where& where) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    const std::vector<HWND> before = VisibleWindowsOfThread(thread);
    auto* reply = new Reply;
    if (!SendMessageCallbackW(window, message, wParam, lParam, OnReply,
                              reinterpret_cast<ULONG_PTR>(reply))) {
        delete reply;
        Fail(where, "could not send " + what + " to " + Describe(window) + " (error " +
                        std::to_string(GetLastError()) + ")");
        return false;
    }
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();  // delivers the reply
        if (reply->done) {
            delete reply;
            return true;
        }
        for (HWND shown : VisibleWindowsOfThread(thread)) {
            if (std::find(before.begin(), before.end(), shown) == before.end() && IsModalKind(shown)) {
                reply->abandoned = true;
                return true;
            }
        }
        if (GetTickCount() - start > DefaultTimeoutMs) {
            reply->abandoned = true;
            Fail(where, what + " was not handled by " + Describe(window) + " within " +
                            std::to_string(DefaultTimeoutMs) + " ms");
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

bool CanOperate(HWND control, const std::string& action, const Where& where) {
    if (!IsWindow(control)) {
        Fail(where, "cannot " + action + ": no such window");
        return false;
    }
    if (!IsWindowVisible(control)) {
        Fail(where, "cannot " + action + ": " + Describe(control) + " is hidden");
        return false;
    }
    if (!IsWindowEnabled(control)) {
        Fail(where, "cannot " + action + ": " + Describe(control) + " is disabled");
        return false;
    }
    HWND root = GetAncestor(control, GA_ROOT);
    if (!IsWindowEnabled(root)) {
        Fail(where, "cannot " + action + ": its window " + Describe(root) +
                        " is disabled (a modal window is open)");
        return false;
    }
    return true;
}

}  // namespace quintel::gui::detail
