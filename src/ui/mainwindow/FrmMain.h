// The main window. It is made of parts, each owning its controls, their
// places and their handlers: the connection type and optimization mode
// (ModeLists), the General and Advanced tabs (TuningPanel), the ping tab
// (PingPanel), the menus (MainMenus), the tray icon with its menu's
// commands (TrayIcon) and the load (LoadSequence). The window itself holds
// the frame around them, the toolbar and the status bar, and the commands
// the menus and the toolbar run.
#pragma once

#include <memory>
#include <string>

#include "core/tuning/ChangePlan.h"
#include "ui/forms/Form.h"
#include "ui/forms/ValueControls.h"
#include "ui/mainwindow/AppContext.h"
#include "ui/mainwindow/LoadSequence.h"
#include "ui/mainwindow/MainMenus.h"
#include "ui/mainwindow/ModeLists.h"
#include "ui/mainwindow/PingPanel.h"
#include "ui/mainwindow/TrayIcon.h"
#include "ui/mainwindow/TuningPanel.h"

namespace quintel {

class FrmDisplay;
class FrmPreview;
class FrmSupport;
class FrmTip;

class FrmMain : public forms::Form {
public:
    explicit FrmMain(AppContext& app);
    ~FrmMain() override;

    // --- Layout, in creation order ------------------------------------------
    forms::Toolbar tbrMain;    // designer: Toolbar1
    forms::Frame fraSettings;  // designer: Frame1; holds the lists and the tabs
    ModeLists modes;
    forms::Line linEtchDark;    // designer: Line1
    forms::Line linEtchLight;   // designer: Line2
    forms::TabSet tabSettings;  // designer: SSTab1
    TuningPanel tuning;         // pages 0 and 1
    PingPanel ping;             // page 2
    forms::StatusBar sbrMain;   // designer: StatusBar1
    MainMenus menus;
    TrayIcon tray;
    LoadSequence load;

    // --- Window ---------------------------------------------------------------
    void mnuToolBar_Click();
    void mnuStatusBar_Click();
    void mnuExit_Click();

    // --- Toolbar and menu commands ------------------------------------------
    void mnuUsersGuide_Click();
    void mnuwebsite_Click();
    void mnuemail_Click();
    void mnutip_Click();
    void mnuSupport_Click();
    // The tip of the day, over the window or waiting until it closes.
    void ShowTip(bool modal);
    // The toolbar's "Ping" and the tray's "Ping Configuration": the window
    // on its ping tab.
    void ShowPingTab();

    void tbrMain_ButtonClick(const forms::ToolbarButton& button);

    // A double click on the status bar: panel 1 previews Apply.
    void sbrMain_PanelDblClick(int panel);

    // The mode explanation dialog while it is open, for tests and the view.
    FrmDisplay* Display() { return display_.get(); }
    // Shows the explanation of the current mode and waits until it closes.
    void ShowModeDialog();
    // The preview of Apply while it is open, for tests and the view.
    FrmPreview* Preview() { return preview_.get(); }
    // Shows what Apply would do and waits until the window closes; true
    // when the user left it with "Apply".
    bool ShowPreview(const ChangePlan& plan);
    // The tip of the day and the support window, once made.
    FrmTip* Tip() { return tip_.get(); }
    FrmSupport* Support() { return support_.get(); }

    AppContext& App() { return app_; }

protected:
    void Form_Load() override { load.Form_Load(); }
    void Form_QueryUnload(bool& cancel) override;
    void Form_Unload() override;
    // The tray icon's mouse messages, and a taskbar that started again.
    void Form_TrayNotify(TrayEvent event) override { tray.TrayNotify(event); }
    void Form_TaskbarCreated() override { tray.TaskbarCreated(); }

private:
    // Registers a part's controls in the order it placed them.
    void AddAll(const PlacedControls& placed);
    TuningSettings& Settings() { return app_.tuning.CurrentSettings; }

    AppContext& app_;
    std::unique_ptr<FrmDisplay> display_;
    std::unique_ptr<FrmPreview> preview_;
    std::unique_ptr<FrmTip> tip_;
    std::unique_ptr<FrmSupport> support_;
};

// The status bar's text for a mode: "Mode: " and the list's text.
std::string ModeStatusText(const std::string& modeListText);

}  // namespace quintel
