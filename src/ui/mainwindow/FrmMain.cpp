// The View menu's toolbar and status bar commands, Exit, closing, the
// mode explanation and the preview.
#include "ui/mainwindow/FrmMain.h"

#include "ui/mainwindow/ApplyCommand.h"
#include "ui/mainwindow/PreviewCommand.h"
#include "ui/dialogs/FrmDisplay.h"
#include "ui/dialogs/FrmPreview.h"
#include "ui/dialogs/FrmSupport.h"
#include "ui/dialogs/FrmTip.h"

namespace quintel {

namespace {

constexpr int StatusBarHeight = 315;

}  // namespace

std::string ModeStatusText(const std::string& modeListText) {
    return "Mode: " + modeListText;
}

FrmMain::~FrmMain() = default;

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
    if (!cancel) tray.RemoveTrayIcon();
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

bool FrmMain::ShowPreview(const ChangePlan& plan) {
    preview_ = std::make_unique<FrmPreview>(host_, plan);
    preview_->Show(true);
    const bool apply = preview_->ApplyChosen();
    preview_.reset();
    return apply;
}

// Panel 1 tells whether the registry holds the settings; what lies behind
// that is the preview.
void FrmMain::sbrMain_PanelDblClick(int panel) {
    if (panel == 1 && Enabled()) PreviewChanges(*this);
}

}  // namespace quintel
