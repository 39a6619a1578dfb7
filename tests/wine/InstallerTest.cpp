// The setup program and its uninstaller, run silently as an administrator
// deploying Quintel would, against Wine's real registry and file system.
#include <cstdint>
#include <gtest/gtest.h>

#include <objbase.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/ping/PingSettings.h"
#include "wine/SetupChecks.h"
#include "wine/WineHelpers.h"

namespace quintel::wine {
namespace {

// The setup is a 32-bit program: its Add or Remove Programs entry is in
// the 32-bit view, WOW6432Node on 64-bit Windows.
const std::string UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quintel";
constexpr REGSAM SetupView = KEY_WOW64_32KEY;

// Windows XP's keys; Quintel.exe writes them in the 64-bit view.
const std::string Current = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
const std::string Set001 = "SYSTEM\\ControlSet001\\Services\\tcpip\\parameters";
const std::string Inet = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const std::string Automatic1 = "ConnectionType,1\r\nOptiMode,0\r\n";
// An adapter as a PPPoE connection leaves it: an MTU of 1492, not the
// default 1500.
const std::string Adapter = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{QUINTEL-SETUP-TEST}";

std::string SetupExe() {
    return BuiltFile("QUINTEL_SETUP", "Quintel-setup.exe");
}


std::optional<std::string> UninstallString(const std::string& name, REGSAM view = SetupView) {
    const auto value = ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, name, view);
    if (!value || value->type != REG_SZ) return std::nullopt;
    return std::string(value->data.c_str());
}
std::optional<std::uint32_t> UninstallDword(const std::string& name) {
    const auto value = ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, name, SetupView);
    return value ? value->dword() : std::nullopt;
}

std::optional<std::uint32_t> Dword(const std::string& key, const std::string& name) {
    const auto value = ReadValue(key, name);
    return value ? value->dword() : std::nullopt;
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        ASSERT_TRUE(Exists(SetupExe())) << SetupExe() << " is made by the Windows build";
        // Where Windows would look first for "...\\Program Files\\Quintel Test\\Quintel.exe"
        // given without quotes: "...\\Program" and "...\\Program Files\\Quintel".
        ASSERT_TRUE(CreateDirectoryA((root / "Program Files").c_str(), nullptr));
        for (const std::string& decoy : Decoys())
            ASSERT_TRUE(CopyFileA(DecoyExe().c_str(), decoy.c_str(), FALSE)) << DecoyExe();
        // Left by a run that was cut short.
        DeleteKeyTree(HKEY_LOCAL_MACHINE, UninstallKey, SetupView);
        SetWindowsVersion("winxp");
    }
    void TearDown() override {
        ExpectNoDecoyRan(Decoys());
        // What a failed test may have left, so the next one starts clean.
        DeleteKeyTree(HKEY_LOCAL_MACHINE, UninstallKey, SetupView);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, Adapter);
        RemoveTree(StartMenuFolder());
        DeleteFileA(StartupLink().c_str());
        if (companion_) {
            if (WaitForSingleObject(companion_, 0) == WAIT_TIMEOUT) TerminateProcess(companion_, 99);
            WaitForSingleObject(companion_, 5000);
            CloseHandle(companion_);
        }
        ClearWindowsVersion();
        CoUninitialize();
    }

    // Installs silently into a folder with blanks in its path.
    void Install(const std::string& extraSwitches = "") {
        const RunResult run = RunProgram(SetupExe(), "/S " + extraSwitches + " /D=" + folder);
        ASSERT_EQ(0u, run.exitCode) << "setup " << extraSwitches << ": " << run.err;
        ASSERT_TRUE(Exists(folder + "\\Quintel.exe")) << folder;
    }
    // _?= runs the uninstaller in place instead of from a copy in the
    // temporary folder, so it has ended when this returns. It cannot
    // delete itself then: the test does.
    DWORD Uninstall(const std::string& switches = "") {
        const RunResult run = RunProgram(folder + "\\Uninstall.exe", "/S " + switches + " _?=" + folder);
        DeleteFileA((folder + "\\Uninstall.exe").c_str());
        RemoveDirectoryA(folder.c_str());
        return run.exitCode;
    }
    RunResult Quintel(const std::string& arguments) {
        return RunProgram(folder + "\\Quintel.exe", arguments);
    }
    // The settings file and an applied preset, as a user who pressed Apply
    // leaves them.
    void ApplyAutomatic1() {
        WriteTextFile(folder + "\\VarOderudi.cfg", Automatic1);
        const RunResult run = Quintel("/apply");
        ASSERT_EQ(0u, run.exitCode) << run.err;
        ASSERT_EQ(128u, Dword(Current, "DefaultTTL"));
        ASSERT_EQ(4288u, Dword(Current, "TcpWindowSize"));
    }

    // Starts the installed companion without waiting, as Quintel.exe does,
    // pinging this machine only.
    void StartCompanion() {
        companion_ = StartCompanionIn(folder);
        ASSERT_TRUE(companion_);
    }

    std::vector<std::string> Decoys() const { return UnquotedPathDecoys(root.path()); }

    ScratchFolder root{"quintel setup"};
    HANDLE companion_ = nullptr;
    const std::string folder = root / "Program Files\\Quintel Test";
};

TEST_F(Installer, SilentSetupInstallsEverythingAndTheUninstallerPutsTheDefaultsBack) {
    Install();

    for (const char* name : ShippedFiles) {
        EXPECT_EQ(ReadTextFile(BuiltFolder() + "\\" + name), ReadTextFile(folder + "\\" + name))
            << name << " differs from the build's";
    }
    const std::string pingSound = ReadTextFile(folder + "\\Ping.wav");
    EXPECT_EQ(0u, pingSound.find("RIFF")) << "Ping.wav is no wave file";
    EXPECT_NE(std::string::npos, pingSound.find("WAVE"));

    EXPECT_EQ("Quintel", UninstallString("DisplayName"));
    EXPECT_EQ("5.0.0", UninstallString("DisplayVersion"));
    EXPECT_EQ("Quintel", UninstallString("Publisher"));
    EXPECT_EQ(folder, UninstallString("InstallLocation"));
    EXPECT_EQ(folder + "\\Quintel.exe,0", UninstallString("DisplayIcon"));
    EXPECT_EQ("\"" + folder + "\\Uninstall.exe\"", UninstallString("UninstallString"));
    EXPECT_EQ("\"" + folder + "\\Uninstall.exe\" /S", UninstallString("QuietUninstallString"));
    EXPECT_EQ(1u, UninstallDword("NoModify"));
    EXPECT_EQ(1u, UninstallDword("NoRepair"));
    // Kilobytes, at least what the installed files take.
    std::uint64_t installedBytes = 0;
    for (const char* file : {"Quintel.exe", "Korvet.exe", "TIPs.TXT", "Ping.wav", "Help\\Help.chm"}) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        ASSERT_TRUE(GetFileAttributesExA((folder + "\\" + file).c_str(), GetFileExInfoStandard, &data))
            << file;
        installedBytes += (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    }
    EXPECT_LE(installedBytes / 1024, UninstallDword("EstimatedSize").value_or(0));
    EXPECT_FALSE(UninstallString("DisplayName", KEY_WOW64_64KEY))
        << "the entry of a 32-bit program belongs in the 32-bit view";

    const auto program = ReadShortcut(StartMenuFolder() + "\\Quintel.lnk");
    ASSERT_TRUE(program);
    EXPECT_EQ(folder + "\\Quintel.exe", program->target);
    EXPECT_EQ("", program->arguments);
    const auto guide = ReadShortcut(StartMenuFolder() + "\\Quintel User's Guide.lnk");
    ASSERT_TRUE(guide);
    EXPECT_EQ(folder + "\\Help\\Help.chm", guide->target);
    const auto uninstaller = ReadShortcut(StartMenuFolder() + "\\Uninstall Quintel.lnk");
    ASSERT_TRUE(uninstaller);
    EXPECT_EQ(folder + "\\Uninstall.exe", uninstaller->target);
    const auto startup = ReadShortcut(StartupLink());
    ASSERT_TRUE(startup) << "the keep-alive at logon is chosen unless switched off";
    EXPECT_EQ(folder + "\\Korvet.exe", startup->target)
        << "Windows starts no program at logon that asks for an administrator, as Quintel.exe does";
    EXPECT_EQ("", startup->arguments);

    // The setup writes no tuning value; the installed program works.
    CreateKey(Adapter);
    PutDword(Adapter, "MTU", 1492);
    WriteTextFile(folder + "\\VarOderudi.cfg", Automatic1);
    const RunResult show = Quintel("/show");
    ASSERT_EQ(0u, show.exitCode) << show.err;
    EXPECT_NE(std::string::npos, show.out.find("\\parameters\tDefaultTTL\t")) << show.out;
    EXPECT_NE(std::string::npos, show.out.find("\tMTU\t1492\t576\tchanged\n")) << show.out;
    ApplyAutomatic1();
    StartCompanion();

    EXPECT_EQ(0u, Uninstall()) << "2: the restore failed; 3: some files were in use and stayed";

    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(companion_, 0))
        << "the uninstaller left the companion running";
    EXPECT_EQ(8192u, Dword(Current, "TcpWindowSize"));
    EXPECT_EQ(32u, Dword(Current, "DefaultTTL"));
    EXPECT_EQ(3600000u, Dword(Set001, "KeepAliveTime"));
    EXPECT_EQ(4u, Dword(Inet, "MaxConnectionsPerServer"));
    EXPECT_EQ(1500u, Dword(Adapter, "MTU"));
    for (const std::string& left : ListTree(folder)) ADD_FAILURE() << "left behind: " << left;
    EXPECT_FALSE(Exists(folder));
    EXPECT_FALSE(Exists(StartMenuFolder()));
    EXPECT_FALSE(Exists(StartupLink()));
    EXPECT_FALSE(UninstallString("DisplayName"));
}

TEST_F(Installer, KeepSettingsLeavesTheTunedRegistryAndTheSettingsFile) {
    Install("/NOSTARTUP");
    EXPECT_TRUE(Exists(StartMenuFolder() + "\\Quintel.lnk"));
    EXPECT_FALSE(Exists(StartupLink())) << "/NOSTARTUP leaves the keep-alive at logon out";
    ApplyAutomatic1();

    ASSERT_EQ(0u, Uninstall("/KEEPSETTINGS"));

    EXPECT_EQ(128u, Dword(Current, "DefaultTTL"));
    EXPECT_EQ(4288u, Dword(Current, "TcpWindowSize"));
    EXPECT_EQ(Automatic1, ReadTextFile(folder + "\\VarOderudi.cfg"))
        << "the record of the values still in the registry";
    // And the way back to what the machine held before Quintel's Apply.
    EXPECT_EQ((std::vector<std::string>{"Undo.reg", "VarOderudi.cfg", "VarOderudi.cfg.undo"}),
              ListTree(folder));
    EXPECT_FALSE(Exists(StartMenuFolder()));
    EXPECT_FALSE(UninstallString("DisplayName"));

    // Installed again, Quintel finds the user's choice where it left it.
    Install();
    EXPECT_EQ(Automatic1, ReadTextFile(folder + "\\VarOderudi.cfg"));
    ASSERT_EQ(0u, Uninstall());
    EXPECT_FALSE(Exists(folder));
}

TEST_F(Installer, WhereQuintelAppliedNothingTheUninstallerLeavesTheRegistryAlone) {
    CreateKey(Adapter);
    PutDword(Adapter, "MTU", 1492);
    PutDword(Current, "DefaultTTL", 64);
    DeleteValue(Current, "TcpWindowSize");
    Install();
    // The ping tab saves its own file; the tuning was never applied.
    WriteTextFile(folder + "\\Ping.cfg", FormatPingFile(PingSettings{false, "127.0.0.1", "1", false}));

    ASSERT_EQ(0u, Uninstall());

    EXPECT_EQ(1492u, Dword(Adapter, "MTU")) << "the adapter's own MTU, not the default 1500";
    EXPECT_EQ(64u, Dword(Current, "DefaultTTL"));
    EXPECT_FALSE(ReadValue(Current, "TcpWindowSize"));
    for (const std::string& left : ListTree(folder)) ADD_FAILURE() << "left behind: " << left;
    EXPECT_FALSE(Exists(folder));
    EXPECT_FALSE(UninstallString("DisplayName"));
}

TEST_F(Installer, AFailedRestoreSetsTheErrorLevelAndStillRemovesTheProgram) {
    Install();
    ApplyAutomatic1();
    // Another program holds the settings file open and shares it with no
    // one: Quintel.exe /restore cannot replace it and exits 1.
    HANDLE held = CreateFileA((folder + "\\VarOderudi.cfg").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);

    const DWORD exitCode = Uninstall();
    CloseHandle(held);
    EXPECT_EQ(2u, exitCode) << "a restore that failed must not pass for success";

    EXPECT_EQ(128u, Dword(Current, "DefaultTTL"));
    EXPECT_EQ((std::vector<std::string>{"Undo.reg", "VarOderudi.cfg", "VarOderudi.cfg.undo"}),
              ListTree(folder));
    EXPECT_FALSE(Exists(StartMenuFolder()));
    EXPECT_FALSE(Exists(StartupLink()));
    EXPECT_FALSE(UninstallString("DisplayName"));
}

TEST_F(Installer, TheSettingsSwitchInstallsTheFileAndAppliesIt) {
    PutDword(Current, "DefaultTTL", 64);
    ASSERT_TRUE(CreateDirectoryA((root / "fleet settings").c_str(), nullptr));
    const std::string settings = root / "fleet settings\\VarOderudi.cfg";
    WriteTextFile(settings, Automatic1);

    Install("/SETTINGS=\"" + settings + "\"");

    EXPECT_EQ(Automatic1, ReadTextFile(folder + "\\VarOderudi.cfg"));
    EXPECT_EQ(128u, Dword(Current, "DefaultTTL")) << "Quintel.exe /apply ran";
    EXPECT_EQ(4288u, Dword(Set001, "TcpWindowSize"));
    // The apply's undo record stands beside the file: an administrator can
    // take the roll-out back with /undo.
    const std::vector<std::string> expected = {"Help", "Help\\Help.chm", "Korvet.exe",
                                               "Ping.wav", "Quintel.exe", "TIPs.TXT",
                                               "Undo.reg", "Uninstall.exe", "VarOderudi.cfg",
                                               "VarOderudi.cfg.undo"};
    std::vector<std::string> found = ListTree(folder);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(expected, found) << "nothing of the replace left behind";
    EXPECT_EQ(Automatic1, ReadTextFile(settings)) << "the administrator's file is only read";

    ASSERT_EQ(0u, Uninstall());
    EXPECT_EQ(32u, Dword(Current, "DefaultTTL"));
    EXPECT_FALSE(Exists(folder));
}

TEST_F(Installer, SettingsThatAreMissingOrDoNotApplyFailTheSetupWithErrorLevelTwo) {
    PutDword(Current, "DefaultTTL", 64);
    ASSERT_TRUE(CreateDirectoryA((root / "fleet settings").c_str(), nullptr));

    // Not there: nothing is installed.
    const RunResult missing = RunProgram(
        SetupExe(), "/S /SETTINGS=\"" + (root / "fleet settings\\missing.cfg") + "\" /D=" + folder);
    EXPECT_EQ(2u, missing.exitCode);
    EXPECT_FALSE(Exists(folder + "\\Quintel.exe")) << "a setup that cannot apply its settings starts nothing";

    // Kept by an earlier uninstall; the new file names a mode that does not
    // exist, so Quintel.exe /apply refuses it and writes nothing.
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    WriteTextFile(folder + "\\VarOderudi.cfg", Automatic1);
    const std::string broken = root / "fleet settings\\VarOderudi.cfg";
    WriteTextFile(broken, "ConnectionType,1\r\nOptiMode,7\r\n");
    const RunResult failed = RunProgram(SetupExe(), "/S /SETTINGS=\"" + broken + "\" /D=" + folder);
    EXPECT_EQ(2u, failed.exitCode) << "a failed apply must not pass for success";
    EXPECT_EQ(64u, Dword(Current, "DefaultTTL"));
    EXPECT_EQ(Automatic1, ReadTextFile(folder + "\\VarOderudi.cfg")) << "the earlier file, put back";
    EXPECT_FALSE(Exists(folder + "\\VarOderudi.cfg.setup"));
    EXPECT_FALSE(Exists(folder + "\\VarOderudi.cfg.previous"));
    EXPECT_TRUE(Exists(folder + "\\Quintel.exe")) << "the program itself is installed";

    ASSERT_EQ(0u, Uninstall("/KEEPSETTINGS"));
    RemoveTree(folder);
}

}  // namespace
}  // namespace quintel::wine
