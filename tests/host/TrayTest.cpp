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

TEST_F(Tray, TheLoadAddsTheWindowsIconThenModifiesIt) {
    FrmMain& w = Start();
    ASSERT_EQ(2u, fakes.tray.calls.size());
    EXPECT_EQ(test::TrayRequest::Add, fakes.tray.calls[0].request);
    EXPECT_EQ(test::TrayRequest::Modify, fakes.tray.calls[1].request);
    const TrayIconInfo& icon = fakes.tray.calls[0].icon;
    EXPECT_NE(0u, icon.Window);
    EXPECT_EQ(w.Handle(), icon.Window);
    EXPECT_EQ(0x1000u + 3, icon.Icon);  // the fourth image
    EXPECT_EQ(std::vector<std::string>{"imgKorvet"}, fakes.host.iconLists);
    EXPECT_EQ("Quintel", icon.Tip);
    EXPECT_EQ(icon.Window, fakes.tray.calls[1].icon.Window);
    EXPECT_EQ(icon.Icon, fakes.tray.calls[1].icon.Icon);
    EXPECT_EQ(icon.Tip, fakes.tray.calls[1].icon.Tip);
}

TEST_F(Tray, TheTipIsTheProductName) {
    app.version.ProductName = "Other Name";
    Start();
    EXPECT_EQ("Other Name", fakes.tray.calls[0].icon.Tip);
}

TEST_F(Tray, ARefusedIconLeavesTheProgramAsItWas) {
    fakes.tray.refuses = true;
    FrmMain& w = Start();
    EXPECT_TRUE(w.Visible());
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(Tray, LeftButtonReleaseOrDoubleClickRestoresBringsForwardAndShows) {
    FrmMain& w = Start();
    for (TrayEvent event : {TrayEvent::LeftClick, TrayEvent::DoubleClick}) {
        SCOPED_TRACE(static_cast<int>(event));
        w.SetState(forms::WindowState::Minimized);
        w.Hide();
        fakes.host.events.clear();
        w.TrayNotification(event);
        EXPECT_EQ(forms::WindowState::Normal, w.State());
        EXPECT_TRUE(w.Visible());
        EXPECT_EQ(std::vector<std::string>{"foreground frmMain"}, Events());
    }
}

TEST_F(Tray, RightButtonReleaseOpensThePopupMenuAndLeavesTheState) {
    FrmMain& w = Start();
    w.SetState(forms::WindowState::Minimized);
    w.TrayNotification(TrayEvent::RightClick);
    EXPECT_EQ((std::vector<std::string>{"foreground frmMain", "popup mnuPopupMenu"}), Events());
    EXPECT_EQ(forms::WindowState::Minimized, w.State());
}

TEST_F(Tray, ThePopupMenuHoldsItsItemsInOrder) {
    FrmMain& w = Start();
    std::vector<std::string> captions;
    for (const forms::MenuItem* item : w.tray.mnuPopupMenu.Children()) captions.push_back(item->Caption());
    EXPECT_EQ((std::vector<std::string>{"Show &Main Window", "Ping Configuration", "Ping Now", "-",
                                        "Contact us", "-", "User's Guide", "-", "Disable"}),
              captions);
    ASSERT_EQ(2u, w.tray.mnucontactus.Children().size());
    EXPECT_EQ("Visit our Web Site", w.tray.mnucontactus.Children()[0]->Caption());
    EXPECT_EQ("Email us", w.tray.mnucontactus.Children()[1]->Caption());
    EXPECT_FALSE(w.tray.mnuPopupMenu.Visible());
}

TEST_F(Tray, ItemsChosenFromThePopupRunTheirCommands) {
    FrmMain& w = Start();
    fakes.host.onPopup = [](forms::MenuItem& menu) { test::ChooseFromPopup(menu, "Email us"); };
    w.TrayNotification(TrayEvent::RightClick);
    ASSERT_EQ(1u, fakes.shell.opened.size());
    EXPECT_EQ("mailto:support@quintel.example", fakes.shell.opened[0].target);

    app.pingSettings.PingHost = "10.0.0.1";
    fakes.host.onPopup = [](forms::MenuItem& menu) { test::ChooseFromPopup(menu, "Ping Now"); };
    w.TrayNotification(TrayEvent::RightClick);
    EXPECT_EQ(1u, fakes.icmp.echoes.size());

    fakes.host.onPopup = [](forms::MenuItem& menu) { test::ChooseFromPopup(menu, "Disable"); };
    w.TrayNotification(TrayEvent::RightClick);
    EXPECT_EQ("Enable", w.tray.mnuDisable.Caption());
    EXPECT_EQ(1u, fakes.boxes.shown.size());
}

TEST_F(Tray, TheMenuAsksTheCompanionWhetherItIsPausedEachTimeItOpens) {
    FrmMain& w = Start();
    bool enabled = false;
    std::string caption;
    fakes.host.onPopup = [&](forms::MenuItem&) {
        caption = w.tray.mnuDisable.Caption();
        enabled = w.tray.mnuDisable.Enabled();
    };

    // Paused by an earlier window, or by "Korvet.exe /pause".
    fakes.keepAlive.state = KeepAliveState::Paused;
    w.TrayNotification(TrayEvent::RightClick);
    EXPECT_EQ("Enable", caption);
    EXPECT_TRUE(enabled);

    fakes.keepAlive.state = KeepAliveState::Running;
    w.TrayNotification(TrayEvent::RightClick);
    EXPECT_EQ("Disable", caption);
    EXPECT_TRUE(enabled);

    // Nothing runs that could be paused.
    fakes.keepAlive.state = KeepAliveState::NotRunning;
    w.TrayNotification(TrayEvent::RightClick);
    EXPECT_EQ("Disable", caption);
    EXPECT_FALSE(enabled);
    EXPECT_TRUE(fakes.keepAlive.calls.empty());
}

TEST_F(Tray, EnableChosenForAPausedCompanionResumesItQuietly) {
    FrmMain& w = Start();
    fakes.keepAlive.state = KeepAliveState::Paused;
    fakes.host.onPopup = [](forms::MenuItem& menu) { test::ChooseFromPopup(menu, "Enable"); };
    w.TrayNotification(TrayEvent::RightClick);
    EXPECT_EQ((std::vector<std::string>{"resume"}), fakes.keepAlive.calls);
    EXPECT_EQ(KeepAliveState::Running, fakes.keepAlive.state);
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(Tray, ClosingTheWindowRemovesTheIconAndANewTaskbarGetsItOnlyWhileItIsThere) {
    FrmMain& w = Start();
    w.TaskbarRestarted();
    ASSERT_EQ(4u, fakes.tray.calls.size());
    EXPECT_EQ(test::TrayRequest::Add, fakes.tray.calls[2].request);
    EXPECT_EQ(test::TrayRequest::Modify, fakes.tray.calls[3].request);
    EXPECT_EQ(fakes.tray.calls[0].icon.Icon, fakes.tray.calls[2].icon.Icon);

    EXPECT_TRUE(w.Close());
    ASSERT_EQ(5u, fakes.tray.calls.size());
    EXPECT_EQ(test::TrayRequest::Remove, fakes.tray.calls[4].request);
    EXPECT_EQ(fakes.tray.calls[0].icon.Window, fakes.tray.calls[4].icon.Window);

    w.TaskbarRestarted();
    EXPECT_EQ(5u, fakes.tray.calls.size());
}

}  // namespace
}  // namespace quintel
