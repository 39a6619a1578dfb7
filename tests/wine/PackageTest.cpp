// The Windows Installer package, installed and removed silently with
// msiexec as Group Policy or a deployment tool would, against Wine's real
// registry, file system and Windows Installer.
#include <gtest/gtest.h>

#include <objbase.h>
#include <msi.h>
#include <shlobj.h>

#include <cstdlib>
#include <vector>

#include "wine/SetupChecks.h"
#include "wine/WineHelpers.h"

namespace quintel::wine {
namespace {

// The package's upgrade code: every version of Quintel carries it.
const char* const UpgradeCode = "{6F1D3C0E-8A4B-4F7E-9C2D-3B5A7E9F1A20}";

// Windows XP's keys; Quintel.exe writes them in the 64-bit view.
const std::string Current = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
const std::string Set001 = "SYSTEM\\ControlSet001\\Services\\tcpip\\parameters";
const std::string Inet = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const std::string UserKey = "Software\\Quintel";
const std::string ArpKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const std::string Automatic1 = "ConnectionType,1\r\nOptiMode,0\r\n";
const std::string Adapter =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{QUINTEL-PACKAGE-TEST}";

std::string PackageMsi() {
    return BuiltFile("QUINTEL_PACKAGE", "Quintel.msi");
}

// The same package one version on, made for this test.
std::string NextPackageMsi() {
    return BuiltFile("QUINTEL_NEXT_PACKAGE", "Quintel-next.msi");
}


std::string Msiexec() {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\msiexec.exe";
}

std::optional<std::uint32_t> Dword(const std::string& key, const std::string& name) {
    const auto value = ReadValue(key, name);
    return value ? value->dword() : std::nullopt;
}

// The product code of the installed Quintel, if one is installed.
std::optional<std::string> InstalledProduct() {
    char product[39] = {};
    if (MsiEnumRelatedProductsA(UpgradeCode, 0, 0, product) != ERROR_SUCCESS) return std::nullopt;
    return std::string(product);
}

// The log holds UTF-16 or ANSI text depending on the Windows Installer;
// this reads either as plain text.
std::string ReadLog(const std::string& path) {
    const std::string bytes = ReadTextFile(path);
    std::string text;
    for (char c : bytes)
        if (c != '\0') text += c;
    return text;
}

// For a per-machine package (ALLUSERS=1) Windows Installer makes the
// shortcuts in the All Users Start menu and Startup folder, as the setup
// does. Wine 8's resolves ProgramMenuFolder and StartupFolder to the
// installing user's folders whatever ALLUSERS says: there they are looked
// for.
std::string PackageMenuFolder() {
    return RunningOnWine() ? ShellFolder(CSIDL_PROGRAMS) + "\\Quintel" : StartMenuFolder();
}
std::string PackageStartupLink() {
    return RunningOnWine() ? ShellFolder(CSIDL_STARTUP) + "\\Quintel Keep-Alive.lnk" : StartupLink();
}

class Package : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        ASSERT_TRUE(Exists(PackageMsi())) << PackageMsi() << " is made by the Windows build";
        ASSERT_FALSE(InstalledProduct()) << "a Quintel package is installed already";
        ASSERT_TRUE(CreateDirectoryA((root / "Program Files").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA((root / "fleet settings").c_str(), nullptr));
        // Where Windows would look first for "...\\Program Files\\Quintel Test\\Quintel.exe"
        // given without quotes, as the custom actions start it.
        for (const std::string& decoy : Decoys())
            ASSERT_TRUE(CopyFileA(DecoyExe().c_str(), decoy.c_str(), FALSE)) << DecoyExe();
        SetWindowsVersion("winxp");
    }
    void TearDown() override {
        ExpectNoDecoyRan(Decoys());
        // What a failed test may have left, so the next one starts clean.
        if (InstalledProduct()) RunMsiexec("/x", "");
        if (InstalledProduct()) RunMsiexec("/x", "", NextPackageMsi());
        DeleteKeyTree(HKEY_LOCAL_MACHINE, Adapter);
        RemoveTree(PackageMenuFolder());
        DeleteFileA(PackageStartupLink().c_str());
        if (companion_) {
            if (WaitForSingleObject(companion_, 0) == WAIT_TIMEOUT) TerminateProcess(companion_, 99);
            WaitForSingleObject(companion_, 5000);
            CloseHandle(companion_);
        }
        ClearWindowsVersion();
        CoUninitialize();
    }

    // msiexec's exit code; its verbose log goes to `log`. INSTALLDIR is a
    // folder with blanks in its path, and so is the settings file's.
    DWORD RunMsiexec(const std::string& action, const std::string& properties,
                     const std::string& package = PackageMsi()) {
        const RunResult run = RunProgram(
            Msiexec(), action + " \"" + package + "\" /qn /l*v \"" + log + "\" INSTALLDIR=\"" +
                           folder + "\" " + properties);
        return run.exitCode;
    }
    DWORD Install(const std::string& properties = "") { return RunMsiexec("/i", properties); }
    DWORD Uninstall(const std::string& properties = "") { return RunMsiexec("/x", properties); }
    std::string WithSettings(const std::string& contents) {
        WriteTextFile(settings, contents);
        return "SETTINGS=\"" + settings + "\"";
    }

    std::vector<std::string> Decoys() const { return UnquotedPathDecoys(root.path()); }

    ScratchFolder root{"quintel package"};
    const std::string folder = root / "Program Files\\Quintel Test";
    const std::string settings = root / "fleet settings\\VarOderudi.cfg";
    const std::string log = root / "msiexec log.txt";
    HANDLE companion_ = nullptr;
};

TEST_F(Package, InstallsWithTheSettingsAppliedAndTheUninstallPutsTheDefaultsBack) {
    PutDword(Current, "DefaultTTL", 64);
    ASSERT_EQ(0u, Install(WithSettings(Automatic1))) << ReadLog(log);

    for (const char* name : ShippedFiles) {
        EXPECT_EQ(ReadTextFile(BuiltFolder() + "\\" + name), ReadTextFile(folder + "\\" + name))
            << name << " differs from the build's";
    }
    EXPECT_EQ(Automatic1, ReadTextFile(folder + "\\VarOderudi.cfg")) << "the settings beside the program";
    EXPECT_EQ(128u, Dword(Current, "DefaultTTL")) << "Quintel.exe /apply ran";
    EXPECT_EQ(4288u, Dword(Set001, "TcpWindowSize"));
    EXPECT_NE(std::string::npos, ReadLog(log).find("Quintel.exe /apply: Applied Automatic #1"))
        << "what Quintel.exe said belongs in the log";

    // Add or Remove Programs lists the package by its product code.
    const auto product = InstalledProduct();
    ASSERT_TRUE(product);
    char text[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    ASSERT_EQ(static_cast<UINT>(ERROR_SUCCESS),
              MsiGetProductInfoA(product->c_str(), INSTALLPROPERTY_INSTALLEDPRODUCTNAME, text, &size));
    EXPECT_STREQ("Quintel", text);
    size = MAX_PATH;
    MsiGetProductInfoA(product->c_str(), INSTALLPROPERTY_VERSIONSTRING, text, &size);
    EXPECT_STREQ("5.0.0", text);
    size = MAX_PATH;
    MsiGetProductInfoA(product->c_str(), INSTALLPROPERTY_PUBLISHER, text, &size);
    EXPECT_STREQ("Quintel", text);
    size = MAX_PATH;
    MsiGetProductInfoA(product->c_str(), INSTALLPROPERTY_INSTALLLOCATION, text, &size);
    EXPECT_EQ(folder + "\\", text);
    EXPECT_EQ(INSTALLSTATE_DEFAULT, MsiQueryProductStateA(product->c_str())) << "installed per machine";
    // The entry itself, where Explorer reads it: a 32-bit package's is in
    // the 32-bit view, WOW6432Node on 64-bit Windows.
    const std::string entry = ArpKey + *product;
    const auto arpText = [&](const char* name) -> std::optional<std::string> {
        const auto value = ReadValue(HKEY_LOCAL_MACHINE, entry, name, KEY_WOW64_32KEY);
        if (!value) return std::nullopt;
        return std::string(value->data.c_str());
    };
    EXPECT_EQ("Quintel", arpText("DisplayName"));
    EXPECT_EQ("5.0.0", arpText("DisplayVersion"));
    EXPECT_EQ("Quintel", arpText("Publisher"));
    EXPECT_EQ(folder + "\\", arpText("InstallLocation"));
    EXPECT_EQ("MsiExec.exe /X" + *product, arpText("UninstallString"));
    const auto noModify = ReadValue(HKEY_LOCAL_MACHINE, entry, "NoModify", KEY_WOW64_32KEY);
    EXPECT_EQ(1u, noModify ? noModify->dword() : std::nullopt);

    const auto program = ReadShortcut(PackageMenuFolder() + "\\Quintel.lnk");
    ASSERT_TRUE(program);
    EXPECT_EQ(folder + "\\Quintel.exe", program->target);
    EXPECT_EQ("", program->arguments);
    const auto guide = ReadShortcut(PackageMenuFolder() + "\\Quintel User's Guide.lnk");
    ASSERT_TRUE(guide);
    EXPECT_EQ(folder + "\\Help\\Help.chm", guide->target);
    const auto uninstaller = ReadShortcut(PackageMenuFolder() + "\\Uninstall Quintel.lnk");
    ASSERT_TRUE(uninstaller);
    EXPECT_EQ("/x " + *product, uninstaller->arguments);
    const auto startup = ReadShortcut(PackageStartupLink());
    ASSERT_TRUE(startup) << "the keep-alive at logon is chosen unless NOSTARTUP=1";
    EXPECT_EQ(folder + "\\Korvet.exe", startup->target)
        << "Windows starts no program at logon that asks for an administrator, as Quintel.exe does";

    CreateKey(Adapter);
    PutDword(Adapter, "MTU", 576);
    companion_ = StartCompanionIn(folder);
    ASSERT_TRUE(companion_);
    // The tip-of-the-day choice of the user who uninstalls.
    PutString(HKEY_CURRENT_USER, UserKey + "\\Options", "Show Tips at Startup", "0");

    ASSERT_EQ(0u, Uninstall()) << ReadLog(log);

    EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, UserKey + "\\Options", "Show Tips at Startup"))
        << "the user's own Quintel settings go with the settings files";

    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(companion_, 0))
        << "the uninstall left the companion running";
    EXPECT_EQ(8192u, Dword(Current, "TcpWindowSize"));
    EXPECT_EQ(32u, Dword(Current, "DefaultTTL"));
    EXPECT_EQ(3600000u, Dword(Set001, "KeepAliveTime"));
    EXPECT_EQ(4u, Dword(Inet, "MaxConnectionsPerServer"));
    EXPECT_EQ(1500u, Dword(Adapter, "MTU"));
    for (const std::string& left : ListTree(folder)) ADD_FAILURE() << "left behind: " << left;
    EXPECT_FALSE(Exists(folder));
    EXPECT_FALSE(Exists(PackageMenuFolder()));
    EXPECT_FALSE(Exists(PackageStartupLink()));
    EXPECT_FALSE(InstalledProduct());
    EXPECT_FALSE(ReadValue(HKEY_LOCAL_MACHINE, entry, "DisplayName", KEY_WOW64_32KEY))
        << "the Add or Remove Programs entry stayed";
}

TEST_F(Package, NoStartupLeavesTheLogonEntryOutAndKeepSettingsKeepsTheTuning) {
    ASSERT_EQ(0u, Install("NOSTARTUP=1 " + WithSettings(Automatic1))) << ReadLog(log);
    EXPECT_TRUE(Exists(PackageMenuFolder() + "\\Quintel.lnk"));
    EXPECT_FALSE(Exists(PackageStartupLink())) << "NOSTARTUP=1 leaves the keep-alive at logon out";
    EXPECT_TRUE(Exists(folder + "\\Korvet.exe")) << "the companion itself is still installed";
    EXPECT_EQ(128u, Dword(Current, "DefaultTTL"));

    PutString(HKEY_CURRENT_USER, UserKey + "\\Options", "Show Tips at Startup", "0");

    ASSERT_EQ(0u, Uninstall("KEEPSETTINGS=1")) << ReadLog(log);

    EXPECT_TRUE(ReadValue(HKEY_CURRENT_USER, UserKey + "\\Options", "Show Tips at Startup"))
        << "kept with the settings";
    DeleteKeyTree(HKEY_CURRENT_USER, UserKey);

    EXPECT_EQ(128u, Dword(Current, "DefaultTTL"));
    EXPECT_EQ(4288u, Dword(Current, "TcpWindowSize"));
    EXPECT_EQ(Automatic1, ReadTextFile(folder + "\\VarOderudi.cfg"))
        << "the record of the values still in the registry";
    // With the undo record of the last change, which stays with the settings.
    EXPECT_EQ((std::vector<std::string>{"Undo.reg", "VarOderudi.cfg", "VarOderudi.cfg.undo"}),
              ListTree(folder));
    EXPECT_FALSE(Exists(PackageMenuFolder()));
    EXPECT_FALSE(InstalledProduct());
    RemoveTree(folder);
}

TEST_F(Package, WhereQuintelAppliedNothingTheUninstallLeavesTheRegistryAlone) {
    CreateKey(Adapter);
    PutDword(Adapter, "MTU", 1492);
    PutDword(Current, "DefaultTTL", 64);
    ASSERT_EQ(0u, Install()) << ReadLog(log);
    EXPECT_FALSE(Exists(folder + "\\VarOderudi.cfg")) << "no SETTINGS, no settings file";
    EXPECT_EQ(64u, Dword(Current, "DefaultTTL")) << "the package alone tunes nothing";
    WriteTextFile(folder + "\\Ping.cfg", "#FALSE#,127.0.0.1,1,#FALSE#\r\n");

    ASSERT_EQ(0u, Uninstall()) << ReadLog(log);

    EXPECT_EQ(1492u, Dword(Adapter, "MTU")) << "the adapter's own MTU, not the default 1500";
    EXPECT_EQ(64u, Dword(Current, "DefaultTTL"));
    for (const std::string& left : ListTree(folder)) ADD_FAILURE() << "left behind: " << left;
    EXPECT_FALSE(Exists(folder));
    EXPECT_FALSE(InstalledProduct());
}

TEST_F(Package, SettingsThatDoNotApplyFailTheInstallWithTheReasonInTheLog) {
    PutDword(Current, "DefaultTTL", 64);
    struct Case {
        const char* what;
        std::string properties;
        const char* reason;  // in the log
    };
    const Case cases[] = {
        {"a mode that does not exist", WithSettings("ConnectionType,1\r\nOptiMode,7\r\n"),
         "is malformed at line 2 (OptiMode)"},
        {"no such file", "SETTINGS=\"" + (root / "fleet settings\\missing.cfg") + "\"",
         "missing.cfg could not be read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // 1603: a fatal error during installation.
        EXPECT_EQ(1603u, Install(c.properties));
        const std::string text = ReadLog(log);
        EXPECT_NE(std::string::npos, text.find(c.reason)) << text;
        EXPECT_NE(std::string::npos, text.find("were not applied")) << text;
        EXPECT_EQ(64u, Dword(Current, "DefaultTTL")) << "nothing of the file was written";
        EXPECT_FALSE(InstalledProduct()) << "the installation was rolled back";
        for (const std::string& left : ListTree(folder)) ADD_FAILURE() << "left behind: " << left;
        EXPECT_FALSE(Exists(PackageStartupLink()));
        RemoveTree(folder);
        RemoveTree(PackageMenuFolder());
    }
}

TEST_F(Package, SettingsThatDoNotApplyLeaveTheSettingsKeptFromAnEarlierInstall) {
    // As an uninstall with KEEPSETTINGS=1 leaves the folder.
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    WriteTextFile(folder + "\\VarOderudi.cfg", Automatic1);

    EXPECT_EQ(1603u, Install(WithSettings("ConnectionType,1\r\n")));

    EXPECT_EQ(Automatic1, ReadTextFile(folder + "\\VarOderudi.cfg"))
        << "the record of the values in the registry, put back";
    EXPECT_EQ(std::vector<std::string>{"VarOderudi.cfg"}, ListTree(folder));
    EXPECT_FALSE(InstalledProduct());
    RemoveTree(folder);
}

TEST_F(Package, AFailedRestoreFailsTheUninstallAndKeepsTheProgramToTryAgain) {
    ASSERT_EQ(0u, Install(WithSettings(Automatic1))) << ReadLog(log);
    // Another program holds the settings file open and shares it with no
    // one: Quintel.exe /restore cannot replace it and exits 1.
    HANDLE held = CreateFileA((folder + "\\VarOderudi.cfg").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);

    const DWORD exitCode = Uninstall();
    CloseHandle(held);
    EXPECT_EQ(1603u, exitCode) << "a restore that failed must not pass for success";
    const std::string text = ReadLog(log);
    EXPECT_NE(std::string::npos, text.find("could not be put back: Quintel.exe /restore failed (exit code 1)"))
        << text;

    EXPECT_EQ(128u, Dword(Current, "DefaultTTL")) << "still tuned";
    // Windows rolls the failed uninstall back whole, and the product stays
    // registered. Wine 8 puts its files and shortcuts back but not its
    // registration: there it is installed again to uninstall it.
    if (RunningOnWine()) {
        EXPECT_FALSE(InstalledProduct());
    } else {
        EXPECT_TRUE(InstalledProduct()) << "the program stays, to put the defaults back with";
    }
    EXPECT_TRUE(Exists(folder + "\\Quintel.exe"));
    EXPECT_EQ(Automatic1, ReadTextFile(folder + "\\VarOderudi.cfg"));

    // Once nothing holds the file, the uninstall goes through.
    if (RunningOnWine()) {
        ASSERT_EQ(0u, Install()) << ReadLog(log);
    }
    EXPECT_EQ(0u, Uninstall()) << ReadLog(log);
    EXPECT_EQ(32u, Dword(Current, "DefaultTTL"));
    EXPECT_FALSE(Exists(folder));
}

TEST_F(Package, ANewerVersionReplacesTheInstalledOneAndKeepsItsSettings) {
    ASSERT_TRUE(Exists(NextPackageMsi())) << NextPackageMsi();
    ASSERT_EQ(0u, Install(WithSettings(Automatic1))) << ReadLog(log);
    const auto older = InstalledProduct();
    ASSERT_TRUE(older);

    ASSERT_EQ(0u, RunMsiexec("/i", "", NextPackageMsi())) << ReadLog(log);

    const auto newer = InstalledProduct();
    ASSERT_TRUE(newer);
    EXPECT_NE(*older, *newer) << "a new version is a new product";
    char product[39] = {};
    EXPECT_NE(static_cast<UINT>(ERROR_SUCCESS), MsiEnumRelatedProductsA(UpgradeCode, 0, 1, product))
        << "the older version stayed beside the newer one: " << product;
    EXPECT_EQ(INSTALLSTATE_UNKNOWN, MsiQueryProductStateA(older->c_str()));
    EXPECT_EQ(Automatic1, ReadTextFile(folder + "\\VarOderudi.cfg"));
    EXPECT_EQ(128u, Dword(Current, "DefaultTTL")) << "the settings are not put back for an upgrade";
    for (const char* name : ShippedFiles) EXPECT_TRUE(Exists(folder + "\\" + name)) << name;
    EXPECT_TRUE(Exists(PackageMenuFolder() + "\\Quintel.lnk"));

    ASSERT_EQ(0u, RunMsiexec("/x", "", NextPackageMsi())) << ReadLog(log);
    EXPECT_EQ(32u, Dword(Current, "DefaultTTL"));
    EXPECT_FALSE(Exists(folder));
    EXPECT_FALSE(InstalledProduct());
}

}  // namespace
}  // namespace quintel::wine
