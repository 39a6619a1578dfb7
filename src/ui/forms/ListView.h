// A list of rows in columns under headings (a report-style list view).
// The program fills it, and a row can be shown in grey to set it back
// from the others; the user reads it and chooses one row at a time.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/forms/Control.h"

namespace quintel::forms {

struct ListColumn {
    std::string Heading;
    int Width = 0;  // twips
};

struct ListRow {
    std::vector<std::string> Texts;  // one per column
    bool Grey = false;
    bool operator==(const ListRow&) const = default;
};

class ListView : public Control {
public:
    ListView(std::string name, Rect bounds, std::vector<ListColumn> columns)
        : Control(ControlKind::ListView, std::move(name), bounds), columns_(std::move(columns)) {}

    const std::vector<ListColumn>& Columns() const { return columns_; }
    int ColumnCount() const { return static_cast<int>(columns_.size()); }

    const std::vector<ListRow>& Rows() const { return rows_; }
    int ListCount() const { return static_cast<int>(rows_.size()); }
    // A row has as many texts as there are columns: missing ones are
    // empty, extra ones have no column to show them and are dropped.
    void AddRow(ListRow row);
    void SetRows(std::vector<ListRow> rows);
    void Clear();
    // The text in a cell; empty outside the list.
    std::string Text(int row, int column) const;

    // The chosen row, -1 for none. New rows start with none, without a
    // Click. Runs Click when the choice changes; a row past the list is
    // refused.
    int ListIndex() const { return index_; }
    void SetListIndex(int index);
    void UserSelect(int index) {
        if (Enabled()) SetListIndex(index);
    }
    std::function<void()> Click;

private:
    void Fit(ListRow& row) const;

    std::vector<ListColumn> columns_;
    std::vector<ListRow> rows_;
    int index_ = -1;
};

}  // namespace quintel::forms
