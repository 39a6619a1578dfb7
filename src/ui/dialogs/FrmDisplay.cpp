#include "ui/dialogs/FrmDisplay.h"

#include "core/tuning/TuningSettings.h"

namespace quintel {

namespace {
constexpr const char* Paragraph = "\r\n\r\n";
constexpr const char* ApplyAndRestart =
    "In order that your settings will take effect you will have to press the 'Apply' Button "
    "which is located in the Toolbar. Please Restart the Machine";
}  // namespace

std::string DisplayHeading(int optiMode, const std::string& modeText) {
    if (optiMode == mode::Manual) return "You have selected the \"Manual Optimization Mode\".";
    return "You have selected the \"" + modeText + " Optimization Mode\".";
}

std::string DisplayBody(int optiMode, const std::string& appTitle) {
    if (optiMode == mode::Manual) {
        return std::string("Please try various settings combinations and watch your Internet "
                           "performance to find out which configuration is best for your "
                           "Internet.") +
               Paragraph + ApplyAndRestart;
    }
    return "After a lot of research, " + appTitle +
           " offers three different Automatic Optimization Modes which will improve your "
           "connection speed." +
           Paragraph +
           "You should try all three of them to find out which one is best for your computer." +
           Paragraph + ApplyAndRestart;
}

FrmDisplay::FrmDisplay(forms::FormHost& host, const std::string& appTitle,
                       std::string connectionText, int optiMode, std::string modeText)
    : Form(host, "frmDisplay", "", 6255, 3735),
      picDisplay("picDisplay", forms::Rect{240, 240, 720, 720}, "display"),
      lblHeading("lblHeading", forms::Rect{1200, 240, 4815, 495}),
      lblExplanation("lblExplanation", forms::Rect{1200, 840, 4815, 2175}),
      cmdOK("cmdOK", forms::Rect{4920, 3165, 1095, 375}, "OK"),
      appTitle_(appTitle),
      connectionText_(std::move(connectionText)),
      optiMode_(optiMode),
      modeText_(std::move(modeText)) {
    Icon = "app";
    MinButton = false;
    cmdOK.Default = true;
    Add(picDisplay);
    Add(lblHeading);
    Add(lblExplanation);
    Add(cmdOK);
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void FrmDisplay::Form_Load() {
    SetCaption(connectionText_);
    lblHeading.SetCaption(DisplayHeading(optiMode_, modeText_));
    lblExplanation.SetCaption(DisplayBody(optiMode_, appTitle_));
}

void FrmDisplay::cmdOK_Click() {
    Close();
}

}  // namespace quintel
