#include <gtest/gtest.h>

#include "ui/mainwindow/ApplyCommand.h"
#include "ui/dialogs/FrmDisplay.h"
#include "fakes/MainWindowFixture.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {
namespace {

const std::string Folder = test::FakeServices::Folder;
const std::string Cfg = Folder + "\\VarOderudi.cfg";
constexpr const char* Tcpip = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
constexpr const char* Interface = test::MainWindowFixture::InterfaceKey;
constexpr const char* RestartQuestion = "Do you want to restart the computer?";

class FileMenu : public test::MainWindowFixture {
protected:
    int Lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }
};

// --- Apply ------------------------------------------------------------------

TEST_F(FileMenu, ApplyInEachAutomaticModeExplainsSavesTwoLinesAndAsksToRestart) {
    const std::uint32_t rwin[] = {4288, 0, 0};
    for (int m = 0; m < 3; ++m) {
        SCOPED_TRACE(m);
        FrmMain& w = Start("ConnectionType,3\r\nOptiMode," + std::to_string(m) + "\r\n");
        std::string heading, caption;
        int writesWhenShown = -1;
        fakes.host.onModal = [&](forms::Form& form) {
            auto& d = dynamic_cast<FrmDisplay&>(form);
            heading = d.lblHeading.Caption();
            caption = d.Caption();
            writesWhenShown = fakes.files.Writes();
            d.cmdOK.UserClick();
        };
        const int writesBefore = fakes.files.Writes();
        fakes.boxes.answers = {mb::No};
        w.menus.mnuApplyNewSettings.UserClick();

        EXPECT_EQ("You have selected the \"" + w.modes.cmbOptimize.Text() + " Optimization Mode\".", heading);
        EXPECT_EQ("DirectPc (Satellite)", caption);
        EXPECT_EQ(writesBefore, writesWhenShown) << "saved only after the dialog closes";
        EXPECT_EQ("ConnectionType,3\r\nOptiMode," + std::to_string(m) + "\r\n", fakes.files.Contents(Cfg));
        if (rwin[m]) {
            EXPECT_EQ(rwin[m], fakes.registry.GetDword(Tcpip, "TcpWindowSize"));
        } else {
            EXPECT_FALSE(fakes.registry.Get(Tcpip, "TcpWindowSize"));
        }
        EXPECT_EQ(128u, fakes.registry.GetDword(Tcpip, "DefaultTTL"));
        ASSERT_EQ(std::vector<std::string>{RestartQuestion}, Texts());
        EXPECT_EQ("Quintel", fakes.boxes.shown[0].caption);
        EXPECT_EQ(mb::YesNo | mb::IconInformation, fakes.boxes.shown[0].style);
        EXPECT_TRUE(fakes.shutdown.calls.empty());
        EXPECT_TRUE(w.Loaded()) << "No leaves the program running";
    }
}

TEST_F(FileMenu, ApplyInManualWithAnIncompleteValueSavesNothingButStillAsks) {
    FrmMain& w = Start();
    w.tuning.optTTL2.UserClick();
    const int writes = fakes.files.Writes();
    fakes.boxes.answers = {mb::Ok, mb::No};
    w.tbrMain.UserClick(1);
    EXPECT_EQ((std::vector<std::string>{"Invalid TTL. Enter Valid One.", RestartQuestion}), Texts());
    EXPECT_EQ(writes, fakes.files.Writes());
    EXPECT_TRUE(fakes.registry.Calls().empty());
    EXPECT_EQ(0, fakes.host.Count("modal frmDisplay"));
}

TEST_F(FileMenu, ApplyInManualSavesElevenLinesAndTheCustomValues) {
    FrmMain& w = Start();
    w.tuning.optMTU2.UserClick();
    w.tuning.txtMTU.UserText("1492");
    fakes.boxes.answers = {mb::No};
    w.menus.mnuApplyNewSettings.UserClick();
    EXPECT_EQ(11, Lines(fakes.files.Contents(Cfg)));
    EXPECT_NE(std::string::npos, fakes.files.Contents(Cfg).find("MTU,#TRUE#,1492\r\n"));
    EXPECT_EQ(1492u, fakes.registry.GetDword(Interface, "MTU"));
    EXPECT_EQ(std::vector<std::string>{RestartQuestion}, Texts());
}

TEST_F(FileMenu, ASettingsFileThatCannotBeReplacedIsReportedAndTheQuestionFollows) {
    FrmMain& w = Start("ConnectionType,0\r\nOptiMode,0\r\n");
    fakes.files.Remove(Cfg);
    fakes.files.MakeFolder(Cfg);
    fakes.boxes.answers = {mb::Ok, mb::No};
    w.menus.mnuApplyNewSettings.UserClick();
    ASSERT_EQ(2u, fakes.boxes.shown.size());
    EXPECT_EQ("The settings could not be applied.\r\n\r\nCould not write " + Cfg +
                  ": a folder of that name is in the way",
              fakes.boxes.shown[0].text);
    EXPECT_EQ(mb::OkOnly | mb::IconInformation, fakes.boxes.shown[0].style);
    EXPECT_EQ(RestartQuestion, fakes.boxes.shown[1].text);
    EXPECT_TRUE(fakes.registry.WriteCalls().empty());
}

TEST_F(FileMenu, RefusedRegistryWritesAreReportedNamingEveryOneAndCountingTheOthers) {
    FrmMain& w = Start("ConnectionType,0\r\nOptiMode,0\r\n");
    fakes.registry.DenyKeyWrites("SYSTEM\\ControlSet001");
    fakes.boxes.answers = {mb::Ok, mb::No};
    w.menus.mnuApplyNewSettings.UserClick();
    ASSERT_EQ(2u, fakes.boxes.shown.size());
    const std::string set001 = "Could not write HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\"
                               "tcpip\\parameters value ";
    std::string expected = "The settings could not be applied completely.\r\n";
    for (const char* name : {"GlobalMaxTcpWindowSize", "TcpWindowSize", "DefaultTTL",
                             "KeepAliveTime", "EnablePMTUDiscovery", "EnablePMTUBHDetect"}) {
        expected += "\r\n" + set001 + name + ": Access is denied.";
    }
    expected += "\r\n\r\nThe other 11 registry values were written.";
    EXPECT_EQ(expected, fakes.boxes.shown[0].text);
    EXPECT_EQ(576u, fakes.registry.GetDword(Interface, "MTU"));
    EXPECT_EQ("ConnectionType,0\r\nOptiMode,0\r\n", fakes.files.Contents(Cfg)) << "the choice stays";
    EXPECT_EQ(RestartQuestion, fakes.boxes.shown[1].text);
}

TEST_F(FileMenu, ARestoreRefusedEverywhereSaysNoValueWasWritten) {
    FrmMain& w = Start("ConnectionType,0\r\nOptiMode,0\r\n");
    for (const char* root : {"SYSTEM", "SOFTWARE", "System"}) fakes.registry.DenyKeyWrites(root);
    fakes.boxes.answers = {mb::Yes, mb::Ok};
    w.menus.mnuRestore.UserClick();
    ASSERT_EQ(2u, fakes.boxes.shown.size());
    const std::string& text = fakes.boxes.shown[1].text;
    EXPECT_EQ(0u, text.find("The settings could not be applied completely.\r\n\r\nCould not write "));
    std::size_t named = 0;
    for (auto at = text.find("Could not write"); at != std::string::npos;
         at = text.find("Could not write", at + 1)) {
        ++named;
    }
    EXPECT_EQ(17u, named) << "rows 1 to 14, both MTU values of the one interface, the NDI cache";
    EXPECT_NE(std::string::npos, text.find("\r\n\r\nNo registry value was written.")) << text;
}

TEST_F(FileMenu, AnsweringYesEnablesThePrivilegeThenAsksForAReboot) {
    FrmMain& w = Start("ConnectionType,0\r\nOptiMode,1\r\n");
    fakes.boxes.answers = {mb::Yes};
    w.menus.mnuApplyNewSettings.UserClick();
    EXPECT_EQ((std::vector<std::string>{"privilege", "restart"}), fakes.shutdown.calls);
}

// --- Restore ----------------------------------------------------------------

TEST_F(FileMenu, RestoreAsksFirstAndNoChangesNothing) {
    FrmMain& w = Start("ConnectionType,1\r\nOptiMode,2\r\n");
    const TuningSettings before = app.tuning.CurrentSettings;
    fakes.boxes.answers = {mb::No};
    w.menus.mnuRestore.UserClick();
    ASSERT_EQ(1u, fakes.boxes.shown.size());
    EXPECT_EQ("This Program will restore all Windows settings.\r\nWould you like to Continue?",
              fakes.boxes.shown[0].text);
    EXPECT_EQ("Restore Default Settings", fakes.boxes.shown[0].caption);
    EXPECT_EQ(mb::YesNo | mb::IconInformation | mb::DefaultButton2, fakes.boxes.shown[0].style);
    EXPECT_EQ(before, app.tuning.CurrentSettings);
    EXPECT_EQ("ConnectionType,1\r\nOptiMode,2\r\n", fakes.files.Contents(Cfg));
    EXPECT_TRUE(fakes.registry.WriteCalls().empty());
    EXPECT_FALSE(w.tuning.optMTU1.Enabled());
}

TEST_F(FileMenu, RestoreFromAutomatic3WritesTheDefaultsAndKeepsTheModeListEntry) {
    FrmMain& w = Start("ConnectionType,2\r\nOptiMode,2\r\n");
    fakes.boxes.answers = {mb::Yes, mb::Ok};
    w.tbrMain.UserClick(4);
    EXPECT_EQ((std::vector<std::string>{
                  "This Program will restore all Windows settings.\r\nWould you like to Continue?",
                  "Windows default settings were successfully restored."}),
              Texts());
    EXPECT_EQ(mb::OkOnly | mb::IconInformation, fakes.boxes.shown[1].style);
    EXPECT_EQ("Quintel", fakes.boxes.shown[1].caption);
    const std::string file = fakes.files.Contents(Cfg);
    EXPECT_EQ(11, Lines(file));
    EXPECT_EQ(0u, file.find("ConnectionType,2\r\nOptiMode,3\r\n"));
    EXPECT_EQ(1500u, fakes.registry.GetDword(Interface, "MTU")) << "written, not removed";
    EXPECT_EQ(8192u, fakes.registry.GetDword(Tcpip, "TcpWindowSize"));
    EXPECT_EQ("Automatic #3", w.modes.cmbOptimize.Text());
    EXPECT_EQ(3, app.tuning.CurrentSettings.OptiMode);
    EXPECT_TRUE(w.tuning.optMTU1.Value() && w.tuning.optMTU1.Enabled());
    EXPECT_EQ(1, w.tuning.chkPMTU.Value());
    EXPECT_EQ("4", w.tuning.cmbMSCPS1.Text());
    EXPECT_TRUE(fakes.shutdown.calls.empty()) << "no restart is offered";
}

TEST_F(FileMenu, ARestoreThatCannotSaveSaysSoInsteadOfSuccess) {
    FrmMain& w = Start();
    fakes.files.MakeFolder(Cfg);
    fakes.boxes.answers = {mb::Yes, mb::Ok};
    w.menus.mnuRestore.UserClick();
    ASSERT_EQ(2u, fakes.boxes.shown.size());
    EXPECT_EQ(0u, fakes.boxes.shown[1].text.find("The settings could not be applied."));
}

// --- Backup -----------------------------------------------------------------

class Backup : public FileMenu {
protected:
    const std::string Target = "C:\\Program Files\\My Backups\\all.reg";
    const std::string Temporary = Target + ".tmp";
    void SetUp() override {
        fakes.files.MakeFolder("C:\\Program Files\\My Backups");
        fakes.dialogs.answer = Target;
    }
    static std::string Utf16(const std::string& ascii) {
        std::string text;
        for (char c : ascii) text += {c, '\0'};
        return text;
    }
    static std::string UnicodeExport() {
        return "\xFF\xFE" + Utf16("Windows Registry Editor Version 5.00\r\n\r\n"
                                  "[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\"Value\"=dword:00000001\r\n\r\n");
    }
    static std::string AnsiExport() {
        return "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\"Value\"=dword:00000001\r\n\r\n";
    }
    // The editor writes `contents` where its command line says.
    void EditorWrites(const std::string& contents) {
        fakes.launcher.onRun = [this, contents](const test::Launch& launch) {
            if (launch.program == "C:\\WINDOWS\\regedit.exe")
                fakes.files.Put(launch.arguments.at(1), contents);
        };
    }
    std::string Failure(const std::string& reason) const {
        return "The registry backup failed.\r\n\r\n" + reason;
    }
    std::string OlderKept() const {
        return "\r\n\r\nThe older file " + Target + " is left as it was.";
    }
};

TEST_F(Backup, TheDialogIsTheSaveFormWithItsTitleFilterAndFolder) {
    FrmMain& w = Start();
    fakes.dialogs.answer.clear();
    w.menus.mnuRegistryBackup.UserClick();
    ASSERT_EQ(1u, fakes.dialogs.asked.size());
    EXPECT_EQ("Registry Backup", fakes.dialogs.asked[0].Title);
    EXPECT_EQ("Text Document (*.txt)|*.txt|Registration Entries (*.reg)|*.reg|",
              fakes.dialogs.asked[0].Filter);
    EXPECT_EQ(Folder, fakes.dialogs.asked[0].InitialFolder);
    EXPECT_EQ("", fakes.dialogs.asked[0].FileName);
}

TEST_F(Backup, ACancelledDialogStartsNothingAndSaysNothing) {
    FrmMain& w = Start();
    fakes.launcher.launches.clear();
    fakes.dialogs.answer.clear();
    w.tbrMain.UserClick(5);
    EXPECT_TRUE(fakes.launcher.launches.empty());
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(Backup, AWholeExportIsMovedOverTheChosenFileAndReportedAsTaken) {
    FrmMain& w = Start();
    fakes.launcher.launches.clear();
    fakes.files.Put(Target, "an older backup");
    EditorWrites(UnicodeExport());
    w.menus.mnuRegistryBackup.UserClick();
    ASSERT_EQ(1u, fakes.launcher.launches.size());
    EXPECT_EQ("C:\\WINDOWS\\regedit.exe", fakes.launcher.launches[0].program);
    EXPECT_EQ((std::vector<std::string>{"/E", Temporary}), fakes.launcher.launches[0].arguments);
    EXPECT_EQ("C:\\WINDOWS\\regedit.exe /E \"C:\\Program Files\\My Backups\\all.reg.tmp\"",
              fakes.launcher.launches[0].commandLine);
    EXPECT_EQ(show::MinimizedActive, fakes.launcher.launches[0].windowStyle);
    EXPECT_EQ(1, fakes.launcher.waits);
    EXPECT_GE(fakes.host.Count("doevents"), 4) << "the window stays responsive";
    ASSERT_EQ(std::vector<std::string>{"Registry Backup has been taken Successfully."}, Texts());
    EXPECT_EQ(mb::OkOnly | mb::IconInformation, fakes.boxes.shown[0].style);
    EXPECT_EQ(UnicodeExport(), fakes.files.Contents(Target));
    EXPECT_FALSE(fakes.files.Has(Temporary));
}

TEST_F(Backup, AnAnsiExportCountsToo) {
    FrmMain& w = Start();
    EditorWrites(AnsiExport());
    w.tbrMain.UserClick(5);
    EXPECT_EQ(std::vector<std::string>{"Registry Backup has been taken Successfully."}, Texts());
    EXPECT_EQ(AnsiExport(), fakes.files.Contents(Target));
}

TEST_F(Backup, AnEditorThatCannotStartIsReported) {
    FrmMain& w = Start();
    fakes.launcher.fails = true;
    w.menus.mnuRegistryBackup.UserClick();
    ASSERT_EQ(1u, fakes.boxes.shown.size());
    EXPECT_EQ(Failure("The registry editor could not be started: Access is denied."),
              fakes.boxes.shown[0].text);
    EXPECT_EQ(mb::OkOnly | mb::IconExclamation, fakes.boxes.shown[0].style);
}

TEST_F(Backup, WithoutTheSystemsEditorNothingElseOfThatNameStarts) {
    FrmMain& w = Start();
    fakes.launcher.systemPrograms.clear();
    fakes.launcher.launches.clear();
    w.menus.mnuRegistryBackup.UserClick();
    ASSERT_EQ(1u, fakes.launcher.launches.size());
    EXPECT_EQ("", fakes.launcher.launches[0].program);
    EXPECT_EQ(std::vector<std::string>{Failure(
                  "The registry editor could not be started: The system cannot find the file "
                  "specified.")},
              Texts());
}

TEST_F(Backup, AMissingFileOrOneThatIsNoExportIsReported) {
    FrmMain& w = Start();
    w.menus.mnuRegistryBackup.UserClick();
    ASSERT_EQ(1u, fakes.boxes.shown.size());
    EXPECT_EQ(Failure("No backup file was written to " + Target + "."), fakes.boxes.shown[0].text);

    fakes.boxes.shown.clear();
    EditorWrites("hello");
    w.menus.mnuRegistryBackup.UserClick();
    ASSERT_EQ(1u, fakes.boxes.shown.size());
    EXPECT_EQ(Failure("The registry editor wrote no registry export."), fakes.boxes.shown[0].text);
    EXPECT_FALSE(fakes.files.Has(Target));
    EXPECT_FALSE(fakes.files.Has(Temporary));
}

TEST_F(Backup, AnOlderFileAtThePathIsNoBackupWhenTheEditorWritesNothing) {
    FrmMain& w = Start();
    fakes.files.Put(Target, UnicodeExport());  // last week's export
    w.menus.mnuRegistryBackup.UserClick();
    EXPECT_EQ(std::vector<std::string>{Failure("No backup file was written to " + Target + "." +
                                               OlderKept())},
              Texts());
    EXPECT_EQ(UnicodeExport(), fakes.files.Contents(Target));
}

TEST_F(Backup, AnExportCutShortIsReportedAndLeavesTheOlderFile) {
    const std::string whole[] = {UnicodeExport(), AnsiExport()};
    const std::string headerOnly[] = {"\xFF\xFE" + Utf16("Windows Registry Editor Version 5.00\r\n\r\n"),
                                      "REGEDIT4\r\n\r\n"};
    for (int form = 0; form < 2; ++form) {
        const std::string& full = whole[form];
        const std::size_t header = headerOnly[form].size();
        const std::size_t lineEnd = form == 0 ? 4 : 2;
        // Cut after the header (the disk was full), in the middle of a line,
        // before the blank line that ends an export, and inside the header.
        for (const std::string& cut : {headerOnly[form], full.substr(0, header + 10),
                                       full.substr(0, full.size() - lineEnd),
                                       full.substr(0, header - 2)}) {
            fakes.boxes.shown.clear();
            window.reset();
            FrmMain& w = Start();
            fakes.files.Put(Target, "an older backup");
            EditorWrites(cut);
            w.menus.mnuRegistryBackup.UserClick();
            ASSERT_EQ(1u, fakes.boxes.shown.size()) << cut.size();
            EXPECT_EQ(Failure("The registry editor's export was cut short (is the disk full?)." +
                              OlderKept()),
                      fakes.boxes.shown[0].text)
                << "form " << form << ", " << cut.size() << " of " << full.size() << " bytes";
            EXPECT_EQ("an older backup", fakes.files.Contents(Target));
            EXPECT_FALSE(fakes.files.Has(Temporary));
        }
    }
}

TEST_F(Backup, ALeftOverTemporaryFileIsNotTakenForTheExport) {
    FrmMain& w = Start();
    fakes.files.Put(Temporary, UnicodeExport());  // from a backup that was cut off
    w.menus.mnuRegistryBackup.UserClick();
    EXPECT_EQ(std::vector<std::string>{Failure("No backup file was written to " + Target + ".")},
              Texts());
    EXPECT_FALSE(fakes.files.Has(Target));
    EXPECT_FALSE(fakes.files.Has(Temporary));
}

TEST_F(Backup, AFolderWhereTheTemporaryFileMustGoStartsNoEditor) {
    FrmMain& w = Start();
    fakes.files.MakeFolder(Temporary);
    fakes.files.Put(Target, "kept");
    fakes.launcher.launches.clear();
    w.menus.mnuRegistryBackup.UserClick();
    EXPECT_TRUE(fakes.launcher.launches.empty());
    EXPECT_EQ(std::vector<std::string>{Failure("The file " + Temporary +
                                               " is in the way: Access is denied." + OlderKept())},
              Texts());
    EXPECT_EQ("kept", fakes.files.Contents(Target));
    EXPECT_TRUE(fakes.files.HasFolder(Temporary));
}

TEST_F(Backup, AReadOnlyFileAtThePathIsReportedAndKept) {
    FrmMain& w = Start();
    fakes.files.Put(Target, "kept", {.readOnly = true});
    EditorWrites(UnicodeExport());
    w.menus.mnuRegistryBackup.UserClick();
    EXPECT_EQ(std::vector<std::string>{Failure("The export could not be put in place of " + Target +
                                               ": Access is denied." + OlderKept())},
              Texts());
    EXPECT_EQ("kept", fakes.files.Contents(Target));
    EXPECT_FALSE(fakes.files.Has(Temporary));
}

TEST_F(Backup, WhileTheEditorRunsTheWindowIsDisabledAndRefusesEveryCommand) {
    FrmMain& w = Start();
    fakes.launcher.launches.clear();
    fakes.shutdown.calls.clear();
    bool disabledDuringExport = false;
    fakes.launcher.onRun = [&](const test::Launch& launch) {
        disabledDuringExport = !w.Enabled();
        fakes.host.events.clear();
        // What the user might try meanwhile: the toolbar's Apply, Restore,
        // Backup and Exit, the same from the menu, closing the window and
        // the tray icon's menu.
        for (int button : {1, 4, 5, 13}) w.tbrMain.UserClick(button);
        w.menus.mnuApplyNewSettings.UserClick();
        w.menus.mnuRestore.UserClick();
        w.menus.mnuRegistryBackup.UserClick();
        w.menus.mnuExit.UserClick();
        w.Close();
        w.TrayNotification(TrayEvent::RightClick);
        w.TrayNotification(TrayEvent::LeftClick);
        fakes.files.Put(launch.arguments.at(1), UnicodeExport());
    };
    w.menus.mnuRegistryBackup.UserClick();
    EXPECT_TRUE(disabledDuringExport);
    EXPECT_EQ(1u, fakes.launcher.launches.size()) << "no second export";
    EXPECT_EQ(1u, fakes.dialogs.asked.size());
    EXPECT_TRUE(w.Loaded());
    EXPECT_EQ(0, fakes.host.Count("popup mnuPopupMenu"));
    EXPECT_EQ(2, fakes.host.Count("foreground frmMain")) << "the icon brings the window forward";
    EXPECT_TRUE(fakes.shutdown.calls.empty());
    EXPECT_EQ(std::vector<std::string>{"Registry Backup has been taken Successfully."}, Texts());
    EXPECT_TRUE(w.Enabled());
    EXPECT_TRUE(fakes.files.Has(Target));
}

TEST_F(Backup, TheWindowIsEnabledAgainAfterAFailedExportAndTakesCommands) {
    FrmMain& w = Start();
    fakes.launcher.fails = true;
    w.menus.mnuRegistryBackup.UserClick();
    EXPECT_TRUE(w.Enabled());
    fakes.launcher.fails = false;
    EditorWrites(AnsiExport());
    w.tbrMain.UserClick(5);
    EXPECT_EQ(2u, fakes.dialogs.asked.size());
    EXPECT_EQ("Registry Backup has been taken Successfully.", Texts().back());
}

TEST(RegistryExport, RecognisesBothHeadersAndNothingElse) {
    std::string unicode = "\xFF\xFE";
    for (char c : std::string("Windows Registry Editor Version 5.00")) unicode += {c, '\0'};
    EXPECT_TRUE(IsRegistryExport(unicode));
    EXPECT_TRUE(IsRegistryExport("REGEDIT4\r\n"));
    EXPECT_FALSE(IsRegistryExport(""));
    EXPECT_FALSE(IsRegistryExport("Windows Registry Editor Version 5.00"));  // no BOM, not UTF-16
    EXPECT_FALSE(IsRegistryExport(unicode.substr(0, 20)));
}

}  // namespace
}  // namespace quintel
