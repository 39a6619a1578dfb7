#include "win32/view/FormMenu.h"

#include <cstddef>

#include "win32/Handles.h"

namespace quintel::win32 {

namespace {

// Above the control ids (which start at 100) and IDOK/IDCANCEL, which the
// dialog keys send.
constexpr UINT FirstCommand = 1000;

}  // namespace

FormMenu::FormMenu(const forms::Form& form) : form_(form) {
    for (forms::MenuItem* top : form.MenuBar()) Collect(*top);
}

void FormMenu::Collect(forms::MenuItem& item) {
    if (ids_.count(&item)) return;
    ids_[&item] = FirstCommand + static_cast<UINT>(items_.size());
    items_.push_back(&item);
    for (forms::MenuItem* child : item.Children()) Collect(*child);
}

HMENU FormMenu::MakeBar() const {
    HMENU bar = nullptr;
    for (const forms::MenuItem* top : form_.MenuBar()) {
        if (!top->Visible()) continue;
        if (!bar) bar = CreateMenu();
        Append(bar, *top);
    }
    return bar;
}

HMENU FormMenu::MakePopup(const forms::MenuItem& item) const {
    HMENU popup = CreatePopupMenu();
    for (const forms::MenuItem* child : item.Children())
        if (child->Visible()) Append(popup, *child);
    return popup;
}

void FormMenu::Append(HMENU menu, const forms::MenuItem& item) const {
    // The record and its flags as Windows 95 and NT 4.0 know them: they
    // refuse the larger record of Windows 98 and 2000 (with hbmpItem) and
    // its MIIM_FTYPE and MIIM_STRING, which MIIM_TYPE did before.
    MENUITEMINFOA info{};
    info.cbSize = offsetof(MENUITEMINFOA, hbmpItem);
    if (item.IsSeparator()) {
        info.fMask = MIIM_TYPE;
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID;
        info.fType = MFT_STRING;
        info.fState = (item.Checked() ? MFS_CHECKED : MFS_UNCHECKED) |
                      (item.Enabled() ? MFS_ENABLED : MFS_GRAYED);
        info.wID = CommandOf(item);
        // Windows takes the '&' access keys as they are written.
        info.dwTypeData = const_cast<char*>(item.Caption().c_str());
        if (!item.Children().empty()) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = MakePopup(item);
        }
    }
    InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

forms::MenuItem* FormMenu::TrackPopup(HWND owner, const forms::MenuItem& item, POINT screen) const {
    const UniqueMenu popup(MakePopup(item));
    // A shortcut menu of a window that is not in front (the tray's) closes
    // on a click elsewhere only if its window is the foreground one, and
    // only once the window has had a message after it.
    SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        popup.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    return ItemOf(chosen);
}

forms::MenuItem* FormMenu::ItemOf(UINT commandId) const {
    if (commandId < FirstCommand || commandId - FirstCommand >= items_.size()) return nullptr;
    return items_[commandId - FirstCommand];
}

UINT FormMenu::CommandOf(const forms::MenuItem& item) const {
    const auto it = ids_.find(&item);
    return it == ids_.end() ? 0 : it->second;
}

}  // namespace quintel::win32
