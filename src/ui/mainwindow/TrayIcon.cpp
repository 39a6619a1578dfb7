// The main window's tray icon and the shortcut menu it opens.
#include <algorithm>
#include <iterator>

#include "ui/mainwindow/FrmMain.h"
#include "platform/MessageBoxes.h"

namespace quintel {

namespace {

// The mouse messages the shell reports for the icon.
constexpr int LeftButtonUp = 0x202;
constexpr int LeftButtonDoubleClick = 0x203;
constexpr int RightButtonUp = 0x205;

constexpr std::uint32_t FirstRecordSize = 88;
constexpr std::uint32_t TrayIconId = 1;

}  // namespace

void TrayIconRecord::SetTip(const std::string& text) {
    const std::size_t length = std::min(text.size(), TipCapacity - 1);
    std::fill(std::begin(Tip), std::end(Tip), '\0');
    std::copy_n(text.begin(), length, Tip);
}

void FrmMain::AddTrayIcon() {
    TrayIconRecord& record = trayIcon_;
    record.Size = FirstRecordSize;
    record.Window = Handle();
    record.Id = TrayIconId;
    record.Flags = trayflag::Message | trayflag::Icon | trayflag::Tip;
    record.CallbackMessage = forms::TrayCallbackMessage;
    record.Icon = host_.ListImageIcon("imgKorvet", 3);
    record.SetTip(app_.version.ProductName);
    SendTrayIcon();
    trayIconShown_ = true;
}

// A shell that refuses the icon leaves the program as it is: the window
// works without it.
void FrmMain::SendTrayIcon() {
    app_.services.tray.Notify(trayrequest::Add, trayIcon_);
    app_.services.tray.Notify(trayrequest::Modify, trayIcon_);
}

void FrmMain::RemoveTrayIcon() {
    app_.services.tray.Notify(trayrequest::Delete, trayIcon_);
    trayIconShown_ = false;
}

// A new taskbar knows nothing of the icons the old one showed.
void FrmMain::Form_TaskbarCreated() {
    if (trayIconShown_) SendTrayIcon();
}

void FrmMain::Form_TrayNotify(int mouseMessage) {
    // While the window waits for a command to finish, the icon only brings
    // it forward: its menu would start commands in the middle of that one.
    if (!Enabled()) {
        if (mouseMessage == LeftButtonUp || mouseMessage == LeftButtonDoubleClick ||
            mouseMessage == RightButtonUp)
            SetForeground();
        return;
    }
    switch (mouseMessage) {
    case LeftButtonUp:
    case LeftButtonDoubleClick:
        SetState(forms::WindowState::Normal);
        SetForeground();
        Show();
        break;
    case RightButtonUp:
        SetForeground();
        ShowKeepAliveState();
        PopupMenu(menus.mnuPopupMenu);
        break;
    default:
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
