#include "win32/view/ComboView.h"

#include <algorithm>

namespace quintel::win32 {

namespace {

// Longer lists scroll.
constexpr int DroppedLines = 10;

}  // namespace

ControlView::Kind ComboView::WindowKind() const {
    return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL};
}

std::optional<PixelRect> ComboView::Placement() const {
    PixelRect place = PlaceOf(Model(), Context().Scale);
    int itemHeight = Window() ? static_cast<int>(SendMessageA(Window(), CB_GETITEMHEIGHT, 0, 0)) : 0;
    if (itemHeight <= 0) itemHeight = Pixels(240);
    // Room for the longest list, whatever it holds now: Windows drops a
    // shorter list only as deep as its items. Sized by its count, the list
    // would be moved on every fill, and moving a combo box moves its
    // drop-down window too, which costs a round trip to the display.
    place.Bottom += DroppedLines * itemHeight + 2;
    return place;
}

void ComboView::Mirror() {
    const std::vector<std::string>& items = combo_.Items();
    if (listed_ != items) {
        // Filling a list item by item is the common change: add only what
        // is new, or the lists of the main window are rebuilt once per item.
        const bool grows = listed_.size() < items.size() &&
                           std::equal(listed_.begin(), listed_.end(), items.begin());
        // Filled in one pass, without a redraw per entry, the room for all
        // of them asked for at once. Turning redrawing back on shows a
        // window, so a hidden list (on a tab not shown) is left as it is:
        // it draws nothing anyway.
        const bool shown = (GetWindowLongA(Window(), GWL_STYLE) & WS_VISIBLE) != 0;
        if (shown) SendMessageA(Window(), WM_SETREDRAW, FALSE, 0);
        if (!grows) {
            SendMessageA(Window(), CB_RESETCONTENT, 0, 0);
            listed_.clear();
        }
        std::size_t characters = 0;
        for (std::size_t i = listed_.size(); i < items.size(); ++i) characters += items[i].size() + 1;
        SendMessageA(Window(), CB_INITSTORAGE, items.size() - listed_.size(), characters);
        for (std::size_t i = listed_.size(); i < items.size(); ++i)
            SendMessageA(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i].c_str()));
        listed_ = items;
        if (shown) {
            SendMessageA(Window(), WM_SETREDRAW, TRUE, 0);
            InvalidateRect(Window(), nullptr, TRUE);
        }
    }
    if (SendMessageA(Window(), CB_GETCURSEL, 0, 0) != combo_.ListIndex())
        SendMessageA(Window(), CB_SETCURSEL, static_cast<WPARAM>(combo_.ListIndex()), 0);
}

bool ComboView::UserCommand(UINT code, int) {
    if (code != CBN_SELCHANGE) return false;
    combo_.UserSelect(static_cast<int>(SendMessageA(Window(), CB_GETCURSEL, 0, 0)));
    return true;
}

}  // namespace quintel::win32
