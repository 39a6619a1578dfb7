// A one-line edit. Typed characters go through the model's key filter
// first (a subclass of the edit sees WM_CHAR before the edit does); text
// that arrives otherwise (pasting) reaches the model through EN_CHANGE.
// Windows reads an edit's alignment only when it is made, so a change of
// alignment makes the window again.
#pragma once

#include "ui/forms/ValueControls.h"
#include "win32/view/ControlView.h"

namespace quintel::win32 {

class TextView final : public ControlView {
public:
    TextView(forms::TextBox& model, const ViewContext& context)
        : ControlView(model, context), text_(model) {}
    ~TextView() override;
    void Mirror() override;
    bool TabStop() const override { return true; }
    bool UserCommand(UINT code, int id) override;

protected:
    Kind WindowKind() const override;
    void Created() override;

private:
    static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
    LRESULT HandleEdit(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnChar(HWND window, TCHAR ch, int repeat);
    void Subclass(HWND window);
    void Unsubclass(HWND window);
    void Remake();

    forms::TextBox& text_;
    WNDPROC editProc_ = nullptr;
    forms::TextBox::Align made_ = forms::TextBox::Align::Left;
};

}  // namespace quintel::win32
