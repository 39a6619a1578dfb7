#include "ui/mainwindow/MainMenus.h"

#include "core/system/mdlAddons.h"
#include "ui/mainwindow/ApplyCommand.h"
#include "ui/mainwindow/FrmMain.h"
#include "ui/mainwindow/PreviewCommand.h"
#include "ui/mainwindow/UndoCommand.h"

namespace quintel {

MainMenus::MainMenus(FrmMain& window, AppContext& app)
    : mnuFile("mnuFile", "&File"),
      mnuApplyNewSettings("mnuApplyNewSettings", "&Apply New Settings"),
      mnuPreviewChanges("mnuPreviewChanges", "&Preview Changes..."),
      mnuRegistryBackup("mnuRegistryBackup", "&Registry Backup"),
      mnuFileSeparator1("mnuFileSeparator1", "-"),
      mnuRestore("mnuRestore", "Restore &Windows Original Settings"),
      mnuUndoLastChange("mnuUndoLastChange", "&Undo Last Change"),
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
      window_(window),
      app_(app) {
    BuildMenus();
    WireHandlers();
}

std::vector<forms::MenuItem*> MainMenus::TopMenus() {
    return {&mnuFile, &mnuView, &mnuHelpMenu};
}

void MainMenus::BuildMenus() {
    mnuFile.Add(mnuApplyNewSettings).Add(mnuPreviewChanges).Add(mnuRegistryBackup).Add(mnuFileSeparator1)
        .Add(mnuRestore).Add(mnuUndoLastChange).Add(mnuFileSeparator2).Add(mnuExit);
    mnuControlPanel.Add(mnuSystem).Add(mnuInternet).Add(mnumodem).Add(mnuNetwork);
    mnuView.Add(mnuToolBar).Add(mnuStatusBar).Add(mnuViewSeparator1).Add(mnuControlPanel);
    mnuHelpContactUs.Add(mnuHelpWebSite).Add(mnuHelpEmail);
    mnuHelpMenu.Add(mnuHelpUsersGuide).Add(mnutip).Add(mnuHelpSeparator1).Add(mnuHelpContactUs)
        .Add(mnuHelpSeparator2).Add(mnuSupport);

    mnuToolBar.SetChecked(true);
    mnuStatusBar.SetChecked(true);
    // Until the load has looked for a change to undo.
    mnuUndoLastChange.SetEnabled(false);
}

void MainMenus::WireHandlers() {
    mnuToolBar.Click = [this] { window_.mnuToolBar_Click(); };
    mnuStatusBar.Click = [this] { window_.mnuStatusBar_Click(); };
    mnuExit.Click = [this] { window_.mnuExit_Click(); };
    mnuApplyNewSettings.Click = [this] {
        if (window_.Enabled()) ApplySettings(window_);
    };
    mnuPreviewChanges.Click = [this] {
        if (window_.Enabled()) PreviewChanges(window_);
    };
    mnuRestore.Click = [this] {
        if (window_.Enabled()) RestoreWindowsSettings(window_);
    };
    mnuUndoLastChange.Click = [this] {
        if (window_.Enabled()) UndoLastChange(window_);
    };
    mnuRegistryBackup.Click = [this] {
        if (window_.Enabled()) BackupRegistry(app_, app_.services.host, window_);
    };
    mnuSystem.Click = [this] { (void)OpenSystemOptions(app_.services.launcher); };
    mnuInternet.Click = [this] { (void)OpenInternetOptions(app_.services.launcher); };
    mnumodem.Click = [this] { (void)OpenModemOptions(app_.services.launcher); };
    mnuNetwork.Click = [this] { (void)OpenNetworkOptions(app_.services.launcher, app_.CurrentWindowsFamily); };
    // The Help menu's items do what the tray menu's do.
    mnuHelpUsersGuide.Click = [this] { window_.mnuUsersGuide_Click(); };
    mnuHelpWebSite.Click = [this] { window_.mnuwebsite_Click(); };
    mnuHelpEmail.Click = [this] { window_.mnuemail_Click(); };
    mnutip.Click = [this] { window_.mnutip_Click(); };
    mnuSupport.Click = [this] { window_.mnuSupport_Click(); };
}

}  // namespace quintel
