// Finding controls and operating the standard ones: buttons, check boxes,
// option buttons, edits and combo boxes.
#include <algorithm>

#include "Internals.h"

namespace quintel::gui {

using namespace detail;

namespace {

BOOL CALLBACK AddWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, AddWindow, reinterpret_cast<LPARAM>(&all));
    return all;
}

std::string Quoted(const std::vector<std::wstring>& texts) {
    std::string list;
    for (const std::wstring& text : texts) list += (list.empty() ? "\"" : ", \"") + Narrow(text) + "\"";
    return list.empty() ? "none" : list;
}

}  // namespace

std::vector<HWND> FindControls(HWND parent, const std::wstring& className) {
    std::vector<HWND> found;
    for (HWND child : Descendants(parent))
        if (lstrcmpiW(ClassName(child).c_str(), className.c_str()) == 0) found.push_back(child);
    return found;
}

HWND FindControl(HWND parent, const std::wstring& className, const std::wstring& text, Where where) {
    std::vector<HWND> visible, hidden;
    std::vector<std::wstring> texts;
    for (HWND control : FindControls(parent, className)) {
        const std::wstring shown = ReadText(control, where);
        texts.push_back(shown);
        if (SameCaption(shown, text)) (IsWindowVisible(control) ? visible : hidden).push_back(control);
    }
    const std::string wanted = Narrow(className) + " \"" + Narrow(text) + "\"";
    if (visible.size() > 1 || (visible.empty() && hidden.size() > 1)) {
        Fail(where, "more than one " + wanted + " in " + Describe(parent));
        return nullptr;
    }
    if (!visible.empty()) return visible.front();
    if (!hidden.empty()) return hidden.front();
    Fail(where, "no " + wanted + " in " + Describe(parent) + "; the " + Narrow(className) +
                    " controls there read " + Quoted(texts));
    return nullptr;
}

std::vector<HWND> FindControlsInFrame(HWND frame, const std::wstring& className) {
    std::vector<HWND> inside;
    HWND parent = IsWindow(frame) ? GetParent(frame) : nullptr;
    if (!parent) return inside;
    RECT bounds;
    GetWindowRect(frame, &bounds);
    const bool shown = IsWindowVisible(frame) != FALSE;
    // The frame's parent lists its siblings and, as descendants, its children.
    for (HWND control : FindControls(parent, className)) {
        RECT place;
        GetWindowRect(control, &place);
        if (control != frame && (IsWindowVisible(control) != FALSE) == shown &&
            place.left >= bounds.left && place.top >= bounds.top && place.right <= bounds.right &&
            place.bottom <= bounds.bottom) {
            inside.push_back(control);
        }
    }
    return inside;
}

HWND FindControlInFrame(HWND frame, const std::wstring& className, const std::wstring& text,
                        Where where) {
    if (!IsWindow(frame)) {
        Fail(where, "no frame to look in");
        return nullptr;
    }
    std::vector<HWND> found;
    std::vector<std::wstring> texts;
    for (HWND control : FindControlsInFrame(frame, className)) {
        const std::wstring shown = ReadText(control, where);
        texts.push_back(shown);
        if (SameCaption(shown, text)) found.push_back(control);
    }
    const std::string wanted = Narrow(className) + " \"" + Narrow(text) + "\"";
    if (found.size() == 1) return found.front();
    if (found.empty()) {
        Fail(where, "no " + wanted + " in the frame " + Describe(frame) + "; the " +
                        Narrow(className) + " controls in it read " + Quoted(texts));
    } else {
        Fail(where, "more than one " + wanted + " in the frame " + Describe(frame));
    }
    return nullptr;
}

HWND FindControlById(HWND parent, int id, Where where) {
    for (HWND child : Descendants(parent))
        if (GetDlgCtrlID(child) == id) return child;
    Fail(where, "no control with id " + std::to_string(id) + " in " + Describe(parent));
    return nullptr;
}

std::wstring ReadText(HWND window, Where where) {
    const auto length = Query(window, WM_GETTEXTLENGTH, 0, 0, where);
    if (!length) return {};
    std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
    const auto copied = Query(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                              where);
    text.resize(copied ? std::min(static_cast<size_t>(*copied), text.size() - 1) : 0);
    return text;
}

bool IsChecked(HWND button, Where where) {
    return Query(button, BM_GETCHECK, 0, 0, where).value_or(BST_UNCHECKED) == BST_CHECKED;
}

bool IsEnabled(HWND window) {
    return IsWindowEnabled(window);
}

bool Click(HWND button, Where where) {
    if (!CanOperate(button, "click", where)) return false;
    return SendAsUser(button, BM_CLICK, 0, 0, "a click", where);
}

bool TypeText(HWND edit, std::wstring_view text, Where where) {
    if (!CanOperate(edit, "type into it", where)) return false;
    for (wchar_t c : text) {
        // Sent, not posted: each key is handled before the next, as when
        // typing, and the test reads the result as soon as this returns.
        if (!SendAsUser(edit, WM_CHAR, c, 1, "typing '" + Narrow(std::wstring(1, c)) + "'", where))
            return false;
    }
    return true;
}

bool SelectAllText(HWND edit, Where where) {
    if (!CanOperate(edit, "select its text", where)) return false;
    return Query(edit, EM_SETSEL, 0, -1, where).has_value();
}

std::vector<std::wstring> ComboItems(HWND combo, Where where) {
    std::vector<std::wstring> items;
    const auto count = Query(combo, CB_GETCOUNT, 0, 0, where);
    for (LRESULT i = 0; count && i < *count; ++i) {
        // The W messages: Wine carries list texts across processes as
        // Unicode and hands an ANSI sender the wide text unconverted.
        const auto length = Query(combo, CB_GETLBTEXTLEN, i, 0, where);
        if (!length || *length == CB_ERR) return items;
        std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
        const auto copied = Query(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()), where);
        text.resize(copied && *copied != CB_ERR ? static_cast<size_t>(*copied) : 0);
        items.push_back(text);
    }
    return items;
}

std::wstring SelectedComboItem(HWND combo, Where where) {
    const auto selected = Query(combo, CB_GETCURSEL, 0, 0, where);
    if (!selected || *selected == CB_ERR) return {};
    const std::vector<std::wstring> items = ComboItems(combo, where);
    return static_cast<size_t>(*selected) < items.size() ? items[*selected] : std::wstring();
}

bool ChooseComboItem(HWND combo, const std::wstring& text, Where where) {
    if (!CanOperate(combo, "choose \"" + Narrow(text) + "\"", where)) return false;
    // CB_FINDSTRINGEXACT ignores case; a user tells "High" from "high".
    const std::vector<std::wstring> items = ComboItems(combo, where);
    const auto found = std::find(items.begin(), items.end(), text);
    if (found == items.end()) {
        Fail(where, "no entry \"" + Narrow(text) + "\" in " + Describe(combo) + "; its entries are " +
                        Quoted(items));
        return false;
    }
    const WPARAM index = static_cast<WPARAM>(found - items.begin());
    const auto selected = Query(combo, CB_SETCURSEL, index, 0, where);
    if (!selected || *selected != static_cast<LRESULT>(index)) {
        Fail(where, Describe(combo) + " did not select entry " + std::to_string(index));
        return false;
    }
    // CB_SETCURSEL notifies nobody; a user's choice tells the owner.
    const int id = GetDlgCtrlID(combo);
    return SendAsUser(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(combo), "the selection change", where);
}

}  // namespace quintel::gui
