// The main window's "&Undo Last Change" and the state of the last change in
// the first status bar panel.
#include <gtest/gtest.h>

#include "core/tuning/UndoRecord.h"
#include "fakes/AppFixture.h"
#include "ui/dialogs/FrmDisplay.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {
namespace {

const std::string Folder = test::FakeServices::Folder;
const std::string Cfg = Folder + "\\VarOderudi.cfg";
const std::string UndoReg = Folder + "\\Undo.reg";
const std::string Tcpip = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
const std::string Nic = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{NIC}";
const std::string Automatic3 = "ConnectionType,1\r\nOptiMode,2\r\n";
constexpr const char* RestartQuestion = "Do you want to restart the computer?";

class ChangeState : public ::testing::Test {
protected:
    void SetUp() override {
        fakes.registry.AddKey(Nic);
        fakes.registry.PutDword(Nic, "MTU", 1492);
        fakes.registry.PutSz(Tcpip, "DefaultTTL", "64");
        // The explanation of an automatic mode is closed at once.
        fakes.host.onModal = [](forms::Form& form) {
            if (auto* display = dynamic_cast<FrmDisplay*>(&form)) display->cmdOK.UserClick();
        };
    }
    FrmMain& Start() {
        window = std::make_unique<FrmMain>(app);
        window->Show();
        fakes.boxes.shown.clear();
        return *window;
    }
    const std::string& Panel() const { return window->sbrMain.PanelText(1); }
    void Apply() {
        fakes.boxes.answers = {mb::No};
        window->menus.mnuApplyNewSettings.UserClick();
        fakes.boxes.shown.clear();
    }

    test::FakeServices fakes;
    AppContext app = fakes.MakeContext();
    std::unique_ptr<FrmMain> window;
};

TEST_F(ChangeState, TheUndoItemFollowsRestoreAndIsDisabledWithNothingToUndo) {
    FrmMain& w = Start();
    const auto& items = w.menus.mnuFile.Children();
    const auto restore = std::find(items.begin(), items.end(), &w.menus.mnuRestore);
    ASSERT_NE(items.end(), restore);
    ASSERT_NE(items.end(), restore + 1);
    EXPECT_EQ(&w.menus.mnuUndoLastChange, *(restore + 1));
    EXPECT_EQ("&Undo Last Change", w.menus.mnuUndoLastChange.Caption());
    EXPECT_FALSE(w.menus.mnuUndoLastChange.Enabled());
    // Without a settings file nothing was applied: the panel says nothing.
    EXPECT_EQ("", Panel());
}

TEST_F(ChangeState, ThePanelShowsTheStateAtStartAndAfterEachChange) {
    fakes.files.Put(Cfg, Automatic3);
    FrmMain& w = Start();
    // Of the 17 values, the four receive-window values and one MTU are not
    // there, as Automatic #3 wants them.
    EXPECT_EQ("12 values differ", Panel());

    fakes.clock.boot = fakes.clock.now - 600;
    Apply();
    EXPECT_EQ("Restart needed", Panel());
    EXPECT_TRUE(w.menus.mnuUndoLastChange.Enabled());

    // Windows started again since: a new run of the program sees it.
    fakes.clock.boot = fakes.clock.now + 60;
    fakes.clock.now += 120;
    Start();
    EXPECT_EQ("Settings applied", Panel());

    // Something else changes one value.
    fakes.registry.PutDword(Nic, "MTU", 1500);
    Start();
    EXPECT_EQ("1 value differs", Panel());

    // Restore writes the defaults, and they wait for a restart.
    fakes.boxes.answers = {mb::Yes, mb::Ok};
    window->menus.mnuRestore.UserClick();
    EXPECT_EQ("Restart needed", Panel());
}

TEST_F(ChangeState, UndoAsksFirstAndNoChangesNothing) {
    fakes.files.Put(Cfg, Automatic3);
    FrmMain& w = Start();
    Apply();
    const std::size_t writes = fakes.registry.WriteCalls().size();
    fakes.boxes.answers = {mb::No};
    w.menus.mnuUndoLastChange.UserClick();
    ASSERT_EQ(1u, fakes.boxes.shown.size());
    EXPECT_EQ("This will put back the TCP/IP settings as they were before the change of " +
                  TimeText(fakes.clock.now) + ".\r\nWould you like to Continue?",
              fakes.boxes.shown[0].text);
    EXPECT_EQ("Undo Last Change", fakes.boxes.shown[0].caption);
    EXPECT_EQ(mb::YesNo | mb::IconInformation | mb::DefaultButton2, fakes.boxes.shown[0].style);
    EXPECT_EQ(writes, fakes.registry.WriteCalls().size());
}

TEST_F(ChangeState, UndoPutsBackValuesAndFileShowsTheOldChoiceAndOffersTheRestart) {
    fakes.files.Put(Cfg, "ConnectionType,2\r\nOptiMode,0\r\n");
    FrmMain& w = Start();
    w.modes.cmbOptimize.UserSelect(2);  // Automatic #3
    Apply();
    const std::string applied = "ConnectionType,2\r\nOptiMode,2\r\n";
    ASSERT_EQ(applied, fakes.files.Contents(Cfg));
    ASSERT_FALSE(fakes.registry.Get(Nic, "MTU"));

    fakes.clock.now += 5;
    fakes.boxes.answers = {mb::Yes, mb::Ok, mb::No};
    w.menus.mnuUndoLastChange.UserClick();
    ASSERT_EQ(3u, fakes.boxes.shown.size());
    EXPECT_EQ("The registry values and the settings were put back as they were before the change "
              "of " + TimeText(fakes.clock.now - 5) + ".",
              fakes.boxes.shown[1].text);
    EXPECT_EQ(mb::OkOnly | mb::IconInformation, fakes.boxes.shown[1].style);
    EXPECT_EQ(RestartQuestion, fakes.boxes.shown[2].text);
    EXPECT_EQ(1492u, fakes.registry.GetDword(Nic, "MTU"));
    EXPECT_EQ("64", fakes.registry.GetSz(Tcpip, "DefaultTTL"));
    EXPECT_EQ("ConnectionType,2\r\nOptiMode,0\r\n", fakes.files.Contents(Cfg));
    EXPECT_EQ(0, w.modes.cmbOptimize.ListIndex()) << "the window shows the choice put back";
    EXPECT_EQ("Mode: Automatic #1", w.sbrMain.PanelText(2));
    EXPECT_EQ(0, app.tuning.CurrentSettings.OptiMode);
    // The undo is itself a change, waiting for the restart, and can be
    // taken back.
    EXPECT_TRUE(w.menus.mnuUndoLastChange.Enabled());
    EXPECT_EQ(fakes.clock.now, LastChangeTime(fakes.files, UndoFilesFor(Cfg)));

    fakes.boxes.answers = {mb::Yes, mb::Ok, mb::Yes};
    w.menus.mnuUndoLastChange.UserClick();
    EXPECT_FALSE(fakes.registry.Get(Nic, "MTU"));
    EXPECT_EQ(applied, fakes.files.Contents(Cfg));
    EXPECT_EQ(2, w.modes.cmbOptimize.ListIndex());
    EXPECT_EQ((std::vector<std::string>{"privilege", "restart"}), fakes.shutdown.calls);
}

TEST_F(ChangeState, AnUndoThatFailsNamesWhatStaysAndNeverSaysSuccess) {
    fakes.files.Put(Cfg, Automatic3);
    FrmMain& w = Start();
    Apply();
    fakes.registry.DenyKeyWrites(Nic);
    fakes.boxes.answers = {mb::Yes, mb::Ok, mb::No};
    w.menus.mnuUndoLastChange.UserClick();
    ASSERT_EQ(3u, fakes.boxes.shown.size());
    const std::string& text = fakes.boxes.shown[1].text;
    EXPECT_EQ(0u, text.find("The change of " + TimeText(fakes.clock.now) +
                            " could not be undone completely.\r\n\r\nCould not put back "
                            "HKEY_LOCAL_MACHINE\\" + Nic + " value MTU: Access is denied."))
        << text;
    EXPECT_NE(std::string::npos, text.find("\r\n\r\nThe other 16 registry values were put back."))
        << text;
    EXPECT_EQ(mb::OkOnly | mb::IconExclamation, fakes.boxes.shown[1].style);
    EXPECT_EQ(RestartQuestion, fakes.boxes.shown[2].text);

    // A record that is not the program's: nothing is undone, no restart.
    fakes.files.Put(UndoReg, "junk");
    fakes.boxes.shown.clear();
    fakes.boxes.answers = {mb::Yes, mb::Ok};
    w.menus.mnuUndoLastChange.UserClick();
    ASSERT_EQ(2u, fakes.boxes.shown.size());
    EXPECT_EQ(0u, fakes.boxes.shown[1].text.find("Nothing was undone.\r\n\r\n" + UndoReg +
                                                 " is not an undo record of this program"))
        << fakes.boxes.shown[1].text;
}

TEST_F(ChangeState, AnApplyThatCannotRecordTheUndoWritesNothingAndSaysWhy) {
    fakes.files.Put(Cfg, Automatic3);
    FrmMain& w = Start();
    fakes.files.MakeFolder(UndoReg);
    const std::size_t writes = fakes.registry.WriteCalls().size();
    fakes.boxes.answers = {mb::Ok, mb::No};
    w.menus.mnuApplyNewSettings.UserClick();
    ASSERT_EQ(2u, fakes.boxes.shown.size());
    EXPECT_EQ(0u, fakes.boxes.shown[0].text.find("The settings could not be applied.\r\n\r\n"
                                                 "Could not write " + UndoReg + ": "))
        << fakes.boxes.shown[0].text;
    EXPECT_NE(std::string::npos, fakes.boxes.shown[0].text.find("nothing was changed"));
    EXPECT_EQ(writes, fakes.registry.WriteCalls().size());
    EXPECT_EQ(Automatic3, fakes.files.Contents(Cfg));
    EXPECT_FALSE(w.menus.mnuUndoLastChange.Enabled());
}

}  // namespace
}  // namespace quintel
