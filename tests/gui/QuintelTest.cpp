// Quintel.exe's main window operated as a user would: the first start, the
// optimization modes and the manual controls they lock, a second start,
// and the three tabs.
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <cwctype>
#include <string>
#include <optional>
#include <utility>
#include <vector>

#include "gui/QuintelApp.h"

#include <commctrl.h>

namespace quintel::gui {
namespace {

class QuintelWindow : public QuintelApp {};

constexpr const wchar_t* MtuFrame = L"MTU (Max Transmission Unit)";
constexpr const wchar_t* RwinFrame = L"RWIN (Receive Window)";
constexpr const wchar_t* TtlFrame = L"TTL (Time To Live)";
constexpr const wchar_t* KeepAliveFrame = L"Session Keep Alive";
constexpr const wchar_t* NdiFrame = L"NDI Cache";
constexpr const wchar_t* SessionsFrame = L"Maximum Sessions Allowed";
constexpr const wchar_t* PingFrame = L"Configuration";
// Stored with a doubled ampersand, so the tab shows a literal '&'.
constexpr const wchar_t* PingTab = L"&&Ping Configuration";

// "IP Address: " and four numbers from 0 to 255 with dots between.
bool IsAddressPanel(const std::wstring& panel) {
    const std::wstring prefix = L"IP Address: ";
    if (panel.rfind(prefix, 0) != 0) return false;
    int parts = 0;
    std::wstring number;
    for (wchar_t c : panel.substr(prefix.size()) + L".") {
        if (std::iswdigit(c) && number.size() < 3) {
            number += c;
        } else if (c == L'.' && !number.empty() && std::stoi(number) <= 255) {
            ++parts;
            number.clear();
        } else {
            return false;
        }
    }
    return parts == 4;
}

// A manual control as an automatic mode leaves it: disabled, and showing
// no value (no check, no text, no list entry).
void ExpectLockedAndEmpty(HWND control, Where where = Where::current()) {
    wchar_t className[64] = {};
    GetClassNameW(control, className, 64);
    std::string wrong;
    if (IsEnabled(control)) wrong += " enabled;";
    if (lstrcmpiW(className, L"Button") == 0 && IsChecked(control, where)) wrong += " checked;";
    if (lstrcmpiW(className, L"Edit") == 0 && !ReadText(control, where).empty())
        wrong += " showing \"" + Narrow(ReadText(control, where)) + "\";";
    if (lstrcmpiW(className, L"ComboBox") == 0 && !SelectedComboItem(control, where).empty())
        wrong += " showing \"" + Narrow(SelectedComboItem(control, where)) + "\";";
    if (!wrong.empty()) {
        ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
            << Narrow(className) << " " << GetDlgCtrlID(control) << " \"" << Narrow(ReadText(control, where))
            << "\" is" << wrong;
    }
}

BOOL CALLBACK AddVisibleOfProcess(HWND window, LPARAM data) {
    auto& [process, found] = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process && IsWindowVisible(window)) found.push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD process) {
    std::pair<DWORD, std::vector<HWND>> search{process, {}};
    EnumWindows(AddVisibleOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

TEST_F(QuintelWindow, AnAutomaticModeClearsAndLocksWhatWasTypedInManualMode) {
    ASSERT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(AppFile("VarOderudi.cfg").c_str()));
    Start();
    ASSERT_TRUE(main);

    // No settings file yet: Manual, with the Windows defaults chosen.
    HWND modes = ModeList();
    HWND connections = ConnectionList();
    ASSERT_TRUE(modes && connections);
    EXPECT_EQ(L"Manual", SelectedComboItem(modes));
    EXPECT_EQ(DialUp, SelectedComboItem(connections));
    std::vector<std::wstring> status = Status();
    ASSERT_EQ(4u, status.size());
    EXPECT_EQ(L"Mode: Manual", status[1]);
    EXPECT_EQ(L"OS: Windows XP", status[2]);
    EXPECT_TRUE(IsAddressPanel(status[3])) << Narrow(status[3]);
    HWND tabs = Tabs();
    ASSERT_TRUE(tabs);
    EXPECT_EQ(0, SelectedTab(tabs));

    // An automatic mode explains nothing; Manual explains itself in a
    // dialog that holds the main window until OK.
    ASSERT_TRUE(ChooseComboItem(modes, L"Automatic #1"));
    EXPECT_EQ(L"Mode: Automatic #1", Status().at(1));
    EXPECT_TRUE(IsEnabled(main));
    ASSERT_TRUE(ChooseComboItem(modes, L"Manual"));
    CloseModeExplanation(DialUp, "You have selected the \"Manual Optimization Mode\".",
                         L"mode-explanation.bmp");
    EXPECT_EQ(L"Mode: Manual", Status().at(1));

    // The MTU frame's own "Custom" (every frame has one) opens its box,
    // which takes digits only.
    ASSERT_TRUE(SelectTab(tabs, L"General"));
    HWND mtuDefault = InFrame(MtuFrame, L"Button", L"Windows Default");
    HWND mtuCustom = InFrame(MtuFrame, L"Button", L"Custom");
    HWND mtu = OnlyInFrame(MtuFrame, L"Edit");
    ASSERT_TRUE(mtuDefault && mtuCustom && mtu);
    EXPECT_TRUE(IsChecked(mtuDefault));
    EXPECT_FALSE(IsEnabled(mtu));
    ASSERT_TRUE(Click(mtuCustom));
    EXPECT_TRUE(IsChecked(mtuCustom));
    EXPECT_FALSE(IsChecked(mtuDefault));
    EXPECT_FALSE(IsChecked(InFrame(RwinFrame, L"Button", L"Custom")));
    EXPECT_FALSE(IsChecked(InFrame(TtlFrame, L"Button", L"Custom")));
    ASSERT_TRUE(IsEnabled(mtu));
    ASSERT_TRUE(TypeText(mtu, L"14x92"));
    EXPECT_EQ(L"1492", ReadText(mtu));

    // Automatic #3 takes the values out of the user's hands: every manual
    // control on both tabs is disabled and shows nothing.
    ASSERT_TRUE(ChooseComboItem(modes, L"Automatic #3"));
    EXPECT_EQ(L"Mode: Automatic #3", Status().at(1));
    EXPECT_EQ(L"Automatic #3", SelectedComboItem(modes));
    SaveScreenshot(main, ScreenshotFolder() + L"\\main-automatic3-general.bmp");
    for (const wchar_t* frame : {MtuFrame, RwinFrame, TtlFrame}) {
        SCOPED_TRACE(Narrow(frame));
        HWND box = Frame(frame);
        ASSERT_TRUE(box);
        EXPECT_FALSE(IsEnabled(box));
        // Two options and their box or list each; the MTU's "Find..." too.
        size_t controls = 0;
        for (const wchar_t* kind : {L"Button", L"Edit", L"ComboBox"}) {
            for (HWND control : FindControlsInFrame(box, kind)) {
                ExpectLockedAndEmpty(control);
                ++controls;
            }
        }
        EXPECT_EQ(frame == MtuFrame ? 4u : 3u, controls);
    }
    ASSERT_TRUE(SelectTab(tabs, L"Advanced"));
    for (const wchar_t* frame : {KeepAliveFrame, NdiFrame, SessionsFrame}) {
        SCOPED_TRACE(Narrow(frame));
        HWND box = Frame(frame);
        ASSERT_TRUE(box);
        EXPECT_FALSE(IsEnabled(box));
        size_t controls = 0;
        for (const wchar_t* kind : {L"Button", L"ComboBox", L"Static"}) {
            for (HWND control : FindControlsInFrame(box, kind)) {
                ExpectLockedAndEmpty(control);
                ++controls;
            }
        }
        // Keep-alive and NDI: two options and a list; sessions: two
        // labelled lists.
        EXPECT_EQ(frame == SessionsFrame ? 4u : 3u, controls);
    }
    for (const wchar_t* check : {L"MTU Auto Discover", L"Black Hole Detection"}) {
        SCOPED_TRACE(Narrow(check));
        HWND box = FindControl(main, L"Button", check);
        ASSERT_TRUE(box);
        ExpectLockedAndEmpty(box);
    }
    SaveScreenshot(main, ScreenshotFolder() + L"\\main-automatic3-advanced.bmp");
}

TEST_F(QuintelWindow, FindOpensTheFinderAndUseTypesTheMtuFoundIntoTheBox) {
    // The ping host is the loopback address: nothing else is pinged.
    wine::WriteTextFile(AppFile("Ping.cfg"),
                        "PingAutomatic,#FALSE#\r\nPingHost,127.0.0.1\r\nPingInterval,5\r\nPingSound,#FALSE#\r\n");
    Start();
    ASSERT_TRUE(main);
    HWND find = InFrame(MtuFrame, L"Button", L"Find...");
    ASSERT_TRUE(find);
    EXPECT_TRUE(IsEnabled(find));
    ASSERT_TRUE(Click(find));
    HWND finder = WaitForWindow(L"Find the Largest MTU");
    ASSERT_TRUE(finder);
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(main) == FALSE; }, "the finder to hold the main window"));
    const std::vector<HWND> edits = FindControls(finder, L"Edit");
    const std::vector<HWND> bars = FindControls(finder, L"msctls_progress32");
    ASSERT_EQ(1u, edits.size());
    ASSERT_EQ(1u, bars.size());
    HWND host = edits.front();
    HWND bar = bars.front();
    HWND start = FindControl(finder, L"Button", L"Start");
    HWND use = FindControl(finder, L"Button", L"Use");
    ASSERT_TRUE(start && use);
    EXPECT_EQ(L"127.0.0.1", ReadText(host));
    EXPECT_FALSE(IsEnabled(use));

    ASSERT_TRUE(Click(start));
    // The loopback carries the largest packet tried.
    const std::wstring found = L"The path to 127.0.0.1 carries 1500-byte packets whole, the largest tried: MTU 1500.";
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (HWND label : FindControls(finder, L"Static"))
                if (ReadText(label) == found) return true;
            return false;
        },
        "the finder's answer"));
    EXPECT_TRUE(IsEnabled(use));
    EXPECT_TRUE(IsEnabled(start));
    EXPECT_EQ(12, SendMessageW(bar, PBM_GETPOS, 0, 0));
    SaveScreenshot(finder, ScreenshotFolder() + L"\\find-mtu.bmp");

    ASSERT_TRUE(Click(use));
    ASSERT_TRUE(WaitForClose(finder));
    HWND mtuCustom = InFrame(MtuFrame, L"Button", L"Custom");
    HWND mtu = OnlyInFrame(MtuFrame, L"Edit");
    ASSERT_TRUE(mtuCustom && mtu);
    EXPECT_TRUE(WaitUntil([&] { return IsChecked(mtuCustom); }, "\"Custom\" chosen"));
    EXPECT_TRUE(IsEnabled(mtu));
    EXPECT_EQ(L"1500", ReadText(mtu));
}

TEST_F(QuintelWindow, ASecondStartShowsNoWindowAndEndsAtOnce) {
    Start();
    ASSERT_TRUE(main);

    Program second = Program::Start(Wide(AppFile("Quintel.exe")));
    ASSERT_TRUE(second);
    std::vector<HWND> shown;
    WaitUntil(
        [&] {
            for (HWND window : VisibleWindowsOf(second.id()))
                if (std::find(shown.begin(), shown.end(), window) == shown.end()) shown.push_back(window);
            return !second.running();
        },
        "the second Quintel.exe to end", 5000);
    EXPECT_EQ(0u, second.WaitForExit(1000));
    for (HWND window : shown) {
        wchar_t caption[256] = {};
        GetWindowTextW(window, caption, 256);
        ADD_FAILURE() << "the second start showed a window \"" << Narrow(caption) << "\"";
    }

    // The first goes on as before, and File > Exit ends it.
    ASSERT_TRUE(quintel.running());
    EXPECT_EQ(main, WaitForWindow(MainCaption));
    EXPECT_TRUE(IsEnabled(main));
    ASSERT_TRUE(ChooseMenu(main, {'F', 'E'}));
    EXPECT_EQ(0u, quintel.WaitForExit());
}

// A folder whose name has letters outside the ANSI code page (Greek in
// Wine's code page 1252): the window says so, naming the folder in full,
// and the program ends without its main window.
TEST_F(QuintelWindow, AFolderOutsideTheAnsiCodePageIsExplainedAndTheProgramEnds) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + L"Quintel \x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC-" +
        std::to_wstring(GetCurrentProcessId());
    const std::wstring exe = folder + L"\\Quintel.exe";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(Wide(AppFile("Quintel.exe")).c_str(), exe.c_str(), FALSE));

    Program refused = Program::Start(exe);
    ASSERT_TRUE(refused);
    HWND box = WaitForMessageBox(L"Quintel");
    ASSERT_TRUE(box);
    const std::wstring text = MessageBoxText(box);
    EXPECT_EQ(0u, text.find(L"Quintel cannot run from this folder:\r\n\r\n" + folder + L"\r\n"))
        << Narrow(text);
    EXPECT_NE(std::wstring::npos,
              text.find(L"a folder whose name uses only letters of the system's language"));
    EXPECT_EQ(nullptr, FindWindowW(nullptr, MainCaption));
    ASSERT_TRUE(AnswerMessageBox(box, L"OK"));
    EXPECT_EQ(1u, refused.WaitForExit());

    DeleteFileW(exe.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(QuintelWindow, TheStatusBarNamesTheSystemWineReports) {
    // Wine 8 reports win7 with a server's product type, so it is Windows
    // 7's server twin that the data names.
    const std::pair<const char*, const wchar_t*> versions[] = {
        {"win2003", L"OS: Windows Server 2003"},
        {"win7", L"OS: Windows Server 2008 R2"},
        {"win10", L"OS: Windows 10"}};
    for (const auto& [version, expected] : versions) {
        SCOPED_TRACE(version);
        wine::SetWindowsVersion(version);
        Start();
        ASSERT_TRUE(main);
        const std::vector<std::wstring> status = Status();
        ASSERT_EQ(4u, status.size());
        EXPECT_EQ(expected, status[2]);
        quintel.Terminate();
        main = nullptr;
    }
}

// The undo record with the time of its change moved to `changed`: the
// record is UTF-16 on the NT family, its comment lines plain ASCII.
void BackdateUndoRecord(const std::string& path, const std::string& changed) {
    const std::string wide = wine::ReadTextFile(path);
    std::string text;
    for (std::size_t i = 2; i + 1 < wide.size(); i += 2) text += wide[i];
    const std::size_t at = text.find("; Changed: ");
    ASSERT_NE(std::string::npos, at) << text;
    const std::size_t end = text.find("\r\n", at);
    text.replace(at, end - at, "; Changed: " + changed);
    std::string back = "\xFF\xFE";
    for (char c : text) {
        back += c;
        back += '\0';
    }
    wine::WriteTextFile(path, back);
}

TEST_F(QuintelWindow, TheFirstPanelSaysWhetherTheSettingsAreInUseWaitForARestartOrDiffer) {
    wine::WriteTextFile(AppFile("VarOderudi.cfg"), "ConnectionType,1\r\nOptiMode,0\r\n");
    const wine::RunResult applied = wine::RunProgram(AppFile("Quintel.exe"), "/apply");
    ASSERT_EQ(0u, applied.exitCode) << applied.err;

    // Applied since Windows (for Wine: its server) started.
    Start();
    ASSERT_TRUE(main);
    EXPECT_EQ(L"Restart needed", Status().at(0));
    quintel.Terminate();
    main = nullptr;

    // Applied before Windows started.
    BackdateUndoRecord(AppFile("Undo.reg"), "86400");
    Start();
    ASSERT_TRUE(main);
    EXPECT_EQ(L"Settings applied", Status().at(0));
    quintel.Terminate();
    main = nullptr;

    // Something else changed a value since.
    wine::PutDword(TcpipCurrent, "DefaultTTL", 99);
    Start();
    ASSERT_TRUE(main);
    EXPECT_EQ(L"1 value differs", Status().at(0));
}

TEST_F(QuintelWindow, SwitchesThatWriteRefuseWhileTheWindowIsOpen) {
    wine::WriteTextFile(AppFile("VarOderudi.cfg"), "ConnectionType,1\r\nOptiMode,0\r\n");
    Start();
    ASSERT_TRUE(main);
    for (const char* sw : {"/apply", "/restore"}) {
        const wine::RunResult run = wine::RunProgram(AppFile("Quintel.exe"), sw);
        EXPECT_EQ(4u, run.exitCode) << sw << ": " << run.err;
        EXPECT_NE(std::string::npos, run.err.find("Quintel is already running")) << run.err;
    }
    EXPECT_EQ("ConnectionType,1\r\nOptiMode,0\r\n", SettingsFile());
    const wine::RunResult show = wine::RunProgram(AppFile("Quintel.exe"), "/show");
    EXPECT_EQ(0u, show.exitCode) << show.err;
    EXPECT_EQ(0u, show.out.find("OS: Windows XP\nMode: Automatic #1\n")) << show.out;
    ASSERT_TRUE(quintel.running());
    ASSERT_TRUE(ChooseMenu(main, {'F', 'E'}));
    EXPECT_EQ(0u, quintel.WaitForExit());
}

TEST_F(QuintelWindow, EachTabShowsItsOwnPage) {
    Start();
    ASSERT_TRUE(main);
    HWND tabs = Tabs();
    ASSERT_TRUE(tabs);
    EXPECT_EQ((std::vector<std::wstring>{L"General", L"Advanced", PingTab}), TabCaptions(tabs));

    struct Page {
        const wchar_t* tab;
        std::vector<const wchar_t*> frames;
        const wchar_t* screenshot;
    };
    const std::vector<Page> pages = {
        {L"General", {MtuFrame, RwinFrame, TtlFrame}, L"main-general.bmp"},
        {L"Advanced", {KeepAliveFrame, NdiFrame, SessionsFrame}, L"main-advanced.bmp"},
        {PingTab, {PingFrame}, L"main-ping.bmp"},
    };
    // A page's controls may be made only when it is first chosen, so a
    // frame of another page is hidden or not there at all.
    auto frameShown = [&](const wchar_t* caption) -> std::optional<bool> {
        for (HWND box : FindControls(main, L"Button"))
            if (ReadText(box) == caption) return IsWindowVisible(box) != FALSE;
        return std::nullopt;
    };
    for (const Page& page : pages) {
        SCOPED_TRACE(Narrow(page.tab));
        ASSERT_TRUE(SelectTab(tabs, page.tab));
        for (const Page& other : pages) {
            for (const wchar_t* frame : other.frames) {
                const std::optional<bool> shown = frameShown(frame);
                if (&other == &page) {
                    EXPECT_EQ(std::optional<bool>(true), shown) << Narrow(frame);
                } else {
                    EXPECT_NE(std::optional<bool>(true), shown) << Narrow(frame);
                }
            }
        }
        EXPECT_TRUE(SaveScreenshot(main, ScreenshotFolder() + L"\\" + page.screenshot));
    }
}

// The paths of the modules a process has loaded, lower case.
std::vector<std::string> LoadedModules(DWORD process) {
    std::vector<std::string> paths;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, process);
    if (snapshot == INVALID_HANDLE_VALUE) return paths;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32First(snapshot, &entry); more; more = Module32Next(snapshot, &entry)) {
        std::string path = entry.szExePath;
        for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        paths.push_back(path);
    }
    CloseHandle(snapshot);
    return paths;
}

// The windows' buttons, lists, toolbar and tabs are common controls 6
// (visual styles), from the side-by-side store, as when the program's own
// manifest asked for them.
TEST_F(QuintelWindow, ItsControlsAreCommonControlsSixFromTheSideBySideStore) {
    Start();
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    const std::vector<std::string> modules = LoadedModules(process);
    ASSERT_FALSE(modules.empty());
    const auto six = std::find_if(modules.begin(), modules.end(), [](const std::string& path) {
        return path.find("\\winsxs\\x86_microsoft.windows.common-controls_6595b64144ccf1df_6.0.") !=
                   std::string::npos &&
               path.size() >= 13 && path.compare(path.size() - 13, 13, "\\comctl32.dll") == 0;
    });
    EXPECT_NE(modules.end(), six) << "no common controls 6 among the " << modules.size() << " modules";
}

// Windows 95 as it came, in a prefix of its own (gui.QuintelWindows95):
// the system folder's comctl32.dll is a stand-in that exports only what
// version 4.00 has, passing each call to Wine's own, Quintel.exe takes it
// (a DLL override), and the side-by-side store has no common controls 6.
class QuintelWindows95 : public QuintelApp {
protected:
    void SetUp() override {
        QuintelApp::SetUp();
        wine::SetWindowsVersion("win95");
        char folder[MAX_PATH] = {};
        ASSERT_TRUE(GetSystemDirectoryA(folder, MAX_PATH));
        system_ = folder;
        // Wine's library, under the name the stand-in calls, before the stand-in takes its place.
        CopyFileA((system_ + "\\comctl32.dll").c_str(), (system_ + "\\cc32wine.dll").c_str(), TRUE);
        ASSERT_TRUE(CopyFileA(wine::BuiltFile("QUINTEL_COMCTL32_400").c_str(),
                              (system_ + "\\comctl32.dll").c_str(), FALSE));
        const std::string store = "C:\\windows\\winsxs\\manifests\\";
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA((store + "x86_microsoft.windows.common-controls_*").c_str(), &found);
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
            DeleteFileA((store + found.cFileName).c_str());
        if (search != INVALID_HANDLE_VALUE) FindClose(search);
        wine::PutString(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Quintel.exe\\DllOverrides", "comctl32",
                        "native");
    }
    std::string system_;
};

TEST_F(QuintelWindows95, TheMainWindowWorksWithCommonControls400) {
    Start();
    ASSERT_TRUE(main);
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    std::string standIn = system_ + "\\comctl32.dll";
    for (char& c : standIn) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::vector<std::string> modules = LoadedModules(process);
    EXPECT_NE(modules.end(), std::find(modules.begin(), modules.end(), standIn));

    // The toolbar takes its labels as a list of strings and its images as
    // one bitmap there, and the buttons work.
    HWND toolbar = Toolbar();
    ASSERT_TRUE(toolbar);
    std::vector<std::wstring> labels;
    for (const ToolbarButton& button : ToolbarButtons(toolbar)) {
        labels.push_back(button.text);
        EXPECT_GE(SendMessageW(toolbar, TB_GETBITMAP, button.command, 0), 0) << Narrow(button.text);
    }
    EXPECT_EQ((std::vector<std::wstring>{L"Apply", L"Ping", L"Restore", L"Backup", L"Internet", L"System",
                                         L"Modem", L"Network", L"Help", L"Exit"}),
              labels);
    EXPECT_EQ(L"OS: Windows 95", Status().at(2));
    ASSERT_TRUE(SelectTab(Tabs(), L"Advanced"));
    ASSERT_TRUE(ClickToolbarButton(toolbar, L"Apply"));
    HWND question = WaitForMessageBox(L"Quintel");
    ASSERT_TRUE(question);
    EXPECT_EQ(L"Do you want to restart the computer?", MessageBoxText(question));
    ASSERT_TRUE(AnswerMessageBox(question, L"No"));
    EXPECT_TRUE(SaveScreenshot(main, ScreenshotFolder() + L"\\main-windows95.bmp"));
}

}  // namespace
}  // namespace quintel::gui
