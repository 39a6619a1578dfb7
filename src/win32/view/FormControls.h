// The control windows of one form: made from the model's controls in its
// order, found again by window or by model, kept in step with the model,
// and walked in the model's order by the Tab key.
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

    // Every control's window as a child of `parent`. Containers go below
    // their contents in the z-order, so a group box or a tab control
    // never paints over what it holds.
    void Create(HWND parent);

    ControlView* Find(HWND window) const;
    ControlView* Find(const forms::Control& control) const;

    // Everything from the model, as when the form is made.
    void MirrorAll();
    // One control from the model, and the place and visibility of what
    // it contains (a frame that moves takes its contents along; a tab
    // set's page change shows and hides the pages' controls).
    void Mirror(forms::Control& control);
    void ParentResized();

    // The next (or previous) control the Tab key stops at after `from`,
    // in the model's order, which is the form's tab order; null if none.
    HWND NextTabStop(HWND from, bool backward) const;
    // A tab set that has `key` as a tab's access key, after choosing that
    // tab; null if none.
    ControlView* UserMnemonic(char key);

private:
    bool CanStop(const ControlView& view) const;
    void PlaceContents(const forms::Control& container);

    // In the model's order.
    std::vector<std::unique_ptr<ControlView>> views_;
};

}  // namespace quintel::win32
