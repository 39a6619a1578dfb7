// The main window's tray icon and the shortcut menu it opens.
#include "ui/mainwindow/FrmMain.h"
#include "platform/MessageBoxes.h"

namespace quintel {

void FrmMain::AddTrayIcon() {
    trayIcon_.Window = Handle();
    trayIcon_.Icon = host_.ListImageIcon("imgKorvet", 3);
    trayIcon_.Tip = app_.version.ProductName;
    SendTrayIcon();
    trayIconShown_ = true;
}

// A shell that refuses the icon leaves the program as it is: the window
// works without it.
void FrmMain::SendTrayIcon() {
    (void)app_.services.tray.Add(trayIcon_);
    (void)app_.services.tray.Modify(trayIcon_);
}

void FrmMain::RemoveTrayIcon() {
    (void)app_.services.tray.Remove(trayIcon_);
    trayIconShown_ = false;
}

// A new taskbar knows nothing of the icons the old one showed.
void FrmMain::Form_TaskbarCreated() {
    if (trayIconShown_) SendTrayIcon();
}

void FrmMain::Form_TrayNotify(TrayEvent event) {
    // While the window waits for a command to finish, the icon only brings
    // it forward: its menu would start commands in the middle of that one.
    if (!Enabled()) {
        SetForeground();
        return;
    }
    switch (event) {
    case TrayEvent::LeftClick:
    case TrayEvent::DoubleClick:
        SetState(forms::WindowState::Normal);
        SetForeground();
        Show();
        break;
    case TrayEvent::RightClick:
        SetForeground();
        ShowKeepAliveState();
        PopupMenu(menus.mnuPopupMenu);
        break;
    }
}

void FrmMain::mnuShowMainWindow_Click() {
    Show();
    SetState(forms::WindowState::Normal);
}

void FrmMain::ShowPingTab() {
    mnuShowMainWindow_Click();
    tabSettings.SetTab(2);
}

// The companion may have been paused by an earlier window, by its own
// /pause switch, or may not run at all: the item says what choosing it
// would do now. With no companion there is nothing to pause.
void FrmMain::ShowKeepAliveState() {
    const KeepAliveState state = app_.services.keepAlive.State();
    menus.mnuDisable.SetCaption(state == KeepAliveState::Paused ? "Enable" : "Disable");
    menus.mnuDisable.SetEnabled(state != KeepAliveState::NotRunning);
}

void FrmMain::mnuDisable_Click() {
    if (menus.mnuDisable.Caption() == "Disable") {
        menus.mnuDisable.SetCaption("Enable");
        app_.services.keepAlive.Pause();
        app_.services.boxes.Show(
            "You have only disabled the Ping utility...\r\n\r\n" + app_.Title() +
                " will continue boosting your Internet connection.\r\nIn order to disable the "
                "connection acceleration, you will have to run the uninstall program.",
            app_.Title(), mb::OkOnly | mb::IconInformation);
    } else {
        menus.mnuDisable.SetCaption("Disable");
        app_.services.keepAlive.Resume();
    }
}

}  // namespace quintel
