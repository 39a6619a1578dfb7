// The top-level window of one loaded form: its frame, menu bar and
// control windows. It mirrors the form, its controls and its menus as they
// change, and passes what the user does on to them. The window procedure
// only forwards: each message goes to one handler here, which hands it to
// the model or to the control's view.
#pragma once

#include <windows.h>

#include <exception>

#include "ui/forms/Form.h"
#include "win32/view/BaseWindow.h"
#include "win32/view/FormControls.h"
#include "win32/view/FormMenu.h"
#include "win32/view/ViewContext.h"

namespace quintel::win32 {

class FormWindow;

// What the host hears from its windows.
class FormWindowEvents {
public:
    virtual ~FormWindowEvents() = default;
    // The form's window is about to be hidden, so a modal loop can give
    // the other windows back their input first, as a dialog box does.
    virtual void Hiding(FormWindow& window) = 0;
    // The window of the innermost modal form now open; null when none.
    virtual HWND ModalWindow() const = 0;
};

class FormWindow final : public BaseWindow<FormWindow>,
                         private forms::FormObserver,
                         private forms::ControlObserver,
                         private forms::MenuObserver {
public:
    FormWindow(forms::Form& form, const ViewContext& context, FormWindowEvents& events);
    ~FormWindow();

    // Starts observing the form. Its window and controls are made when
    // the form first shows or when the window is first asked for: a form
    // that loads hidden (the main window behind a new user's tip of the
    // day) costs nothing until then.
    void Create();
    // The window, made (hidden) now if it was not yet.
    HWND MadeWindow();
    // Stops observing and ignores the user: the model is being unloaded.
    void Detach();
    // Ignores the user without touching the model, which may be gone
    // already (the host is closing down).
    void Abandon() {
        observing_ = false;
        attached_ = false;
    }

    forms::Form& Model() const { return form_; }
    HWND ControlWindow(const forms::Control& control) const;
    // The program's window that was active when this one was last shown.
    HWND ShownOver() const { return shownOver_; }
    // Opens `item`'s children as a shortcut menu at `screen` and runs the
    // chosen one's Click.
    void ShowPopupMenu(forms::MenuItem& item, POINT screen);
    // The dialog keys (Tab, the access keys, Enter, Esc) by the dialog
    // manager; true if `message` was handled and must not be dispatched.
    bool PreTranslate(MSG& message);

private:
    friend class BaseWindow<FormWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Failed(std::exception_ptr error) noexcept { context_.Errors.Keep(std::move(error)); }

    void FormChanged(forms::Form& form) override;
    void ControlChanged(forms::Control& control) override;
    void MenuChanged(forms::MenuItem& item) override;

    void OnCommand(HWND window, int id, HWND control, UINT code);
    LRESULT OnNotify(HWND window, int id, NMHDR* header);
    HBRUSH OnCtlColorStatic(HWND window, HDC dc, HWND control, int type);
    void OnDrawItem(HWND window, const DRAWITEMSTRUCT* item);
    void OnSize(HWND window, UINT state, int width, int height);
    void OnActivate(HWND window, UINT state, HWND other, BOOL minimized);
    void OnClose(HWND window);
    void OnMenuLoop(bool entering);
    void OnTrayNotify(UINT mouseMessage);

    void Make();
    void MakeWindow();
    void MirrorForm();
    void MirrorVisibility();
    void FitClientArea();
    void RebuildMenuBar();
    void SetIcons();
    // The user changed a control: put the model's answer back in the
    // window, in case the model refused or changed what the user did.
    void AfterUserInput(ControlView& view);
    // Keeps the keyboard focus off a control that was hidden or disabled.
    void KeepFocusUsable();
    void FocusNextControl();

    forms::Form& form_;
    ViewContext context_;
    FormWindowEvents& events_;
    FormControls controls_;
    FormMenu menu_;
    bool observing_ = false;  // the form's changes reach this window
    bool attached_ = false;   // made, and the controls and menus observed too
    bool inMenuLoop_ = false;
    bool menuOutOfDate_ = false;
    bool mirroredEnabled_ = true;
    HWND shownOver_ = nullptr;
};

}  // namespace quintel::win32
