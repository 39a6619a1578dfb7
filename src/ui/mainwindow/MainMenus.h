// The main window's menu bar: every item, the menus' structure and which
// command each item runs. The commands themselves belong to the window.
// The tray icon's shortcut menu is the tray's own (TrayIcon).
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

    forms::MenuItem mnuFile, mnuApplyNewSettings, mnuPreviewChanges, mnuRegistryBackup,
        mnuFileSeparator1, mnuRestore, mnuUndoLastChange, mnuFileSeparator2, mnuExit;
    forms::MenuItem mnuView, mnuToolBar, mnuStatusBar, mnuViewSeparator1, mnuControlPanel,
        mnuSystem, mnuInternet, mnumodem, mnuNetwork;
    // designer: mnuHelpMenu is mnuHelpMain, mnuHelpUsersGuide is mnuHelp1,
    // mnuHelpContactUs, mnuHelpWebSite, mnuHelpEmail are mnucontactus1,
    // mnuwebsite1, mnuemail1
    forms::MenuItem mnuHelpMenu, mnuHelpUsersGuide, mnutip, mnuHelpSeparator1, mnuHelpContactUs,
        mnuHelpWebSite, mnuHelpEmail, mnuHelpSeparator2, mnuSupport;

    // The top-level menus in the order of the bar.
    std::vector<forms::MenuItem*> TopMenus();

private:
    void BuildMenus();
    void WireHandlers();

    FrmMain& window_;
    AppContext& app_;
};

}  // namespace quintel
