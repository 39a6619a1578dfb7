#include "win32/view/demo/DemoForm.h"

#include <cctype>

namespace quintel::win32::demo {

using forms::Rect;

namespace {

std::vector<forms::ToolbarButton> Buttons() {
    auto button = [](const char* caption, const char* tip, int image) {
        return forms::ToolbarButton{caption, caption, tip, image, false};
    };
    forms::ToolbarButton gap{};
    gap.Separator = true;
    return {button("Apply", "Apply New Settings", 10), button("Ping", "Ping Configuration", 5), gap,
            button("Restore", "Restore Original Settings", 9), button("Backup", "Backup Registry", 4), gap,
            button("Internet", "Internet Options", 6), button("System", "System Options", 3),
            button("Modem", "Modem Options", 2), button("Network", "Network Options", 1), gap,
            button("Help", "Help", 7), button("Exit", "", 11)};
}

}  // namespace

DemoDialog::DemoDialog(forms::FormHost& host)
    : Form(host, "DemoDialog", "Automatic #1", 6255, 3735),
      picture("picture", Rect{240, 240, 720, 720}, "display"),
      heading("heading", Rect{1200, 240, 4815, 495},
              "You have selected the \"Automatic #1 Optimization Mode\"."),
      body("body", Rect{1200, 840, 4815, 2175},
           "Automatic modes choose every value for you.\r\n\r\nTry each of them to find out which "
           "one is best for your computer, then apply and restart."),
      ok("ok", Rect{4920, 3165, 1095, 375}, "OK") {
    Icon = "app";
    MinButton = false;
    Add(picture);
    Add(heading);
    Add(body);
    Add(ok);
    ok.Click = [this] { Close(); };
}

DemoForm::DemoForm(forms::FormHost& host)
    : Form(host, "DemoForm", "Quintel view demo", 7620, 6210),
      toolbar("toolbar", Rect{0, 0, 7620, 570}, Buttons()),
      top("top", Rect{120, 720, 7380, 5100}, "Modify your Internet Settings"),
      connectionLabel("connectionLabel", Rect{240, 480, 1335, 255}, "Connection Type"),
      connection("connection", Rect{1560, 450, 2655, 315}),
      modeLabel("modeLabel", Rect{4440, 480, 1335, 255}, "Optimization Mode"),
      mode("mode", Rect{5880, 450, 1335, 315}),
      dark("dark", Rect{0, 960, 7380, 15}, forms::Line::SystemColor::WindowFrame),
      light("light", Rect{0, 970, 7380, 15}, forms::Line::SystemColor::WindowBackground),
      tabs("tabs", Rect{120, 1080, 7125, 3855}, {"&General", "&Advanced", "&&Ping Configuration"}),
      generalHelp("generalHelp", Rect{240, 480, 6615, 735},
                  "Choose Windows' own value or type one of yours.\r\nThe values take effect after "
                  "a restart."),
      mtuFrame("mtuFrame", Rect{240, 1320, 2895, 1455}, "MTU (Max Transmission Unit)"),
      mtuDefault("mtuDefault", Rect{240, 360, 1935, 255}, "Windows Default", mtuGroup),
      mtuCustom("mtuCustom", Rect{240, 840, 1000, 255}, "Custom", mtuGroup),
      mtu("mtu", Rect{1320, 825, 735, 285}),
      ttlFrame("ttlFrame", Rect{3360, 1320, 3495, 1455}, "Discovery"),
      discover("discover", Rect{240, 360, 2895, 255}, "MTU Auto Discover"),
      blackHole("blackHole", Rect{240, 840, 2895, 255}, "Black Hole Detection"),
      advancedHelp("advancedHelp", Rect{1200, 600, 5415, 735},
                   "The logo, drawn by the program itself."),
      logo("logo", Rect{240, 480, 720, 720}, "logo"),
      pingHelp("pingHelp", Rect{240, 480, 6615, 495}, "Click here to open the dialog."),
      pingHost("pingHost", Rect{240, 1080, 2895, 285}),
      pingNow("pingNow", Rect{3360, 1035, 1095, 375}, "Ping &Now"),
      status("status", Rect{0, 5895, 7620, 315}, 3),
      file("file", "&File"), apply("apply", "&Apply New Settings"), fileSep("fileSep", "-"),
      exit("exit", "E&xit"), view("view", "&View"), showToolbar("showToolbar", "&ToolBar"),
      showStatus("showStatus", "&Status Bar"), help("help", "&Help"), about("about", "&About...") {
    Icon = "app";
    Add(toolbar);
    Add(top);
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &connectionLabel, &connection, &modeLabel, &mode, &dark, &light, &tabs}) {
        c->PlaceIn(top);
        Add(*c);
    }
    auto onPage = [this](int page, std::initializer_list<forms::Control*> controls) {
        for (forms::Control* c : controls) {
            c->PlaceIn(tabs, page);
            Add(*c);
        }
    };
    auto inFrame = [this](forms::Frame& frame, std::initializer_list<forms::Control*> controls) {
        for (forms::Control* c : controls) {
            c->PlaceIn(frame);
            Add(*c);
        }
    };
    onPage(0, {&generalHelp, &mtuFrame});
    inFrame(mtuFrame, {&mtuDefault, &mtuCustom, &mtu});
    onPage(0, {&ttlFrame});
    inFrame(ttlFrame, {&discover, &blackHole});
    onPage(1, {&logo, &advancedHelp});
    onPage(2, {&pingHelp, &pingHost, &pingNow});
    Add(status);

    generalHelp.ForeColor = forms::Color{0, 0, 128};
    pingHelp.ForeColor = forms::Color{0, 0, 128};

    file.Add(apply).Add(fileSep).Add(exit);
    view.Add(showToolbar).Add(showStatus);
    help.Add(about);
    AddMenu(file);
    AddMenu(view);
    AddMenu(help);
    showToolbar.SetChecked(true);
    showStatus.SetChecked(true);

    exit.Click = [this] { Close(); };
    showToolbar.Click = [this] {
        showToolbar.SetChecked(!showToolbar.Checked());
        toolbar.SetVisible(showToolbar.Checked());
    };
    showStatus.Click = [this] {
        showStatus.SetChecked(!showStatus.Checked());
        status.SetVisible(showStatus.Checked());
    };
    about.Click = [this] { ShowAbout(); };
    pingHelp.Click = [this] { ShowAbout(); };
    toolbar.ButtonClick = [this](const forms::ToolbarButton& button) {
        status.SetPanelText(3, "Clicked " + button.Caption);
        if (button.Caption == "Exit") Close();
    };
    mtuDefault.Click = [this] { mtu.SetEnabled(false); };
    mtuCustom.Click = [this] { mtu.SetEnabled(true); };
    mtu.KeyPress = [](int& key) {
        if (key != 8 && !std::isdigit(key)) key = 0;
    };
    mode.Click = [this] { status.SetPanelText(2, "Mode: " + mode.Text()); };
}

void DemoForm::Form_Load() {
    for (const char* item : {"Modem 56K", "ISDN", "Cable / DSL", "LAN"}) connection.AddItem(item);
    for (const char* item : {"Automatic #1", "Automatic #2", "Automatic #3", "Manual"})
        mode.AddItem(item);
    connection.SetListIndex(2);
    mode.SetListIndex(0);
    mtuDefault.SetValue(true);
    mtu.SetAlignment(forms::TextBox::Align::Center);
    mtu.SetText("1500");
    discover.SetValue(forms::CheckBox::Checked);
    pingHost.SetText("www.example.com");
    toolbar.SetImageList("ImageList1");
    status.SetPanelText(1, "Windows XP");
}

void DemoForm::ShowAbout() {
    dialog_ = std::make_unique<DemoDialog>(host_);
    dialog_->Show(true);
}

}  // namespace quintel::win32::demo
