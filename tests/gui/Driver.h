// Operates another program's windows the way a user would, for GUI tests
// under Wine: start the program, find its windows and controls, click,
// type, choose from lists, tabs, toolbars and menus, answer message boxes,
// read back what the controls show, and take screenshots.
//
// Every function that can fail takes the caller's source location as its
// last argument (filled in by default), and a failure is reported at that
// line as a non-fatal GoogleTest failure naming what went wrong; the
// function then returns an empty result (nullptr, false, empty text), so a
// test stops with ASSERT_TRUE on what it cannot go on without.
//
// The target program must be 32-bit like the driver: the tab, toolbar and
// status bar functions place the controls' structures in its memory.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

namespace quintel::gui {

using Where = std::source_location;

// How long a wait lasts unless the caller says otherwise.
constexpr DWORD DefaultTimeoutMs = 10000;

// --- Programs ---------------------------------------------------------

// A started program. A program still running when its Program is
// destroyed is terminated, so a failed test leaves nothing behind.
class Program {
public:
    Program() = default;
    Program(Program&& other) noexcept;
    Program& operator=(Program&& other) noexcept;
    ~Program();

    // Starts `exe` (a Windows path) with `arguments` appended to its
    // command line; an empty Program (false) when it cannot be started.
    static Program Start(const std::wstring& exe, const std::wstring& arguments = L"",
                         Where where = Where::current());

    explicit operator bool() const { return process_ != nullptr; }
    HANDLE handle() const { return process_; }
    DWORD id() const { return id_; }
    bool running() const;
    // Waits for the program to end and returns its exit code; fails and
    // returns STILL_ACTIVE when it is still running after `timeoutMs`.
    DWORD WaitForExit(DWORD timeoutMs = DefaultTimeoutMs, Where where = Where::current());
    void Terminate();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// --- Waiting and finding ----------------------------------------------

// Polls `condition` until it holds; fails naming `what` after `timeoutMs`.
bool WaitUntil(const std::function<bool()>& condition, const std::string& what,
               DWORD timeoutMs = DefaultTimeoutMs, Where where = Where::current());

// A visible top-level window of any process with exactly this caption.
HWND WaitForWindow(const std::wstring& caption, DWORD timeoutMs = DefaultTimeoutMs,
                   Where where = Where::current());
// The same, restricted to one window class ("#32770" for dialog boxes).
HWND WaitForWindowOfClass(const std::wstring& className, const std::wstring& caption,
                          DWORD timeoutMs = DefaultTimeoutMs, Where where = Where::current());
// Waits until `window` is destroyed or hidden.
bool WaitForClose(HWND window, DWORD timeoutMs = DefaultTimeoutMs, Where where = Where::current());

// A descendant control of `parent` by window class (case-insensitive, as
// Windows compares class names) and text. Texts compare as a user reads
// them: "&Yes" matches "Yes". A visible control is preferred to a hidden
// one (the same caption may sit on another tab page); two visible matches
// are a failure.
HWND FindControl(HWND parent, const std::wstring& className, const std::wstring& text,
                 Where where = Where::current());
HWND FindControlById(HWND parent, int id, Where where = Where::current());
// Every descendant of `parent` of this class, in the order Windows lists them.
std::vector<HWND> FindControls(HWND parent, const std::wstring& className);

// Controls inside a frame (a group box: class Button, style BS_GROUPBOX),
// where the same caption may stand in several frames ("Custom" in each).
// A frame's controls are often its siblings rather than its children, so
// a control is inside when it lies within the frame on screen; and it must
// be shown as the frame is: the pages of a tab control stack their frames
// in one place, and only the page on top shows its controls.
HWND FindControlInFrame(HWND frame, const std::wstring& className, const std::wstring& text,
                        Where where = Where::current());
std::vector<HWND> FindControlsInFrame(HWND frame, const std::wstring& className);

// --- Reading ------------------------------------------------------------

// Text in the ANSI code page, as Quintel and the tests hold it, for the
// driver's wide-character calls.
std::wstring Wide(const std::string& text);
// UTF-8 of what a control shows, for failure messages.
std::string Narrow(std::wstring_view text);

// The text a control shows, asked of the control itself (WM_GETTEXT):
// GetWindowText on another process's edit returns its caption from
// creation, not what it shows now.
std::wstring ReadText(HWND window, Where where = Where::current());
bool IsChecked(HWND button, Where where = Where::current());
bool IsEnabled(HWND window);

// --- Acting -------------------------------------------------------------

// Clicks a button, check box or option button (BM_CLICK). Returns once
// the click is handled, or once it has opened a modal window (a message
// box) that now waits for an answer. Fails on a disabled or hidden control.
bool Click(HWND button, Where where = Where::current());

// Types `text` into an edit one character at a time (WM_CHAR), so the
// control's key filters see every key, at the caret.
bool TypeText(HWND edit, std::wstring_view text, Where where = Where::current());
// Selects the whole text of an edit, so the next typed text replaces it.
bool SelectAllText(HWND edit, Where where = Where::current());

// The entries of a combo box, its selected entry, and choosing one by its
// exact text: CB_SETCURSEL, then CBN_SELCHANGE to the owner as a user's
// choice would send.
std::vector<std::wstring> ComboItems(HWND combo, Where where = Where::current());
std::wstring SelectedComboItem(HWND combo, Where where = Where::current());
bool ChooseComboItem(HWND combo, const std::wstring& text, Where where = Where::current());

// Tab controls (SysTabControl32): the captions, the selected index, and
// selecting a tab by caption with the tab control's own notifications.
std::vector<std::wstring> TabCaptions(HWND tab, Where where = Where::current());
int SelectedTab(HWND tab);
bool SelectTab(HWND tab, const std::wstring& caption, Where where = Where::current());

// Toolbars: the buttons with their labels, and clicking one by its label.
struct ToolbarButton {
    int command = 0;
    std::wstring text;
    bool enabled = false;
    bool hidden = false;
    bool checked = false;
};
std::vector<ToolbarButton> ToolbarButtons(HWND toolbar, Where where = Where::current());
bool ClickToolbarButton(HWND toolbar, const std::wstring& text, Where where = Where::current());

// The texts of a status bar's panels, left to right.
std::vector<std::wstring> StatusTexts(HWND statusBar, Where where = Where::current());
// Double-clicks panel `part` (from 0) of a status bar with the mouse's
// messages, at the panel's middle. Returns as Click does.
bool DoubleClickStatusPanel(HWND statusBar, int part, Where where = Where::current());

// Report-style list views (SysListView32): the column headings, and each
// row's texts column by column.
std::vector<std::wstring> ListViewHeadings(HWND list, Where where = Where::current());
std::vector<std::vector<std::wstring>> ListViewRows(HWND list, Where where = Where::current());

// --- The keyboard ---------------------------------------------------------

// The control of `window`'s program that has the keyboard focus (any of
// its windows); null when none has.
HWND FocusedControl(HWND window);
// Presses and releases a key (VK_TAB, VK_RETURN, VK_ESCAPE) in the control
// of `window`'s program that has the focus. Returns once the key is on its
// way: wait for what it does.
bool PressKey(HWND window, WORD virtualKey, Where where = Where::current());
// Alt and a letter there: an access key.
bool PressAccessKey(HWND window, wchar_t letter, Where where = Where::current());

// --- Message boxes ------------------------------------------------------

HWND WaitForMessageBox(const std::wstring& caption, DWORD timeoutMs = DefaultTimeoutMs,
                       Where where = Where::current());
std::wstring MessageBoxText(HWND box, Where where = Where::current());
// Clicks the button with this caption ("Yes", "&No", "OK") and waits for
// the box to close.
bool AnswerMessageBox(HWND box, const std::wstring& button, Where where = Where::current());

// --- Menus --------------------------------------------------------------

// One key pressed while a menu is open: a mnemonic letter, or an arrow,
// Enter or Escape.
struct MenuKey {
    MenuKey(char letter) : mnemonic(static_cast<wchar_t>(letter)) {}
    static MenuKey Press(WORD virtualKey) {
        MenuKey key('\0');
        key.virtualKey = virtualKey;
        return key;
    }
    wchar_t mnemonic = 0;
    WORD virtualKey = 0;
};
inline const MenuKey Up = MenuKey::Press(VK_UP);
inline const MenuKey Down = MenuKey::Press(VK_DOWN);
inline const MenuKey Left = MenuKey::Press(VK_LEFT);
inline const MenuKey Right = MenuKey::Press(VK_RIGHT);
inline const MenuKey Enter = MenuKey::Press(VK_RETURN);

// Chooses a menu command by keyboard, as Alt+letter and then the keys:
// ChooseMenu(main, {'F', 'S'}) is File > Say Hello. The first key must be
// the mnemonic of a menu bar entry. Returns once the menus have closed;
// the command itself may still be running (a message box it opened).
bool ChooseMenu(HWND window, std::initializer_list<MenuKey> keys, Where where = Where::current());
// Runs `open`, which makes `window`'s program open a shortcut menu (a
// message that a tray icon was clicked, say), then chooses from it with
// `keys`: ChooseShortcutMenu(main, open, {Up, Enter}) is the last item.
bool ChooseShortcutMenu(HWND window, const std::function<void()>& open,
                        std::initializer_list<MenuKey> keys, Where where = Where::current());

// --- Layout -------------------------------------------------------------

// The visible labels, buttons, check boxes, option buttons and frames of
// `window` whose caption, drawn in `font` (the font the program asks
// for), does not fit the room the control leaves it; each entry names the
// control, its caption and both sizes. Empty when every caption is whole.
std::vector<std::string> CaptionsThatDoNotFit(HWND window, const LOGFONTA& font,
                                              Where where = Where::current());

// --- Screenshots --------------------------------------------------------

// Saves what the screen shows of `window` (the whole screen for nullptr)
// as a 24-bit BMP file; a name not ending in ".bmp" is refused.
bool SaveScreenshot(HWND window, const std::wstring& path, Where where = Where::current());

}  // namespace quintel::gui
