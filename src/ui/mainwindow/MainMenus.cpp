#include "ui/mainwindow/MainMenus.h"

#include "core/system/mdlAddons.h"
#include "ui/mainwindow/ApplyCommand.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {

MainMenus::MainMenus(FrmMain& window, AppContext& app)
    : mnuFile("mnuFile", "&File"),
      mnuApplyNewSettings("mnuApplyNewSettings", "&Apply New Settings"),
      mnuRegistryBackup("mnuRegistryBackup", "&Registry Backup"),
      mnuFileSeparator1("mnuFileSeparator1", "-"),
      mnuRestore("mnuRestore", "Restore &Windows Original Settings"),
      mnuFileSeparator2("mnuFileSeparator2", "-"),
      mnuExit("mnuExit", "&Exit"),
      mnuView("mnuView", "&View"),
      mnuToolBar("mnuToolBar", "&ToolBar"),
      mnuStatusBar("mnuStatusBar", "&Status Bar"),
      mnuViewSeparator1("mnuViewSeparator1", "-"),
      mnuControlPanel("mnuControlPanel", "&Control Panel"),
      mnuSystem("mnuSystem", "&Systems..."),
      mnuInternet("mnuInternet", "&Internet..."),
      mnumodem("mnumodem", "&Modems..."),
      mnuNetwork("mnuNetwork", "&Networks..."),
      mnuHelpMenu("mnuHelpMenu", "&Help"),
      mnuHelpUsersGuide("mnuHelpUsersGuide", "User's Guide"),
      mnutip("mnutip", "&Tip of the Day"),
      mnuHelpSeparator1("mnuHelpSeparator1", "-"),
      mnuHelpContactUs("mnuHelpContactUs", "&Contact us"),
      mnuHelpWebSite("mnuHelpWebSite", "Visit our Web Site"),
      mnuHelpEmail("mnuHelpEmail", "Email us"),
      mnuHelpSeparator2("mnuHelpSeparator2", "-"),
      mnuSupport("mnuSupport", "&Support"),
      mnuPopupMenu("mnuPopupMenu", "PopupMenuDisplay"),
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
    BuildMenus();
    WireHandlers();
}

std::vector<forms::MenuItem*> MainMenus::TopMenus() {
    return {&mnuFile, &mnuView, &mnuHelpMenu, &mnuPopupMenu};
}

void MainMenus::BuildMenus() {
    mnuFile.Add(mnuApplyNewSettings).Add(mnuRegistryBackup).Add(mnuFileSeparator1).Add(mnuRestore)
        .Add(mnuFileSeparator2).Add(mnuExit);
    mnuControlPanel.Add(mnuSystem).Add(mnuInternet).Add(mnumodem).Add(mnuNetwork);
    mnuView.Add(mnuToolBar).Add(mnuStatusBar).Add(mnuViewSeparator1).Add(mnuControlPanel);
    mnuHelpContactUs.Add(mnuHelpWebSite).Add(mnuHelpEmail);
    mnuHelpMenu.Add(mnuHelpUsersGuide).Add(mnutip).Add(mnuHelpSeparator1).Add(mnuHelpContactUs)
        .Add(mnuHelpSeparator2).Add(mnuSupport);
    mnucontactus.Add(mnuwebsite).Add(mnuemail);
    mnuPopupMenu.Add(mnuShowMainWindow).Add(mnuPingConfig).Add(mnuPingNow).Add(mnuPopupSeparator1)
        .Add(mnucontactus).Add(mnuPopupSeparator2).Add(mnuUsersGuide).Add(mnuPopupSeparator3).Add(mnuDisable);

    mnuToolBar.SetChecked(true);
    mnuStatusBar.SetChecked(true);
    mnuPopupMenu.SetVisible(false);  // the tray's menu, never in the bar
}

void MainMenus::WireHandlers() {
    mnuToolBar.Click = [this] { window_.mnuToolBar_Click(); };
    mnuStatusBar.Click = [this] { window_.mnuStatusBar_Click(); };
    mnuExit.Click = [this] { window_.mnuExit_Click(); };
    mnuApplyNewSettings.Click = [this] {
        if (window_.Enabled()) ApplySettings(window_);
    };
    mnuRestore.Click = [this] {
        if (window_.Enabled()) RestoreWindowsSettings(window_);
    };
    mnuRegistryBackup.Click = [this] {
        if (window_.Enabled()) BackupRegistry(app_, app_.services.host, window_);
    };
    mnuPingNow.Click = [this] { window_.ping.PingNow(); };
    mnuSystem.Click = [this] { OpenSystemOptions(app_.services.launcher); };
    mnuInternet.Click = [this] { OpenInternetOptions(app_.services.launcher); };
    mnumodem.Click = [this] { OpenModemOptions(app_.services.launcher); };
    mnuNetwork.Click = [this] { OpenNetworkOptions(app_.services.launcher, app_.CurrentWindowsFamily); };
    mnuUsersGuide.Click = [this] { window_.mnuUsersGuide_Click(); };
    mnuwebsite.Click = [this] { window_.mnuwebsite_Click(); };
    mnuemail.Click = [this] { window_.mnuemail_Click(); };
    // The Help menu's items do what the tray menu's do.
    mnuHelpUsersGuide.Click = [this] { mnuUsersGuide.Click(); };
    mnuHelpWebSite.Click = [this] { mnuwebsite.Click(); };
    mnuHelpEmail.Click = [this] { mnuemail.Click(); };
    mnutip.Click = [this] { window_.mnutip_Click(); };
    mnuSupport.Click = [this] { window_.mnuSupport_Click(); };
    mnuShowMainWindow.Click = [this] { window_.mnuShowMainWindow_Click(); };
    mnuPingConfig.Click = [this] { window_.ShowPingTab(); };
    mnuDisable.Click = [this] { window_.mnuDisable_Click(); };
}

}  // namespace quintel
