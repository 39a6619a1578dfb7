#include <gtest/gtest.h>

#include "ui/dialogs/FrmDisplay.h"
#include "fakes/AppFixture.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {
namespace {

const std::string Cfg = std::string(test::FakeServices::Folder) + "\\VarOderudi.cfg";

class MainWindow : public ::testing::Test {
protected:
    // Loads and shows the window as the program's start does.
    FrmMain& Start() {
        window = std::make_unique<FrmMain>(app);
        window->Show();
        return *window;
    }

    // The controls a manual record is edited with.
    std::vector<forms::Control*> ManualControls() {
        FrmMain& w = *window;
        return {&w.tuning.fraMTU,  &w.tuning.fraRWIN,  &w.tuning.fraTTL,    &w.tuning.fraSKA,    &w.tuning.fraNDI,  &w.tuning.fraMaxSessions,
                &w.tuning.optMTU1, &w.tuning.optMTU2, &w.tuning.optRWIN1,  &w.tuning.optRWIN2,  &w.tuning.optTTL1, &w.tuning.optTTL2,
                &w.tuning.optSKA1, &w.tuning.optSKA2, &w.tuning.optNDI1,   &w.tuning.optNDI2,   &w.tuning.chkPMTU, &w.tuning.chkBlackHole,
                &w.tuning.txtMTU,  &w.tuning.txtTTL,  &w.tuning.cmbMSCPS0, &w.tuning.cmbMSCPS1, &w.tuning.cmbNDI,  &w.tuning.cmbRWIN,
                &w.tuning.cmbSKA,  &w.tuning.lblHttp10,  &w.tuning.lblHttp11};
    }

    void ExpectAllManualControlsDisabledAndEmpty() {
        FrmMain& w = *window;
        for (forms::Control* c : ManualControls()) EXPECT_FALSE(c->Enabled()) << c->Name();
        for (forms::OptionButton* o : {&w.tuning.optMTU1, &w.tuning.optMTU2, &w.tuning.optRWIN1, &w.tuning.optRWIN2, &w.tuning.optTTL1,
                                       &w.tuning.optTTL2, &w.tuning.optSKA1, &w.tuning.optSKA2, &w.tuning.optNDI1, &w.tuning.optNDI2}) {
            EXPECT_FALSE(o->Value()) << o->Name();
        }
        EXPECT_EQ(0, w.tuning.chkPMTU.Value());
        EXPECT_EQ(0, w.tuning.chkBlackHole.Value());
        EXPECT_EQ("", w.tuning.txtMTU.Text());
        EXPECT_EQ("", w.tuning.txtTTL.Text());
        for (forms::ComboBox* l : {&w.tuning.cmbMSCPS0, &w.tuning.cmbMSCPS1, &w.tuning.cmbNDI, &w.tuning.cmbRWIN, &w.tuning.cmbSKA}) {
            EXPECT_EQ(-1, l->ListIndex()) << l->Name();
        }
    }

    const TuningSettings& Record() const { return app.tuning.CurrentSettings; }

    test::FakeServices fakes;
    AppContext app = fakes.MakeContext();
    std::unique_ptr<FrmMain> window;
};

// --- The load sequence ----------------------------------------------------

TEST_F(MainWindow, FirstStartShowsManualWithEveryWindowsDefault) {
    FrmMain& w = Start();
    EXPECT_FALSE(w.load.Loading);
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(forms::WindowState::Normal, w.State());
    EXPECT_EQ("Manual", w.modes.cmbOptimize.Text());
    EXPECT_EQ("Dial-up Networking (Modem)", w.modes.cmbNetType.Text());
    for (forms::OptionButton* o : {&w.tuning.optMTU1, &w.tuning.optRWIN1, &w.tuning.optTTL1, &w.tuning.optSKA1, &w.tuning.optNDI1}) {
        EXPECT_TRUE(o->Value()) << o->Name();
        EXPECT_TRUE(o->Enabled()) << o->Name();
    }
    for (forms::Control* input : std::initializer_list<forms::Control*>{&w.tuning.txtMTU, &w.tuning.txtTTL, &w.tuning.cmbRWIN, &w.tuning.cmbSKA, &w.tuning.cmbNDI}) {
        EXPECT_FALSE(input->Enabled()) << input->Name();
    }
    EXPECT_EQ(1, w.tuning.chkPMTU.Value());
    EXPECT_EQ(0, w.tuning.chkBlackHole.Value());
    EXPECT_EQ("4", w.tuning.cmbMSCPS1.Text());
    EXPECT_EQ("2", w.tuning.cmbMSCPS0.Text());
    EXPECT_EQ("Mode: Manual", w.sbrMain.PanelText(2));
    EXPECT_EQ("OS: Windows XP", w.sbrMain.PanelText(3));
    EXPECT_EQ("IP Address: 192.168.0.10", w.sbrMain.PanelText(4));
    EXPECT_EQ("", w.sbrMain.PanelText(1));
    EXPECT_EQ("About Quintel", w.menus.mnuSupport.Caption());
    EXPECT_EQ(app.tuning.WindowsDefaults, Record());
    EXPECT_EQ(0, fakes.host.Count("modal frmDisplay")) << "no explanation at load";
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(MainWindow, LoadStartsTheCompanionHiddenAndLetsEventsRunAtItsFourPoints) {
    Start();
    ASSERT_EQ(1u, fakes.launcher.launches.size());
    EXPECT_EQ("\"C:\\Program Files\\Quintel\\Korvet.exe\"",
              fakes.launcher.launches[0].commandLine);
    EXPECT_EQ(std::string(test::FakeServices::Folder) + "\\Korvet.exe",
              fakes.launcher.launches[0].program);
    EXPECT_EQ(show::Hide, fakes.launcher.launches[0].windowStyle);
    EXPECT_EQ(4, fakes.host.Count("doevents"));
    EXPECT_EQ("create frmMain", fakes.host.events.front());
}

TEST_F(MainWindow, AMissingCompanionIsSkippedSilently) {
    fakes.launcher.fails = true;
    FrmMain& w = Start();
    EXPECT_TRUE(w.Visible());
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(MainWindow, LoadFillsEveryList) {
    FrmMain& w = Start();
    EXPECT_EQ(4, w.modes.cmbNetType.ListCount());
    EXPECT_EQ((std::vector<std::string>{"Automatic #1", "Automatic #2", "Automatic #3", "Manual"}),
              w.modes.cmbOptimize.Items());
    EXPECT_EQ((std::vector<std::string>{"x4", "x6", "x8", "x10", "x12", "x14", "x16"}),
              w.tuning.cmbRWIN.Items());
    EXPECT_EQ(60, w.tuning.cmbSKA.ListCount());
    EXPECT_EQ("1 min.", w.tuning.cmbSKA.Items().front());
    EXPECT_EQ("60 min.", w.tuning.cmbSKA.Items().back());
    EXPECT_EQ((std::vector<std::string>{"0", "2", "4", "8", "16", "32", "64"}), w.tuning.cmbNDI.Items());
    for (forms::ComboBox* l : {&w.tuning.cmbMSCPS0, &w.tuning.cmbMSCPS1}) {
        EXPECT_EQ(59, l->ListCount());
        EXPECT_EQ("2", l->Items().front());
        EXPECT_EQ("60", l->Items().back());
    }
    EXPECT_EQ(60, w.ping.cmbPingInterval.ListCount());
    EXPECT_EQ("5 min.", w.ping.cmbPingInterval.Items()[4]);
}

TEST_F(MainWindow, ASavedManualRecordComesBackIntoTheControls) {
    fakes.files.Put(Cfg, "ConnectionType,2\r\nOptiMode,3\r\nMTU,#TRUE#,576\r\nRWIN,#TRUE#,2,4608\r\n"
                         "TTL,#TRUE#,64\r\nSKA,#TRUE#,9,600000\r\nNDI,#TRUE#,3,8\r\nPMTU,#FALSE#\r\n"
                         "BlackHole,#TRUE#\r\nMSCPS0,8,10\r\nMSCPS1,4,6\r\n");
    FrmMain& w = Start();
    EXPECT_EQ("Cable/xDSL running PPPoE/PPTP", w.modes.cmbNetType.Text());
    EXPECT_EQ("Manual", w.modes.cmbOptimize.Text());
    EXPECT_TRUE(w.tuning.optMTU2.Value());
    EXPECT_EQ("576", w.tuning.txtMTU.Text());
    EXPECT_TRUE(w.tuning.txtMTU.Enabled());
    EXPECT_EQ("x8", w.tuning.cmbRWIN.Text());
    EXPECT_EQ(4608, Record().RWIN);
    EXPECT_EQ("64", w.tuning.txtTTL.Text());
    EXPECT_EQ("10 min.", w.tuning.cmbSKA.Text());
    EXPECT_EQ("8", w.tuning.cmbNDI.Text());
    EXPECT_EQ(0, w.tuning.chkPMTU.Value());
    EXPECT_EQ(1, w.tuning.chkBlackHole.Value());
    EXPECT_EQ("10", w.tuning.cmbMSCPS0.Text());
    EXPECT_EQ("6", w.tuning.cmbMSCPS1.Text());
    EXPECT_EQ(0, fakes.host.Count("modal frmDisplay"));
    EXPECT_EQ(576, Record().MTU);
    EXPECT_EQ(64, Record().TTL);
    EXPECT_EQ(2, Record().ConnectionType);
}

TEST_F(MainWindow, ASavedAutomaticModeLeavesTheManualControlsDisabledAndEmpty) {
    fakes.files.Put(Cfg, "ConnectionType,1\r\nOptiMode,1\r\n");
    FrmMain& w = Start();
    ExpectAllManualControlsDisabledAndEmpty();
    EXPECT_EQ("Mode: Automatic #2", w.sbrMain.PanelText(2));
    TuningSettings expected = app.tuning.AutoPreset2;
    expected.ConnectionType = 1;
    EXPECT_EQ(expected, Record());
    EXPECT_TRUE(w.modes.cmbNetType.Enabled());
    EXPECT_TRUE(w.modes.cmbOptimize.Enabled());
    EXPECT_TRUE(w.ping.optPingAutomatic.Enabled());
}

TEST_F(MainWindow, AMissingAddressLibraryIsReportedAndLoadGoesOn) {
    fakes.ipHelper.missing = true;
    FrmMain& w = Start();
    ASSERT_EQ(1u, fakes.boxes.shown.size());
    EXPECT_EQ("Quintel", fakes.boxes.shown[0].caption);
    EXPECT_EQ("IP Address: ", w.sbrMain.PanelText(4));
    EXPECT_TRUE(w.Visible());
}

TEST_F(MainWindow, TheHelpTextsAreSetAtLoad) {
    FrmMain& w = Start();
    EXPECT_EQ(0u, w.tuning.lblGeneral.Caption().find("MTU is the default packet size"));
    EXPECT_NE(std::string::npos, w.tuning.lblGeneral.Caption().find("negotiate with.When a connection"));
    EXPECT_NE(std::string::npos, w.tuning.lblAdv.Caption().find("source routing paths.\r\n\r\nMaximum"));
    EXPECT_EQ(0u, w.ping.lblPing.Caption().find("Most Internet Service Providers"));
    EXPECT_EQ((forms::Color{0, 0, 128}), w.tuning.lblGeneral.ForeColor);
}

// --- The two lists --------------------------------------------------------

TEST_F(MainWindow, ManualThenAutomatic2ThenManualGivesTheDefaults) {
    FrmMain& w = Start();
    w.tuning.optMTU2.UserClick();
    w.tuning.txtMTU.UserText("1492");
    w.modes.cmbNetType.UserSelect(3);
    w.modes.cmbOptimize.UserSelect(1);
    ExpectAllManualControlsDisabledAndEmpty();
    w.modes.cmbOptimize.UserSelect(3);
    TuningSettings expected = app.tuning.WindowsDefaults;
    EXPECT_EQ(3, expected.ConnectionType);
    EXPECT_EQ(expected, Record());
    EXPECT_EQ("", w.tuning.txtMTU.Text());
    EXPECT_FALSE(w.tuning.txtMTU.Enabled());
    EXPECT_TRUE(w.tuning.optMTU1.Value());
}

TEST_F(MainWindow, ChoosingManualShowsTheExplanationModallyThenTheDefaults) {
    fakes.files.Put(Cfg, "ConnectionType,3\r\nOptiMode,0\r\n");
    FrmMain& w = Start();
    std::string caption, heading, body;
    bool generalShownDuringDialog = true;
    fakes.host.onModal = [&](forms::Form& form) {
        auto& d = dynamic_cast<FrmDisplay&>(form);
        caption = d.Caption();
        heading = d.lblHeading.Caption();
        body = d.lblExplanation.Caption();
        generalShownDuringDialog = w.tuning.optMTU1.Value();
        d.cmdOK.UserClick();
    };
    w.modes.cmbOptimize.UserSelect(3);
    EXPECT_EQ(1, fakes.host.Count("modal frmDisplay"));
    EXPECT_EQ(1, fakes.host.Count("destroy frmDisplay"));
    EXPECT_EQ("DirectPc (Satellite)", caption);
    EXPECT_EQ("You have selected the \"Manual Optimization Mode\".", heading);
    EXPECT_EQ(0u, body.find("Please try various settings combinations"));
    EXPECT_TRUE(generalShownDuringDialog) << "the defaults are in place before the dialog";
    EXPECT_EQ(nullptr, w.Display());
    for (forms::OptionButton* o : {&w.tuning.optMTU1, &w.tuning.optRWIN1, &w.tuning.optTTL1}) EXPECT_TRUE(o->Value());
    for (forms::Control* c : std::initializer_list<forms::Control*>{&w.tuning.txtMTU, &w.tuning.cmbRWIN, &w.tuning.txtTTL}) {
        EXPECT_FALSE(c->Enabled());
    }
    EXPECT_EQ("Mode: Manual", w.sbrMain.PanelText(2));
    EXPECT_EQ(3, Record().ConnectionType);
}

TEST_F(MainWindow, Automatic3FromCustomManualValuesDisablesAndEmptiesEverything) {
    FrmMain& w = Start();
    w.tuning.optMTU2.UserClick();
    w.tuning.txtMTU.UserText("1400");
    w.tuning.optTTL2.UserClick();
    w.tuning.txtTTL.UserText("64");
    w.tuning.chkBlackHole.UserClick();
    w.modes.cmbOptimize.UserSelect(2);
    ExpectAllManualControlsDisabledAndEmpty();
    EXPECT_EQ("Mode: Automatic #3", w.sbrMain.PanelText(2));
    EXPECT_EQ(-1, Record().MTU);
    EXPECT_EQ(-1, Record().RWIN);
    EXPECT_EQ(0, fakes.host.Count("modal frmDisplay"));
}

TEST_F(MainWindow, TheConnectionTypeChangesOnlyTheRecordField) {
    FrmMain& w = Start();
    const std::string status = w.sbrMain.PanelText(2);
    TuningSettings expected = Record();
    w.modes.cmbNetType.UserSelect(3);
    expected.ConnectionType = 3;
    EXPECT_EQ(expected, Record());
    EXPECT_EQ(status, w.sbrMain.PanelText(2));
}

TEST_F(MainWindow, TheModeListIgnoresSelectionsWhileLoading) {
    FrmMain& w = Start();
    w.load.Loading = true;
    const TuningSettings before = Record();
    w.modes.cmbOptimize.UserSelect(0);
    EXPECT_EQ(before, Record());
    EXPECT_EQ("Mode: Manual", w.sbrMain.PanelText(2));
}

// --- The tuning controls --------------------------------------------------

TEST_F(MainWindow, ReceiveWindowIsTakenFromTheMtuOfThatMoment) {
    FrmMain& w = Start();
    w.tuning.optMTU2.UserClick();
    w.tuning.txtMTU.UserText("1492");
    EXPECT_EQ(1492, Record().MTU);
    EXPECT_TRUE(Record().MTUCustom);
    w.tuning.optRWIN2.UserClick();
    w.tuning.cmbRWIN.UserSelect(0);  // x4
    EXPECT_EQ(5968, Record().RWIN);
    w.tuning.optMTU1.UserClick();
    EXPECT_EQ(1500, Record().MTU);
    EXPECT_EQ("", w.tuning.txtMTU.Text());
    EXPECT_EQ(5968, Record().RWIN);

    w.tuning.cmbRWIN.UserSelect(6);  // x16 with the default MTU
    EXPECT_EQ(24000, Record().RWIN);
    w.tuning.optMTU2.UserClick();
    w.tuning.txtMTU.UserText("576");
    w.tuning.cmbRWIN.UserSelect(5);
    w.tuning.cmbRWIN.UserSelect(6);
    EXPECT_EQ(9216, Record().RWIN);
}

TEST_F(MainWindow, KeepAliveAndNdiEntriesGiveTheirValues) {
    FrmMain& w = Start();
    w.tuning.optSKA2.UserClick();
    w.tuning.cmbSKA.UserSelect(9);
    EXPECT_EQ(600000, Record().SKA);
    EXPECT_EQ(9, Record().SKAIndex);
    w.tuning.optNDI2.UserClick();
    w.tuning.cmbNDI.UserSelect(0);
    EXPECT_EQ(0, Record().NDI);
    EXPECT_EQ(0, Record().NDIIndex);
    w.tuning.cmbNDI.UserSelect(6);
    EXPECT_EQ(64, Record().NDI);
    w.tuning.optSKA1.UserClick();
    EXPECT_EQ(3600000, Record().SKA);
    EXPECT_EQ(-1, Record().SKAIndex);
    EXPECT_EQ(-1, w.tuning.cmbSKA.ListIndex());
}

TEST_F(MainWindow, TheUngatedControlsWriteTheRecordWhateverTheMode) {
    FrmMain& w = Start();
    w.tuning.cmbMSCPS0.UserSelect(58);
    w.tuning.cmbMSCPS1.UserSelect(6);
    w.tuning.chkPMTU.UserClick();
    w.tuning.chkBlackHole.UserClick();
    EXPECT_EQ(60, Record().MSCPS0);
    EXPECT_EQ(58, Record().MSCPS0Index);
    EXPECT_EQ(8, Record().MSCPS1);
    EXPECT_FALSE(Record().PMTU);
    EXPECT_TRUE(Record().BlackHole);
}

TEST_F(MainWindow, NumberBoxesTakeDigitsAndBackspaceAndBeepAtAnythingElse) {
    FrmMain& w = Start();
    for (forms::TextBox* box : {&w.tuning.txtMTU, &w.tuning.txtTTL}) {
        EXPECT_EQ('7', box->UserKey('7'));
        EXPECT_EQ(8, box->UserKey(8));
        EXPECT_EQ(0, box->UserKey('a'));
        EXPECT_EQ(0, box->UserKey('-'));
        EXPECT_EQ(0, box->UserKey(' '));
    }
    EXPECT_EQ(6, fakes.beeper.beeps);
}

TEST_F(MainWindow, PastedTextCountsByItsLeadingDigitsAndNeverOverflows) {
    FrmMain& w = Start();
    w.tuning.optMTU2.UserClick();
    w.tuning.txtMTU.UserText("1400abc");
    EXPECT_EQ(1400, Record().MTU);
    w.tuning.txtMTU.UserText("abc");
    EXPECT_EQ(0, Record().MTU);
    w.tuning.txtMTU.UserText("12.5");
    EXPECT_EQ(12, Record().MTU);
    w.tuning.txtMTU.UserText("99999999999999999999999");
    EXPECT_EQ(2147483647, Record().MTU);
    w.tuning.optRWIN2.UserClick();
    w.tuning.cmbRWIN.UserSelect(6);
    EXPECT_EQ(2147483647, Record().RWIN);
    w.tuning.optTTL2.UserClick();
    w.tuning.txtTTL.UserText("4294967296");
    EXPECT_EQ(2147483647, Record().TTL);
}

TEST_F(MainWindow, TypingWhileWindowsDefaultIsSelectedLeavesTheRecordAlone) {
    FrmMain& w = Start();
    w.tuning.txtMTU.UserText("9000");
    EXPECT_EQ(1500, Record().MTU);
}

TEST_F(MainWindow, ShowWindowsDefaultsLeavesTheRecordEqualToTheDefaults) {
    FrmMain& w = Start();
    w.modes.cmbNetType.UserSelect(2);
    w.tuning.EnableManualControls(true);
    app.tuning.ResetToWindowsDefaults();
    w.tuning.ShowWindowsDefaults();
    TuningSettings expected = app.tuning.WindowsDefaults;
    expected.ConnectionType = 2;
    EXPECT_EQ(expected, Record());
}

TEST_F(MainWindow, ClearingTheCheckBoxesAndHttpListsWritesTheRecord) {
    FrmMain& w = Start();
    w.tuning.EnableManualControls(false);
    EXPECT_FALSE(Record().PMTU);
    EXPECT_EQ(-1, Record().MSCPS0Index);
    EXPECT_EQ(0, Record().MSCPS0);
    EXPECT_EQ(1500, Record().MTU) << "the other clearings leave the record alone";
    EXPECT_EQ(8192, Record().RWIN);
}

// --- Validation -----------------------------------------------------------

class Validation : public MainWindow {
protected:
    std::string Check() {
        fakes.boxes.shown.clear();
        const bool valid = window->tuning.ValidateManualSettings();
        if (valid) {
            EXPECT_TRUE(fakes.boxes.shown.empty());
            return "";
        }
        EXPECT_EQ(1u, fakes.boxes.shown.size());
        EXPECT_EQ("Quintel", fakes.boxes.shown.back().caption);
        EXPECT_EQ(mb::OkOnly | mb::IconInformation, fakes.boxes.shown.back().style);
        return fakes.boxes.shown.back().text;
    }
};

TEST_F(Validation, TheDefaultsPass) {
    Start();
    EXPECT_EQ("", Check());
}

TEST_F(Validation, OnlyTheFirstProblemIsReportedInTheOrderOfTheChecks) {
    FrmMain& w = Start();
    w.tuning.optMTU2.UserClick();
    w.tuning.optRWIN2.UserClick();
    w.tuning.optTTL2.UserClick();
    w.tuning.optSKA2.UserClick();
    w.tuning.optNDI2.UserClick();
    w.tuning.cmbMSCPS0.UserSelect(-1);
    w.tuning.cmbMSCPS1.UserSelect(-1);
    EXPECT_EQ("Invalid MSCPS using HTTP 1.0 Value. Select Valid One.", Check());
    w.tuning.cmbMSCPS0.UserSelect(0);
    EXPECT_EQ("Invalid MSCPS using HTTP 1.1 value. Select Valid One.", Check());
    w.tuning.cmbMSCPS1.UserSelect(0);
    EXPECT_EQ("Invalid MTU. Enter Valid One.", Check());
    w.tuning.txtMTU.UserText("1500");
    EXPECT_EQ("Invalid RWIN. Select Valid One.", Check());
    w.tuning.cmbRWIN.UserSelect(0);
    EXPECT_EQ("Invalid TTL. Enter Valid One.", Check());
    w.tuning.txtTTL.UserText("128");
    EXPECT_EQ("Invalid Session Keep Alive. Select Valid One.", Check());
    w.tuning.cmbSKA.UserSelect(0);
    EXPECT_EQ("Invalid NDI Cache. Select Valid One.", Check());
    w.tuning.cmbNDI.UserSelect(0);
    EXPECT_EQ("", Check());
}

TEST_F(Validation, NoSelectionInTheTwoMainListsComesFirst) {
    FrmMain& w = Start();
    w.modes.cmbNetType.UserSelect(-1);
    w.modes.cmbOptimize.UserSelect(-1);
    EXPECT_EQ("Invalid Connection Type. Select Valid One.", Check());
    w.modes.cmbNetType.UserSelect(0);
    EXPECT_EQ("Invalid Optimization Mode. Select Valid One.", Check());
}

TEST_F(Validation, MtuAndTtlMustBeUsableByTheStack) {
    FrmMain& w = Start();
    w.tuning.optMTU2.UserClick();
    for (const auto& [text, ok] : std::vector<std::pair<std::string, bool>>{
             {"0", false}, {"67", false}, {"68", true}, {"65535", true}, {"65536", false},
             {"99999999999", false}}) {
        w.tuning.txtMTU.UserText(text);
        EXPECT_EQ(ok ? "" : "Invalid MTU. Enter Valid One.", Check()) << text;
    }
    w.tuning.txtMTU.UserText("1500");
    w.tuning.optTTL2.UserClick();
    for (const auto& [text, ok] : std::vector<std::pair<std::string, bool>>{
             {"0", false}, {"1", true}, {"255", true}, {"256", false}}) {
        w.tuning.txtTTL.UserText(text);
        EXPECT_EQ(ok ? "" : "Invalid TTL. Enter Valid One.", Check()) << text;
    }
}

TEST_F(Validation, ACustomRwinTakenFromAHalfTypedMtuMustBeChosenAgain) {
    FrmMain& w = Start();
    w.tuning.optMTU2.UserClick();
    w.tuning.txtMTU.UserText("1");
    w.tuning.optRWIN2.UserClick();
    w.tuning.cmbRWIN.UserSelect(0);  // x4 of an MTU of 1
    w.tuning.txtMTU.UserText("1500");
    EXPECT_EQ("Invalid RWIN. Select Valid One.", Check());
    w.tuning.cmbRWIN.UserSelect(1);
    EXPECT_EQ(9000, Record().RWIN);
    EXPECT_EQ("", Check());
}

TEST_F(Validation, APairWithNeitherOptionSelectedPasses) {
    FrmMain& w = Start();
    w.tuning.optMTU2.UserClick();
    w.tuning.optMTU2.SetValue(false);
    EXPECT_EQ("", Check());
}

// --- The window -----------------------------------------------------------

TEST_F(MainWindow, TheStatusBarNamesAReleaseAfterXPAsItCallsItself) {
    fakes.version.version = OsVersion{2, 6, 1, 7601, 1};
    FrmMain& w = Start();
    EXPECT_EQ("OS: Windows 7", w.sbrMain.PanelText(3));
    EXPECT_EQ(family::Windows7, app.CurrentWindowsFamily.Code);
}

TEST_F(MainWindow, TheListsCaptionsSitLevelWithTheirLists) {
    FrmMain& w = Start();
    const struct {
        forms::Control& caption;
        forms::Control& list;
        int left;
    } rows[] = {{w.tuning.lblHttp11, w.tuning.cmbMSCPS1, 120},
                {w.tuning.lblHttp10, w.tuning.cmbMSCPS0, 120},
                {w.ping.lblPingInterval, w.ping.cmbPingInterval, 480}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.left, row.caption.Bounds().Left) << row.caption.Name();
        EXPECT_EQ(row.list.Bounds().Top, row.caption.Bounds().Top) << row.caption.Name();
    }
}

TEST_F(MainWindow, HidingToolbarAndStatusBarShrinksTheWindowAndShowingRestoresIt) {
    FrmMain& w = Start();
    const int height = w.ClientHeight();
    const forms::Rect frame = w.fraSettings.Bounds();
    const forms::Rect status = w.sbrMain.Bounds();
    w.menus.mnuToolBar.UserClick();
    EXPECT_FALSE(w.tbrMain.Visible());
    EXPECT_FALSE(w.menus.mnuToolBar.Checked());
    EXPECT_EQ(frame.Top - 570, w.fraSettings.Bounds().Top);
    EXPECT_EQ(status.Top - 570, w.sbrMain.Bounds().Top);
    w.menus.mnuStatusBar.UserClick();
    EXPECT_FALSE(w.sbrMain.Visible());
    EXPECT_FALSE(w.menus.mnuStatusBar.Checked());
    EXPECT_EQ(height - 570 - 315, w.ClientHeight());
    w.menus.mnuToolBar.UserClick();
    w.menus.mnuStatusBar.UserClick();
    EXPECT_EQ(height, w.ClientHeight());
    EXPECT_EQ(frame.Top, w.fraSettings.Bounds().Top);
    EXPECT_EQ(status.Top, w.sbrMain.Bounds().Top);
    EXPECT_TRUE(w.menus.mnuToolBar.Checked() && w.menus.mnuStatusBar.Checked());
}

TEST_F(MainWindow, ExitClosesWithoutAskingAndSavesNothing) {
    FrmMain& w = Start();
    const int writes = fakes.files.Writes();
    w.menus.mnuExit.UserClick();
    EXPECT_FALSE(w.Loaded());
    EXPECT_EQ(1, fakes.host.Count("destroy frmMain"));
    EXPECT_EQ(writes, fakes.files.Writes());
    EXPECT_TRUE(fakes.registry.Calls().empty());
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(MainWindow, TheToolbarExitButtonClosesTheWindowAndOtherButtonsWaitForTheirCommands) {
    FrmMain& w = Start();
    w.tbrMain.UserClick(2);  // Ping
    w.tbrMain.UserClick(3);  // a separator
    EXPECT_TRUE(w.Loaded());
    w.tbrMain.UserClick(13);
    EXPECT_FALSE(w.Loaded());
}

TEST_F(MainWindow, TheMenusAndToolbarAreAsDesigned) {
    FrmMain& w = Start();
    ASSERT_EQ(4u, w.MenuBar().size());
    EXPECT_FALSE(w.tray.mnuPopupMenu.Visible());
    EXPECT_EQ(9u, w.tray.mnuPopupMenu.Children().size());
    EXPECT_EQ(6u, w.menus.mnuHelpMenu.Children().size());
    EXPECT_EQ("About Quintel", w.menus.mnuHelpMenu.Children().back()->Caption());
    ASSERT_EQ(13u, w.tbrMain.Buttons().size());
    const std::vector<int> images = {10, 5, 0, 9, 4, 0, 6, 3, 2, 1, 0, 7, 11};
    for (std::size_t i = 0; i < images.size(); ++i) {
        EXPECT_EQ(images[i], w.tbrMain.Buttons()[i].Image) << i + 1;
    }
    EXPECT_EQ("ImageList1", w.tbrMain.ImageList());
    EXPECT_EQ("Restore Original Settings", w.tbrMain.Buttons()[3].ToolTip);
    EXPECT_EQ("&&Ping Configuration", w.tabSettings.Tabs()[2]);
    EXPECT_EQ(0, w.tabSettings.Tab());
}

}  // namespace
}  // namespace quintel
