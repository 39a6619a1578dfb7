// The bars along the form's edges: the status bar, which puts itself at
// the bottom of the client area, and the toolbar, which sits where the
// model puts it (at the top, as wide as the form).
#pragma once

#include <string>

#include "ui/forms/ValueControls.h"
#include "win32/view/ControlView.h"

namespace quintel::win32 {

class StatusView final : public ControlView {
public:
    // A size grip only on a form the user can resize.
    StatusView(forms::StatusBar& model, const ViewContext& context, bool sizeGrip)
        : ControlView(model, context), status_(model), sizeGrip_(sizeGrip) {}
    void Mirror() override;
    void ParentResized() override;
    // A double click on a panel goes to the model with the panel's number.
    bool UserNotify(const NMHDR& header) override;

protected:
    Kind WindowKind() const override;
    std::optional<PixelRect> Placement() const override { return std::nullopt; }

private:
    void SetParts();

    forms::StatusBar& status_;
    bool sizeGrip_;
};

// Text under 16x16 images. Button n of the model (counted from 1) has the
// command id n; a separator is a gap.
class ToolbarView final : public ControlView {
public:
    ToolbarView(forms::Toolbar& model, const ViewContext& context)
        : ControlView(model, context), toolbar_(model) {}
    bool Owns(HWND window) const override;
    void Mirror() override;
    bool UserCommand(UINT code, int id) override;
    void TooltipText(NMHDR& header) override;

protected:
    Kind WindowKind() const override;
    void Created() override;

private:
    forms::Toolbar& toolbar_;
    std::string imageList_;
    int firstImage_ = 0;  // of the list's images in the control's (common controls 4.00)
    std::wstring wideTip_;  // lives until the tooltip has copied it
};

}  // namespace quintel::win32
