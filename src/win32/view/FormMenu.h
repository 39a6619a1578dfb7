// A form's menus: the menu bar made from the model's top-level items, and
// any item's children as a shortcut menu. Each item has a command id for
// as long as the form is loaded. A top-level item the model hides is left
// out of the bar but can still open as a shortcut menu (the tray's menu).
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "ui/forms/Form.h"

namespace quintel::win32 {

class FormMenu {
public:
    explicit FormMenu(const forms::Form& form);

    // A new menu bar, or null when no top-level item is visible. The
    // caller owns it (a window's menu goes with the window).
    HMENU MakeBar() const;
    // A new popup menu of `item`'s visible children; the caller destroys it.
    HMENU MakePopup(const forms::MenuItem& item) const;
    // Opens `item`'s children as a shortcut menu of `owner` at `screen`
    // and waits; the chosen item, or null when the user chose nothing.
    forms::MenuItem* TrackPopup(HWND owner, const forms::MenuItem& item, POINT screen) const;
    // The item a command id names, or null.
    forms::MenuItem* ItemOf(UINT commandId) const;
    UINT CommandOf(const forms::MenuItem& item) const;

    // Every item, in the bar's order, depth first.
    const std::vector<forms::MenuItem*>& Items() const { return items_; }

private:
    void Collect(forms::MenuItem& item);
    void Append(HMENU menu, const forms::MenuItem& item) const;

    const forms::Form& form_;
    std::vector<forms::MenuItem*> items_;
    std::map<const forms::MenuItem*, UINT> ids_;
};

}  // namespace quintel::win32
