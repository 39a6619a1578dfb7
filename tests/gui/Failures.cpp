// Failure reporting, the naming of windows in failure messages, and the
// conversions between the tests' text and the driver's.
#include <gtest/gtest.h>

#include "Internals.h"

namespace quintel::gui::detail {

void Fail(const Where& where, const std::string& message) {
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << message;
}

}  // namespace quintel::gui::detail

namespace quintel::gui {

std::string Narrow(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size,
                        nullptr, nullptr);
    return narrow;
}

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(),
                                                        static_cast<int>(text.size()), wide.data(),
                                                        static_cast<int>(wide.size()))));
    return wide;
}

}  // namespace quintel::gui

namespace quintel::gui::detail {

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::string Describe(HWND window) {
    if (!window) return "no window";
    if (!IsWindow(window)) return "a window that no longer exists";
    // For another process's window GetWindowText reads the caption Wine
    // stored and sends nothing, so describing cannot block on a hung
    // window. A control's id tells it apart where the caption is empty.
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    std::string name = Narrow(ClassName(window)) + " \"" + Narrow(text) + "\"";
    if (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)
        name += " (id " + std::to_string(GetDlgCtrlID(window)) + ")";
    return name;
}

namespace {

std::wstring WithoutMnemonics(std::wstring_view caption) {
    std::wstring plain;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) ++i;  // "&&" is one '&'
        plain += caption[i];
    }
    return plain;
}

}  // namespace

bool SameCaption(std::wstring_view shown, std::wstring_view wanted) {
    return shown == wanted || WithoutMnemonics(shown) == WithoutMnemonics(wanted);
}

}  // namespace quintel::gui::detail
