// The main window's load sequence, the View menu's toolbar and status bar
// commands, Exit, closing and the mode explanation.
#include "ui/mainwindow/FrmMain.h"

#include "ui/mainwindow/ApplyCommand.h"
#include "ui/dialogs/FrmDisplay.h"
#include "core/tuning/SettingsFile.h"
#include "core/ping/PingSettings.h"
#include "ui/mainwindow/PingIntervalList.h"
#include "core/system/LocalAddress.h"
#include "core/system/mdlAddons.h"
#include "ui/dialogs/FrmSupport.h"
#include "ui/dialogs/FrmTip.h"
#include "core/system/TipSetting.h"

namespace quintel {

namespace {

constexpr int StatusBarHeight = 315;

}  // namespace

std::string ModeStatusText(const std::string& modeListText) {
    return "Mode: " + modeListText;
}

FrmMain::~FrmMain() = default;

void FrmMain::Form_Load() {
    Loading = true;
    menus.mnuSupport.SetCaption("About " + app_.Title());

    app_.CurrentWindowsFamily = DetectWindowsFamily(app_.services.version);
    sbrMain.SetPanelText(3, "OS: " + app_.CurrentWindowsFamily.Name);
    sbrMain.SetPanelText(
        4, "IP Address: " + GetIPAddress(app_.services.ipHelper, app_.services.boxes, app_.Title()));

    app_.tuning.LoadPresets();
    FillLists();
    LoadSettingsFile(app_.tuning, app_.services.files, app_.FilePath(SettingsFileName));
    ping.LoadPingSettings();
    host_.DoEvents();

    // A missing companion is no reason to stop: it only keeps the line up.
    app_.services.launcher.Start(app_.FilePath("Korvet.exe"), {}, show::Hide);
    host_.DoEvents();
    host_.DoEvents();

    ShowSavedSettings();
    SetToolbarImages();
    AddTrayIcon();
    host_.DoEvents();

    if (ShowTipsAtStartup(app_.services.userSettings, app_.version.ExeName)) ShowTip(true);

    Show();
    SetState(forms::WindowState::Normal);

    ping.LoadPingSettings();
    FillPingIntervalList(ping.cmbPingInterval);
    ping.ShowPingSettings();
    Loading = false;
}

void FrmMain::FillLists() {
    modes.FillLists();
    tuning.FillLists();
}

void FrmMain::ShowSavedSettings() {
    modes.cmbNetType.SetListIndex(Settings().ConnectionType);
    modes.cmbOptimize.SetListIndex(Settings().OptiMode);
    if (Settings().OptiMode == mode::Manual) {
        tuning.ShowSettingsInControls();
    } else {
        tuning.EnableManualControls(false);
    }
    sbrMain.SetPanelText(2, ModeStatusText(modes.cmbOptimize.Text()));
    tuning.ShowHelpTexts();
    ping.ShowHelpText();
}

void FrmMain::SetToolbarImages() {
    tbrMain.SetImageList("ImageList1");
    constexpr int Images[] = {10, 5, 0, 9, 4, 0, 6, 3, 2, 1, 0, 7, 11};
    for (int i = 0; i < 13; ++i) tbrMain.SetButtonImage(i + 1, Images[i]);
}

void FrmMain::mnuToolBar_Click() {
    const int height = tbrMain.Bounds().Height;
    const int shift = tbrMain.Visible() ? -height : height;
    tbrMain.SetVisible(!tbrMain.Visible());
    SetClientHeight(ClientHeight() + shift);
    fraSettings.Move(fraSettings.Bounds().Left, fraSettings.Bounds().Top + shift);
    sbrMain.Move(sbrMain.Bounds().Left, sbrMain.Bounds().Top + shift);
    menus.mnuToolBar.SetChecked(tbrMain.Visible());
}

void FrmMain::mnuStatusBar_Click() {
    const int shift = sbrMain.Visible() ? -StatusBarHeight : StatusBarHeight;
    sbrMain.SetVisible(!sbrMain.Visible());
    SetClientHeight(ClientHeight() + shift);
    menus.mnuStatusBar.SetChecked(sbrMain.Visible());
}

void FrmMain::mnuExit_Click() {
    if (Enabled()) Close();
}

// A disabled window is waiting for something it started (the registry
// editor's export) and stays until that has finished.
void FrmMain::Form_QueryUnload(bool& cancel) {
    cancel = !Enabled();
    if (!cancel) RemoveTrayIcon();
}

// The program ends with its main window: a tip window left open would
// keep it running without a tray icon or a way back.
void FrmMain::Form_Unload() {
    if (tip_ && tip_->Loaded()) tip_->Close();
}

void FrmMain::ShowModeDialog() {
    display_ = std::make_unique<FrmDisplay>(host_, app_.Title(), modes.cmbNetType.Text(),
                                            Settings().OptiMode, modes.cmbOptimize.Text());
    display_->Show(true);
    display_.reset();
}

}  // namespace quintel
