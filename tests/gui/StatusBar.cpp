// Status bars (msctls_statusbar32).
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "Internals.h"
#include "RemoteMemory.h"

namespace quintel::gui {

using namespace detail;

std::vector<std::wstring> StatusTexts(HWND statusBar, Where where) {
    std::vector<std::wstring> texts;
    const auto simple = Query(statusBar, SB_ISSIMPLE, 0, 0, where);
    const auto parts = Query(statusBar, SB_GETPARTS, 0, 0, where);
    if (!simple || !parts) return texts;
    const int count = *simple ? 1 : static_cast<int>(*parts);
    for (int i = 0; i < count; ++i) {
        const WPARAM part = *simple ? SB_SIMPLEID : i;
        const auto length = Query(statusBar, SB_GETTEXTLENGTHW, part, 0, where);
        if (!length) break;
        const size_t chars = LOWORD(*length) + 1;
        // SB_GETTEXTW is not carried across processes: the text goes into
        // a buffer in the status bar's process.
        RemoteMemory buffer(statusBar, chars * sizeof(wchar_t), where);
        if (!buffer || !Query(statusBar, SB_GETTEXTW, part, buffer.At(), where)) break;
        texts.push_back(buffer.ReadString(0, chars));
    }
    return texts;
}

bool DoubleClickStatusPanel(HWND statusBar, int part, Where where) {
    if (!CanOperate(statusBar, "double-click panel " + std::to_string(part), where)) return false;
    // SB_GETRECT writes into memory of the status bar's process.
    RemoteMemory buffer(statusBar, sizeof(RECT), where);
    RECT rect{};
    if (!buffer) return false;
    const auto got = Query(statusBar, SB_GETRECT, static_cast<WPARAM>(part), buffer.At(), where);
    if (!got || !*got || !buffer.Read(0, &rect, sizeof rect)) {
        Fail(where, Describe(statusBar) + " has no panel " + std::to_string(part));
        return false;
    }
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    // As the mouse sends them: down, up, the double click, up.
    if (!Query(statusBar, WM_LBUTTONDOWN, MK_LBUTTON, at, where)) return false;
    if (!Query(statusBar, WM_LBUTTONUP, 0, at, where)) return false;
    if (!SendAsUser(statusBar, WM_LBUTTONDBLCLK, MK_LBUTTON, at, "a double click", where)) return false;
    // What the double click opened may be waiting already: this one waits
    // its turn.
    PostMessageW(statusBar, WM_LBUTTONUP, 0, at);
    return true;
}

}  // namespace quintel::gui
