// Quintel.exe worked by keyboard alone, as Windows' dialog boxes are: the
// Tab key in the designed order, access keys, Enter and Esc, and the focus
// coming back to where it was.
#include "gui/QuintelApp.h"

namespace quintel::gui {
namespace {

using QuintelKeyboard = QuintelApp;

constexpr const wchar_t* MtuFrame = L"MTU (Max Transmission Unit)";
constexpr const wchar_t* RwinFrame = L"RWIN (Receive Window)";
constexpr const wchar_t* TtlFrame = L"TTL (Time To Live)";

bool FocusIs(HWND window, HWND control, const std::string& what,
             Where where = Where::current()) {
    return WaitUntil([&] { return FocusedControl(window) == control; }, "the focus on " + what,
                     DefaultTimeoutMs, where);
}

TEST_F(QuintelKeyboard, TabWalksTheMainWindowAndTheShownPageInTheDesignedOrder) {
    Start();
    ASSERT_TRUE(main);
    const std::vector<std::pair<HWND, std::string>> order = {
        {ConnectionList(), "the connection list"},
        {ModeList(), "the mode list"},
        {Tabs(), "the tabs"},
        {InFrame(MtuFrame, L"Button", L"Windows Default"), "MTU's chosen option"},
        // The MTU box is locked while "Windows Default" is chosen; the
        // finder is not.
        {InFrame(MtuFrame, L"Button", L"Find..."), "MTU's Find button"},
        {InFrame(RwinFrame, L"Button", L"Windows Default"), "RWIN's chosen option"},
        {InFrame(TtlFrame, L"Button", L"Windows Default"), "TTL's chosen option"},
    };
    for (const auto& [control, what] : order) ASSERT_TRUE(control) << what;
    ASSERT_TRUE(FocusIs(main, order.front().first, "the first control when the window opens"));
    for (std::size_t i = 1; i <= order.size(); ++i) {
        ASSERT_TRUE(PressKey(main, VK_TAB));
        const auto& [control, what] = order[i % order.size()];
        ASSERT_TRUE(FocusIs(main, control, what));
    }
}

TEST_F(QuintelKeyboard, EscClosesTheModeExplanationAndTheFocusComesBack) {
    Start();
    ASSERT_TRUE(main);
    HWND modes = ModeList();
    ASSERT_TRUE(modes);
    ASSERT_TRUE(FocusIs(main, ConnectionList(), "the connection list"));
    ASSERT_TRUE(PressKey(main, VK_TAB));
    ASSERT_TRUE(FocusIs(main, modes, "the mode list"));

    ASSERT_TRUE(ChooseComboItem(modes, L"Automatic #1"));
    ASSERT_TRUE(ChooseComboItem(modes, L"Manual"));
    HWND explanation = WaitForWindow(DialUp);
    ASSERT_TRUE(explanation);
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(main) == FALSE; }, "the explanation to disable its owner"));
    EXPECT_EQ(main, GetWindow(explanation, GW_OWNER));
    ASSERT_TRUE(FocusIs(main, FindControl(explanation, L"Button", L"OK"), "the explanation's OK"));

    ASSERT_TRUE(PressKey(explanation, VK_ESCAPE));
    ASSERT_TRUE(WaitForClose(explanation));
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(main) != FALSE; }, "the main window to take input again"));
    EXPECT_TRUE(FocusIs(main, modes, "the mode list again"));
}

TEST_F(QuintelKeyboard, EnterPressesTheDefaultButtonAndAnAccessKeyClicks) {
    Start();
    ASSERT_TRUE(main);
    HWND tabs = Tabs();
    ASSERT_TRUE(tabs);
    ASSERT_TRUE(SelectTab(tabs, L"&&Ping Configuration"));
    HWND sound = FindControl(main, L"Button", L"Play Sound at Ping");
    ASSERT_TRUE(sound);
    const bool before = IsChecked(sound);
    ASSERT_TRUE(PressAccessKey(main, L'S'));
    EXPECT_TRUE(WaitUntil([&] { return IsChecked(sound) != before; }, "Alt+S to click the sound box"));
    EXPECT_TRUE(FocusIs(main, sound, "the sound box"));

    // "About Quintel" is the Help menu's last item.
    ASSERT_TRUE(ChooseMenu(main, {'H', Up, Enter}));
    HWND about = WaitForWindow(L"About Quintel");
    ASSERT_TRUE(about);
    ASSERT_TRUE(FocusIs(main, FindControl(about, L"Button", L"OK"), "About's OK"));
    ASSERT_TRUE(PressKey(about, VK_TAB));
    ASSERT_TRUE(FocusIs(main, FindControl(about, L"Button", L"&System Info..."), "System Info"));
    // The focus on another button, Enter would press that one: back to OK
    // by Tab, then Enter from the text that takes no keys.
    ASSERT_TRUE(PressKey(about, VK_TAB));
    ASSERT_TRUE(FocusIs(main, FindControl(about, L"Button", L"OK"), "About's OK again"));
    ASSERT_TRUE(PressKey(about, VK_RETURN));
    EXPECT_TRUE(WaitForClose(about));
    EXPECT_TRUE(WaitUntil([this] { return IsEnabled(main); }, "the main window to take input again"));
    EXPECT_TRUE(FocusIs(main, sound, "the sound box again"));
}

}  // namespace
}  // namespace quintel::gui
