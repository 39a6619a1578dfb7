// The harness of the tests that operate the real Quintel.exe as a user
// would: a copy of the program in an application folder of its own (where
// it keeps VarOderudi.cfg), the Windows version Wine reports to it, and its
// main window with the controls the tests use.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "gui/Driver.h"
#include "wine/WineHelpers.h"

namespace quintel::gui {

constexpr const wchar_t* MainCaption = L"Quintel Version 5.0";
constexpr const wchar_t* DialUp = L"Dial-up Networking (Modem)";

// The registry keys the commands write, under HKEY_LOCAL_MACHINE.
inline const std::string TcpipCurrent = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
inline const std::string Tcpip001 = "SYSTEM\\ControlSet001\\Services\\tcpip\\parameters";
inline const std::string InterfacesCurrent =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
inline const std::string Interfaces001 = "SYSTEM\\ControlSet001\\Services\\Tcpip\\Parameters\\Interfaces";
// Quintel's per-user settings, under HKEY_CURRENT_USER.
inline const std::string UserSettingsKey = "Software\\Quintel";
inline const std::string TipOptionsKey = "Software\\Quintel\\Options";
inline const std::string TipChoice = "Show Tips at Startup";
inline const std::string InternetSettings =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

class QuintelApp : public ::testing::Test {
protected:
    // Copies Quintel.exe and its tips into the application folder, has
    // Wine report Windows XP to it and keeps the tip of the day away.
    void SetUp() override;
    // Ends the program if a test left it running and puts the Windows
    // version setting back as it was.
    void TearDown() override;

    // Starts the copy with no arguments and waits for its main window.
    void Start(Where where = Where::current());
    // Starts it without waiting for any window.
    void StartProgram(Where where = Where::current());
    // Removes the stored "Show Tips at Startup", as on a new machine.
    void ForgetTipChoice();

    std::string AppFile(const std::string& name) const { return app / name; }
    std::string SettingsFile() const { return wine::ReadTextFile(AppFile("VarOderudi.cfg")); }

    // The main window's parts. The two lists at the top are told apart by
    // what they offer, as a user tells them apart.
    HWND ModeList(Where where = Where::current());
    HWND ConnectionList(Where where = Where::current());
    HWND Tabs(Where where = Where::current());
    HWND Toolbar(Where where = Where::current());
    std::vector<std::wstring> Status(Where where = Where::current());
    HWND Frame(const std::wstring& caption, Where where = Where::current());
    // The option button, edit or list of a frame ("Custom" is in several).
    HWND InFrame(const std::wstring& frame, const std::wstring& className, const std::wstring& text,
                 Where where = Where::current());
    // The only control of a class in a frame (the MTU box, the RWIN list).
    HWND OnlyInFrame(const std::wstring& frame, const std::wstring& className,
                     Where where = Where::current());

    // Waits for the mode explanation dialog (captioned with the connection
    // type), checks that it holds the main window while it is open, and
    // closes it with its OK button.
    // Saves a screenshot of it first when `screenshot` names a file.
    void CloseModeExplanation(const std::wstring& connection, const std::string& heading,
                              const std::wstring& screenshot = L"", Where where = Where::current());

    // Where the tests leave their screenshots (a Windows path), made on
    // first use: the build folder's "screenshots".
    static std::wstring ScreenshotFolder();

    wine::ScratchFolder app{"quintel gui app"};
    Program quintel;
    HWND main = nullptr;

private:
    HWND ComboOffering(const std::wstring& entry, const Where& where);
    std::optional<std::string> savedVersion_;
};

// Reads a DWORD from HKEY_LOCAL_MACHINE in the 64-bit view.
std::optional<std::uint32_t> Dword(const std::string& key, const std::string& name);

// A file of the build beside the Quintel.exe under test.
std::string BesideQuintel(const std::string& name);

}  // namespace quintel::gui
