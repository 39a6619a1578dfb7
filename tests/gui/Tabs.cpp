// Tab controls (SysTabControl32).
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "Internals.h"
#include "RemoteMemory.h"

namespace quintel::gui {

using namespace detail;

namespace {
constexpr size_t CaptionChars = 256;
}

std::vector<std::wstring> TabCaptions(HWND tab, Where where) {
    std::vector<std::wstring> captions;
    const auto count = Query(tab, TCM_GETITEMCOUNT, 0, 0, where);
    if (!count) return captions;
    // TCM_GETITEMW is not carried across processes: the item and its text
    // buffer go into the tab control's process.
    RemoteMemory memory(tab, sizeof(TCITEMW) + CaptionChars * sizeof(wchar_t), where);
    if (!memory) return captions;
    for (LRESULT i = 0; i < *count; ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<LPWSTR>(memory.At(sizeof item));
        item.cchTextMax = CaptionChars;
        if (!memory.Write(0, &item, sizeof item)) break;
        const auto got = Query(tab, TCM_GETITEMW, i, memory.At(), where);
        if (!got || !*got) {
            Fail(where, Describe(tab) + " did not give the caption of tab " + std::to_string(i));
            break;
        }
        captions.push_back(memory.ReadString(sizeof item, CaptionChars));
    }
    return captions;
}

int SelectedTab(HWND tab) {
    DWORD_PTR selected = static_cast<DWORD_PTR>(-1);
    SendMessageTimeoutW(tab, TCM_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &selected);
    return static_cast<int>(selected);
}

bool SelectTab(HWND tab, const std::wstring& caption, Where where) {
    if (!CanOperate(tab, "select tab \"" + Narrow(caption) + "\"", where)) return false;
    const std::vector<std::wstring> captions = TabCaptions(tab, where);
    int index = -1;
    for (size_t i = 0; i < captions.size() && index < 0; ++i)
        if (SameCaption(captions[i], caption)) index = static_cast<int>(i);
    if (index < 0) {
        std::string list;
        for (const std::wstring& c : captions) list += (list.empty() ? "\"" : ", \"") + Narrow(c) + "\"";
        Fail(where, "no tab \"" + Narrow(caption) + "\" in " + Describe(tab) + "; its tabs are " + list);
        return false;
    }
    // Button-style tabs keep focus and selection apart; none are in use.
    if (GetWindowLongW(tab, GWL_STYLE) & TCS_BUTTONS) {
        Fail(where, Describe(tab) + " has button-style tabs, which the driver does not select");
        return false;
    }
    // Moving the focus to a tab selects it, and the tab control itself
    // sends TCN_SELCHANGING and TCN_SELCHANGE to its owner, as for a click.
    // Clicking the tab already selected changes nothing, here as there.
    if (SelectedTab(tab) == index) return true;
    if (!SendAsUser(tab, TCM_SETCURFOCUS, index, 0, "selecting tab \"" + Narrow(caption) + "\"", where))
        return false;
    if (SelectedTab(tab) != index) {
        Fail(where, Describe(tab) + " did not switch to tab \"" + Narrow(caption) +
                        "\" (its owner may have refused TCN_SELCHANGING)");
        return false;
    }
    return true;
}

}  // namespace quintel::gui
