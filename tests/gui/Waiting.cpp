// Waiting for something to show on screen, with a deadline on every wait.
#include "Internals.h"

namespace quintel::gui {

using namespace detail;

namespace {

struct TopLevelSearch {
    std::wstring className;
    std::wstring caption;
    HWND found = nullptr;
    std::vector<std::wstring> seen;  // for the failure message
};

BOOL CALLBACK CheckTopLevel(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TopLevelSearch*>(data);
    if (!IsWindowVisible(window)) return TRUE;
    wchar_t caption[512] = {};
    GetWindowTextW(window, caption, 512);
    const std::wstring className = ClassName(window);
    if (caption == search.caption &&
        (search.className.empty() || lstrcmpiW(className.c_str(), search.className.c_str()) == 0)) {
        search.found = window;
        return FALSE;
    }
    search.seen.push_back(L"\"" + std::wstring(caption) + L"\" (" + className + L")");
    return TRUE;
}

std::string List(const std::vector<std::wstring>& items) {
    std::string text;
    for (const std::wstring& item : items) text += (text.empty() ? "" : ", ") + Narrow(item);
    return text.empty() ? "none" : text;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, const std::string& what, DWORD timeoutMs,
               Where where) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) {
            Fail(where, "timed out after " + std::to_string(timeoutMs) + " ms waiting for " + what);
            return false;
        }
        // Replies to earlier actions arrive as messages to this thread.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(20);
    }
}

HWND WaitForWindowOfClass(const std::wstring& className, const std::wstring& caption,
                          DWORD timeoutMs, Where where) {
    TopLevelSearch search;
    search.className = className;
    search.caption = caption;
    const bool found = [&] {
        const DWORD start = GetTickCount();
        for (;;) {
            search.seen.clear();
            EnumWindows(CheckTopLevel, reinterpret_cast<LPARAM>(&search));
            if (search.found) return true;
            if (GetTickCount() - start > timeoutMs) return false;
            Sleep(20);
        }
    }();
    if (!found) {
        Fail(where, "timed out after " + std::to_string(timeoutMs) + " ms waiting for a window \"" +
                        Narrow(caption) + "\"" +
                        (className.empty() ? "" : " of class " + Narrow(className)) +
                        "; visible windows: " + List(search.seen));
    }
    return search.found;
}

HWND WaitForWindow(const std::wstring& caption, DWORD timeoutMs, Where where) {
    return WaitForWindowOfClass(L"", caption, timeoutMs, where);
}

bool WaitForClose(HWND window, DWORD timeoutMs, Where where) {
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); },
                     Describe(window) + " to close", timeoutMs, where);
}

}  // namespace quintel::gui
