#include "ui/forms/ListView.h"

namespace quintel::forms {

void ListView::Fit(ListRow& row) const {
    row.Texts.resize(columns_.size());
}

void ListView::AddRow(ListRow row) {
    Fit(row);
    rows_.push_back(std::move(row));
    Changed();
}

void ListView::SetRows(std::vector<ListRow> rows) {
    for (ListRow& row : rows) Fit(row);
    rows_ = std::move(rows);
    index_ = -1;
    Changed();
}

void ListView::Clear() {
    if (rows_.empty()) return;
    rows_.clear();
    index_ = -1;
    Changed();
}

void ListView::SetListIndex(int index) {
    if (index < -1 || index >= ListCount() || index == index_) return;
    index_ = index;
    Changed();
    if (Click) Click();
}

std::string ListView::Text(int row, int column) const {
    if (row < 0 || row >= ListCount() || column < 0 || column >= ColumnCount()) return {};
    return rows_[static_cast<std::size_t>(row)].Texts[static_cast<std::size_t>(column)];
}

}  // namespace quintel::forms
