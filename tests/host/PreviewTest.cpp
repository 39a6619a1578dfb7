// "Preview Changes...": every value Apply would touch for the choice in
// the window, the changes first, and Apply from there.
#include <gtest/gtest.h>

#include "fakes/MainWindowFixture.h"
#include "ui/dialogs/FrmDisplay.h"
#include "ui/dialogs/FrmPreview.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {
namespace {

using forms::ListRow;
namespace col = previewcolumn;

const std::string Folder = test::FakeServices::Folder;
const std::string Cfg = Folder + "\\VarOderudi.cfg";
const std::string Tcpip = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
const std::string Interface = test::MainWindowFixture::InterfaceKey;
constexpr const char* RestartQuestion = "Do you want to restart the computer?";

RegValue Dword(std::uint32_t value) {
    return RegValue{regtype::Dword,
                    {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                     static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

PlannedValue Planned(std::string key, std::string name, std::optional<RegValue> now,
                     std::optional<RegValue> after) {
    PlannedValue planned;
    planned.Key = std::move(key);
    planned.ValueName = std::move(name);
    planned.Now = std::move(now);
    planned.After = std::move(after);
    return planned;
}

// --- The rows -------------------------------------------------------------

TEST(PreviewRows, ChangesComeFirstAndTheRestIsGreyEachInApplysOrder) {
    const ChangePlan plan{
        Planned("A", "Same", Dword(1), Dword(1)),
        Planned("A", "Set", std::nullopt, Dword(576)),
        Planned("B", "AlsoSame", Dword(2), Dword(2)),
        Planned("B", "Gone", Dword(4288), std::nullopt),
        Planned("C", "Retyped", RegValue{regtype::Sz, {'3', '2', 0}}, Dword(32)),
    };
    const std::vector<ListRow> rows = PreviewRows(plan);
    ASSERT_EQ(5u, rows.size());
    std::vector<std::string> names;
    for (const ListRow& row : rows) names.push_back(row.Texts[col::Value]);
    EXPECT_EQ((std::vector<std::string>{"Set", "Gone", "Retyped", "Same", "AlsoSame"}), names);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(i >= 3, rows[i].Grey) << names[i];

    EXPECT_EQ((std::vector<std::string>{"HKLM\\A", "Set", "(not set)", "576"}), rows[0].Texts);
    EXPECT_EQ((std::vector<std::string>{"HKLM\\B", "Gone", "4288", "(removed)"}), rows[1].Texts);
    EXPECT_EQ((std::vector<std::string>{"HKLM\\C", "Retyped", "\"32\"", "32"}), rows[2].Texts);
    EXPECT_EQ((std::vector<std::string>{"HKLM\\A", "Same", "1", "1"}), rows[3].Texts);
}

TEST(PreviewRows, RemovingWhatIsNotThereIsNoChangeAndTheUnnamedValueIsTheDefault) {
    const ChangePlan plan{Planned("A", "RWIN", std::nullopt, std::nullopt),
                          Planned("Ndi\\cachesize", "", Dword(0), Dword(0))};
    const std::vector<ListRow> rows = PreviewRows(plan);
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ((std::vector<std::string>{"HKLM\\A", "RWIN", "(not set)", "(not set)"}), rows[0].Texts);
    EXPECT_TRUE(rows[0].Grey);
    EXPECT_EQ("(Default)", rows[1].Texts[col::Value]);
    EXPECT_EQ("0 of 2 values change", PreviewSummary(plan));
}

TEST(PreviewWindow, TheChosenRowsKeyShowsInFullUnderTheList) {
    test::FakeFormHost host;
    const std::string interfaceKey =
        "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\"
        "{4D36E972-E325-11CE-BFC1-08002BE10318}";
    FrmPreview preview(host, ChangePlan{Planned("SYSTEM\\Same", "TTL", Dword(1), Dword(1)),
                                        Planned(interfaceKey, "MTU", std::nullopt, Dword(576))});
    EXPECT_EQ("1 of 2 values change", preview.lblSummary.Caption());
    EXPECT_EQ("HKLM\\" + interfaceKey, preview.lvwChanges.Text(0, col::Key));
    EXPECT_EQ(0, preview.lvwChanges.ListIndex()) << "the first row is chosen";
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\" + interfaceKey, preview.lblKey.Caption());
    preview.lvwChanges.UserSelect(1);
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\SYSTEM\\Same", preview.lblKey.Caption());
    preview.lvwChanges.UserSelect(-1);
    EXPECT_EQ("", preview.lblKey.Caption());
    EXPECT_TRUE(preview.cmdClose.Default) << "Enter must not apply";
    EXPECT_FALSE(preview.cmdApply.Default);
    EXPECT_FALSE(preview.MinButton) << "a dialog: Esc closes it";
}

// --- The window -------------------------------------------------------------

class Preview : public test::MainWindowFixture {
protected:
    // Opens the preview from the File menu, keeps what it lists and how
    // the window stands, and leaves it with `button`.
    void OpenAndLeave(const std::function<void()>& open, const std::string& button = "Close") {
        fakes.host.onModal = [this, button](forms::Form& form) {
            if (auto* preview = dynamic_cast<FrmPreview*>(&form)) {
                rows = preview->lvwChanges.Rows();
                summary = preview->lblSummary.Caption();
                caption = preview->Caption();
                columns.clear();
                for (const forms::ListColumn& c : preview->lvwChanges.Columns()) columns.push_back(c.Heading);
                writesWhenShown = fakes.files.Writes();
                registryCallsWhenShown = CountWrites();
                (button == "Apply" ? preview->cmdApply : preview->cmdClose).UserClick();
                return;
            }
            if (auto* display = dynamic_cast<FrmDisplay*>(&form)) {
                display->cmdOK.UserClick();
                return;
            }
            form.Close();
        };
        open();
    }
    const ListRow* Row(const std::string& key, const std::string& name) const {
        for (const ListRow& row : rows)
            if (row.Texts[col::Key] == "HKLM\\" + key && row.Texts[col::Value] == name) return &row;
        return nullptr;
    }
    int CountWrites() const { return static_cast<int>(fakes.registry.WriteCalls().size()); }

    std::vector<ListRow> rows;
    std::vector<std::string> columns;
    std::string summary, caption;
    int writesWhenShown = -1, registryCallsWhenShown = -1;
};

TEST_F(Preview, TheFileMenuOffersItRightAfterApply) {
    FrmMain& w = Start();
    const auto& items = w.menus.mnuFile.Children();
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(&w.menus.mnuApplyNewSettings, items[0]);
    EXPECT_EQ(&w.menus.mnuPreviewChanges, items[1]);
    EXPECT_EQ("&Preview Changes...", w.menus.mnuPreviewChanges.Caption());
    EXPECT_EQ(13u, w.tbrMain.Buttons().size()) << "no toolbar button of its own";
}

TEST_F(Preview, ListsEveryValueOfTheChoiceInTheWindowAndWritesNothing) {
    // Saved: Automatic #1. In the window, not applied: Automatic #2, which
    // removes the receive window and writes an MTU of 576.
    FrmMain& w = Start("ConnectionType,0\r\nOptiMode,0\r\n");
    fakes.registry.PutDword(Tcpip, "TcpWindowSize", 4288);
    fakes.registry.PutDword(Tcpip, "DefaultTTL", 128);
    w.modes.cmbOptimize.UserSelect(1);
    // Nothing may come from the saved file now: its Automatic #1 would
    // keep the receive window, and reading it fails.
    fakes.files.MakeUnreadable(Cfg);
    const int writes = fakes.files.Writes();
    const int registryWrites = CountWrites();

    OpenAndLeave([&] { w.menus.mnuPreviewChanges.UserClick(); });

    EXPECT_EQ(1, fakes.host.Count("modal frmPreview"));
    EXPECT_EQ("Preview Changes", caption);
    EXPECT_EQ((std::vector<std::string>{"Key", "Value", "Now", "After"}), columns);
    const ChangePlan plan = PlanChanges(app.tuning.CurrentSettings, app.CurrentWindowsFamily, fakes.registry);
    ASSERT_EQ(plan.size(), rows.size()) << "every value Apply touches";
    EXPECT_EQ(PreviewSummary(plan), summary);

    const ListRow* window = Row(Tcpip, "TcpWindowSize");
    ASSERT_TRUE(window);
    EXPECT_EQ("4288", window->Texts[col::Now]);
    EXPECT_EQ("(removed)", window->Texts[col::After]);
    EXPECT_FALSE(window->Grey);
    const ListRow* mtu = Row(Interface, "MTU");
    ASSERT_TRUE(mtu);
    EXPECT_EQ("(not set)", mtu->Texts[col::Now]);
    EXPECT_EQ("576", mtu->Texts[col::After]);
    const ListRow* ttl = Row(Tcpip, "DefaultTTL");
    ASSERT_TRUE(ttl);
    EXPECT_EQ("128", ttl->Texts[col::After]);
    EXPECT_TRUE(ttl->Grey) << "already holds what Apply writes";

    // Changes first: no grey row before a black one.
    bool seenGrey = false;
    for (const ListRow& row : rows) {
        if (row.Grey) seenGrey = true;
        else EXPECT_FALSE(seenGrey) << row.Texts[col::Value] << " after an unchanged row";
    }

    // Close writes nothing and asks nothing.
    EXPECT_EQ(writes, writesWhenShown);
    EXPECT_EQ(writes, fakes.files.Writes());
    EXPECT_EQ(registryWrites, registryCallsWhenShown);
    EXPECT_EQ(registryWrites, CountWrites());
    EXPECT_TRUE(fakes.boxes.shown.empty());
    EXPECT_EQ(0, fakes.host.Count("modal frmDisplay"));
    EXPECT_EQ(nullptr, w.Preview()) << "gone once closed";
}

TEST_F(Preview, ManualValuesTypedButNotAppliedAreWhatItShows) {
    FrmMain& w = Start();  // no file: Manual with the Windows defaults
    w.tuning.optMTU2.UserClick();
    w.tuning.txtMTU.UserText("1492");
    OpenAndLeave([&] { w.menus.mnuPreviewChanges.UserClick(); });
    const ListRow* mtu = Row(Interface, "MTU");
    ASSERT_TRUE(mtu);
    EXPECT_EQ("1492", mtu->Texts[col::After]);
    EXPECT_TRUE(fakes.boxes.shown.empty());
    EXPECT_FALSE(fakes.files.Has(Cfg)) << "nothing saved";
}

TEST_F(Preview, AManualChoiceWithAValueMissingGetsApplysMessageAndNoWindow) {
    FrmMain& w = Start();
    w.tuning.optTTL2.UserClick();  // "Custom" with an empty box
    OpenAndLeave([&] { w.menus.mnuPreviewChanges.UserClick(); });
    EXPECT_EQ(std::vector<std::string>{"Invalid TTL. Enter Valid One."}, Texts());
    EXPECT_EQ(mb::OkOnly | mb::IconInformation, fakes.boxes.shown.at(0).style);
    EXPECT_EQ("Quintel", fakes.boxes.shown.at(0).caption);
    EXPECT_EQ(0, fakes.host.Count("modal frmPreview"));
    EXPECT_EQ(0, CountWrites());
    EXPECT_FALSE(fakes.files.Has(Cfg));
}

TEST_F(Preview, ApplyThereRunsApplyWithItsExplanationSaveAndRestartQuestion) {
    FrmMain& w = Start("ConnectionType,0\r\nOptiMode,0\r\n");
    w.modes.cmbOptimize.UserSelect(1);
    fakes.host.events.clear();
    fakes.boxes.answers = {mb::No};
    const int writes = fakes.files.Writes();
    OpenAndLeave([&] { w.menus.mnuPreviewChanges.UserClick(); }, "Apply");

    EXPECT_EQ(writes, writesWhenShown) << "nothing written while it is open";
    // The preview is gone before Apply explains the mode.
    const auto& events = fakes.host.events;
    const auto destroyed = std::find(events.begin(), events.end(), "destroy frmPreview");
    const auto explained = std::find(events.begin(), events.end(), "modal frmDisplay");
    ASSERT_NE(events.end(), destroyed);
    ASSERT_NE(events.end(), explained);
    EXPECT_LT(destroyed, explained);
    EXPECT_EQ("ConnectionType,0\r\nOptiMode,1\r\n", fakes.files.Contents(Cfg));
    EXPECT_FALSE(fakes.registry.Get(Tcpip, "TcpWindowSize"));
    EXPECT_EQ(576u, fakes.registry.GetDword(Interface, "MTU"));
    EXPECT_EQ(std::vector<std::string>{RestartQuestion}, Texts());
    EXPECT_TRUE(fakes.shutdown.calls.empty());
}

TEST_F(Preview, ApplyThereInManualChecksTheValuesAsApplyDoes) {
    FrmMain& w = Start();
    w.tuning.optMTU2.UserClick();
    w.tuning.txtMTU.UserText("1492");
    fakes.boxes.answers = {mb::No};
    OpenAndLeave([&] { w.menus.mnuPreviewChanges.UserClick(); }, "Apply");
    EXPECT_EQ(1492u, fakes.registry.GetDword(Interface, "MTU"));
    EXPECT_NE(std::string::npos, fakes.files.Contents(Cfg).find("MTU,#TRUE#,1492\r\n"));
    EXPECT_EQ(std::vector<std::string>{RestartQuestion}, Texts());
    EXPECT_EQ(0, fakes.host.Count("modal frmDisplay")) << "Manual is checked, not explained";
}

TEST_F(Preview, ADoubleClickOnTheFirstPanelOfTheStatusBarOpensIt) {
    FrmMain& w = Start("ConnectionType,0\r\nOptiMode,0\r\n");
    OpenAndLeave([&] { w.sbrMain.UserDblClick(1); });
    EXPECT_EQ(1, fakes.host.Count("modal frmPreview"));
    EXPECT_FALSE(rows.empty());

    fakes.host.events.clear();
    for (int panel : {0, 2, 3, 4, 5}) w.sbrMain.UserDblClick(panel);
    EXPECT_EQ(0, fakes.host.Count("modal frmPreview")) << "only panel 1";

    // A window busy with a command of its own starts no other.
    {
        forms::DisabledForm busy(w);
        w.sbrMain.UserDblClick(1);
        w.menus.mnuPreviewChanges.UserClick();
    }
    EXPECT_EQ(0, fakes.host.Count("modal frmPreview"));
}

}  // namespace
}  // namespace quintel
