#include "gui/QuintelApp.h"

#include "gui/Internals.h"

#include <algorithm>
#include <cstdlib>

namespace quintel::gui {

namespace {

constexpr const char* AppDefaults = "Software\\Wine\\AppDefaults\\Quintel.exe";

using detail::Fail;

// The Windows version Wine reports to Quintel.exe, if one is set.
std::optional<std::string> WindowsVersion() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, AppDefaults, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    char value[64] = {};
    DWORD size = sizeof value - 1, type = 0;
    const LONG result =
        RegQueryValueExA(key, "Version", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    return std::string(value);
}

}  // namespace

std::optional<std::uint32_t> Dword(const std::string& key, const std::string& name) {
    const auto value = wine::ReadValue(key, name, KEY_WOW64_64KEY);
    return value ? value->dword() : std::nullopt;
}

std::string BesideQuintel(const std::string& name) {
    const std::string exe = wine::QuintelExe();
    return exe.substr(0, exe.find_last_of('\\') + 1) + name;
}

void QuintelApp::SetUp() {
    savedVersion_ = WindowsVersion();
    ASSERT_TRUE(CopyFileA(wine::QuintelExe().c_str(), AppFile("Quintel.exe").c_str(), FALSE))
        << wine::QuintelExe();
    ASSERT_TRUE(CopyFileA(BesideQuintel("TIPs.TXT").c_str(), AppFile("TIPs.TXT").c_str(), FALSE))
        << BesideQuintel("TIPs.TXT");
    wine::SetWindowsVersion("winxp");
    // Most tests begin at the main window; the tip's own tests forget this.
    wine::DeleteKeyTree(HKEY_CURRENT_USER, UserSettingsKey);
    wine::PutString(HKEY_CURRENT_USER, TipOptionsKey, TipChoice, "0");
}

void QuintelApp::ForgetTipChoice() {
    wine::DeleteKeyTree(HKEY_CURRENT_USER, UserSettingsKey);
}

void QuintelApp::TearDown() {
    quintel.Terminate();
    wine::DeleteKeyTree(HKEY_CURRENT_USER, UserSettingsKey);
    if (savedVersion_)
        wine::SetWindowsVersion(*savedVersion_);
    else
        wine::ClearWindowsVersion();
}

void QuintelApp::Start(Where where) {
    StartProgram(where);
    if (quintel) main = WaitForWindow(MainCaption, DefaultTimeoutMs, where);
}

void QuintelApp::StartProgram(Where where) {
    quintel = Program::Start(Wide(AppFile("Quintel.exe")), L"", where);
}

HWND QuintelApp::ComboOffering(const std::wstring& entry, const Where& where) {
    std::vector<HWND> found;
    for (HWND combo : FindControls(main, L"ComboBox")) {
        const std::vector<std::wstring> items = ComboItems(combo, where);
        if (std::find(items.begin(), items.end(), entry) != items.end()) found.push_back(combo);
    }
    if (found.size() != 1) {
        Fail(where, std::to_string(found.size()) + " lists in the main window offer \"" +
                          Narrow(entry) + "\"; one was expected");
        return nullptr;
    }
    return found.front();
}

HWND QuintelApp::ModeList(Where where) {
    return ComboOffering(L"Automatic #1", where);
}

HWND QuintelApp::ConnectionList(Where where) {
    return ComboOffering(DialUp, where);
}

HWND QuintelApp::Tabs(Where where) {
    const std::vector<HWND> tabs = FindControls(main, L"SysTabControl32");
    if (tabs.size() != 1) Fail(where, "the main window has " + std::to_string(tabs.size()) + " tab controls");
    return tabs.size() == 1 ? tabs.front() : nullptr;
}

HWND QuintelApp::Toolbar(Where where) {
    const std::vector<HWND> bars = FindControls(main, L"ToolbarWindow32");
    if (bars.size() != 1) Fail(where, "the main window has " + std::to_string(bars.size()) + " toolbars");
    return bars.size() == 1 ? bars.front() : nullptr;
}

std::vector<std::wstring> QuintelApp::Status(Where where) {
    const std::vector<HWND> bars = FindControls(main, L"msctls_statusbar32");
    if (bars.size() != 1) {
        Fail(where, "the main window has " + std::to_string(bars.size()) + " status bars");
        return {};
    }
    return StatusTexts(bars.front(), where);
}

HWND QuintelApp::Frame(const std::wstring& caption, Where where) {
    return FindControl(main, L"Button", caption, where);
}

HWND QuintelApp::InFrame(const std::wstring& frame, const std::wstring& className,
                         const std::wstring& text, Where where) {
    HWND box = Frame(frame, where);
    return box ? FindControlInFrame(box, className, text, where) : nullptr;
}

HWND QuintelApp::OnlyInFrame(const std::wstring& frame, const std::wstring& className, Where where) {
    HWND box = Frame(frame, where);
    if (!box) return nullptr;
    const std::vector<HWND> found = FindControlsInFrame(box, className);
    if (found.size() != 1) {
        Fail(where, "the frame \"" + Narrow(frame) + "\" holds " + std::to_string(found.size()) +
                          " controls of class " + Narrow(className) + "; one was expected");
        return nullptr;
    }
    return found.front();
}

void QuintelApp::CloseModeExplanation(const std::wstring& connection, const std::string& heading,
                                      const std::wstring& screenshot, Where where) {
    HWND dialog = WaitForWindow(connection, DefaultTimeoutMs, where);
    if (!dialog) return;
    // It is shown first and then holds the main window, within moments.
    WaitUntil([&] { return IsEnabled(main) == FALSE; },
              "the explanation to hold the main window (disabled)", 2000, where);
    FindControl(dialog, L"Static", Wide(heading), where);
    if (!screenshot.empty()) SaveScreenshot(dialog, ScreenshotFolder() + L"\\" + screenshot, where);
    HWND ok = FindControl(dialog, L"Button", L"OK", where);
    if (!ok || !Click(ok, where) || !WaitForClose(dialog, DefaultTimeoutMs, where)) return;
    // Apply goes straight on to its restart question, which holds the
    // window again: either shows the explanation let go of it.
    WaitUntil([&] { return IsEnabled(main) != FALSE || FindWindowW(L"#32770", L"Quintel"); },
              "the main window to take input again", DefaultTimeoutMs, where);
}

std::wstring QuintelApp::ScreenshotFolder() {
    std::wstring folder;
    if (const char* path = std::getenv("QUINTEL_SCREENSHOTS")) {
        folder = Wide(wine::WindowsPathOf(path));
    } else {
        folder = Wide(wine::QuintelExe());  // ...\bin\Quintel.exe
        folder = folder.substr(0, folder.find_last_of(L'\\'));
        folder = folder.substr(0, folder.find_last_of(L'\\') + 1) + L"screenshots";
    }
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

}  // namespace quintel::gui
