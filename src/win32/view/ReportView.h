// A list view in report style: the model's columns under their headings
// and its rows, a grey row's text in the system's grey, and the model's
// chosen row selected. The user's choice of a row goes to the model.
#pragma once

#include <vector>

#include "ui/forms/ListView.h"
#include "win32/view/ControlView.h"

namespace quintel::win32 {

class ReportView final : public ControlView {
public:
    ReportView(forms::ListView& model, const ViewContext& context)
        : ControlView(model, context), list_(model) {}
    void Mirror() override;
    // The keyboard scrolls the list, so Tab stops there.
    bool TabStop() const override { return true; }
    std::optional<LRESULT> CustomDraw(NMHDR& header) override;
    bool UserNotify(const NMHDR& header) override;

protected:
    Kind WindowKind() const override;
    void Created() override;

private:
    void MirrorRows();
    int SelectedRow() const;

    forms::ListView& list_;
    // What the window lists: only this view changes it.
    std::vector<forms::ListRow> listed_;
};

}  // namespace quintel::win32
