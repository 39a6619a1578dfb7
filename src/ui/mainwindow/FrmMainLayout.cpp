// The main window as designed: every control with its place and size in
// twips, the menus and the toolbar. Behaviour lives in the other files.
#include "ui/dialogs/FrmDisplay.h"
#include "ui/mainwindow/FrmMain.h"
#include "ui/dialogs/FrmSupport.h"
#include "ui/dialogs/FrmTip.h"

namespace quintel {

using forms::Line;
using forms::Rect;
using forms::ToolbarButton;

namespace {

constexpr int MainWidth = 7620;
constexpr int MainHeight = 6210;
constexpr int OptionHeight = 255;
constexpr int TextHeight = 285;
constexpr int ListHeight = 315;
constexpr forms::Color DarkBlue{0, 0, 128};

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
      lblConnectionType("lblConnectionType", Rect{240, 480, 1335, 255}, "Connection Type"),
      cmbNetType("cmbNetType", Rect{1560, 480, 2655, ListHeight}),
      lblOptimizationMode("lblOptimizationMode", Rect{4440, 480, 1335, 255}, "Optimization Mode"),
      cmbOptimize("cmbOptimize", Rect{5880, 480, 1335, ListHeight}),
      linEtchDark("linEtchDark", Rect{0, 960, 7400, 15}, Line::SystemColor::WindowFrame),
      linEtchLight("linEtchLight", Rect{0, 970, 7400, 15}, Line::SystemColor::WindowBackground),
      tabSettings("tabSettings", Rect{120, 1080, 7245, 3975}, {"General", "Advanced", "&&Ping Configuration"}),

      lblGeneral("lblGeneral", Rect{240, 600, 6735, 1695}),
      fraMTU("fraMTU", Rect{120, 2280, 2295, 1455}, "MTU (Max Transmission Unit)"),
      optMTU1("optMTU1", Rect{240, 360, 1935, OptionHeight}, "Windows Default", mtuGroup),
      optMTU2("optMTU2", Rect{240, 840, 1000, OptionHeight}, "Custom", mtuGroup),
      txtMTU("txtMTU", Rect{1320, 840, 735, TextHeight}),
      fraRWIN("fraRWIN", Rect{2535, 2280, 2295, 1455}, "RWIN (Receive Window)"),
      optRWIN1("optRWIN1", Rect{240, 360, 1935, OptionHeight}, "Windows Default", rwinGroup),
      optRWIN2("optRWIN2", Rect{240, 840, 1000, OptionHeight}, "Custom", rwinGroup),
      cmbRWIN("cmbRWIN", Rect{1320, 840, 735, ListHeight}),
      fraTTL("fraTTL", Rect{4950, 2280, 2175, 1455}, "TTL (Time To Live)"),
      optTTL1("optTTL1", Rect{240, 360, 1815, OptionHeight}, "Windows Default", ttlGroup),
      optTTL2("optTTL2", Rect{240, 840, 900, OptionHeight}, "Custom", ttlGroup),
      txtTTL("txtTTL", Rect{1200, 840, 735, TextHeight}),

      lblAdv("lblAdv", Rect{240, 600, 6735, 1215}),
      fraSKA("fraSKA", Rect{120, 1980, 2175, 1335}, "Session Keep Alive"),
      optSKA1("optSKA1", Rect{240, 360, 1815, OptionHeight}, "Windows Default", skaGroup),
      optSKA2("optSKA2", Rect{240, 840, 900, OptionHeight}, "Custom", skaGroup),
      cmbSKA("cmbSKA", Rect{1200, 840, 735, ListHeight}),
      fraNDI("fraNDI", Rect{2460, 1980, 2175, 1335}, "NDI Cache"),
      optNDI1("optNDI1", Rect{240, 360, 1815, OptionHeight}, "Windows Default", ndiGroup),
      optNDI2("optNDI2", Rect{240, 840, 900, OptionHeight}, "Custom", ndiGroup),
      cmbNDI("cmbNDI", Rect{1200, 840, 735, ListHeight}),
      fraMaxSessions("fraMaxSessions", Rect{4800, 1980, 2295, 1335}, "Maximum Sessions Allowed"),
      lblHttp11("lblHttp11", Rect{120, 390, 900, 255}, "HTTP 1.1"),
      cmbMSCPS1("cmbMSCPS1", Rect{1080, 360, 735, ListHeight}),
      lblHttp10("lblHttp10", Rect{120, 750, 900, 255}, "HTTP 1.0"),
      cmbMSCPS0("cmbMSCPS0", Rect{1080, 720, 735, ListHeight}),
      chkPMTU("chkPMTU", Rect{480, 3480, 1815, OptionHeight}, "MTU Auto Discover"),
      chkBlackHole("chkBlackHole", Rect{2820, 3480, 1815, OptionHeight}, "Black Hole Detection"),

      lblPing("lblPing", Rect{720, 600, 5775, 495}),
      fraPingConfiguration("fraPingConfiguration", Rect{720, 1200, 4575, 2535}, "Configuration"),
      optPingAutomatic("optPingAutomatic", Rect{480, 480, 1455, OptionHeight}, "Automatic Mode", pingGroup),
      optPingManual("optPingManual", Rect{2040, 480, 1455, OptionHeight}, "Manual Mode", pingGroup),
      lblPingHost("lblPingHost", Rect{480, 1080, 1335, 255}, "Ping Host"),
      txtPingHost("txtPingHost", Rect{2040, 960, 1935, TextHeight}),
      lblPingInterval("lblPingInterval", Rect{480, 1470, 1335, 255}, "Ping Interval"),
      cmbPingInterval("cmbPingInterval", Rect{2040, 1440, 1215, ListHeight}),
      chkSound("chkSound", Rect{2040, 1920, 1935, OptionHeight}, "Play &Sound at Ping"),
      cmdok("cmdok", Rect{5520, 1320, 1095, 375}, "OK"),
      cmdDefault("cmdDefault", Rect{5520, 1800, 1095, 375}, "Default"),

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
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &lblConnectionType, &cmbNetType, &lblOptimizationMode, &cmbOptimize, &linEtchDark, &linEtchLight, &tabSettings}) {
        c->PlaceIn(fraSettings);
        Add(*c);
    }

    auto onPage = [this](int page, std::initializer_list<forms::Control*> controls) {
        for (forms::Control* c : controls) {
            c->PlaceIn(tabSettings, page);
            Add(*c);
        }
    };
    auto inFrame = [this](forms::Frame& frame, std::initializer_list<forms::Control*> controls) {
        for (forms::Control* c : controls) {
            c->PlaceIn(frame);
            Add(*c);
        }
    };

    onPage(0, {&lblGeneral, &fraMTU});
    inFrame(fraMTU, {&optMTU1, &optMTU2, &txtMTU});
    onPage(0, {&fraRWIN});
    inFrame(fraRWIN, {&optRWIN1, &optRWIN2, &cmbRWIN});
    onPage(0, {&fraTTL});
    inFrame(fraTTL, {&optTTL1, &optTTL2, &txtTTL});

    onPage(1, {&lblAdv, &fraSKA});
    inFrame(fraSKA, {&optSKA1, &optSKA2, &cmbSKA});
    onPage(1, {&fraNDI});
    inFrame(fraNDI, {&optNDI1, &optNDI2, &cmbNDI});
    onPage(1, {&fraMaxSessions});
    inFrame(fraMaxSessions, {&lblHttp11, &cmbMSCPS1, &lblHttp10, &cmbMSCPS0});
    onPage(1, {&chkPMTU, &chkBlackHole});

    onPage(2, {&lblPing, &fraPingConfiguration});
    inFrame(fraPingConfiguration, {&optPingAutomatic, &optPingManual, &lblPingHost, &txtPingHost, &lblPingInterval, &cmbPingInterval, &chkSound});
    onPage(2, {&cmdok, &cmdDefault});

    Add(sbrMain);

    for (forms::Label* help : {&lblGeneral, &lblAdv, &lblPing}) help->ForeColor = DarkBlue;

    // The design state: "Windows Default" everywhere with its input
    // disabled, the ping tab in automatic mode, nothing checked or chosen.
    for (forms::OptionButton* o : {&optMTU1, &optRWIN1, &optTTL1, &optSKA1, &optNDI1, &optPingAutomatic}) {
        o->SetValue(true);
    }
    for (forms::Control* c : std::initializer_list<forms::Control*>{&txtMTU, &txtTTL, &cmbRWIN, &cmbSKA, &cmbNDI}) {
        c->SetEnabled(false);
    }

    BuildMenus();
    WireHandlers();
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
