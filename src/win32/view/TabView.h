// A tab strip (the common tab control). Its pages are not windows: the
// controls of each page are siblings that the form shows and hides as the
// model's page changes. Captions go to the control as stored: it draws
// "&&" as one ampersand and underlines the letter after a single "&".
#pragma once

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
    // Alt and a tab's access key chooses that tab; false if none has it.
    bool UserMnemonic(char key);

protected:
    Kind WindowKind() const override;
    void Created() override;

private:
    forms::TabSet& tabs_;
};

}  // namespace quintel::win32
