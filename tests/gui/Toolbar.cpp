// Toolbars (ToolbarWindow32) with text labels.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "Internals.h"
#include "RemoteMemory.h"

namespace quintel::gui {

using namespace detail;

namespace {

constexpr size_t LabelChars = 256;

struct Found {
    ToolbarButton button;
    bool checkStyle = false;
};

std::vector<Found> ReadButtons(HWND toolbar, const Where& where) {
    std::vector<Found> buttons;
    const auto count = Query(toolbar, TB_BUTTONCOUNT, 0, 0, where);
    if (!count) return buttons;
    // Neither TB_GETBUTTON nor TB_GETBUTTONTEXTW is carried across
    // processes: the button and the label go into the toolbar's process.
    RemoteMemory memory(toolbar, sizeof(TBBUTTON) + LabelChars * sizeof(wchar_t), where);
    if (!memory) return buttons;
    for (LRESULT i = 0; i < *count; ++i) {
        TBBUTTON raw = {};
        const auto got = Query(toolbar, TB_GETBUTTON, i, memory.At(), where);
        if (!got || !*got || !memory.Read(0, &raw, sizeof raw)) break;
        if (raw.fsStyle & BTNS_SEP) continue;
        Found found;
        found.button.command = raw.idCommand;
        found.button.enabled = raw.fsState & TBSTATE_ENABLED;
        found.button.hidden = raw.fsState & TBSTATE_HIDDEN;
        found.button.checked = raw.fsState & TBSTATE_CHECKED;
        found.checkStyle = raw.fsStyle & BTNS_CHECK;
        const auto length = Query(toolbar, TB_GETBUTTONTEXTW, raw.idCommand, 0, where);
        if (length && *length > 0 && static_cast<size_t>(*length) < LabelChars &&
            Query(toolbar, TB_GETBUTTONTEXTW, raw.idCommand, memory.At(sizeof raw), where))
            found.button.text = memory.ReadString(sizeof raw, static_cast<size_t>(*length) + 1);
        buttons.push_back(found);
    }
    return buttons;
}

}  // namespace

std::vector<ToolbarButton> ToolbarButtons(HWND toolbar, Where where) {
    std::vector<ToolbarButton> buttons;
    for (const Found& found : ReadButtons(toolbar, where)) buttons.push_back(found.button);
    return buttons;
}

bool ClickToolbarButton(HWND toolbar, const std::wstring& text, Where where) {
    const std::string name = "toolbar button \"" + Narrow(text) + "\"";
    if (!CanOperate(toolbar, "click " + name, where)) return false;
    std::string labels;
    for (const Found& found : ReadButtons(toolbar, where)) {
        labels += (labels.empty() ? "\"" : ", \"") + Narrow(found.button.text) + "\"";
        if (!SameCaption(found.button.text, text)) continue;
        if (found.button.hidden || !found.button.enabled) {
            Fail(where, "cannot click " + name + ": it is " +
                            (found.button.hidden ? "hidden" : "disabled"));
            return false;
        }
        const int command = found.button.command;
        // A check-style button changes state before it tells its owner.
        if (found.checkStyle && !Query(toolbar, TB_CHECKBUTTON, command,
                                       MAKELONG(!found.button.checked, 0), where))
            return false;
        // What a click sends: the command, from the toolbar, to its owner.
        return SendAsUser(GetParent(toolbar), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                          reinterpret_cast<LPARAM>(toolbar), "the click on " + name, where);
    }
    Fail(where, "no " + name + " in " + Describe(toolbar) + "; its buttons read " +
                    (labels.empty() ? "none" : labels));
    return false;
}

}  // namespace quintel::gui
