// The connection-type and optimization-mode lists at the top of the window.
#include "core/tuning/TuningSettings.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {

void FrmMain::cmbNetType_Click() {
    app_.tuning.SelectConnectionType(cmbNetType.ListIndex());
}

void FrmMain::cmbOptimize_Click() {
    // The load sequence selects the saved mode itself and must not reset
    // the saved manual values.
    if (Loading) return;

    const int index = cmbOptimize.ListIndex();
    Settings().OptiMode = static_cast<std::int16_t>(index);
    if (index >= mode::Automatic1 && index <= mode::Automatic3) {
        tuning.EnableManualControls(false);
        app_.tuning.SelectOptimizationMode(index);
    } else if (index == mode::Manual) {
        tuning.EnableManualControls(true);
        app_.tuning.SelectOptimizationMode(index);
        tuning.ShowWindowsDefaults();
        ShowModeDialog();
    }
    sbrMain.SetPanelText(2, ModeStatusText(cmbOptimize.Text()));
}

}  // namespace quintel
