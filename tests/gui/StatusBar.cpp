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

}  // namespace quintel::gui
