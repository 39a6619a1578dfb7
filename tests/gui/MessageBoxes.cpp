// Message boxes: dialog boxes of class #32770 with a text and buttons.
#include "Internals.h"

namespace quintel::gui {

using namespace detail;

HWND WaitForMessageBox(const std::wstring& caption, DWORD timeoutMs, Where where) {
    return WaitForWindowOfClass(L"#32770", caption, timeoutMs, where);
}

std::wstring MessageBoxText(HWND box, Where where) {
    // The text is the static control that is not the icon.
    for (HWND label : FindControls(box, L"Static")) {
        if ((GetWindowLongW(label, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
        const std::wstring text = ReadText(label, where);
        if (!text.empty()) return text;
    }
    Fail(where, "no message text in " + Describe(box));
    return {};
}

bool AnswerMessageBox(HWND box, const std::wstring& button, Where where) {
    HWND answer = FindControl(box, L"Button", button, where);
    return answer && Click(answer, where) && WaitForClose(box, DefaultTimeoutMs, where);
}

}  // namespace quintel::gui
