// The main window: the connection type and optimization mode, the manual
// tuning controls on the General and Advanced tabs, the ping tab, the
// menus, the toolbar and the status bar.
#pragma once

#include <memory>
#include <string>

#include "ui/forms/Form.h"
#include "ui/forms/ValueControls.h"
#include "ui/mainwindow/AppContext.h"
#include "ui/mainwindow/ModeLists.h"
#include "ui/mainwindow/PingPanel.h"
#include "ui/mainwindow/TuningPanel.h"
#include "platform/NotifyArea.h"

namespace quintel {

class FrmDisplay;
class FrmSupport;
class FrmTip;

class FrmMain : public forms::Form {
public:
    explicit FrmMain(AppContext& app);
    ~FrmMain() override;

    // While the load sequence runs the optimization-mode list ignores
    // selections.
    bool Loading = false;

    // --- Layout ------------------------------------------------------------
    forms::Toolbar tbrMain;            // designer: Toolbar1
    forms::Frame fraSettings;          // designer: Frame1
    // The connection type and the optimization mode.
    ModeLists modes;
    forms::Line linEtchDark;           // designer: Line1
    forms::Line linEtchLight;          // designer: Line2
    forms::TabSet tabSettings;         // designer: SSTab1

    // The General and Advanced tabs.
    TuningPanel tuning;

    // The ping tab.
    PingPanel ping;

    forms::StatusBar sbrMain;  // designer: StatusBar1

    // --- Menus -------------------------------------------------------------
    // Designer names: mnuHelpMenu is mnuHelpMain, mnuHelpUsersGuide is
    // mnuHelp1; in the tray menu mnuUsersGuide is mnuHelp and
    // mnuPopupSeparator1, 2, 3 are mnudash5, mnudash10, mnudash7.
    forms::MenuItem mnuFile, mnuApplyNewSettings, mnuRegistryBackup, mnuFileSeparator1, mnuRestore,
        mnuFileSeparator2, mnuExit;
    forms::MenuItem mnuView, mnuToolBar, mnuStatusBar, mnuViewSeparator1, mnuControlPanel, mnuSystem,
        mnuInternet, mnumodem, mnuNetwork;
    forms::MenuItem mnuHelpMenu, mnuHelpUsersGuide, mnutip, mnuHelpSeparator1, mnucontactus1, mnuwebsite1,
        mnuemail1, mnuHelpSeparator2, mnuSupport;
    forms::MenuItem mnuPopupMenu, mnuShowMainWindow, mnuPingConfig, mnuPingNow, mnuPopupSeparator1,
        mnucontactus, mnuwebsite, mnuemail, mnuPopupSeparator2, mnuUsersGuide, mnuPopupSeparator3, mnuDisable;

    // --- Load sequence and window ------------------------------------------
    void FillLists();
    void ShowSavedSettings();
    void SetToolbarImages();
    void mnuToolBar_Click();
    void mnuStatusBar_Click();
    void mnuExit_Click();

    // --- Toolbar, menu and tray commands -------------------------------------
    void mnuUsersGuide_Click();
    void mnuwebsite_Click();
    void mnuemail_Click();
    void mnutip_Click();
    void mnuSupport_Click();
    void mnuShowMainWindow_Click();
    // The toolbar's "Ping" and the tray's "Ping Configuration": the window
    // on its ping tab.
    void ShowPingTab();
    void mnuDisable_Click();
    void ShowKeepAliveState();

    void tbrMain_ButtonClick(const forms::ToolbarButton& button);

    // The mode explanation dialog while it is open, for tests and the view.
    FrmDisplay* Display() { return display_.get(); }
    // Shows the explanation of the current mode and waits until it closes.
    void ShowModeDialog();
    // The tip of the day and the support window, once made.
    FrmTip* Tip() { return tip_.get(); }
    FrmSupport* Support() { return support_.get(); }
    // The tray icon's record as last sent to the shell.
    const TrayIconRecord& TrayIcon() const { return trayIcon_; }

    AppContext& App() { return app_; }

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel) override;
    void Form_Unload() override;
    // The tray icon's mouse messages, and a taskbar that started again.
    void Form_TrayNotify(int mouseMessage) override;
    void Form_TaskbarCreated() override;

private:
    void WireHandlers();
    // Registers a part's controls in the order it placed them.
    void AddAll(const PlacedControls& placed);
    void BuildMenus();
    void AddTrayIcon();
    void RemoveTrayIcon();
    // The add and modify requests with the record as it stands.
    void SendTrayIcon();
    void ShowTip(bool modal);
    TuningSettings& Settings() { return app_.tuning.CurrentSettings; }

    AppContext& app_;
    std::unique_ptr<FrmDisplay> display_;
    std::unique_ptr<FrmTip> tip_;
    std::unique_ptr<FrmSupport> support_;
    TrayIconRecord trayIcon_;
    bool trayIconShown_ = false;
};

// The status bar's text for a mode: "Mode: " and the list's text.
std::string ModeStatusText(const std::string& modeListText);

}  // namespace quintel
