// Menus by keyboard. Wine keeps a process's menus to itself (another
// process cannot read them), so the driver does what a user does: Alt and
// the mnemonic letter open the menu, keys go to the popups, and it watches
// the popup windows (class #32768) come and go.
#include <cwctype>

#include "Internals.h"

namespace quintel::gui {

using namespace detail;

namespace {

// Menus react at once; a key that changes nothing in this time never will.
constexpr DWORD MenuTimeoutMs = 1000;
// A window that takes longer than this to answer is hung.
constexpr UINT MenuSettleTimeoutMs = 5000;

std::vector<HWND> OpenPopups(DWORD thread) {
    std::vector<HWND> popups;
    for (HWND window : VisibleWindowsOfThread(thread))
        if (ClassName(window) == L"#32768") popups.push_back(window);
    return popups;  // topmost first: the deepest submenu
}

std::string KeyName(const MenuKey& key) {
    if (key.mnemonic) return "'" + Narrow(std::wstring(1, key.mnemonic)) + "'";
    switch (key.virtualKey) {
    case VK_UP: return "Up";
    case VK_DOWN: return "Down";
    case VK_LEFT: return "Left";
    case VK_RIGHT: return "Right";
    case VK_RETURN: return "Enter";
    }
    return "key " + std::to_string(key.virtualKey);
}

void Press(HWND popup, const MenuKey& key) {
    // A menu acts on WM_CHAR for letters and Enter and on WM_KEYDOWN for
    // arrows; it translates other key-downs into characters itself, so a
    // key-down for a letter or Enter as well would press it twice.
    if (key.mnemonic)
        PostMessageW(popup, WM_CHAR, key.mnemonic, 1);
    else if (key.virtualKey == VK_RETURN)
        PostMessageW(popup, WM_CHAR, L'\r', 1);
    else
        PostMessageW(popup, WM_KEYDOWN, key.virtualKey,
                     1 | (MapVirtualKeyW(key.virtualKey, MAPVK_VK_TO_VSC) << 16) | (1 << 24));
}

// Returns once the menu loop has handled the keys posted so far. The loop
// handles sent messages before posted ones, so one message sent after a
// posted key may be answered before the key is handled; the second is
// answered only when the loop looks for messages again.
// A command that ends the program (Exit) may take the window away
// meanwhile, which leaves nothing to wait for.
void Settle(HWND window, const Where& where) {
    for (int i = 0; i < 2; ++i) {
        if (!IsWindow(window)) return;
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, MenuSettleTimeoutMs,
                                 &ignored) &&
            IsWindow(window)) {
            Fail(where, Describe(window) + " did not answer within " +
                            std::to_string(MenuSettleTimeoutMs) + " ms while its menu was used");
            return;
        }
    }
}

// A user opens a menu in the window in front. Wine delivers the X
// server's focus events late: a window that a closing dialog gave its
// activation back to may lose and regain it a moment later, and a menu
// opened in between closes at once. So the driver waits until the window
// is in front and then a moment more.
void WaitUntilInFront(HWND window) {
    constexpr DWORD InFrontTimeoutMs = 2000;
    constexpr DWORD FocusSettleMs = 150;
    const DWORD start = GetTickCount();
    while (IsWindow(window) && GetForegroundWindow() != window &&
           GetTickCount() - start < InFrontTimeoutMs)
        Sleep(20);
    Sleep(FocusSettleMs);
}

// Leaves the program usable after a failure: Escape until no menu is open.
void CloseMenus(HWND window, DWORD thread, const Where& where) {
    for (int i = 0; i < 5; ++i) {
        const std::vector<HWND> popups = OpenPopups(thread);
        if (popups.empty()) return;
        PostMessageW(popups.front(), WM_KEYDOWN, VK_ESCAPE, 1);
        Settle(window, where);
    }
}

bool WaitForMenus(DWORD thread, const std::function<bool(size_t)>& condition) {
    const DWORD start = GetTickCount();
    while (!condition(OpenPopups(thread).size())) {
        if (GetTickCount() - start > MenuTimeoutMs) return false;
        Sleep(20);
    }
    return true;
}

// A new menu command starts with every menu closed.
bool NoMenuOpen(HWND window, DWORD thread, const Where& where) {
    if (OpenPopups(thread).empty()) return true;
    Fail(where, "a menu of " + Describe(window) + " is open already");
    return false;
}

// " (menu keys 'F', 'E' in <window>)": what failure messages end with.
std::string Context(const char* what, std::initializer_list<MenuKey> keys, HWND window) {
    std::string path;
    for (const MenuKey& key : keys) path += (path.empty() ? "" : ", ") + KeyName(key);
    return std::string(" (") + what + " " + path + " in " + Describe(window) + ")";
}

// Presses `first`..`last` in the open menus of `thread`; the last key
// must close them by choosing a command.
bool PressMenuKeys(HWND window, DWORD thread, const MenuKey* first, const MenuKey* last,
                   const std::string& in, const Where& where) {
    for (const MenuKey* key = first; key != last; ++key) {
        const std::vector<HWND> popups = OpenPopups(thread);
        if (popups.empty()) {
            Fail(where, "the menus closed before " + KeyName(*key) + in);
            return false;
        }
        Press(popups.front(), *key);
        Settle(window, where);
        if (key + 1 == last) {
            if (!WaitForMenus(thread, [](size_t open) { return open == 0; })) {
                Fail(where, "the menus stayed open after " + KeyName(*key) +
                                ": it chose no command" + in);
                CloseMenus(window, thread, where);
                return false;
            }
        } else if (key->mnemonic) {
            // A letter before the last key has to open a submenu.
            const size_t before = popups.size();
            WaitForMenus(thread, [before](size_t open) { return open != before; });
            const size_t after = OpenPopups(thread).size();
            if (after == 0) {
                Fail(where, KeyName(*key) + " chose a command before the last key" + in);
                return false;
            }
            if (after <= before) {
                Fail(where, KeyName(*key) + " opened no submenu" + in);
                CloseMenus(window, thread, where);
                return false;
            }
        }
    }
    return true;
}

}  // namespace

bool ChooseMenu(HWND window, std::initializer_list<MenuKey> keys, Where where) {
    if (keys.size() == 0 || !keys.begin()->mnemonic) {
        Fail(where, "a menu path starts with the mnemonic letter of a menu bar entry");
        return false;
    }
    if (!CanOperate(window, "use its menu", where)) return false;
    if (!GetMenu(window)) {
        Fail(where, Describe(window) + " has no menu bar");
        return false;
    }
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!NoMenuOpen(window, thread, where)) return false;
    const std::string in = Context("menu keys", keys, window);

    const MenuKey& first = *keys.begin();
    // Alt and a letter: the system command that opens that menu. What the
    // window still has to do for earlier input comes first, as it would
    // for a user's keys: a menu opened in the middle of it is closed again
    // by it.
    const auto openMenu = [&] {
        WaitUntilInFront(window);
        Settle(window, where);
        PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, std::towlower(first.mnemonic));
    };
    openMenu();
    if (keys.size() == 1) {
        // A command on the menu bar itself. The menu loop opens a popup a
        // few messages later, so only a popup that does not come shows it.
        if (!WaitForMenus(thread, [](size_t open) { return open > 0; })) return true;
        Fail(where, "the menu stayed open after " + KeyName(first) + ": it chose no command" + in);
        CloseMenus(window, thread, where);
        return false;
    }
    if (!WaitForMenus(thread, [](size_t open) { return open > 0; })) {
        // A late focus event of Wine's can close the menu before it shows
        // (or keep it from opening); nothing was chosen, so once more.
        PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
        openMenu();
        if (!WaitForMenus(thread, [](size_t open) { return open > 0; })) {
            Fail(where, "no menu opened for " + KeyName(first) + in);
            return false;
        }
    }
    return PressMenuKeys(window, thread, keys.begin() + 1, keys.end(), in, where);
}

bool ChooseShortcutMenu(HWND window, const std::function<void()>& open,
                        std::initializer_list<MenuKey> keys, Where where) {
    if (keys.size() == 0) {
        Fail(where, "a shortcut menu needs at least the key that chooses");
        return false;
    }
    if (!IsWindow(window)) {
        Fail(where, "no window to open a shortcut menu of");
        return false;
    }
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!NoMenuOpen(window, thread, where)) return false;
    const std::string in = Context("shortcut menu keys", keys, window);
    open();
    if (!WaitForMenus(thread, [](size_t count) { return count > 0; })) {
        Fail(where, "no shortcut menu opened" + in);
        return false;
    }
    return PressMenuKeys(window, thread, keys.begin(), keys.end(), in, where);
}

}  // namespace quintel::gui
