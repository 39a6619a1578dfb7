// The windows around the main one, operated as a user would: the tip of
// the day at the first start, the tray icon's menu, the support window
// with the System Information tool, and the user's guide beside the
// program.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "gui/QuintelApp.h"
#include "win32/korvet/KorvetControl.h"

namespace quintel::gui {
namespace {

constexpr const wchar_t* TipCaption = L"Tip of the Day";
constexpr const wchar_t* ShowTipsBox = L"&Show Tips at Startup";
// The message the tray icon's clicks arrive with, as the program asks the
// shell for it.
constexpr UINT TrayMessage = 0x8051;

const std::string SysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string SysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

std::vector<std::wstring> StaticTexts(HWND window) {
    std::vector<std::wstring> texts;
    for (HWND label : FindControls(window, L"Static")) texts.push_back(ReadText(label));
    return texts;
}

bool Has(const std::vector<std::wstring>& texts, const std::wstring& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

std::optional<std::string> StoredTipChoice() {
    const auto value = wine::ReadValue(HKEY_CURRENT_USER, TipOptionsKey, TipChoice);
    if (!value) return std::nullopt;
    return std::string(value->data.c_str());  // without its terminator
}

HWND VisibleWindowCaptioned(const wchar_t* caption) {
    HWND window = FindWindowW(nullptr, caption);
    return window && IsWindowVisible(window) ? window : nullptr;
}

// --- Tip of the day -------------------------------------------------------

class QuintelTip : public QuintelApp {};

TEST_F(QuintelTip, TheFirstStartShowsATipBeforeTheMainWindowAndUncheckingKeepsItAway) {
    ForgetTipChoice();
    StartProgram();
    HWND tip = WaitForWindow(TipCaption);
    ASSERT_TRUE(tip);
    EXPECT_EQ(nullptr, VisibleWindowCaptioned(MainCaption)) << "the tip comes first";
    SaveScreenshot(tip, ScreenshotFolder() + L"\\tip-of-the-day.bmp");

    // The tip shown is one of the lines of TIPs.TXT.
    std::vector<std::wstring> tips;
    std::istringstream file(wine::ReadTextFile(AppFile("TIPs.TXT")));
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        tips.push_back(Wide(line));
    }
    ASSERT_GE(tips.size(), 25u);
    const std::vector<std::wstring> labels = StaticTexts(tip);
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const std::wstring& l) { return Has(tips, l); }))
        << "no label shows a line of TIPs.TXT";

    HWND showTips = FindControl(tip, L"Button", ShowTipsBox);
    ASSERT_TRUE(showTips);
    EXPECT_TRUE(IsChecked(showTips));
    EXPECT_EQ("1", StoredTipChoice().value_or("(none)"));
    ASSERT_TRUE(Click(showTips));
    EXPECT_FALSE(IsChecked(showTips));
    EXPECT_EQ("0", StoredTipChoice().value_or("(none)"));

    ASSERT_TRUE(Click(FindControl(tip, L"Button", L"OK")));
    main = WaitForWindow(MainCaption);
    ASSERT_TRUE(main) << "running: " << quintel.running();
    ASSERT_TRUE(ChooseMenu(main, {'F', 'E'}));
    EXPECT_EQ(0u, quintel.WaitForExit());

    Start();
    ASSERT_TRUE(main);
    EXPECT_EQ(nullptr, VisibleWindowCaptioned(TipCaption));

    // The Help menu shows it again, without holding the main window, and
    // turns the start-up tip back on.
    ASSERT_TRUE(ChooseMenu(main, {'H', 'T'}));
    tip = WaitForWindow(TipCaption);
    ASSERT_TRUE(tip);
    EXPECT_TRUE(IsEnabled(main));
    EXPECT_EQ("1", StoredTipChoice().value_or("(none)"));
    ASSERT_TRUE(Click(FindControl(tip, L"Button", L"&Next Tip")));
    ASSERT_TRUE(Click(FindControl(tip, L"Button", L"OK")));
    EXPECT_TRUE(WaitForClose(tip));
}

// --- The tray icon ----------------------------------------------------------

class QuintelTray : public QuintelApp {
protected:
    // Waits until `main` has the input again. Wine hands the X server's
    // focus events to a window some time after Windows' own state says it
    // is active, and a shortcut menu opened before they arrive is closed
    // by them; the pause lets them pass, as a user's reaction time would.
    void WaitUntilActive(Where where = Where::current()) {
        WaitUntil([this] { return IsEnabled(main) && GetForegroundWindow() == main; },
                  "the main window to be active", DefaultTimeoutMs, where);
        Sleep(FocusSettleMs);
    }
    static constexpr DWORD FocusSettleMs = 300;

    // Korvet.exe beside the program: the main window starts it, and the
    // menu's "Disable"/"Enable" is its state.
    void StartWithCompanion(Where where = Where::current()) {
        ASSERT_TRUE(CopyFileA(BesideQuintel("Korvet.exe").c_str(), AppFile("Korvet.exe").c_str(),
                              FALSE));
        Start(where);
        WaitUntil([] { return FindWindowA(korvet::WindowClass, nullptr) != nullptr; },
                  "the companion to start", DefaultTimeoutMs, where);
    }
    static bool CompanionPaused() {
        HWND companion = FindWindowA(korvet::WindowClass, nullptr);
        return companion && GetPropA(companion, korvet::PausedProperty) != nullptr;
    }
    void TearDown() override {
        // The companion outlives the window; the next test starts its own.
        if (GetFileAttributesA(AppFile("Korvet.exe").c_str()) != INVALID_FILE_ATTRIBUTES) {
            wine::RunProgram(AppFile("Korvet.exe"), "/stop");
        }
        QuintelApp::TearDown();
    }
};

TEST_F(QuintelTray, TheRightButtonOpensTheMenuWhoseDisableExplainsItself) {
    StartWithCompanion();
    ASSERT_TRUE(main);
    const auto rightClick = [this] { PostMessageW(main, TrayMessage, 1, WM_RBUTTONUP); };
    WaitUntilActive();

    // "Disable" is the menu's last item.
    ASSERT_TRUE(ChooseShortcutMenu(main, rightClick, {Up, Enter}));
    HWND box = WaitForMessageBox(L"Quintel");
    ASSERT_TRUE(box);
    EXPECT_EQ(L"You have only disabled the Ping utility...\r\n\r\nQuintel will continue boosting "
              L"your Internet connection.\r\nIn order to disable the connection acceleration, you "
              L"will have to run the uninstall program.",
              MessageBoxText(box));
    ASSERT_TRUE(AnswerMessageBox(box, L"OK"));
    // Until the box has given the window back, a click on the icon only
    // brings the box forward.
    WaitUntilActive();

    // Now "Enable": quiet. Then "Disable" again, with its message.
    ASSERT_TRUE(ChooseShortcutMenu(main, rightClick, {Up, Enter}));
    EXPECT_TRUE(IsEnabled(main)) << "Enable showed a message";
    ASSERT_TRUE(ChooseShortcutMenu(main, rightClick, {Up, Enter}));
    box = WaitForMessageBox(L"Quintel");
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box, L"OK"));
    EXPECT_TRUE(CompanionPaused());
}

// Paused from elsewhere (an earlier window, "Korvet.exe /pause"): the menu
// offers "Enable", and choosing it resumes the companion without a word.
TEST_F(QuintelTray, ACompanionPausedBeforeTheWindowOpenedIsOfferedEnable) {
    StartWithCompanion();
    ASSERT_TRUE(main);
    ASSERT_EQ(0u, wine::RunProgram(AppFile("Korvet.exe"), "/pause").exitCode);
    ASSERT_TRUE(WaitUntil([] { return CompanionPaused(); }, "the companion to pause"));
    const auto rightClick = [this] { PostMessageW(main, TrayMessage, 1, WM_RBUTTONUP); };
    WaitUntilActive();

    ASSERT_TRUE(ChooseShortcutMenu(main, rightClick, {Up, Enter}));
    EXPECT_TRUE(WaitUntil([] { return !CompanionPaused(); }, "the companion to resume"));
    EXPECT_TRUE(IsEnabled(main)) << "Enable showed a message";
}

TEST_F(QuintelTray, TheLeftButtonBringsBackAMinimizedWindowAndTheMenuShowsItToo) {
    Start();
    ASSERT_TRUE(main);
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([this] { return IsIconic(main) != FALSE; }, "the window to minimize"));
    PostMessageW(main, TrayMessage, 1, WM_LBUTTONUP);
    EXPECT_TRUE(WaitUntil([this] { return !IsIconic(main) && IsWindowVisible(main); },
                          "the window to come back"));

    WaitUntilActive();
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([this] { return IsIconic(main) != FALSE; }, "the window to minimize"));
    // "Show &Main Window" is the first item, by its access key.
    ASSERT_TRUE(ChooseShortcutMenu(
        main, [this] { PostMessageW(main, TrayMessage, 1, WM_RBUTTONUP); }, {'M'}));
    EXPECT_TRUE(WaitUntil([this] { return !IsIconic(main) && IsWindowVisible(main); },
                          "Show Main Window to restore the window"));
}

// --- The support window -------------------------------------------------------

class QuintelSupport : public QuintelApp {
protected:
    void SetUp() override {
        QuintelApp::SetUp();
        ForgetSysInfo();
    }
    void TearDown() override {
        ForgetSysInfo();
        QuintelApp::TearDown();
    }
    // Wine's prefix has the tool's key, but no location in it.
    static void ForgetSysInfo() {
        wine::DeleteValue(SysInfoKey, "PATH");
        wine::DeleteValue(SysInfoFolderKey, "MSINFO");
    }
    // The driver's fixture program stands in for the tool.
    static std::string StandIn() {
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string path = self;
        return path.substr(0, path.find_last_of('\\') + 1) + "QuintelGuiFixture.exe";
    }
};

TEST_F(QuintelSupport, AboutShowsTheVersionAndSystemInfoStartsTheRegisteredTool) {
    Start();
    ASSERT_TRUE(main);
    // "About Quintel" is the Help menu's last item.
    ASSERT_TRUE(ChooseMenu(main, {'H', Up, Enter}));
    HWND about = WaitForWindow(L"About Quintel");
    ASSERT_TRUE(about);
    // It is shown first and then holds the main window, within moments.
    EXPECT_TRUE(WaitUntil([this] { return IsEnabled(main) == FALSE; },
                          "the support window to hold the main window (disabled)", 2000));
    const std::vector<std::wstring> texts = StaticTexts(about);
    for (const wchar_t* expected : {L"Quintel", L"Version 5.0.0", L"Web:", L"Email:",
                                    L"https://www.quintel.example/", L"support@quintel.example"})
        EXPECT_TRUE(Has(texts, expected)) << Narrow(expected);
    SaveScreenshot(about, ScreenshotFolder() + L"\\about.bmp");

    HWND sysInfo = FindControl(about, L"Button", L"&System Info...");
    ASSERT_TRUE(Click(sysInfo));
    HWND box = WaitForMessageBox(L"Quintel");
    ASSERT_TRUE(box);
    EXPECT_EQ(L"System Information Is Unavailable At This Time", MessageBoxText(box));
    ASSERT_TRUE(AnswerMessageBox(box, L"OK"));

    wine::PutString(HKEY_LOCAL_MACHINE, SysInfoKey, "PATH", StandIn());
    ASSERT_TRUE(Click(sysInfo));
    HWND tool = WaitForWindow(L"Driver Fixture");
    ASSERT_TRUE(tool) << StandIn();
    PostMessageW(tool, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForClose(tool));

    ASSERT_TRUE(Click(FindControl(about, L"Button", L"OK")));
    EXPECT_TRUE(WaitForClose(about));
    EXPECT_TRUE(WaitUntil([this] { return IsEnabled(main); }, "the main window to take input again"));
}

// --- The user's guide -----------------------------------------------------------

TEST(QuintelGuide, TheGuideBesideTheProgramIsACompiledHelpFile) {
    const std::string exe = wine::QuintelExe();
    const std::string guide = exe.substr(0, exe.find_last_of('\\') + 1) + "Help\\Help.chm";
    HANDLE file = CreateFileA(guide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << guide;
    char header[8] = {};
    DWORD read = 0;
    ReadFile(file, header, sizeof header, &read, nullptr);
    const DWORD size = GetFileSize(file, nullptr);
    CloseHandle(file);
    ASSERT_EQ(8u, read);
    EXPECT_EQ(std::string("ITSF\3\0\0\0", 8), std::string(header, 8));
    EXPECT_GT(size, 4096u);
}

}  // namespace
}  // namespace quintel::gui
