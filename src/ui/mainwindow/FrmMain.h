// The main window: the connection type and optimization mode, the manual
// tuning controls on the General and Advanced tabs, the ping tab, the
// menus, the toolbar and the status bar.
#pragma once

#include <memory>
#include <string>

#include "ui/forms/Form.h"
#include "ui/forms/ValueControls.h"
#include "ui/mainwindow/AppContext.h"
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
    forms::Toolbar Toolbar1;
    forms::Frame Frame1;
    forms::Label Label1;
    forms::ComboBox cmbNetType;
    forms::Label Label2;
    forms::ComboBox cmbOptimize;
    forms::Line Line1;
    forms::Line Line2;
    forms::TabSet SSTab1;

    forms::Label lblGeneral;
    forms::OptionGroup mtuGroup, rwinGroup, ttlGroup, skaGroup, ndiGroup, pingGroup;
    forms::Frame Frame2;
    forms::OptionButton optMTU1, optMTU2;
    forms::TextBox txtMTU;
    forms::Frame Frame3;
    forms::OptionButton optRWIN1, optRWIN2;
    forms::ComboBox cmbRWIN;
    forms::Frame Frame4;
    forms::OptionButton optTTL1, optTTL2;
    forms::TextBox txtTTL;

    forms::Label lblAdv;
    forms::Frame Frame5;
    forms::OptionButton optSKA1, optSKA2;
    forms::ComboBox cmbSKA;
    forms::Frame Frame6;
    forms::OptionButton optNDI1, optNDI2;
    forms::ComboBox cmbNDI;
    forms::Frame Frame7;
    forms::Label Label4;
    forms::ComboBox cmbMSCPS1;
    forms::Label Label3;
    forms::ComboBox cmbMSCPS0;
    forms::CheckBox chkPMTU;
    forms::CheckBox chkBlackHole;

    forms::Label lblPing;
    forms::Frame Frame8;
    forms::OptionButton Option1, Option2;
    forms::Label Label6;
    forms::TextBox txtPingHost;
    forms::Label Label5;
    forms::ComboBox cmbPingInterval;
    forms::CheckBox chkSound;
    forms::CommandButton cmdok;
    forms::CommandButton cmdDefault;

    forms::StatusBar StatusBar1;

    // --- Menus -------------------------------------------------------------
    forms::MenuItem mnuFile, mnuApplyNewSettings, mnuRegistryBackup, mnuFileSep1, mnuRestore,
        mnuFileSep2, mnuExit;
    forms::MenuItem mnuView, mnuToolBar, mnuStatusBar, mnuViewSep1, mnuControlPanel, mnuSystem,
        mnuInternet, mnumodem, mnuNetwork;
    forms::MenuItem mnuHelpMain, mnuHelp1, mnutip, mnuHelpSep1, mnucontactus1, mnuwebsite1,
        mnuemail1, mnuHelpSep2, mnuSupport;
    forms::MenuItem mnuPopupMenu, mnuShowMainWindow, mnuPingConfig, mnuPingNow, mnudash5,
        mnucontactus, mnuwebsite, mnuemail, mnudash10, mnuHelp, mnudash7, mnuDisable;

    // --- Load sequence and window ------------------------------------------
    void FillLists();
    void ShowSavedSettings();
    void SetToolbarImages();
    void mnuToolBar_Click();
    void mnuStatusBar_Click();
    void mnuExit_Click();

    // --- Manual tuning controls --------------------------------------------
    void optMTU1_Click();
    void optMTU2_Click();
    void txtMTU_Change();
    void txtMTU_KeyPress(int& keyAscii);
    void optTTL1_Click();
    void optTTL2_Click();
    void txtTTL_Change();
    void txtTTL_KeyPress(int& keyAscii);
    void optRWIN1_Click();
    void optRWIN2_Click();
    void cmbRWIN_Click();
    void optSKA1_Click();
    void optSKA2_Click();
    void cmbSKA_Click();
    void optNDI1_Click();
    void optNDI2_Click();
    void cmbNDI_Click();
    void cmbMSCPS0_Click();
    void cmbMSCPS1_Click();
    void chkPMTU_Click();
    void chkBlackHole_Click();

    void EnableManualControls(bool enabled);
    void ShowWindowsDefaults();
    void ShowSettingsInControls();
    // True when a check failed; its message has been shown.
    bool ValidateManualSettings();

    // --- Connection type and optimization mode -----------------------------
    void cmbNetType_Click();
    void cmbOptimize_Click();

    // --- The ping tab ---------------------------------------------------------
    void LoadPingSettings();
    void ShowPingSettings();
    void Option1_Click();
    void Option2_Click();
    void cmdDefault_Click();
    // True when the tab's input cannot be saved.
    bool ValidatePingSettings();
    void SavePingSettings();
    // One keep-alive ping to the saved host, at once.
    void PingNow();

    // --- Toolbar, menu and tray commands -------------------------------------
    void mnuHelp_Click();
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

    void Toolbar1_ButtonClick(const forms::ToolbarButton& button);

    // The mode explanation dialog while it is open, for tests and the view.
    FrmDisplay* Display() { return display_.get(); }
    // Shows the explanation of the current mode and waits until it closes.
    void ShowModeDialog();
    // The tip of the day and the support window, once made.
    FrmTip* Tip() { return tip_.get(); }
    FrmSupport* Support() { return support_.get(); }
    // The tray icon's record as last sent to the shell.
    const TrayIconInfo& TrayIcon() const { return trayIcon_; }

    AppContext& App() { return app_; }

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel) override;
    void Form_Unload() override;
    // The tray icon's mouse messages, and a taskbar that started again.
    void Form_TrayNotify(TrayEvent event) override;
    void Form_TaskbarCreated() override;

private:
    void WireHandlers();
    void BuildMenus();
    void AddTrayIcon();
    void RemoveTrayIcon();
    // The add and modify requests with the record as it stands.
    void SendTrayIcon();
    void ShowTip(bool modal);
    void NumberBoxKeyFilter(int& keyAscii);
    TuningSettings& Settings() { return app_.tuning.CurrentSettings; }

    AppContext& app_;
    std::unique_ptr<FrmDisplay> display_;
    std::unique_ptr<FrmTip> tip_;
    std::unique_ptr<FrmSupport> support_;
    TrayIconInfo trayIcon_;
    bool trayIconShown_ = false;
};

// The status bar's text for a mode: "Mode: " and the list's text.
std::string ModeStatusText(const std::string& modeListText);

}  // namespace quintel
