// A drop-down list (CBS_DROPDOWNLIST). The model's height is the closed
// box; the window is made taller by the list it drops, which Windows
// counts in the window's height.
#pragma once

#include <string>
#include <vector>

#include "ui/forms/ValueControls.h"
#include "win32/view/ControlView.h"

namespace quintel::win32 {

class ComboView final : public ControlView {
public:
    ComboView(forms::ComboBox& model, const ViewContext& context)
        : ControlView(model, context), combo_(model) {}
    void Mirror() override;
    bool TabStop() const override { return true; }
    bool UserCommand(UINT code, int id) override;

protected:
    Kind WindowKind() const override;
    std::optional<PixelRect> Placement() const override;

private:
    forms::ComboBox& combo_;
    // What the window lists: only this view changes it, so it need not be
    // read back from the window at every change.
    std::vector<std::string> listed_;
};

}  // namespace quintel::win32
