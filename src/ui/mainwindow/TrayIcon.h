// The main window's tray icon and the shortcut menu it opens: the icon's
// record as the shell last saw it, the mouse events it passes on, the
// menu's items, which command each runs, and the menu's own commands
// (Show Main Window, Disable/Enable).
#pragma once

#include "platform/NotifyArea.h"
#include "ui/forms/Form.h"

namespace quintel {

class FrmMain;
struct AppContext;

class TrayIcon {
public:
    TrayIcon(FrmMain& window, AppContext& app);
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // The menu, never in the bar: the window registers it after the bar's.
    // designer: mnuUsersGuide is mnuHelp; mnuPopupSeparator1, 2, 3 are
    // mnudash5, mnudash10, mnudash7
    forms::MenuItem mnuPopupMenu, mnuShowMainWindow, mnuPingConfig, mnuPingNow,
        mnuPopupSeparator1, mnucontactus, mnuwebsite, mnuemail, mnuPopupSeparator2, mnuUsersGuide,
        mnuPopupSeparator3, mnuDisable;

    void AddTrayIcon();
    void RemoveTrayIcon();
    // The icon's mouse messages, and a taskbar that started again.
    void TrayNotify(TrayEvent event);
    void TaskbarCreated();

    void mnuShowMainWindow_Click();
    void mnuDisable_Click();
    void ShowKeepAliveState();

    // The icon's record as last sent to the shell.
    const TrayIconInfo& Record() const { return record_; }

private:
    void BuildMenu();
    void WireHandlers();
    // The add and modify requests with the record as it stands.
    void SendTrayIcon();

    FrmMain& window_;
    AppContext& app_;
    TrayIconInfo record_;
    bool shown_ = false;
};

}  // namespace quintel
