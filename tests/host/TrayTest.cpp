#include <gtest/gtest.h>

#include <cstring>

#include "fakes/AppFixture.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {
namespace {

class Tray : public ::testing::Test {
protected:
    FrmMain& Start() {
        window = std::make_unique<FrmMain>(app);
        window->Show();
        fakes.host.events.clear();
        return *window;
    }
    std::vector<std::string> Events() const { return fakes.host.events; }

    test::FakeServices fakes;
    AppContext app = fakes.MakeContext();
    std::unique_ptr<FrmMain> window;
};

TEST_F(Tray, TheLoadAddsTheIconThenModifiesItWithTheFirstFormOfTheRecord) {
    FrmMain& w = Start();
    ASSERT_EQ(2u, fakes.tray.calls.size());
    EXPECT_EQ(trayrequest::Add, fakes.tray.calls[0].request);
    EXPECT_EQ(trayrequest::Modify, fakes.tray.calls[1].request);
    const TrayIconRecord& r = fakes.tray.calls[0].record;
    EXPECT_EQ(88u, r.Size);
    EXPECT_NE(0u, r.Window);
    EXPECT_EQ(w.Handle(), r.Window);
    EXPECT_EQ(1u, r.Id);
    EXPECT_EQ(7u, r.Flags);
    EXPECT_EQ(forms::TrayCallbackMessage, r.CallbackMessage);
    EXPECT_NE(0x200u, r.CallbackMessage) << "pointer moves over the window must not count";
    EXPECT_EQ(0x1000u + 3, r.Icon);  // the fourth image
    EXPECT_EQ(std::vector<std::string>{"imgKorvet"}, fakes.host.iconLists);
    EXPECT_EQ("Quintel", r.TipText());
    for (std::size_t i = 7; i < TrayIconRecord::TipCapacity; ++i) EXPECT_EQ('\0', r.Tip[i]);
    EXPECT_EQ(0, std::memcmp(&fakes.tray.calls[1].record, &r, sizeof r));
}

TEST_F(Tray, TheTipIsTheProductNameCutToFitItsField) {
    app.version.ProductName = "Other Name";
    Start();
    EXPECT_EQ("Other Name", fakes.tray.calls[0].record.TipText());

    TrayIconRecord record;
    record.SetTip(std::string(100, 'x'));
    EXPECT_EQ(std::string(63, 'x'), record.TipText());
    EXPECT_EQ('\0', record.Tip[63]);
    record.SetTip("ab");
    EXPECT_EQ("ab", record.TipText());
    EXPECT_EQ('\0', record.Tip[5]) << "the old tip must not show behind the new one";
}

TEST_F(Tray, ARefusedIconLeavesTheProgramAsItWas) {
    fakes.tray.refuses = true;
    FrmMain& w = Start();
    EXPECT_TRUE(w.Visible());
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(Tray, LeftButtonReleaseOrDoubleClickRestoresBringsForwardAndShows) {
    FrmMain& w = Start();
    for (int code : {0x202, 0x203}) {
        SCOPED_TRACE(code);
        w.SetState(forms::WindowState::Minimized);
        w.Hide();
        fakes.host.events.clear();
        w.TrayNotification(code);
        EXPECT_EQ(forms::WindowState::Normal, w.State());
        EXPECT_TRUE(w.Visible());
        EXPECT_EQ(std::vector<std::string>{"foreground frmMain"}, Events());
    }
}

TEST_F(Tray, RightButtonReleaseOpensThePopupMenuAndLeavesTheState) {
    FrmMain& w = Start();
    w.SetState(forms::WindowState::Minimized);
    w.TrayNotification(0x205);
    EXPECT_EQ((std::vector<std::string>{"foreground frmMain", "popup mnuPopupMenu"}), Events());
    EXPECT_EQ(forms::WindowState::Minimized, w.State());
}

TEST_F(Tray, OtherMouseMessagesAreIgnored) {
    FrmMain& w = Start();
    w.SetState(forms::WindowState::Minimized);
    for (int code : {0x200, 0x201, 0x204, 0x206, 0x207, 0x208, 0x209, 0, 514 * 15}) {
        w.TrayNotification(code);
    }
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(forms::WindowState::Minimized, w.State());
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(Tray, ThePopupMenuHoldsItsItemsInOrder) {
    FrmMain& w = Start();
    std::vector<std::string> captions;
    for (const forms::MenuItem* item : w.menus.mnuPopupMenu.Children()) captions.push_back(item->Caption());
    EXPECT_EQ((std::vector<std::string>{"Show &Main Window", "Ping Configuration", "Ping Now", "-",
                                        "Contact us", "-", "User's Guide", "-", "Disable"}),
              captions);
    ASSERT_EQ(2u, w.menus.mnucontactus.Children().size());
    EXPECT_EQ("Visit our Web Site", w.menus.mnucontactus.Children()[0]->Caption());
    EXPECT_EQ("Email us", w.menus.mnucontactus.Children()[1]->Caption());
    EXPECT_FALSE(w.menus.mnuPopupMenu.Visible());
}

TEST_F(Tray, ItemsChosenFromThePopupRunTheirCommands) {
    FrmMain& w = Start();
    fakes.host.onPopup = [](forms::MenuItem& menu) { test::ChooseFromPopup(menu, "Email us"); };
    w.TrayNotification(0x205);
    ASSERT_EQ(1u, fakes.shell.opened.size());
    EXPECT_EQ("mailto:support@quintel.example", fakes.shell.opened[0].target);

    app.pingSettings.PingHost = "10.0.0.1";
    fakes.host.onPopup = [](forms::MenuItem& menu) { test::ChooseFromPopup(menu, "Ping Now"); };
    w.TrayNotification(0x205);
    EXPECT_EQ(1u, fakes.icmp.echoes.size());

    fakes.host.onPopup = [](forms::MenuItem& menu) { test::ChooseFromPopup(menu, "Disable"); };
    w.TrayNotification(0x205);
    EXPECT_EQ("Enable", w.menus.mnuDisable.Caption());
    EXPECT_EQ(1u, fakes.boxes.shown.size());
}

TEST_F(Tray, TheMenuAsksTheCompanionWhetherItIsPausedEachTimeItOpens) {
    FrmMain& w = Start();
    bool enabled = false;
    std::string caption;
    fakes.host.onPopup = [&](forms::MenuItem&) {
        caption = w.menus.mnuDisable.Caption();
        enabled = w.menus.mnuDisable.Enabled();
    };

    // Paused by an earlier window, or by "Korvet.exe /pause".
    fakes.keepAlive.state = KeepAliveState::Paused;
    w.TrayNotification(0x205);
    EXPECT_EQ("Enable", caption);
    EXPECT_TRUE(enabled);

    fakes.keepAlive.state = KeepAliveState::Running;
    w.TrayNotification(0x205);
    EXPECT_EQ("Disable", caption);
    EXPECT_TRUE(enabled);

    // Nothing runs that could be paused.
    fakes.keepAlive.state = KeepAliveState::NotRunning;
    w.TrayNotification(0x205);
    EXPECT_EQ("Disable", caption);
    EXPECT_FALSE(enabled);
    EXPECT_TRUE(fakes.keepAlive.calls.empty());
}

TEST_F(Tray, EnableChosenForAPausedCompanionResumesItQuietly) {
    FrmMain& w = Start();
    fakes.keepAlive.state = KeepAliveState::Paused;
    fakes.host.onPopup = [](forms::MenuItem& menu) { test::ChooseFromPopup(menu, "Enable"); };
    w.TrayNotification(0x205);
    EXPECT_EQ((std::vector<std::string>{"resume"}), fakes.keepAlive.calls);
    EXPECT_EQ(KeepAliveState::Running, fakes.keepAlive.state);
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(Tray, ClosingTheWindowRemovesTheIconAndANewTaskbarGetsItOnlyWhileItIsThere) {
    FrmMain& w = Start();
    w.TaskbarRestarted();
    ASSERT_EQ(4u, fakes.tray.calls.size());
    EXPECT_EQ(trayrequest::Add, fakes.tray.calls[2].request);
    EXPECT_EQ(trayrequest::Modify, fakes.tray.calls[3].request);
    EXPECT_EQ(88u, fakes.tray.calls[2].record.Size);

    EXPECT_TRUE(w.Close());
    ASSERT_EQ(5u, fakes.tray.calls.size());
    EXPECT_EQ(trayrequest::Delete, fakes.tray.calls[4].request);
    EXPECT_EQ(1u, fakes.tray.calls[4].record.Id);
    EXPECT_EQ(fakes.tray.calls[0].record.Window, fakes.tray.calls[4].record.Window);

    w.TaskbarRestarted();
    EXPECT_EQ(5u, fakes.tray.calls.size());
}

}  // namespace
}  // namespace quintel
