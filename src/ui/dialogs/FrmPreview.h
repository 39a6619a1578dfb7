// The preview of Apply: every registry value it would touch for the
// choice in the main window, what each holds now and what it would hold
// after, the changes first. The user may go on to Apply from here.
#pragma once

#include <string>
#include <vector>

#include "core/tuning/ChangePlan.h"
#include "ui/forms/Form.h"
#include "ui/forms/ListView.h"
#include "ui/forms/ValueControls.h"

namespace quintel {

class FrmPreview : public forms::Form {
public:
    FrmPreview(forms::FormHost& host, const ChangePlan& plan);

    forms::Label lblSummary;
    forms::ListView lvwChanges;
    // The chosen row's key in full, which its column may have to cut.
    forms::Label lblKey;
    forms::CommandButton cmdApply;
    forms::CommandButton cmdClose;

    void lvwChanges_Click();
    void cmdApply_Click();
    void cmdClose_Click();

    // Whether the window was left with "Apply": the caller applies then,
    // once the window is gone, as if the user had chosen Apply itself.
    bool ApplyChosen() const { return applyChosen_; }

private:
    ChangePlan listed_;  // in the order of the rows
    bool applyChosen_ = false;
};

// The columns' order in the list.
namespace previewcolumn {
constexpr int Key = 0;
constexpr int Value = 1;
constexpr int Now = 2;
constexpr int After = 3;
}  // namespace previewcolumn

// The values that change first, then the others, each group in the order
// Apply writes them: the order of the rows.
ChangePlan ChangesFirst(const ChangePlan& plan);
// The rows for a plan in that order, the unchanged ones grey.
std::vector<forms::ListRow> PreviewRows(const ChangePlan& plan);
// A key as the list shows it, from its path under HKEY_LOCAL_MACHINE.
std::string PreviewKeyText(const std::string& path);
// A key written out in full.
std::string FullKeyText(const std::string& path);
// "3 of 19 values change".
std::string PreviewSummary(const ChangePlan& plan);

}  // namespace quintel
