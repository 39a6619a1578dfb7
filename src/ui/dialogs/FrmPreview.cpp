#include "ui/dialogs/FrmPreview.h"

namespace quintel {

namespace {

constexpr int PreviewWidth = 9360;
constexpr int PreviewHeight = 5160;

// The key column takes what the others leave: the longest keys (those of
// a network interface) end in an ellipsis and show whole in a tip.
std::vector<forms::ListColumn> PreviewColumns() {
    return {{"Key", 4260}, {"Value", 2340}, {"Now", 1080}, {"After", 1080}};
}

forms::ListRow RowOf(const PlannedValue& value) {
    forms::ListRow row;
    row.Texts.resize(4);
    row.Texts[previewcolumn::Key] = PreviewKeyText(value.Key);
    // regedit's name for a key's unnamed value.
    row.Texts[previewcolumn::Value] = value.ValueName.empty() ? "(Default)" : value.ValueName;
    row.Texts[previewcolumn::Now] = ValueText(value.Now);
    // Removing what is not there leaves it not there: "(removed)" only
    // where a value would go.
    row.Texts[previewcolumn::After] = ValueText(value.After, value.Now ? "(removed)" : "(not set)");
    row.Grey = !value.Changes();
    return row;
}

}  // namespace

std::string PreviewKeyText(const std::string& path) {
    return "HKLM\\" + path;
}

std::string PreviewSummary(const ChangePlan& plan) {
    return std::to_string(CountChanges(plan)) + " of " + std::to_string(plan.size()) +
           " values change";
}

std::vector<forms::ListRow> PreviewRows(const ChangePlan& plan) {
    std::vector<forms::ListRow> rows;
    rows.reserve(plan.size());
    for (const PlannedValue& value : plan)
        if (value.Changes()) rows.push_back(RowOf(value));
    for (const PlannedValue& value : plan)
        if (!value.Changes()) rows.push_back(RowOf(value));
    return rows;
}

FrmPreview::FrmPreview(forms::FormHost& host, const ChangePlan& plan)
    : Form(host, "frmPreview", "Preview Changes", PreviewWidth, PreviewHeight),
      lblSummary("lblSummary", forms::Rect{120, 120, 9120, 255}),
      lvwChanges("lvwChanges", forms::Rect{120, 420, 9120, 4080}, PreviewColumns()),
      cmdApply("cmdApply", forms::Rect{6900, 4665, 1095, 375}, "Apply"),
      cmdClose("cmdClose", forms::Rect{8145, 4665, 1095, 375}, "Close") {
    Icon = "app";
    MinButton = false;
    // Enter looks, it does not write: only a click on Apply applies.
    cmdClose.Default = true;
    Add(lblSummary);
    Add(lvwChanges);
    Add(cmdApply);
    Add(cmdClose);
    lblSummary.SetCaption(PreviewSummary(plan));
    lvwChanges.SetRows(PreviewRows(plan));
    cmdApply.Click = [this] { cmdApply_Click(); };
    cmdClose.Click = [this] { cmdClose_Click(); };
}

void FrmPreview::cmdApply_Click() {
    applyChosen_ = true;
    Close();
}

void FrmPreview::cmdClose_Click() {
    Close();
}

}  // namespace quintel
