// The controls Windows makes from its STATIC class: labels, lines and
// pictures.
#pragma once

#include "win32/view/ControlView.h"

namespace quintel::win32 {

class LabelView final : public ControlView {
public:
    LabelView(forms::Label& model, const ViewContext& context)
        : ControlView(model, context), label_(model) {}
    void Mirror() override;
    bool UserCommand(UINT code, int id) override;
    HBRUSH StaticColours(HDC dc) override;

protected:
    Kind WindowKind() const override;

private:
    forms::Label& label_;
};

// One pixel high whatever the model's height, painted by the view so the
// colour is exactly the system colour the model names.
class LineView final : public ControlView {
public:
    LineView(forms::Line& model, const ViewContext& context)
        : ControlView(model, context), line_(model) {}
    void Mirror() override {}
    void Draw(const DRAWITEMSTRUCT& item) override;

protected:
    Kind WindowKind() const override;
    std::optional<PixelRect> Placement() const override;

private:
    forms::Line& line_;
};

// The named image, centred, enlarged by whole steps while it fits (pixel
// drawings stay sharp) and shrunk when the control is smaller.
class PictureView final : public ControlView {
public:
    PictureView(forms::Picture& model, const ViewContext& context)
        : ControlView(model, context), picture_(model) {}
    void Mirror() override { InvalidateRect(Window(), nullptr, TRUE); }
    void Draw(const DRAWITEMSTRUCT& item) override;

protected:
    Kind WindowKind() const override;

private:
    forms::Picture& picture_;
};

}  // namespace quintel::win32
