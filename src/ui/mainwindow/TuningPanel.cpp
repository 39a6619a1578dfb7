#include "ui/mainwindow/TuningPanel.h"

#include "core/tuning/TuningSettings.h"
#include "core/text/NumberText.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {

namespace {

using forms::Rect;

constexpr int KeyBackspace = 8;

constexpr const char* GeneralHelp =
    "MTU is the default packet size that Windows uses to negotiate with.When a connection is "
    "opened between two computers.\r\n\r\n"
    "RWIN is the amount of receive data (in bytes) that can be buffered at one time on a "
    "connection.\r\n\r\n"
    "TTL is a field in the IP header which indicates how long a packet should be allowed to "
    "survive before it is discarded.";
constexpr const char* AdvancedHelp =
    "Session Keep Alive specifies how often to send session keep alive packets on active "
    "sessions.\r\n\r\n"
    "NDI Cache is the size of the cache used to store source routing paths.\r\n\r\n"
    "Maximum Session allowed option used to increase the number of simultaneous downloads from "
    "the same web site.";

using limits::MaxMtu;
using limits::MaxTtl;
using limits::MinMtu;
using limits::MinTtl;

// "x4" stands for 4.
int Multiplier(const std::string& entry) {
    return static_cast<int>(LeadingNumber(entry.substr(1)));
}

std::int32_t TextValue(const forms::TextBox& box) {
    return RoundToInt32(LeadingNumber(box.Text()));
}

// Every choice pair works alike: "Windows Default" disables and clears its
// input and puts the default into the record; "Custom" enables the input.
// The option's own state decides, as it did when it was clicked.
void DefaultChosen(const forms::OptionButton& windowsDefault, forms::TextBox& input, bool& custom,
                   std::int32_t& value, std::int32_t defaultValue) {
    input.SetEnabled(!windowsDefault.Value());
    input.SetText("");
    custom = false;
    value = defaultValue;
}

void DefaultChosen(const forms::OptionButton& windowsDefault, forms::ComboBox& input, bool& custom,
                   std::int16_t& index, std::int32_t& value, std::int32_t defaultValue) {
    input.SetEnabled(!windowsDefault.Value());
    input.SetListIndex(-1);
    custom = false;
    index = -1;
    value = defaultValue;
}

void CustomChosen(const forms::OptionButton& customOption, forms::Control& input, bool& custom) {
    input.SetEnabled(customOption.Value());
    custom = true;
}

}  // namespace

TuningPanel::TuningPanel(FrmMain& window, AppContext& app)
    : lblGeneral("lblGeneral", Rect{240, 600, 6735, 1695}),
      fraMTU("fraMTU", Rect{120, 2280, 2295, 1455}, "MTU (Max Transmission Unit)"),
      optMTU1("optMTU1", Rect{240, 360, 1935, OptionHeight}, "Windows Default", mtuGroup),
      optMTU2("optMTU2", Rect{240, 840, 1000, OptionHeight}, "Custom", mtuGroup),
      txtMTU("txtMTU", Rect{1320, 840, 735, TextHeight}),
      // Under the box it fills, in the room the frame has below it.
      cmdFindMTU("cmdFindMTU", Rect{1320, 1155, 735, 255}, "Find..."),
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
      lblHttp11("lblHttp11", Rect{120, 360, 900, 255}, "HTTP 1.1"),
      cmbMSCPS1("cmbMSCPS1", Rect{1080, 360, 735, ListHeight}),
      lblHttp10("lblHttp10", Rect{120, 720, 900, 255}, "HTTP 1.0"),
      cmbMSCPS0("cmbMSCPS0", Rect{1080, 720, 735, ListHeight}),
      chkPMTU("chkPMTU", Rect{480, 3480, 1815, OptionHeight}, "MTU Auto Discover"),
      chkBlackHole("chkBlackHole", Rect{2820, 3480, 1815, OptionHeight}, "Black Hole Detection"),
      window_(window),
      app_(app) {
    lblGeneral.ForeColor = HelpTextColor;
    lblAdv.ForeColor = HelpTextColor;
    // The design state: "Windows Default" everywhere with its input
    // disabled, nothing checked or chosen.
    for (forms::OptionButton* o : {&optMTU1, &optRWIN1, &optTTL1, &optSKA1, &optNDI1}) {
        o->SetValue(true);
    }
    for (forms::Control* c : std::initializer_list<forms::Control*>{&txtMTU, &txtTTL, &cmbRWIN, &cmbSKA, &cmbNDI}) {
        c->SetEnabled(false);
    }
    WireHandlers();
}

PlacedControls TuningPanel::Place(forms::TabSet& tabs) {
    constexpr int General = 0;
    constexpr int Advanced = 1;
    PlacedControls placed;
    placed.In(tabs, {&lblGeneral, &fraMTU}, General)
        .In(fraMTU, {&optMTU1, &optMTU2, &txtMTU, &cmdFindMTU})
        .In(tabs, {&fraRWIN}, General)
        .In(fraRWIN, {&optRWIN1, &optRWIN2, &cmbRWIN})
        .In(tabs, {&fraTTL}, General)
        .In(fraTTL, {&optTTL1, &optTTL2, &txtTTL});
    placed.In(tabs, {&lblAdv, &fraSKA}, Advanced)
        .In(fraSKA, {&optSKA1, &optSKA2, &cmbSKA})
        .In(tabs, {&fraNDI}, Advanced)
        .In(fraNDI, {&optNDI1, &optNDI2, &cmbNDI})
        .In(tabs, {&fraMaxSessions}, Advanced)
        .In(fraMaxSessions, {&lblHttp11, &cmbMSCPS1, &lblHttp10, &cmbMSCPS0})
        .In(tabs, {&chkPMTU, &chkBlackHole}, Advanced);
    return placed;
}

void TuningPanel::WireHandlers() {
    optMTU1.Click = [this] { optMTU1_Click(); };
    optMTU2.Click = [this] { optMTU2_Click(); };
    txtMTU.Change = [this] { txtMTU_Change(); };
    txtMTU.KeyPress = [this](int& key) { txtMTU_KeyPress(key); };
    cmdFindMTU.Click = [this] { cmdFindMTU_Click(); };
    optTTL1.Click = [this] { optTTL1_Click(); };
    optTTL2.Click = [this] { optTTL2_Click(); };
    txtTTL.Change = [this] { txtTTL_Change(); };
    txtTTL.KeyPress = [this](int& key) { txtTTL_KeyPress(key); };
    optRWIN1.Click = [this] { optRWIN1_Click(); };
    optRWIN2.Click = [this] { optRWIN2_Click(); };
    cmbRWIN.Click = [this] { cmbRWIN_Click(); };
    optSKA1.Click = [this] { optSKA1_Click(); };
    optSKA2.Click = [this] { optSKA2_Click(); };
    cmbSKA.Click = [this] { cmbSKA_Click(); };
    optNDI1.Click = [this] { optNDI1_Click(); };
    optNDI2.Click = [this] { optNDI2_Click(); };
    cmbNDI.Click = [this] { cmbNDI_Click(); };
    cmbMSCPS0.Click = [this] { cmbMSCPS0_Click(); };
    cmbMSCPS1.Click = [this] { cmbMSCPS1_Click(); };
    chkPMTU.Click = [this] { chkPMTU_Click(); };
    chkBlackHole.Click = [this] { chkBlackHole_Click(); };
}

void TuningPanel::FillLists() {
    std::vector<std::string> factors;
    for (int n = 4; n <= 16; n += 2) factors.push_back("x" + std::to_string(n));
    cmbRWIN.SetItems(std::move(factors));

    std::vector<std::string> minutes;
    for (int m = 1; m <= 60; ++m) minutes.push_back(std::to_string(m) + " min.");
    cmbSKA.SetItems(std::move(minutes));

    std::vector<std::string> sizes{"0"};
    for (int power = 1; power <= 6; ++power) sizes.push_back(std::to_string(1 << power));
    cmbNDI.SetItems(std::move(sizes));

    std::vector<std::string> sessions;
    for (int n = 2; n <= 60; ++n) sessions.push_back(std::to_string(n));
    cmbMSCPS0.SetItems(sessions);
    cmbMSCPS1.SetItems(std::move(sessions));
}

void TuningPanel::ShowHelpTexts() {
    lblGeneral.SetCaption(GeneralHelp);
    lblAdv.SetCaption(AdvancedHelp);
}

TuningSettings& TuningPanel::Settings() {
    return app_.tuning.CurrentSettings;
}

// --- MTU -----------------------------------------------------------------

void TuningPanel::optMTU1_Click() {
    DefaultChosen(optMTU1, txtMTU, Settings().MTUCustom, Settings().MTU,
                  app_.tuning.WindowsDefaults.MTU);
}

void TuningPanel::optMTU2_Click() {
    CustomChosen(optMTU2, txtMTU, Settings().MTUCustom);
}

void TuningPanel::txtMTU_Change() {
    if (optMTU2.Value()) Settings().MTU = TextValue(txtMTU);
}

void TuningPanel::txtMTU_KeyPress(int& keyAscii) {
    NumberBoxKeyFilter(keyAscii);
}

void TuningPanel::cmdFindMTU_Click() {
    // A fresh window each time: the last search's answer is not this one's.
    findMtu_ = std::make_unique<FrmFindMTU>(
        app_.services.host,
        FindMtuServices{app_.services.sockets, app_.services.icmp, app_.services.background,
                        app_.pingSettings.PingHost,
                        [this](int mtu) { UseFoundMtu(mtu); }});
    findMtu_->Show(true);
}

void TuningPanel::UseFoundMtu(int mtu) {
    optMTU2.SetValue(true);
    txtMTU.SetText(std::to_string(mtu));
}

// --- TTL -----------------------------------------------------------------

void TuningPanel::optTTL1_Click() {
    DefaultChosen(optTTL1, txtTTL, Settings().TTLCustom, Settings().TTL,
                  app_.tuning.WindowsDefaults.TTL);
}

void TuningPanel::optTTL2_Click() {
    CustomChosen(optTTL2, txtTTL, Settings().TTLCustom);
}

void TuningPanel::txtTTL_Change() {
    if (optTTL2.Value()) Settings().TTL = TextValue(txtTTL);
}

void TuningPanel::txtTTL_KeyPress(int& keyAscii) {
    NumberBoxKeyFilter(keyAscii);
}

void TuningPanel::NumberBoxKeyFilter(int& keyAscii) {
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (digit || keyAscii == KeyBackspace) return;
    keyAscii = 0;
    app_.services.beeper.Beep();
}

// --- RWIN, keep-alive, NDI cache -----------------------------------------

void TuningPanel::optRWIN1_Click() {
    DefaultChosen(optRWIN1, cmbRWIN, Settings().RWINCustom, Settings().RWINIndex, Settings().RWIN,
                  app_.tuning.WindowsDefaults.RWIN);
}

void TuningPanel::optRWIN2_Click() {
    CustomChosen(optRWIN2, cmbRWIN, Settings().RWINCustom);
}

void TuningPanel::cmbRWIN_Click() {
    if (!optRWIN2.Value() || cmbRWIN.ListIndex() < 0) return;
    Settings().RWINIndex = static_cast<std::int16_t>(cmbRWIN.ListIndex());
    // Taken from the MTU of this moment; a later MTU change leaves it.
    Settings().RWIN = RoundToInt32(static_cast<double>(Settings().MTU) * Multiplier(cmbRWIN.Text()));
}

void TuningPanel::optSKA1_Click() {
    DefaultChosen(optSKA1, cmbSKA, Settings().SKACustom, Settings().SKAIndex, Settings().SKA,
                  app_.tuning.WindowsDefaults.SKA);
}

void TuningPanel::optSKA2_Click() {
    CustomChosen(optSKA2, cmbSKA, Settings().SKACustom);
}

void TuningPanel::cmbSKA_Click() {
    if (!optSKA2.Value() || cmbSKA.ListIndex() < 0) return;
    Settings().SKAIndex = static_cast<std::int16_t>(cmbSKA.ListIndex());
    Settings().SKA = (cmbSKA.ListIndex() + 1) * 60000;
}

void TuningPanel::optNDI1_Click() {
    DefaultChosen(optNDI1, cmbNDI, Settings().NDICustom, Settings().NDIIndex, Settings().NDI,
                  app_.tuning.WindowsDefaults.NDI);
}

void TuningPanel::optNDI2_Click() {
    CustomChosen(optNDI2, cmbNDI, Settings().NDICustom);
}

void TuningPanel::cmbNDI_Click() {
    if (!optNDI2.Value() || cmbNDI.ListIndex() < 0) return;
    Settings().NDIIndex = static_cast<std::int16_t>(cmbNDI.ListIndex());
    Settings().NDI = RoundToInt32(LeadingNumber(cmbNDI.Text()));
}

// --- The controls without a choice pair ----------------------------------

void TuningPanel::cmbMSCPS0_Click() {
    Settings().MSCPS0Index = static_cast<std::int16_t>(cmbMSCPS0.ListIndex());
    Settings().MSCPS0 = RoundToInt32(LeadingNumber(cmbMSCPS0.Text()));
}

void TuningPanel::cmbMSCPS1_Click() {
    Settings().MSCPS1Index = static_cast<std::int16_t>(cmbMSCPS1.ListIndex());
    Settings().MSCPS1 = RoundToInt32(LeadingNumber(cmbMSCPS1.Text()));
}

void TuningPanel::chkPMTU_Click() {
    Settings().PMTU = CheckedToBoolean(chkPMTU.Value());
}

void TuningPanel::chkBlackHole_Click() {
    Settings().BlackHole = CheckedToBoolean(chkBlackHole.Value());
}

// --- All of them at once --------------------------------------------------

void TuningPanel::EnableManualControls(bool enabled) {
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &fraMTU, &fraRWIN, &fraTTL, &fraSKA, &fraNDI, &fraMaxSessions, &optMTU1, &optMTU2, &optRWIN1,
             &optRWIN2, &optTTL1, &optTTL2, &optSKA1, &optSKA2, &optNDI1, &optNDI2, &chkPMTU,
             &chkBlackHole, &txtMTU, &cmdFindMTU, &txtTTL, &cmbMSCPS0, &cmbMSCPS1, &cmbNDI, &cmbRWIN, &cmbSKA,
             &lblHttp10, &lblHttp11}) {
        c->SetEnabled(enabled);
    }
    // The choice pairs are cleared first, so clearing the inputs after them
    // leaves the record alone.
    for (forms::OptionButton* o : {&optMTU1, &optMTU2, &optRWIN1, &optRWIN2, &optTTL1, &optTTL2,
                                   &optSKA1, &optSKA2, &optNDI1, &optNDI2}) {
        o->SetValue(false);
    }
    chkPMTU.SetValue(forms::CheckBox::Unchecked);
    chkBlackHole.SetValue(forms::CheckBox::Unchecked);
    txtMTU.SetText("");
    txtTTL.SetText("");
    for (forms::ComboBox* list : {&cmbMSCPS0, &cmbMSCPS1, &cmbNDI, &cmbRWIN, &cmbSKA}) {
        list->SetListIndex(-1);
    }
}

void TuningPanel::ShowWindowsDefaults() {
    for (forms::OptionButton* o : {&optMTU1, &optRWIN1, &optTTL1, &optSKA1, &optNDI1}) {
        o->SetValue(true);
    }
    chkPMTU.SetValue(forms::CheckBox::Checked);
    chkBlackHole.SetValue(forms::CheckBox::Unchecked);
    cmbMSCPS0.SetListIndex(0);  // "2"
    cmbMSCPS1.SetListIndex(2);  // "4"
}

void TuningPanel::ShowSettingsInControls() {
    // Copied first: the handlers below write the record as they go.
    const TuningSettings saved = Settings();
    (saved.MTUCustom ? optMTU2 : optMTU1).SetValue(true);
    (saved.RWINCustom ? optRWIN2 : optRWIN1).SetValue(true);
    (saved.TTLCustom ? optTTL2 : optTTL1).SetValue(true);
    (saved.SKACustom ? optSKA2 : optSKA1).SetValue(true);
    (saved.NDICustom ? optNDI2 : optNDI1).SetValue(true);

    if (saved.MTUCustom) txtMTU.SetText(std::to_string(saved.MTU));
    if (saved.RWINCustom) cmbRWIN.SetListIndex(saved.RWINIndex);
    if (saved.TTLCustom) txtTTL.SetText(std::to_string(saved.TTL));
    if (saved.SKACustom) cmbSKA.SetListIndex(saved.SKAIndex);
    if (saved.NDICustom) cmbNDI.SetListIndex(saved.NDIIndex);

    chkPMTU.SetValue(saved.PMTU ? forms::CheckBox::Checked : forms::CheckBox::Unchecked);
    chkBlackHole.SetValue(saved.BlackHole ? forms::CheckBox::Checked : forms::CheckBox::Unchecked);
    cmbMSCPS0.SetListIndex(saved.MSCPS0Index);
    cmbMSCPS1.SetListIndex(saved.MSCPS1Index);
}

bool TuningPanel::ValidateManualSettings() {
    const char* problem = nullptr;
    auto outside = [](const forms::TextBox& box, int low, int high) {
        const double value = LeadingNumber(box.Text());
        return value < low || value > high;
    };
    if (window_.modes.cmbNetType.ListIndex() < 0) {
        problem = "Invalid Connection Type. Select Valid One.";
    } else if (window_.modes.cmbOptimize.ListIndex() < 0) {
        problem = "Invalid Optimization Mode. Select Valid One.";
    } else if (cmbMSCPS0.ListIndex() < 0) {
        problem = "Invalid MSCPS using HTTP 1.0 Value. Select Valid One.";
    } else if (cmbMSCPS1.ListIndex() < 0) {
        problem = "Invalid MSCPS using HTTP 1.1 value. Select Valid One.";
    } else if (optMTU2.Value() && txtMTU.Text().empty()) {
        problem = "Invalid MTU. Enter Valid One.";
    } else if (optRWIN2.Value() && cmbRWIN.ListIndex() < 0) {
        problem = "Invalid RWIN. Select Valid One.";
    } else if (optTTL2.Value() && txtTTL.Text().empty()) {
        problem = "Invalid TTL. Enter Valid One.";
    } else if (optSKA2.Value() && cmbSKA.ListIndex() < 0) {
        problem = "Invalid Session Keep Alive. Select Valid One.";
    } else if (optNDI2.Value() && cmbNDI.ListIndex() < 0) {
        problem = "Invalid NDI Cache. Select Valid One.";
    } else if (optMTU2.Value() && outside(txtMTU, MinMtu, MaxMtu)) {
        // An MTU or TTL the stack cannot use would cut the machine off
        // the network after the restart.
        problem = "Invalid MTU. Enter Valid One.";
    } else if (optTTL2.Value() && outside(txtTTL, MinTtl, MaxTtl)) {
        problem = "Invalid TTL. Enter Valid One.";
    } else if (optRWIN2.Value() &&
               (Settings().RWIN < limits::MinRwin || Settings().RWIN > limits::MaxRwin)) {
        // Taken from the MTU when the entry was chosen, which may have been
        // half typed; choosing an entry again takes the MTU as it is now.
        problem = "Invalid RWIN. Select Valid One.";
    }
    if (!problem) return true;
    app_.services.boxes.Show(problem, app_.Title(), mb::OkOnly | mb::IconInformation);
    return false;
}

}  // namespace quintel
