#include "ui/mainwindow/ModeLists.h"

#include "core/tuning/TuningSettings.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {

using forms::Rect;

ModeLists::ModeLists(FrmMain& window, AppContext& app)
    : lblConnectionType("lblConnectionType", Rect{240, 480, 1335, 255}, "Connection Type"),
      cmbNetType("cmbNetType", Rect{1560, 480, 2655, ListHeight}),
      lblOptimizationMode("lblOptimizationMode", Rect{4440, 480, 1335, 255}, "Optimization Mode"),
      cmbOptimize("cmbOptimize", Rect{5880, 480, 1335, ListHeight}),
      window_(window),
      app_(app) {
    cmbNetType.Click = [this] { cmbNetType_Click(); };
    cmbOptimize.Click = [this] { cmbOptimize_Click(); };
}

PlacedControls ModeLists::Place(forms::Frame& frame) {
    PlacedControls placed;
    placed.In(frame, {&lblConnectionType, &cmbNetType, &lblOptimizationMode, &cmbOptimize});
    return placed;
}

void ModeLists::FillLists() {
    cmbNetType.SetItems({"Dial-up Networking (Modem)", "LAN, Cable Modem, xDSL, ISDN, T1, T2",
                         "Cable/xDSL running PPPoE/PPTP", "DirectPc (Satellite)"});
    cmbNetType.SetListIndex(0);

    cmbOptimize.SetItems({"Automatic #1", "Automatic #2", "Automatic #3", "Manual"});
}

void ModeLists::cmbNetType_Click() {
    app_.tuning.SelectConnectionType(cmbNetType.ListIndex());
}

void ModeLists::cmbOptimize_Click() {
    // The load sequence selects the saved mode itself and must not reset
    // the saved manual values.
    if (window_.load.Loading) return;

    const int index = cmbOptimize.ListIndex();
    app_.tuning.CurrentSettings.OptiMode = static_cast<std::int16_t>(index);
    if (index >= mode::Automatic1 && index <= mode::Automatic3) {
        window_.tuning.EnableManualControls(false);
        app_.tuning.SelectOptimizationMode(index);
    } else if (index == mode::Manual) {
        window_.tuning.EnableManualControls(true);
        app_.tuning.SelectOptimizationMode(index);
        window_.tuning.ShowWindowsDefaults();
        window_.ShowModeDialog();
    }
    window_.sbrMain.SetPanelText(2, ModeStatusText(cmbOptimize.Text()));
}

}  // namespace quintel
