// The main window as designed: the frame, the toolbar and the status bar
// with their places and sizes in twips, and the parts registered in
// creation order. Behaviour lives in the other files.
#include "ui/dialogs/FrmDisplay.h"
#include "ui/dialogs/FrmPreview.h"
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
      menus(*this, app),
      tray(*this, app),
      load(*this, app),
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

    for (forms::MenuItem* top : menus.TopMenus()) AddMenu(*top);
    AddMenu(tray.mnuPopupMenu);
    tbrMain.ButtonClick = [this](const forms::ToolbarButton& b) { tbrMain_ButtonClick(b); };
    sbrMain.PanelDblClick = [this](int panel) { sbrMain_PanelDblClick(panel); };
}

void FrmMain::AddAll(const PlacedControls& placed) {
    for (forms::Control* c : placed.List()) Add(*c);
}

}  // namespace quintel
