// The controls Windows makes from its BUTTON class: frames (group boxes),
// option buttons, check boxes and command buttons. The option and check
// buttons are the plain, not the automatic kind: the model decides what is
// checked and the view only shows it.
//
// A frame is a pane the size of its group box that holds the frame's
// controls, the group box lowest in it so it never paints over them.
#pragma once

#include "ui/forms/ValueControls.h"
#include "win32/view/ControlView.h"

namespace quintel::win32 {

class FrameView final : public ControlView {
public:
    FrameView(forms::Frame& model, const ViewContext& context) : ControlView(model, context) {}
    void Mirror() override;
    HBRUSH StaticColours(HDC dc) override;
    HWND ContentWindow(int) const override { return pane_; }
    POINT ContentOrigin(int) const override;
    // Puts the group box below the contents made since.
    void Lower();

protected:
    Kind WindowKind() const override;
    HWND ParentFor(HWND parent) override;
    POINT Origin() const override { return ContentOrigin(0); }
    void Placed() override;

private:
    HWND pane_ = nullptr;
};

class OptionView final : public ControlView {
public:
    OptionView(forms::OptionButton& model, const ViewContext& context)
        : ControlView(model, context), option_(model) {}
    void Mirror() override;
    bool TabStop() const override { return true; }
    bool UserCommand(UINT code, int id) override;

protected:
    Kind WindowKind() const override;

private:
    forms::OptionButton& option_;
};

class CheckView final : public ControlView {
public:
    CheckView(forms::CheckBox& model, const ViewContext& context)
        : ControlView(model, context), check_(model) {}
    void Mirror() override;
    bool TabStop() const override { return true; }
    bool UserCommand(UINT code, int id) override;

protected:
    Kind WindowKind() const override;

private:
    forms::CheckBox& check_;
};

class CommandView final : public ControlView {
public:
    CommandView(forms::CommandButton& model, const ViewContext& context)
        : ControlView(model, context), button_(model) {}
    void Mirror() override;
    bool TabStop() const override { return true; }
    bool UserCommand(UINT code, int id) override;

protected:
    Kind WindowKind() const override;

private:
    forms::CommandButton& button_;
};

}  // namespace quintel::win32
