// The main window's ping tab: a working copy of the ping settings that
// only "OK" saves, and "Ping Now". The panel owns the tab's controls,
// their places and their handlers.
#pragma once

#include "ui/forms/ValueControls.h"
#include "ui/mainwindow/PanelLayout.h"

namespace quintel {

struct AppContext;

class PingPanel {
public:
    explicit PingPanel(AppContext& app);
    PingPanel(const PingPanel&) = delete;
    PingPanel& operator=(const PingPanel&) = delete;

    forms::OptionGroup pingGroup;
    forms::Label lblPing;
    forms::Frame fraPingConfiguration;  // designer: Frame8
    forms::OptionButton optPingAutomatic;  // designer: Option1
    forms::OptionButton optPingManual;     // designer: Option2
    forms::Label lblPingHost;              // designer: Label6
    forms::TextBox txtPingHost;
    forms::Label lblPingInterval;  // designer: Label5
    forms::ComboBox cmbPingInterval;
    forms::CheckBox chkSound;
    forms::CommandButton cmdok;
    forms::CommandButton cmdDefault;

    // The controls on page `page` of `tabs`.
    PlacedControls Place(forms::TabSet& tabs, int page);
    void ShowHelpText();

    void LoadPingSettings();
    void ShowPingSettings();
    void optPingAutomatic_Click();
    void optPingManual_Click();
    void cmdDefault_Click();
    // True when the tab's input can be saved.
    bool ValidatePingSettings();
    void SavePingSettings();
    // One keep-alive ping to the saved host, at once.
    void PingNow();

private:
    void WireHandlers();

    AppContext& app_;
};

}  // namespace quintel
