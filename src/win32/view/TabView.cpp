#include "win32/view/TabView.h"

#include <vector>

#include "win32/SystemFolders.h"
#include "win32/view/Mnemonic.h"

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

// The pages' controls are siblings painted on the tab's body, not children
// it could draw a themed background behind; in the plain look the body is
// the button face that labels and frames paint too, as VB's tab control
// always was. A space names no theme class (Wine 8 takes an empty string
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

void TabView::Created() { UsePlainLook(Window()); }

// Clipped by its siblings: the pages' controls lie above it.
ControlView::Kind TabView::WindowKind() const {
    return {WC_TABCONTROLA, WS_CLIPSIBLINGS};
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
