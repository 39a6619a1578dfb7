// The manual tuning controls of the General and Advanced tabs: each edits
// its fields of the current record the moment it changes.
#include "core/tuning/TuningSettings.h"
#include "core/text/NumberText.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {

namespace {

constexpr int KeyBackspace = 8;
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

// --- MTU -----------------------------------------------------------------

void FrmMain::optMTU1_Click() {
    DefaultChosen(optMTU1, txtMTU, Settings().MTUCustom, Settings().MTU,
                  app_.tuning.WindowsDefaults.MTU);
}

void FrmMain::optMTU2_Click() {
    CustomChosen(optMTU2, txtMTU, Settings().MTUCustom);
}

void FrmMain::txtMTU_Change() {
    if (optMTU2.Value()) Settings().MTU = TextValue(txtMTU);
}

void FrmMain::txtMTU_KeyPress(int& keyAscii) {
    NumberBoxKeyFilter(keyAscii);
}

// --- TTL -----------------------------------------------------------------

void FrmMain::optTTL1_Click() {
    DefaultChosen(optTTL1, txtTTL, Settings().TTLCustom, Settings().TTL,
                  app_.tuning.WindowsDefaults.TTL);
}

void FrmMain::optTTL2_Click() {
    CustomChosen(optTTL2, txtTTL, Settings().TTLCustom);
}

void FrmMain::txtTTL_Change() {
    if (optTTL2.Value()) Settings().TTL = TextValue(txtTTL);
}

void FrmMain::txtTTL_KeyPress(int& keyAscii) {
    NumberBoxKeyFilter(keyAscii);
}

void FrmMain::NumberBoxKeyFilter(int& keyAscii) {
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (digit || keyAscii == KeyBackspace) return;
    keyAscii = 0;
    app_.services.beeper.Beep();
}

// --- RWIN, keep-alive, NDI cache -----------------------------------------

void FrmMain::optRWIN1_Click() {
    DefaultChosen(optRWIN1, cmbRWIN, Settings().RWINCustom, Settings().RWINIndex, Settings().RWIN,
                  app_.tuning.WindowsDefaults.RWIN);
}

void FrmMain::optRWIN2_Click() {
    CustomChosen(optRWIN2, cmbRWIN, Settings().RWINCustom);
}

void FrmMain::cmbRWIN_Click() {
    if (!optRWIN2.Value() || cmbRWIN.ListIndex() < 0) return;
    Settings().RWINIndex = static_cast<std::int16_t>(cmbRWIN.ListIndex());
    // Taken from the MTU of this moment; a later MTU change leaves it.
    Settings().RWIN = RoundToInt32(static_cast<double>(Settings().MTU) * Multiplier(cmbRWIN.Text()));
}

void FrmMain::optSKA1_Click() {
    DefaultChosen(optSKA1, cmbSKA, Settings().SKACustom, Settings().SKAIndex, Settings().SKA,
                  app_.tuning.WindowsDefaults.SKA);
}

void FrmMain::optSKA2_Click() {
    CustomChosen(optSKA2, cmbSKA, Settings().SKACustom);
}

void FrmMain::cmbSKA_Click() {
    if (!optSKA2.Value() || cmbSKA.ListIndex() < 0) return;
    Settings().SKAIndex = static_cast<std::int16_t>(cmbSKA.ListIndex());
    Settings().SKA = (cmbSKA.ListIndex() + 1) * 60000;
}

void FrmMain::optNDI1_Click() {
    DefaultChosen(optNDI1, cmbNDI, Settings().NDICustom, Settings().NDIIndex, Settings().NDI,
                  app_.tuning.WindowsDefaults.NDI);
}

void FrmMain::optNDI2_Click() {
    CustomChosen(optNDI2, cmbNDI, Settings().NDICustom);
}

void FrmMain::cmbNDI_Click() {
    if (!optNDI2.Value() || cmbNDI.ListIndex() < 0) return;
    Settings().NDIIndex = static_cast<std::int16_t>(cmbNDI.ListIndex());
    Settings().NDI = RoundToInt32(LeadingNumber(cmbNDI.Text()));
}

// --- The controls without a choice pair ----------------------------------

void FrmMain::cmbMSCPS0_Click() {
    Settings().MSCPS0Index = static_cast<std::int16_t>(cmbMSCPS0.ListIndex());
    Settings().MSCPS0 = RoundToInt32(LeadingNumber(cmbMSCPS0.Text()));
}

void FrmMain::cmbMSCPS1_Click() {
    Settings().MSCPS1Index = static_cast<std::int16_t>(cmbMSCPS1.ListIndex());
    Settings().MSCPS1 = RoundToInt32(LeadingNumber(cmbMSCPS1.Text()));
}

void FrmMain::chkPMTU_Click() {
    Settings().PMTU = CheckedToBoolean(chkPMTU.Value());
}

void FrmMain::chkBlackHole_Click() {
    Settings().BlackHole = CheckedToBoolean(chkBlackHole.Value());
}

// --- All of them at once --------------------------------------------------

void FrmMain::EnableManualControls(bool enabled) {
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &fraMTU, &fraRWIN, &fraTTL, &fraSKA, &fraNDI, &fraMaxSessions, &optMTU1, &optMTU2, &optRWIN1,
             &optRWIN2, &optTTL1, &optTTL2, &optSKA1, &optSKA2, &optNDI1, &optNDI2, &chkPMTU,
             &chkBlackHole, &txtMTU, &txtTTL, &cmbMSCPS0, &cmbMSCPS1, &cmbNDI, &cmbRWIN, &cmbSKA,
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

void FrmMain::ShowWindowsDefaults() {
    for (forms::OptionButton* o : {&optMTU1, &optRWIN1, &optTTL1, &optSKA1, &optNDI1}) {
        o->SetValue(true);
    }
    chkPMTU.SetValue(forms::CheckBox::Checked);
    chkBlackHole.SetValue(forms::CheckBox::Unchecked);
    cmbMSCPS0.SetListIndex(0);  // "2"
    cmbMSCPS1.SetListIndex(2);  // "4"
}

void FrmMain::ShowSettingsInControls() {
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

bool FrmMain::ValidateManualSettings() {
    const char* problem = nullptr;
    auto outside = [](const forms::TextBox& box, int low, int high) {
        const double value = LeadingNumber(box.Text());
        return value < low || value > high;
    };
    if (cmbNetType.ListIndex() < 0) {
        problem = "Invalid Connection Type. Select Valid One.";
    } else if (cmbOptimize.ListIndex() < 0) {
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
