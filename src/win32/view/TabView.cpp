#include "win32/view/TabView.h"

#include <vector>

#include "win32/SystemFolders.h"
#include "win32/view/Mnemonic.h"
#include "win32/view/Pane.h"
#include "win32/Handles.h"

namespace quintel::win32 {

namespace {

std::vector<std::string> ShownTabs(HWND tab) {
    std::vector<std::string> captions;
    const int count = TabCtrl_GetItemCount(tab);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        captions.emplace_back(text);
    }
    return captions;
}

// The pages are panes over the tab's body, not children it could draw a
// themed background behind; in the plain look the body is the button face
// that the panes, labels and frames paint too, as VB's tab control always
// was. A space names no theme class (Wine 8 takes an empty string
// for the default theme). uxtheme is looked up at run time: Windows 2000
// has none.
void UsePlainLook(HWND tab) {
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    HMODULE uxtheme = GetModuleHandleA("uxtheme.dll");
    if (!uxtheme) uxtheme = LoadSystemLibrary("uxtheme.dll");
    if (!uxtheme) return;
    auto setTheme = reinterpret_cast<SetWindowThemeFn>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme, "SetWindowTheme")));
    if (setTheme) setTheme(tab, L" ", L" ");
}

}  // namespace

// The tabs go in now: the strip's height decides where the pages begin.
void TabView::Created() {
    UsePlainLook(Window());
    Mirror();
    RECT client{};
    GetClientRect(Window(), &client);
    body_ = client;
    TabCtrl_AdjustRect(Window(), FALSE, &body_);
    for (std::size_t i = 0; i < tabs_.Tabs().size(); ++i) pages_.push_back(MakePane(GetParent(Window()), Context().Instance));
}

ControlView::Kind TabView::WindowKind() const { return {WC_TABCONTROLA, WS_CLIPSIBLINGS}; }

HWND TabView::ContentWindow(int page) const {
    return page >= 0 && page < static_cast<int>(pages_.size()) ? pages_[static_cast<std::size_t>(page)] : nullptr;
}

POINT TabView::ContentOrigin(int) const {
    const PixelRect place = PlaceOf(Model(), Context().Scale);
    return POINT{place.Left + body_.left, place.Top + body_.top};
}

void TabView::Placed() {
    RECT client{};
    GetClientRect(Window(), &client);
    if (client.right != regionSize_.cx || client.bottom != regionSize_.cy) {
        regionSize_ = SIZE{client.right, client.bottom};
        body_ = client;
        TabCtrl_AdjustRect(Window(), FALSE, &body_);
        UniqueGdiObject<HRGN> region(CreateRectRgn(0, 0, client.right, client.bottom));
        const UniqueGdiObject<HRGN> body(CreateRectRgn(body_.left, body_.top, body_.right, body_.bottom));
        CombineRgn(region.Get(), region.Get(), body.Get(), RGN_DIFF);
        // The system owns the region once it has taken it.
        if (SetWindowRgn(Window(), region.Get(), TRUE)) region.Release();
    }
    RECT place{};
    GetWindowRect(Window(), &place);
    MapWindowPoints(nullptr, GetParent(Window()), reinterpret_cast<POINT*>(&place), 2);
    const bool shown = (GetWindowLongA(Window(), GWL_STYLE) & WS_VISIBLE) != 0;
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        SetWindowPos(pages_[i], nullptr, place.left + body_.left, place.top + body_.top,
                     body_.right - body_.left, body_.bottom - body_.top, SWP_NOZORDER | SWP_NOACTIVATE);
        const bool showing = (GetWindowLongA(pages_[i], GWL_STYLE) & WS_VISIBLE) != 0;
        const bool wanted = shown && static_cast<int>(i) == tabs_.Tab();
        if (wanted != showing) ShowWindow(pages_[i], wanted ? SW_SHOWNA : SW_HIDE);
    }
}

void TabView::Mirror() {
    if (ShownTabs(Window()) != tabs_.Tabs()) {
        TabCtrl_DeleteAllItems(Window());
        int index = 0;
        for (const std::string& caption : tabs_.Tabs()) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>(caption.c_str());
            SendMessageA(Window(), TCM_INSERTITEMA, static_cast<WPARAM>(index++),
                         reinterpret_cast<LPARAM>(&item));
        }
    }
    if (TabCtrl_GetCurSel(Window()) != tabs_.Tab()) TabCtrl_SetCurSel(Window(), tabs_.Tab());
}

bool TabView::UserNotify(const NMHDR& header) {
    if (header.code != TCN_SELCHANGE) return false;
    tabs_.UserSelect(TabCtrl_GetCurSel(Window()));
    return true;
}

bool TabView::UserMnemonic(char key) {
    const auto& captions = tabs_.Tabs();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (MnemonicOf(captions[i]) == key) {
            tabs_.UserSelect(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

}  // namespace quintel::win32
