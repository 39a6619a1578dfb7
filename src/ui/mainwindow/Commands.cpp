// The toolbar's dispatch and the commands of the Help menu and the tray
// menu that open something outside the main window.
#include "ui/mainwindow/ApplyCommand.h"
#include "ui/mainwindow/FrmMain.h"
#include "core/system/mdlAddons.h"
#include "ui/dialogs/FrmSupport.h"
#include "ui/dialogs/FrmTip.h"

namespace quintel {

void FrmMain::tbrMain_ButtonClick(const forms::ToolbarButton& button) {
    // Keys are compared exactly, in this order.
    const std::string& key = button.Key;
    ProcessLauncher& launcher = app_.services.launcher;
    // A disabled window is in the middle of a command; nothing else starts.
    if (!Enabled()) return;
    if (key == "Apply") {
        ApplySettings(*this);
    } else if (key == "Restore") {
        RestoreWindowsSettings(*this);
    } else if (key == "Backup") {
        BackupRegistry(app_, host_, *this);
    } else if (key == "Internet") {
        (void)OpenInternetOptions(launcher);
    } else if (key == "System") {
        (void)OpenSystemOptions(launcher);
    } else if (key == "Modem") {
        (void)OpenModemOptions(launcher);
    } else if (key == "Network") {
        (void)OpenNetworkOptions(launcher, app_.CurrentWindowsFamily);
    } else if (key == "Help") {
        mnuUsersGuide_Click();
    } else if (key == "Exit") {
        mnuExit_Click();
    } else if (key == "Ping") {
        ShowPingTab();
    }
}

void FrmMain::ShowPingTab() {
    tray.mnuShowMainWindow_Click();
    tabSettings.SetTab(2);
}

void FrmMain::mnuUsersGuide_Click() {
    // The shell tells the user itself when the guide cannot be opened.
    (void)app_.services.shell.Open(app_.helpFile, show::Normal);
}

void FrmMain::mnuwebsite_Click() {
    OpenProductWebSite(app_.services.shell);
}

void FrmMain::mnuemail_Click() {
    StartSupportEMail(app_.services.shell);
}

void FrmMain::mnutip_Click() {
    ShowTip(false);
}

void FrmMain::mnuSupport_Click() {
    if (!support_) {
        support_ = std::make_unique<FrmSupport>(
            host_, SupportServices{app_.services.registry, app_.services.files,
                                   app_.services.launcher, app_.services.boxes,
                                   app_.services.shell, app_.version});
    }
    support_->Show(true);
}

// A tip window that has been closed starts afresh, as a new window would.
void FrmMain::ShowTip(bool modal) {
    if (tip_ && tip_->Loaded()) {
        tip_->Show(modal);
        tip_->SetForeground();
        return;
    }
    tip_ = std::make_unique<FrmTip>(
        host_, TipServices{app_.services.files, app_.services.userSettings, app_.services.boxes,
                           app_.version.ExeName, app_.Title(), app_.folder});
    tip_->Show(modal);
}

}  // namespace quintel
