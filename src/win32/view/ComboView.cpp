#include "win32/view/ComboView.h"

#include <algorithm>
#include <vector>

namespace quintel::win32 {

namespace {

// Longer lists scroll.
constexpr int DroppedLines = 10;

std::vector<std::string> ListedItems(HWND combo) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const int length = static_cast<int>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0));
        std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(std::max(length, 0)));
        items.push_back(std::move(text));
    }
    return items;
}

}  // namespace

ControlView::Kind ComboView::WindowKind() const {
    return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL};
}

std::optional<PixelRect> ComboView::Placement() const {
    PixelRect place = PlaceOf(Model(), Context().Scale);
    int itemHeight = Window() ? static_cast<int>(SendMessageA(Window(), CB_GETITEMHEIGHT, 0, 0)) : 0;
    if (itemHeight <= 0) itemHeight = Pixels(240);
    const int lines = std::clamp(combo_.ListCount(), 1, DroppedLines);
    place.Bottom += lines * itemHeight + 2;
    return place;
}

void ComboView::Mirror() {
    if (ListedItems(Window()) != combo_.Items()) {
        SendMessageA(Window(), CB_RESETCONTENT, 0, 0);
        for (const std::string& item : combo_.Items())
            SendMessageA(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
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
