#include "ui/mainwindow/PreviewCommand.h"

#include "core/tuning/ChangePlan.h"
#include "ui/mainwindow/ApplyCommand.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {

void PreviewChanges(FrmMain& window) {
    AppContext& app = window.App();
    // The record follows the controls as they change, so it is the choice
    // in the window, saved or not; a Manual choice with a value missing
    // has nothing Apply would write yet.
    const TuningSettings& choice = app.tuning.CurrentSettings;
    if (choice.OptiMode == mode::Manual && !window.tuning.ValidateManualSettings()) return;
    const ChangePlan plan = PlanChanges(choice, app.CurrentWindowsFamily, app.services.registry);
    if (window.ShowPreview(plan)) ApplySettings(window);
}

}  // namespace quintel
