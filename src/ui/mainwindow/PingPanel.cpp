#include "ui/mainwindow/PingPanel.h"

#include "ui/mainwindow/AppContext.h"
#include "core/ping/Pinger.h"
#include "core/ping/PingSettings.h"

namespace quintel {

namespace {
constexpr std::uint32_t PingTimeout = 1000;
constexpr const char* AutomaticHostText = "Automatic";
constexpr const char* PingHelp =
    "Most Internet Service Providers Disconnect users after a fixed time of modem activity. "
    "Setup the Ping Interval and you will not be disconnected...";
using forms::Rect;
}  // namespace

PingPanel::PingPanel(AppContext& app)
    : lblPing("lblPing", Rect{720, 600, 5775, 495}),
      fraPingConfiguration("fraPingConfiguration", Rect{720, 1200, 4575, 2535}, "Configuration"),
      optPingAutomatic("optPingAutomatic", Rect{480, 480, 1455, OptionHeight}, "Automatic Mode", pingGroup),
      optPingManual("optPingManual", Rect{2040, 480, 1455, OptionHeight}, "Manual Mode", pingGroup),
      lblPingHost("lblPingHost", Rect{480, 1080, 1335, 255}, "Ping Host"),
      txtPingHost("txtPingHost", Rect{2040, 960, 1935, TextHeight}),
      lblPingInterval("lblPingInterval", Rect{480, 1440, 1335, 255}, "Ping Interval"),
      cmbPingInterval("cmbPingInterval", Rect{2040, 1440, 1215, ListHeight}),
      chkSound("chkSound", Rect{2040, 1920, 1935, OptionHeight}, "Play &Sound at Ping"),
      cmdok("cmdok", Rect{5520, 1320, 1095, 375}, "OK"),
      cmdDefault("cmdDefault", Rect{5520, 1800, 1095, 375}, "Default"),
      app_(app) {
    lblPing.ForeColor = HelpTextColor;
    optPingAutomatic.SetValue(true);  // the design state
    WireHandlers();
}

PlacedControls PingPanel::Place(forms::TabSet& tabs, int page) {
    PlacedControls placed;
    placed.In(tabs, {&lblPing, &fraPingConfiguration}, page)
        .In(fraPingConfiguration, {&optPingAutomatic, &optPingManual, &lblPingHost, &txtPingHost,
                                   &lblPingInterval, &cmbPingInterval, &chkSound})
        .In(tabs, {&cmdok, &cmdDefault}, page);
    return placed;
}

void PingPanel::WireHandlers() {
    optPingAutomatic.Click = [this] { optPingAutomatic_Click(); };
    optPingManual.Click = [this] { optPingManual_Click(); };
    cmdDefault.Click = [this] { cmdDefault_Click(); };
    cmdok.Click = [this] { SavePingSettings(); };
}

void PingPanel::ShowHelpText() {
    lblPing.SetCaption(PingHelp);
}

void PingPanel::LoadPingSettings() {
    app_.pingSettings = LoadPingSettingsFile(app_.services.files, app_.FilePath(PingFileName),
                                             app_.pingSettings);
}

void PingPanel::ShowPingSettings() {
    const PingSettings& s = app_.pingSettings;
    (s.PingAutomatic ? optPingAutomatic : optPingManual).SetValue(true);
    // The option's own click leaves the same state; the saved values go in
    // after it.
    const bool manual = !s.PingAutomatic;
    txtPingHost.SetEnabled(manual);
    cmbPingInterval.SetEnabled(manual);
    txtPingHost.SetAlignment(manual ? forms::TextBox::Align::Left : forms::TextBox::Align::Center);
    txtPingHost.SetText(manual ? s.PingHost : AutomaticHostText);
    cmbPingInterval.SetListIndex(PingIntervalIndex(s.PingInterval, cmbPingInterval.ListCount()));
    chkSound.SetValue(s.PingSound ? forms::CheckBox::Checked : forms::CheckBox::Unchecked);
}

void PingPanel::optPingAutomatic_Click() {
    txtPingHost.SetEnabled(false);
    cmbPingInterval.SetEnabled(false);
    txtPingHost.SetAlignment(forms::TextBox::Align::Center);
    txtPingHost.SetText(AutomaticHostText);
    cmbPingInterval.SetListIndex(4);  // 5 minutes
}

void PingPanel::optPingManual_Click() {
    txtPingHost.SetEnabled(true);
    cmbPingInterval.SetEnabled(true);
    txtPingHost.SetText("");
    txtPingHost.SetAlignment(forms::TextBox::Align::Left);
    cmbPingInterval.SetListIndex(-1);
}

void PingPanel::cmdDefault_Click() {
    optPingAutomatic.SetValue(true);
    chkSound.SetValue(forms::CheckBox::Unchecked);
}

bool PingPanel::ValidatePingSettings() {
    if (!optPingManual.Value()) return true;
    return !txtPingHost.Text().empty() && cmbPingInterval.ListIndex() >= 0 &&
           HostReadsBack(txtPingHost.Text());
}

void PingPanel::SavePingSettings() {
    if (!ValidatePingSettings()) {
        app_.services.boxes.Show("Enter Values Properly.", app_.Title(),
                                 mb::OkOnly | mb::IconInformation);
        return;
    }
    PingSettings& s = app_.pingSettings;
    s.PingSound = CheckedToBoolean(chkSound.Value());
    if (optPingAutomatic.Value()) {
        s.PingAutomatic = true;
        s.PingHost = DefaultPingHost;
        s.PingInterval = DefaultPingInterval;
    } else {
        s.PingAutomatic = false;
        s.PingHost = txtPingHost.Text();
        s.PingInterval = std::to_string(cmbPingInterval.ListIndex() + 1);
    }
    const auto written =
        app_.services.files.ReplaceFileContents(app_.FilePath(PingFileName), FormatPingFile(s));
    if (!written) {
        const FileError& error = written.Error();
        // The new values stay in use for this run; the user must know they
        // will be gone at the next start.
        app_.services.boxes.Show("The ping settings could not be saved.\r\n\r\nCould not write " +
                                     error.path + ": " + error.reason,
                                 app_.Title(), mb::OkOnly | mb::IconExclamation);
    }
}

void PingPanel::PingNow() {
    app_.services.host.DoEvents();
    app_.services.host.DoEvents();
    Pinger ping(app_.services.sockets, app_.services.icmp, app_.services.boxes, app_.Title());
    ping.Ping(app_.pingSettings.PingHost, PingTimeout);
    app_.services.host.DoEvents();
    // The sound follows every ping, answered or not.
    if (app_.pingSettings.PingSound) {
        PlayPingSound(app_.services.files, app_.services.sound, app_.folder);
    }
}

}  // namespace quintel
