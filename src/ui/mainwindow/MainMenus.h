// The main window's menu bar and the tray icon's shortcut menu: every
// item, the menus' structure and which command each item runs. The
// commands themselves belong to the window.
#pragma once

#include <vector>

#include "ui/forms/Form.h"

namespace quintel {

class FrmMain;
struct AppContext;

class MainMenus {
public:
    MainMenus(FrmMain& window, AppContext& app);
    MainMenus(const MainMenus&) = delete;
    MainMenus& operator=(const MainMenus&) = delete;

    forms::MenuItem mnuFile, mnuApplyNewSettings, mnuRegistryBackup, mnuFileSeparator1, mnuRestore,
        mnuFileSeparator2, mnuExit;
    forms::MenuItem mnuView, mnuToolBar, mnuStatusBar, mnuViewSeparator1, mnuControlPanel,
        mnuSystem, mnuInternet, mnumodem, mnuNetwork;
    // designer: mnuHelpMenu is mnuHelpMain, mnuHelpUsersGuide is mnuHelp1,
    // mnuHelpContactUs, mnuHelpWebSite, mnuHelpEmail are mnucontactus1,
    // mnuwebsite1, mnuemail1
    forms::MenuItem mnuHelpMenu, mnuHelpUsersGuide, mnutip, mnuHelpSeparator1, mnuHelpContactUs,
        mnuHelpWebSite, mnuHelpEmail, mnuHelpSeparator2, mnuSupport;
    // The tray's menu, never in the bar. designer: mnuUsersGuide is
    // mnuHelp; mnuPopupSeparator1, 2, 3 are mnudash5, mnudash10, mnudash7
    forms::MenuItem mnuPopupMenu, mnuShowMainWindow, mnuPingConfig, mnuPingNow,
        mnuPopupSeparator1, mnucontactus, mnuwebsite, mnuemail, mnuPopupSeparator2, mnuUsersGuide,
        mnuPopupSeparator3, mnuDisable;

    // The top-level menus in the order of the bar, the tray's last.
    std::vector<forms::MenuItem*> TopMenus();

private:
    void BuildMenus();
    void WireHandlers();

    FrmMain& window_;
    AppContext& app_;
};

}  // namespace quintel
