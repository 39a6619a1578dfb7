// A tab strip (the common tab control) with one pane per page over its
// body, as a property sheet has: the pane of the page showing is shown,
// the others hidden. The panes come right after the tab control in the
// z-order, so the Tab key goes from the strip into the page; the control
// leaves its body out of its window region so it never paints over them.
// Captions go to the control as stored: it draws "&&" as one ampersand and
// underlines the letter after a single "&".
#pragma once

#include <vector>

#include "ui/forms/ValueControls.h"
#include "win32/view/ControlView.h"

namespace quintel::win32 {

class TabView final : public ControlView {
public:
    TabView(forms::TabSet& model, const ViewContext& context)
        : ControlView(model, context), tabs_(model) {}
    void Mirror() override;
    bool TabStop() const override { return true; }
    bool UserNotify(const NMHDR& header) override;
    HWND ContentWindow(int page) const override;
    POINT ContentOrigin(int page) const override;
    // Alt and a tab's access key chooses that tab; false if none has it.
    bool UserMnemonic(char key);

protected:
    Kind WindowKind() const override;
    void Created() override;
    void Placed() override;

private:
    forms::TabSet& tabs_;
    std::vector<HWND> pages_;
    // The body inside the border, in the control's client area.
    RECT body_{};
    SIZE regionSize_{};
};

}  // namespace quintel::win32
