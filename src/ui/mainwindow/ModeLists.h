// The connection-type and optimization-mode lists at the top of the main
// window, with their labels, places and handlers.
#pragma once

#include "ui/forms/ValueControls.h"
#include "ui/mainwindow/PanelLayout.h"

namespace quintel {

class FrmMain;
struct AppContext;

class ModeLists {
public:
    ModeLists(FrmMain& window, AppContext& app);
    ModeLists(const ModeLists&) = delete;
    ModeLists& operator=(const ModeLists&) = delete;

    forms::Label lblConnectionType;  // designer: Label1
    forms::ComboBox cmbNetType;
    forms::Label lblOptimizationMode;  // designer: Label2
    forms::ComboBox cmbOptimize;

    // The controls in `frame`.
    PlacedControls Place(forms::Frame& frame);
    // Both lists; the first connection type is selected.
    void FillLists();

    void cmbNetType_Click();
    void cmbOptimize_Click();

private:
    FrmMain& window_;  // for the tuning panel, the status bar and the mode explanation
    AppContext& app_;
};

}  // namespace quintel
