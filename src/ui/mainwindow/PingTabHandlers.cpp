// The main window's ping tab: a working copy of the ping settings that
// only "OK" saves, and "Ping Now".
#include "ui/mainwindow/FrmMain.h"
#include "core/ping/Pinger.h"
#include "core/ping/PingSettings.h"

namespace quintel {

namespace {
constexpr std::uint32_t PingTimeout = 1000;
constexpr const char* AutomaticHostText = "Automatic";
}  // namespace

void FrmMain::LoadPingSettings() {
    app_.pingSettings = LoadPingSettingsFile(app_.services.files, app_.FilePath(PingFileName),
                                             app_.pingSettings);
}

void FrmMain::ShowPingSettings() {
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

void FrmMain::optPingAutomatic_Click() {
    txtPingHost.SetEnabled(false);
    cmbPingInterval.SetEnabled(false);
    txtPingHost.SetAlignment(forms::TextBox::Align::Center);
    txtPingHost.SetText(AutomaticHostText);
    cmbPingInterval.SetListIndex(4);  // 5 minutes
}

void FrmMain::optPingManual_Click() {
    txtPingHost.SetEnabled(true);
    cmbPingInterval.SetEnabled(true);
    txtPingHost.SetText("");
    txtPingHost.SetAlignment(forms::TextBox::Align::Left);
    cmbPingInterval.SetListIndex(-1);
}

void FrmMain::cmdDefault_Click() {
    optPingAutomatic.SetValue(true);
    chkSound.SetValue(forms::CheckBox::Unchecked);
}

bool FrmMain::ValidatePingSettings() {
    if (!optPingManual.Value()) return true;
    return !txtPingHost.Text().empty() && cmbPingInterval.ListIndex() >= 0 &&
           HostReadsBack(txtPingHost.Text());
}

void FrmMain::SavePingSettings() {
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
    FileError error;
    if (!app_.services.files.ReplaceFileContents(app_.FilePath(PingFileName), FormatPingFile(s),
                                                 error)) {
        // The new values stay in use for this run; the user must know they
        // will be gone at the next start.
        app_.services.boxes.Show("The ping settings could not be saved.\r\n\r\nCould not write " +
                                     error.path + ": " + error.reason,
                                 app_.Title(), mb::OkOnly | mb::IconExclamation);
    }
}

void FrmMain::PingNow() {
    host_.DoEvents();
    host_.DoEvents();
    Pinger ping(app_.services.sockets, app_.services.icmp, app_.services.boxes, app_.Title());
    ping.Ping(app_.pingSettings.PingHost, PingTimeout);
    host_.DoEvents();
    // The sound follows every ping, answered or not.
    if (app_.pingSettings.PingSound) {
        PlayPingSound(app_.services.files, app_.services.sound, app_.folder);
    }
}

}  // namespace quintel
