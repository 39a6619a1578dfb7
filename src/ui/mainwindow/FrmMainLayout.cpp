// The main window as designed: every control with its place and size in
// twips, the menus and the toolbar. Behaviour lives in the other files.
#include "ui/dialogs/FrmDisplay.h"
#include "ui/mainwindow/FrmMain.h"
#include "ui/dialogs/FrmSupport.h"
#include "ui/dialogs/FrmTip.h"
#include "ui/mainwindow/PanelLayout.h"

namespace quintel {

using forms::Line;
using forms::Rect;
using forms::ToolbarButton;

namespace {

constexpr int MainWidth = 7620;
constexpr int MainHeight = 6210;

std::vector<ToolbarButton> ToolbarButtons() {
    auto button = [](const char* key, const char* tip) {
        return ToolbarButton{key, key, tip, 0, false};
    };
    ToolbarButton separator{};
    separator.Separator = true;
    return {
        button("Apply", "Apply New Settings"),
        button("Ping", "Ping Configuration"),
        separator,
        button("Restore", "Restore Original Settings"),
        button("Backup", "Backup Registry"),
        separator,
        button("Internet", "Internet Options"),
        button("System", "System Options"),
        button("Modem", "Modem Options"),
        button("Network", "Network Options"),
        separator,
        button("Help", "Help"),
        button("Exit", ""),
    };
}

}  // namespace

FrmMain::FrmMain(AppContext& app)
    : Form(app.services.host, "frmMain", "Quintel", MainWidth, MainHeight),
      tbrMain("tbrMain", Rect{0, 0, MainWidth, 570}, ToolbarButtons()),
      fraSettings("fraSettings", Rect{120, 720, 7450, 5175},
             "Modify your Internet Settings in Order to improve your computer Networking "
             "Performance"),
      modes(*this, app),
      linEtchDark("linEtchDark", Rect{0, 960, 7400, 15}, Line::SystemColor::WindowFrame),
      linEtchLight("linEtchLight", Rect{0, 970, 7400, 15}, Line::SystemColor::WindowBackground),
      tabSettings("tabSettings", Rect{120, 1080, 7245, 3975}, {"General", "Advanced", "&&Ping Configuration"}),

      tuning(*this, app),

      ping(app),

      sbrMain("sbrMain", Rect{0, 5895, MainWidth, 315}, 4),

      mnuFile("mnuFile", "&File"),
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
      mnucontactus1("mnucontactus1", "&Contact us"),
      mnuwebsite1("mnuwebsite1", "Visit our Web Site"),
      mnuemail1("mnuemail1", "Email us"),
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
      app_(app) {
    Icon = "app";
    FixedSize = true;
    MaxButton = false;

    // Registration order is creation and tab order; containers come first.
    Add(tbrMain);
    Add(fraSettings);
    AddAll(modes.Place(fraSettings));
    AddAll(PlacedControls().In(fraSettings, {&linEtchDark, &linEtchLight, &tabSettings}));

    AddAll(tuning.Place(tabSettings));

    AddAll(ping.Place(tabSettings, 2));
    Add(sbrMain);


    BuildMenus();
    WireHandlers();
}

void FrmMain::AddAll(const PlacedControls& placed) {
    for (forms::Control* c : placed.List()) Add(*c);
}

void FrmMain::BuildMenus() {
    mnuFile.Add(mnuApplyNewSettings).Add(mnuRegistryBackup).Add(mnuFileSeparator1).Add(mnuRestore)
        .Add(mnuFileSeparator2).Add(mnuExit);
    mnuControlPanel.Add(mnuSystem).Add(mnuInternet).Add(mnumodem).Add(mnuNetwork);
    mnuView.Add(mnuToolBar).Add(mnuStatusBar).Add(mnuViewSeparator1).Add(mnuControlPanel);
    mnucontactus1.Add(mnuwebsite1).Add(mnuemail1);
    mnuHelpMenu.Add(mnuHelpUsersGuide).Add(mnutip).Add(mnuHelpSeparator1).Add(mnucontactus1).Add(mnuHelpSeparator2)
        .Add(mnuSupport);
    mnucontactus.Add(mnuwebsite).Add(mnuemail);
    mnuPopupMenu.Add(mnuShowMainWindow).Add(mnuPingConfig).Add(mnuPingNow).Add(mnuPopupSeparator1)
        .Add(mnucontactus).Add(mnuPopupSeparator2).Add(mnuUsersGuide).Add(mnuPopupSeparator3).Add(mnuDisable);

    mnuToolBar.SetChecked(true);
    mnuStatusBar.SetChecked(true);
    mnuPopupMenu.SetVisible(false);  // the tray's menu, never in the bar

    AddMenu(mnuFile);
    AddMenu(mnuView);
    AddMenu(mnuHelpMenu);
    AddMenu(mnuPopupMenu);
}

}  // namespace quintel
