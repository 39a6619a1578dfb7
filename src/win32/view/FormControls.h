// The control windows of one form: made from the model's controls in its
// order, each in the window of its container, found again by window or by
// model, and kept in step with the model.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/forms/Form.h"
#include "win32/view/ControlView.h"

namespace quintel::win32 {

class FormControls {
public:
    FormControls(forms::Form& form, const ViewContext& context);

    // Every control's window in `form`'s client area or in its
    // container's window, in the model's order: the z-order, which the
    // dialog manager's Tab key follows, is the form's tab order. A default
    // button is made the dialog's default.
    //
    // The controls on a tab set's pages not shown wait until their page is
    // first chosen: a window costs time to make (a drop-down list most of
    // all), and the models they show act whether or not it exists. A
    // page's controls are then made together, in the same order, so the
    // z-order within the page is the one made at once would have.
    void Create(HWND form);

    ControlView* Find(HWND window) const;
    ControlView* Find(const forms::Control& control) const;

    // Everything from the model, as when the form is made.
    void MirrorAll();
    // One control from the model, and the place and visibility of what
    // it contains (a frame that moves takes its contents along; a tab
    // set's page change shows and hides the pages' controls).
    void Mirror(forms::Control& control);
    void ParentResized();

    // A tab set that has `key` as a tab's access key, after choosing that
    // tab; null if none.
    ControlView* UserMnemonic(char key);

private:
    // The dialog-group and tab-stop styles of the control at `index`.
    DWORD GroupStyle(std::size_t index) const;
    // Makes the windows of the controls whose pages are shown and that have
    // none yet; those made, in the model's order.
    std::vector<ControlView*> CreateShown();
    void PlaceContents(const forms::Control& container);

    Trace& trace_;  // each control made is a step
    HWND form_ = nullptr;
    // In the model's order.
    std::vector<std::unique_ptr<ControlView>> views_;
};

}  // namespace quintel::win32
