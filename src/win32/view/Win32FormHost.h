// The forms' host on Windows: makes a real window for every loaded form,
// runs modal forms and the program's message loop.
//
//     Win32FormHost host;               // before any form that uses it
//     FrmMain main(app);                // app.services.host is `host`
//     main.Show();
//     return host.RunMessageLoop();     // until the last form unloads
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "ui/forms/Form.h"
#include "win32/view/DialogFont.h"
#include "win32/view/EchoGuard.h"
#include "win32/view/FormWindow.h"
#include "win32/view/Images.h"
#include "win32/view/ModalScope.h"
#include "win32/view/PendingError.h"
#include "win32/view/ViewContext.h"

namespace quintel::win32 {

class Win32FormHost final : public forms::FormHost, private FormWindowEvents {
public:
    // Each window made and each image drawn is a step of `trace`, if given.
    explicit Win32FormHost(HINSTANCE instance = GetModuleHandleA(nullptr), Trace* trace = nullptr);
    ~Win32FormHost() override;
    Win32FormHost(const Win32FormHost&) = delete;
    Win32FormHost& operator=(const Win32FormHost&) = delete;

    // forms::FormHost
    void Create(forms::Form& form) override;
    void RunModal(forms::Form& form) override;
    void Destroy(forms::Form& form) override;
    void DoEvents() override;
    std::uintptr_t Handle(const forms::Form& form) override;
    std::uintptr_t ListImageIcon(const std::string& list, int index) override;
    void SetForeground(forms::Form& form) override;
    // At the pointer's position.
    void PopupMenu(forms::Form& form, forms::MenuItem& menu) override;

    // Dispatches messages until the last loaded form has unloaded (then
    // the host posts WM_QUIT) or someone else posts WM_QUIT; returns its
    // exit code. Returns 0 at once when no form is loaded. An exception
    // thrown by a form's handler comes out of here.
    int RunMessageLoop();

    // The window of a loaded form or of one of its controls; null if none.
    HWND WindowOf(const forms::Form& form) const;
    HWND WindowOf(const forms::Control& control) const;

    // Opens `item`'s children as a shortcut menu of `form`'s window at
    // `screen` (the tray icon's menu: the item may be hidden from the
    // bar) and runs the chosen item's Click.
    void ShowPopupMenu(forms::Form& form, forms::MenuItem& item, POINT screen);

    // The image lists and icons, for other Windows code (the tray icon).
    ImageStore& Images() { return images_; }
    // Where code that Windows calls back keeps an exception for the
    // host's message loops to raise again.
    PendingError& Errors() { return errors_; }
    int Dpi() const { return context_.Scale.Dpi(); }

private:
    void Hiding(FormWindow& window) override;
    HWND ModalWindow() const override;
    FormWindow* Find(const forms::Form& form) const;
    // One message through the dialog keys of its form, then to its window.
    void Dispatch(MSG& message);
    // Deletes the windows of unloaded forms once no message of theirs is
    // still being handled.
    void DeleteRetired();

    Trace untraced_;
    Trace& trace_;
    Echo echo_;
    PendingError errors_;
    ImageStore images_;
    DialogFont font_;
    ViewContext context_;
    std::map<const forms::Form*, std::unique_ptr<FormWindow>> windows_;
    std::vector<std::unique_ptr<FormWindow>> retired_;
    std::vector<ModalScope*> modals_;
    int loops_ = 0;
};

}  // namespace quintel::win32
