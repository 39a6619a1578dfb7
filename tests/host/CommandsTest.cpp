#include <gtest/gtest.h>

#include "fakes/AppFixture.h"
#include "ui/mainwindow/FrmMain.h"
#include "core/system/mdlAddons.h"

namespace quintel {
namespace {

const std::string Rundll = "C:\\WINDOWS\\system32\\rundll32.exe shell32.dll,Control_RunDLL ";

class ToolbarAndMenus : public ::testing::Test {
protected:
    FrmMain& Start(OsVersion version = OsVersion{2, 5, 1}) {
        fakes.version.version = version;
        window = std::make_unique<FrmMain>(app);
        window->Show();
        fakes.launcher.launches.clear();
        fakes.boxes.shown.clear();
        return *window;
    }
    std::vector<std::string> Launched() const {
        std::vector<std::string> lines;
        for (const auto& l : fakes.launcher.launches) {
            EXPECT_EQ(show::Show, l.windowStyle) << l.commandLine;
            lines.push_back(l.commandLine);
        }
        return lines;
    }
    test::FakeServices fakes;
    AppContext app = fakes.MakeContext();
    std::unique_ptr<FrmMain> window;
};

TEST_F(ToolbarAndMenus, TheControlPanelButtonsAndMenuItemsStartTheirApplets) {
    FrmMain& w = Start();
    for (int button : {7, 8, 9, 10}) w.tbrMain.UserClick(button);
    w.menus.mnuInternet.UserClick();
    w.menus.mnuSystem.UserClick();
    w.menus.mnumodem.UserClick();
    w.menus.mnuNetwork.UserClick();
    const std::vector<std::string> expected = {
        Rundll + "inetcpl.cpl,,0", Rundll + "sysdm.cpl,,0", Rundll + "modem.cpl", Rundll + "ncpa.cpl",
        Rundll + "inetcpl.cpl,,0", Rundll + "sysdm.cpl,,0", Rundll + "modem.cpl", Rundll + "ncpa.cpl"};
    EXPECT_EQ(expected, Launched());
}

TEST_F(ToolbarAndMenus, TheAppletsStartTheSystemsOwnStarterByItsPathAndNothingWithoutIt) {
    FrmMain& w = Start();
    w.menus.mnuInternet.UserClick();
    ASSERT_EQ(1u, fakes.launcher.launches.size());
    EXPECT_EQ("C:\\WINDOWS\\system32\\rundll32.exe", fakes.launcher.launches[0].program);
    EXPECT_EQ((std::vector<std::string>{"shell32.dll,Control_RunDLL", "inetcpl.cpl,,0"}),
              fakes.launcher.launches[0].arguments);

    fakes.launcher.systemPrograms.clear();
    fakes.launcher.launches.clear();
    EXPECT_FALSE(OpenSystemOptions(fakes.launcher).Ok());
    ASSERT_EQ(1u, fakes.launcher.launches.size());
    EXPECT_EQ("", fakes.launcher.launches[0].program);
}

TEST_F(ToolbarAndMenus, TheNetworkAppletFollowsTheFamily) {
    test::FakeLauncher launcher;
    for (std::int16_t code = 0; code <= 15; ++code) {
        launcher.launches.clear();
        const auto started = OpenNetworkOptions(launcher, WindowsFamily{code, ""});
        if (code >= 1 && code <= 4) {
            ASSERT_EQ(1u, launcher.launches.size());
            EXPECT_EQ(Rundll + "netcpl.cpl", launcher.launches[0].commandLine);
        } else if (code >= 5 && code <= 14) {
            ASSERT_EQ(1u, launcher.launches.size());
            EXPECT_EQ(Rundll + "ncpa.cpl", launcher.launches[0].commandLine);
        } else {
            EXPECT_TRUE(launcher.launches.empty()) << code;
            EXPECT_FALSE(started.Ok());
        }
    }
}

TEST_F(ToolbarAndMenus, HelpWebAndMailFromTheMenuTheTrayAndTheToolbarAreTheSame) {
    FrmMain& w = Start();
    app.helpFile = "C:\\Program Files\\Quintel\\Help\\Help.chm";
    w.menus.mnuHelpUsersGuide.UserClick();
    w.tray.mnuUsersGuide.UserClick();
    w.tbrMain.UserClick(12);
    w.menus.mnuHelpWebSite.UserClick();
    w.tray.mnuwebsite.UserClick();
    w.menus.mnuHelpEmail.UserClick();
    w.tray.mnuemail.UserClick();
    ASSERT_EQ(7u, fakes.shell.opened.size());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(app.helpFile, fakes.shell.opened[i].target);
        EXPECT_EQ(show::Normal, fakes.shell.opened[i].show);
    }
    for (int i = 3; i < 5; ++i) {
        EXPECT_EQ(ProductWebSite, fakes.shell.opened[i].target);
        EXPECT_EQ(show::Normal, fakes.shell.opened[i].show);
    }
    for (int i = 5; i < 7; ++i) {
        EXPECT_EQ(std::string("mailto:") + SupportEMail, fakes.shell.opened[i].target);
        EXPECT_EQ(show::Show, fakes.shell.opened[i].show);
    }
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(ToolbarAndMenus, PingButtonAndPingConfigurationShowThePingTab) {
    FrmMain& w = Start();
    w.SetState(forms::WindowState::Minimized);
    w.tbrMain.UserClick(2);
    EXPECT_EQ(2, w.tabSettings.Tab());
    EXPECT_EQ(forms::WindowState::Normal, w.State());
    w.tabSettings.UserSelect(0);
    w.Hide();
    w.tray.mnuPingConfig.UserClick();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(2, w.tabSettings.Tab());
}

TEST_F(ToolbarAndMenus, ShowMainWindowShowsAndRestores) {
    FrmMain& w = Start();
    w.Hide();
    w.SetState(forms::WindowState::Minimized);
    w.tray.mnuShowMainWindow.UserClick();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(forms::WindowState::Normal, w.State());
}

TEST_F(ToolbarAndMenus, DisableExplainsAndPausesEnableResumesQuietly) {
    FrmMain& w = Start();
    w.tray.mnuDisable.UserClick();
    EXPECT_EQ("Enable", w.tray.mnuDisable.Caption());
    ASSERT_EQ(1u, fakes.boxes.shown.size());
    EXPECT_EQ("You have only disabled the Ping utility...\r\n\r\nQuintel will continue boosting "
              "your Internet connection.\r\nIn order to disable the connection acceleration, you "
              "will have to run the uninstall program.",
              fakes.boxes.shown[0].text);
    EXPECT_EQ(mb::OkOnly | mb::IconInformation, fakes.boxes.shown[0].style);
    w.tray.mnuDisable.UserClick();
    EXPECT_EQ("Disable", w.tray.mnuDisable.Caption());
    EXPECT_EQ(1u, fakes.boxes.shown.size());
    w.tray.mnuDisable.UserClick();
    EXPECT_EQ(2u, fakes.boxes.shown.size());
    EXPECT_EQ((std::vector<std::string>{"pause", "resume", "pause"}), fakes.keepAlive.calls);
}

}  // namespace
}  // namespace quintel
