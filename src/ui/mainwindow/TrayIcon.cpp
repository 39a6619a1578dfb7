#include "ui/mainwindow/TrayIcon.h"

#include "platform/MessageBoxes.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {

TrayIcon::TrayIcon(FrmMain& window, AppContext& app)
    : mnuPopupMenu("mnuPopupMenu", "PopupMenuDisplay"),
      mnuShowMainWindow("mnuShowMainWindow", "Show &Main Window"),
      mnuPingConfig("mnuPingConfig", "Ping Configuration"),
      mnuPingNow("mnuPingNow", "Ping Now"),
      mnuPopupSeparator1("mnuPopupSeparator1", "-"),
      mnucontactus("mnucontactus", "Contact us"),
      mnuwebsite("mnuwebsite", "Visit our Web Site"),
      mnuemail("mnuemail", "Email us"),
      mnuPopupSeparator2("mnuPopupSeparator2", "-"),
      mnuUsersGuide("mnuUsersGuide", "User's Guide"),
      mnuPopupSeparator3("mnuPopupSeparator3", "-"),
      mnuDisable("mnuDisable", "Disable"),
      window_(window),
      app_(app) {
    BuildMenu();
    WireHandlers();
}

void TrayIcon::BuildMenu() {
    mnucontactus.Add(mnuwebsite).Add(mnuemail);
    mnuPopupMenu.Add(mnuShowMainWindow).Add(mnuPingConfig).Add(mnuPingNow).Add(mnuPopupSeparator1)
        .Add(mnucontactus).Add(mnuPopupSeparator2).Add(mnuUsersGuide).Add(mnuPopupSeparator3).Add(mnuDisable);
    mnuPopupMenu.SetVisible(false);  // opened at the icon, never in the bar
}

// The window's handlers are called only when the items are chosen, after
// the window is whole.
void TrayIcon::WireHandlers() {
    mnuShowMainWindow.Click = [this] { mnuShowMainWindow_Click(); };
    mnuPingConfig.Click = [this] { window_.ShowPingTab(); };
    mnuPingNow.Click = [this] { window_.ping.PingNow(); };
    mnuwebsite.Click = [this] { window_.mnuwebsite_Click(); };
    mnuemail.Click = [this] { window_.mnuemail_Click(); };
    mnuUsersGuide.Click = [this] { window_.mnuUsersGuide_Click(); };
    mnuDisable.Click = [this] { mnuDisable_Click(); };
}

void TrayIcon::AddTrayIcon() {
    record_.Window = window_.Handle();
    record_.Icon = app_.services.host.ListImageIcon("imgKorvet", 3);
    record_.Tip = app_.version.ProductName;
    SendTrayIcon();
    shown_ = true;
}

// A shell that refuses the icon leaves the program as it is: the window
// works without it.
void TrayIcon::SendTrayIcon() {
    (void)app_.services.tray.Add(record_);
    (void)app_.services.tray.Modify(record_);
}

void TrayIcon::RemoveTrayIcon() {
    (void)app_.services.tray.Remove(record_);
    shown_ = false;
}

// A new taskbar knows nothing of the icons the old one showed.
void TrayIcon::TaskbarCreated() {
    if (shown_) SendTrayIcon();
}

void TrayIcon::TrayNotify(TrayEvent event) {
    // While the window waits for a command to finish, the icon only brings
    // it forward: its menu would start commands in the middle of that one.
    if (!window_.Enabled()) {
        window_.SetForeground();
        return;
    }
    switch (event) {
    case TrayEvent::LeftClick:
    case TrayEvent::DoubleClick:
        window_.SetState(forms::WindowState::Normal);
        window_.SetForeground();
        window_.Show();
        break;
    case TrayEvent::RightClick:
        window_.SetForeground();
        ShowKeepAliveState();
        window_.PopupMenu(mnuPopupMenu);
        break;
    }
}

void TrayIcon::mnuShowMainWindow_Click() {
    window_.Show();
    window_.SetState(forms::WindowState::Normal);
}

// The companion may have been paused by an earlier window, by its own
// /pause switch, or may not run at all: the item says what choosing it
// would do now. With no companion there is nothing to pause.
void TrayIcon::ShowKeepAliveState() {
    forms::MenuItem& item = mnuDisable;
    const KeepAliveState state = app_.services.keepAlive.State();
    item.SetCaption(state == KeepAliveState::Paused ? "Enable" : "Disable");
    item.SetEnabled(state != KeepAliveState::NotRunning);
}

void TrayIcon::mnuDisable_Click() {
    forms::MenuItem& item = mnuDisable;
    if (item.Caption() == "Disable") {
        item.SetCaption("Enable");
        app_.services.keepAlive.Pause();
        app_.services.boxes.Show(
            "You have only disabled the Ping utility...\r\n\r\n" + app_.Title() +
                " will continue boosting your Internet connection.\r\nIn order to disable the "
                "connection acceleration, you will have to run the uninstall program.",
            app_.Title(), mb::OkOnly | mb::IconInformation);
    } else {
        item.SetCaption("Disable");
        app_.services.keepAlive.Resume();
    }
}

}  // namespace quintel
