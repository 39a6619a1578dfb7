#include "ui/dialogs/FrmPreview.h"

#include "core/tuning/RegFunctions.h"

namespace quintel {

namespace {

constexpr int PreviewWidth = 9360;
constexpr int PreviewHeight = 5640;

// The key column takes what the others leave: the longest keys (those of
// a network interface) end in an ellipsis there, and show whole under the
// list when their row is chosen.
std::vector<forms::ListColumn> PreviewColumns() {
    return {{"Key", 4260}, {"Value", 2340}, {"Now", 1080}, {"After", 1080}};
}

forms::ListRow RowOf(const PlannedValue& value) {
    forms::ListRow row;
    row.Texts.resize(4);
    row.Texts[previewcolumn::Key] = PreviewKeyText(value.Key);
    // regedit's name for a key's unnamed value.
    row.Texts[previewcolumn::Value] = ValueNameText(value.ValueName);
    row.Texts[previewcolumn::Now] = NowText(value);
    // Removing what is not there leaves it not there: "(removed)" only
    // where a value would go.
    row.Texts[previewcolumn::After] = ValueText(value.After, value.Now ? "(removed)" : "(not set)");
    row.Grey = !value.Differs();
    return row;
}

}  // namespace

std::string PreviewKeyText(const std::string& path) {
    return "HKLM\\" + path;
}

std::string FullKeyText(const std::string& path) {
    return "HKEY_LOCAL_MACHINE\\" + path;
}

std::string PreviewSummary(const ChangePlan& plan) {
    return ChangeCountText(plan);
}

ChangePlan ChangesFirst(const ChangePlan& plan) {
    ChangePlan ordered;
    ordered.reserve(plan.size());
    for (const PlannedValue& value : plan)
        if (value.Differs()) ordered.push_back(value);
    for (const PlannedValue& value : plan)
        if (!value.Differs()) ordered.push_back(value);
    return ordered;
}

std::vector<forms::ListRow> PreviewRows(const ChangePlan& plan) {
    std::vector<forms::ListRow> rows;
    rows.reserve(plan.size());
    for (const PlannedValue& value : ChangesFirst(plan)) rows.push_back(RowOf(value));
    return rows;
}

FrmPreview::FrmPreview(forms::FormHost& host, const ChangePlan& plan)
    : Form(host, "frmPreview", "Preview Changes", PreviewWidth, PreviewHeight),
      lblSummary("lblSummary", forms::Rect{120, 120, 9120, 255}),
      lvwChanges("lvwChanges", forms::Rect{120, 420, 9120, 4080}, PreviewColumns()),
      lblKey("lblKey", forms::Rect{120, 4590, 9120, 450}),
      cmdApply("cmdApply", forms::Rect{6900, 5145, 1095, 375}, "Apply"),
      cmdClose("cmdClose", forms::Rect{8145, 5145, 1095, 375}, "Close"),
      listed_(ChangesFirst(plan)) {
    Icon = "app";
    MinButton = false;
    // Enter looks, it does not write: only a click on Apply applies.
    cmdClose.Default = true;
    Add(lblSummary);
    Add(lvwChanges);
    Add(lblKey);
    Add(cmdApply);
    Add(cmdClose);
    lvwChanges.Click = [this] { lvwChanges_Click(); };
    cmdApply.Click = [this] { cmdApply_Click(); };
    cmdClose.Click = [this] { cmdClose_Click(); };
    lblSummary.SetCaption(PreviewSummary(plan));
    lvwChanges.SetRows(PreviewRows(plan));
    lvwChanges.SetListIndex(0);
}

void FrmPreview::lvwChanges_Click() {
    const int row = lvwChanges.ListIndex();
    lblKey.SetCaption(row >= 0 ? FullKeyText(listed_[static_cast<std::size_t>(row)].Key) : "");
}

void FrmPreview::cmdApply_Click() {
    applyChosen_ = true;
    Close();
}

void FrmPreview::cmdClose_Click() {
    Close();
}

}  // namespace quintel
