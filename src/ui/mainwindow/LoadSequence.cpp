#include "ui/mainwindow/LoadSequence.h"

#include "core/system/LocalAddress.h"
#include "core/system/TipSetting.h"
#include "core/system/mdlAddons.h"
#include "core/tuning/SettingsFile.h"
#include "ui/mainwindow/FrmMain.h"
#include "ui/mainwindow/PingIntervalList.h"
#include "ui/mainwindow/UndoCommand.h"

namespace quintel {

LoadSequence::LoadSequence(FrmMain& window, AppContext& app) : window_(window), app_(app) {}

void LoadSequence::Form_Load() {
    FrmMain& w = window_;
    forms::FormHost& host = app_.services.host;
    Trace& trace = app_.trace;
    const TraceStep whole(trace, "load");
    Loading = true;
    w.menus.mnuSupport.SetCaption("About " + app_.Title());

    {
        const TraceStep step(trace, "Windows family and local address");
        app_.CurrentWindowsFamily = DetectWindowsFamily(app_.services.version);
        w.sbrMain.SetPanelText(3, "OS: " + app_.CurrentWindowsFamily.Name);
        w.sbrMain.SetPanelText(
            4, "IP Address: " + GetIPAddress(app_.services.ipHelper, app_.services.boxes, app_.Title()));
    }

    {
        const TraceStep step(trace, "presets and lists");
        app_.tuning.LoadPresets();
        FillLists();
    }
    {
        const TraceStep step(trace, "settings files");
        LoadSettingsFile(app_.tuning, app_.services.files, app_.FilePath(SettingsFileName));
        w.ping.LoadPingSettings();
    }
    {
        const TraceStep step(trace, "pending events (1)");
        host.DoEvents();
    }

    {
        const TraceStep step(trace, "companion started");
        // A missing companion is no reason to stop: it only keeps the line up.
        (void)app_.services.launcher.Start(app_.FilePath("Korvet.exe"), {}, show::Hide);
    }
    {
        const TraceStep step(trace, "pending events (2)");
        host.DoEvents();
        host.DoEvents();
    }

    {
        const TraceStep step(trace, "saved settings shown");
        ShowSavedSettings();
    }
    {
        const TraceStep step(trace, "applied state");
        ShowChangeState(w);
    }
    {
        const TraceStep step(trace, "toolbar images");
        SetToolbarImages();
    }
    {
        const TraceStep step(trace, "pending events (3)");
        host.DoEvents();
    }

    if (ShowTipsAtStartup(app_.services.userSettings, app_.version.ExeName)) {
        trace.Mark("tip of the day");
        w.ShowTip(true);
    }
    {
        // After the tip, not before it: the first call to the shell loads
        // its libraries, which would keep a new user waiting for the tip.
        // Before the main window shows, so that the window is the last to
        // be activated: added after it, the icon left the focus astray.
        const TraceStep step(trace, "tray icon");
        w.tray.AddTrayIcon();
    }

    {
        const TraceStep step(trace, "main window shown");
        w.Show();
        w.SetState(forms::WindowState::Normal);
    }

    {
        const TraceStep step(trace, "ping tab");
        w.ping.LoadPingSettings();
        FillPingIntervalList(w.ping.cmbPingInterval);
        w.ping.ShowPingSettings();
    }
    Loading = false;
}

void LoadSequence::FillLists() {
    window_.modes.FillLists();
    window_.tuning.FillLists();
}

void LoadSequence::ShowSavedSettings() {
    FrmMain& w = window_;
    const TuningSettings& settings = app_.tuning.CurrentSettings;
    w.modes.cmbNetType.SetListIndex(settings.ConnectionType);
    w.modes.cmbOptimize.SetListIndex(settings.OptiMode);
    if (settings.OptiMode == mode::Manual) {
        w.tuning.ShowSettingsInControls();
    } else {
        w.tuning.EnableManualControls(false);
    }
    w.sbrMain.SetPanelText(2, ModeStatusText(w.modes.cmbOptimize.Text()));
    w.tuning.ShowHelpTexts();
    w.ping.ShowHelpText();
}

void LoadSequence::SetToolbarImages() {
    window_.tbrMain.SetImageList("ImageList1");
    constexpr int Images[] = {10, 5, 0, 9, 4, 0, 6, 3, 2, 1, 0, 7, 11};
    for (int i = 0; i < 13; ++i) window_.tbrMain.SetButtonImage(i + 1, Images[i]);
}

}  // namespace quintel
