// Quintel.exe's commands from the toolbar and the File menu, operated as a
// user would, checked in the settings file and Wine's real registry:
// Apply, Restore Windows Original Settings and Registry Backup.
//
// The restart question after Apply is always answered No: under Wine a
// restart ends every process of the prefix.
#include "gui/QuintelApp.h"

#include <cstdlib>

namespace quintel::gui {
namespace {

const std::string Interface = "{QUINTEL-GUI}";

class QuintelSettings : public QuintelApp {
protected:
    void TearDown() override {
        QuintelApp::TearDown();
        for (const char* set : {"CurrentControlSet", "ControlSet001"}) {
            const std::string services = std::string("SYSTEM\\") + set + "\\Services\\";
            wine::DeleteKeyTree(HKEY_LOCAL_MACHINE, services + "Tcpip\\Parameters\\Interfaces\\" + Interface);
            wine::DeleteKeyTree(HKEY_LOCAL_MACHINE, services + Interface);
        }
    }
};

class QuintelBackup : public QuintelApp {};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(text.substr(at));  // an unterminated last line
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// The first bytes of a file, however large it is.
std::string FileStart(const std::string& path, DWORD size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string start(size, '\0');
    DWORD read = 0;
    ReadFile(file, start.data(), size, &read, nullptr);
    CloseHandle(file);
    start.resize(read);
    return start;
}

std::string Utf16(const std::string& ascii) {
    std::string text;
    for (char c : ascii) {
        text += c;
        text += '\0';
    }
    return text;
}

TEST_F(QuintelSettings, ApplyWritesTheAutomaticPresetAndTheRestartIsDeclined) {
    // Values Automatic #1 does not use, so that each of its writes shows,
    // and a network interface for its MTU.
    wine::PutDword(TcpipCurrent, "TcpWindowSize", 1);
    wine::PutDword(TcpipCurrent, "DefaultTTL", 1);
    wine::PutDword(InternetSettings, "MaxConnectionsPerServer", 1);
    wine::CreateKey(InterfacesCurrent + "\\" + Interface);

    Start();
    ASSERT_TRUE(main);
    HWND modes = ModeList();
    ASSERT_TRUE(modes);
    ASSERT_TRUE(ChooseComboItem(modes, L"Automatic #1"));
    HWND toolbar = Toolbar();
    ASSERT_TRUE(toolbar);
    ASSERT_TRUE(ClickToolbarButton(toolbar, L"Apply"));

    CloseModeExplanation(DialUp, "You have selected the \"Automatic #1 Optimization Mode\".");
    HWND question = WaitForMessageBox(L"Quintel");
    ASSERT_TRUE(question);
    SaveScreenshot(question, ScreenshotFolder() + L"\\apply-restart-question.bmp");
    ASSERT_EQ(L"Do you want to restart the computer?", MessageBoxText(question));
    ASSERT_TRUE(AnswerMessageBox(question, L"No"));

    // Still running, and the main window takes input again.
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(main) != FALSE; }, "the main window to take input"));
    EXPECT_TRUE(quintel.running());
    EXPECT_EQ(main, WaitForWindow(MainCaption));
    EXPECT_EQ(L"Mode: Automatic #1", Status().at(1));

    EXPECT_EQ("ConnectionType,0\r\nOptiMode,0\r\n", SettingsFile());
    const auto window = wine::ReadValue(TcpipCurrent, "TcpWindowSize");
    ASSERT_TRUE(window);
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), window->type);
    EXPECT_EQ(4288u, window->dword());
    EXPECT_EQ(128u, Dword(TcpipCurrent, "DefaultTTL"));
    EXPECT_EQ(8u, Dword(InternetSettings, "MaxConnectionsPerServer"));
    EXPECT_EQ(576u, Dword(InterfacesCurrent + "\\" + Interface, "MTU"));
}

TEST_F(QuintelSettings, RestoreFromTheFileMenuPutsTheWindowsDefaultsBack) {
    wine::WriteTextFile(AppFile("VarOderudi.cfg"), "ConnectionType,0\r\nOptiMode,0\r\n");
    wine::PutDword(TcpipCurrent, "TcpWindowSize", 4288);
    wine::PutDword(TcpipCurrent, "DefaultTTL", 128);
    wine::PutDword(TcpipCurrent, "KeepAliveTime", 600000);

    Start();
    ASSERT_TRUE(main);
    EXPECT_EQ(L"Automatic #1", SelectedComboItem(ModeList()));
    ASSERT_TRUE(ChooseMenu(main, {'F', 'W'}));

    HWND question = WaitForMessageBox(L"Restore Default Settings");
    ASSERT_TRUE(question);
    EXPECT_EQ(L"This Program will restore all Windows settings.\r\nWould you like to Continue?",
              MessageBoxText(question));
    ASSERT_TRUE(AnswerMessageBox(question, L"Yes"));
    HWND done = WaitForMessageBox(L"Quintel");
    ASSERT_TRUE(done);
    EXPECT_EQ(L"Windows default settings were successfully restored.", MessageBoxText(done));
    ASSERT_TRUE(AnswerMessageBox(done, L"OK"));
    EXPECT_TRUE(IsEnabled(main));
    SaveScreenshot(main, ScreenshotFolder() + L"\\main-after-restore.bmp");

    EXPECT_EQ(8192u, Dword(TcpipCurrent, "TcpWindowSize"));
    EXPECT_EQ(32u, Dword(TcpipCurrent, "DefaultTTL"));
    EXPECT_EQ(3600000u, Dword(TcpipCurrent, "KeepAliveTime"));
    const std::string saved = SettingsFile();
    EXPECT_EQ(11u, Lines(saved).size()) << saved;
    EXPECT_EQ(0u, saved.rfind("ConnectionType,0\r\nOptiMode,3\r\n", 0)) << saved;
    EXPECT_EQ("\r\n", saved.substr(saved.size() - std::min<size_t>(2, saved.size()))) << saved;

    // The manual controls show the Windows defaults, ready to change.
    HWND mtuDefault = InFrame(L"MTU (Max Transmission Unit)", L"Button", L"Windows Default");
    ASSERT_TRUE(mtuDefault);
    EXPECT_TRUE(IsEnabled(mtuDefault));
    EXPECT_TRUE(IsChecked(mtuDefault));
}

// Decoys of the system's names in the application folder and in the
// folder chosen for the backup; each leaves "<name>.ran" if it runs.
void PlantDecoys(const std::string& folder) {
    const char* probe = std::getenv("QUINTEL_LAUNCH_PROBE");
    const char* library = std::getenv("QUINTEL_DECOY_LIBRARY");
    ASSERT_TRUE(probe && library) << "QUINTEL_LAUNCH_PROBE and QUINTEL_DECOY_LIBRARY name the decoys";
    for (const char* name : {"\\regedit.exe", "\\rundll32.exe"})
        ASSERT_TRUE(CopyFileA(wine::WindowsPathOf(probe).c_str(), (folder + name).c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(wine::WindowsPathOf(library).c_str(), (folder + "\\icmp.dll").c_str(), FALSE));
}

void ExpectNoDecoyRan(const std::string& folder) {
    for (const char* name : {"\\regedit.exe", "\\rundll32.exe", "\\icmp.dll"})
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder + name + ".ran").c_str()))
            << folder + name << " ran";
}

TEST_F(QuintelBackup, TheRegistryIsExportedToAPathWithBlanks) {
    const std::string folder = AppFile("My Backups");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string backup = folder + "\\all regs.reg";
    // Last week's backup, which only a whole new export may replace.
    wine::WriteTextFile(backup, "an older backup");
    PlantDecoys(app.path());
    PlantDecoys(folder);

    Start();
    ASSERT_TRUE(main);
    ASSERT_TRUE(ChooseMenu(main, {'F', 'R'}));
    HWND dialog = WaitForWindowOfClass(L"#32770", L"Registry Backup");
    ASSERT_TRUE(dialog);
    // The file name box is the edit of the list cmb13 (0x47C), a
    // ComboBoxEx32 in Wine's Save dialog as in Windows XP's.
    HWND names = FindControlById(dialog, 0x47C);
    ASSERT_TRUE(names);
    const std::vector<HWND> edits = FindControls(names, L"Edit");
    ASSERT_EQ(1u, edits.size());
    HWND name = edits.front();
    ASSERT_TRUE(SelectAllText(name));
    ASSERT_TRUE(TypeText(name, Wide(backup)));
    EXPECT_EQ(Wide(backup), ReadText(name));
    SaveScreenshot(dialog, ScreenshotFolder() + L"\\backup-save-dialog.bmp");
    HWND save = FindControl(dialog, L"Button", L"Save");
    ASSERT_TRUE(save);
    ASSERT_TRUE(Click(save));
    ASSERT_TRUE(WaitForClose(dialog));

    // The message comes once the registry editor has finished.
    HWND done = WaitForMessageBox(L"Quintel", 60000);
    ASSERT_TRUE(done);
    const std::wstring message = MessageBoxText(done);
    SaveScreenshot(done, ScreenshotFolder() + L"\\backup-result.bmp");
    ASSERT_TRUE(AnswerMessageBox(done, L"OK"));
    EXPECT_EQ(L"Registry Backup has been taken Successfully.", message);

    const std::string start = FileStart(backup, 80);
    const std::string unicode = "\xFF\xFE" + Utf16("Windows Registry Editor Version 5.00");
    EXPECT_TRUE(start.rfind(unicode, 0) == 0 || start.rfind("REGEDIT4", 0) == 0)
        << "the backup begins with " << ::testing::PrintToString(start);
    const std::string whole = wine::ReadTextFile(backup);
    EXPECT_GT(whole.size(), 1000u);
    const std::string ending = start.rfind(unicode, 0) == 0 ? Utf16("\r\n\r\n") : "\r\n\r\n";
    EXPECT_TRUE(whole.size() > ending.size() &&
                whole.compare(whole.size() - ending.size(), ending.size(), ending) == 0)
        << "an export ends with a blank line";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((backup + ".tmp").c_str()));
    ExpectNoDecoyRan(app.path());
    ExpectNoDecoyRan(folder);
    EXPECT_TRUE(quintel.running());
}

}  // namespace
}  // namespace quintel::gui
