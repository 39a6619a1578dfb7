// A window as a model: its caption, state and size, its controls and its
// menu bar, and the load and close events. A FormHost (the Win32 view, or
// a test's stand-in) makes it real.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/NotifyArea.h"
#include "ui/forms/Control.h"

namespace quintel::forms {

class MenuItem;
class Form;

class MenuObserver {
public:
    virtual ~MenuObserver() = default;
    virtual void MenuChanged(MenuItem& item) = 0;
};

// A menu entry; a caption of "-" makes a separator. Items with children
// open a submenu.
class MenuItem {
public:
    MenuItem(std::string name, std::string caption)
        : name_(std::move(name)), caption_(std::move(caption)) {}
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool IsSeparator() const { return caption_ == "-"; }

    MenuItem& Add(MenuItem& child) {
        children_.push_back(&child);
        return *this;
    }
    const std::vector<MenuItem*>& Children() const { return children_; }

    std::function<void()> Click;
    void UserClick() {
        if (Click && enabled_) Click();
    }

    void SetObserver(MenuObserver* observer) { observer_ = observer; }

private:
    void Changed() {
        if (observer_) observer_->MenuChanged(*this);
    }

    std::string name_;
    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<MenuItem*> children_;
    MenuObserver* observer_ = nullptr;
};

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void FormChanged(Form& form) = 0;
};

// What makes forms real: creates the window, runs a modal form until it
// is hidden or unloaded, lets pending events run.
class FormHost {
public:
    virtual ~FormHost() = default;
    // Makes the window for a form that is being loaded; it starts hidden.
    virtual void Create(Form& form) = 0;
    // Returns when the form is hidden or unloaded.
    virtual void RunModal(Form& form) = 0;
    // Destroys the window of an unloaded form.
    virtual void Destroy(Form& form) = 0;
    // Lets the window events that are waiting run.
    virtual void DoEvents() = 0;

    // The form's window handle as the platform's services take it; 0 when
    // the form has no window.
    virtual std::uintptr_t Handle(const Form& form) = 0;
    // An icon handle of image `index` (from 0) of the image list `list`;
    // the host keeps it for as long as it lives. 0 when there is none.
    virtual std::uintptr_t ListImageIcon(const std::string& list, int index) = 0;
    // Brings the form's window to the foreground.
    virtual void SetForeground(Form& form) = 0;
    // Opens `menu`'s items as a shortcut menu at the pointer and runs the
    // chosen item's Click.
    virtual void PopupMenu(Form& form, MenuItem& menu) = 0;
};

class Form {
public:
    Form(FormHost& host, std::string name, std::string caption, int clientWidth,
         int clientHeight);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Visible() const { return visible_; }
    WindowState State() const { return state_; }
    void SetState(WindowState state);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientHeight(int height);
    bool Loaded() const { return loaded_; }
    bool ShownModal() const { return modal_; }
    // A disabled form's window takes no input, as under a modal window.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Loads the form if needed (creating its window and running Load),
    // then shows it; a modal show returns when the form is closed.
    void Show(bool modal = false);
    void Hide();
    // Closing as the user or Windows asks: QueryUnload may cancel; then
    // Unload runs and the window goes away.
    bool Close();
    // Loads without showing.
    void Load();

    std::uintptr_t Handle() const { return host_.Handle(*this); }
    void PopupMenu(MenuItem& menu) { host_.PopupMenu(*this, menu); }
    void SetForeground() { host_.SetForeground(*this); }

    // What the view passes on: what the user did to the form's tray icon,
    // and a restarted taskbar, which has forgotten every tray icon.
    void TrayNotification(TrayEvent event) { Form_TrayNotify(event); }
    void TaskbarRestarted() { Form_TaskbarCreated(); }

    const std::vector<Control*>& Controls() const { return controls_; }
    const std::vector<MenuItem*>& MenuBar() const { return menuBar_; }

    void SetObserver(FormObserver* observer) { observer_ = observer; }

    // The icon and image resources the view draws, by name.
    std::string Icon;
    bool FixedSize = true;
    bool MaxButton = false;
    bool MinButton = true;

protected:
    // Registers a control (in creation order, which is the tab order).
    template <typename T>
    T& Add(T& control) {
        controls_.push_back(&control);
        return control;
    }
    MenuItem& AddMenu(MenuItem& top) {
        menuBar_.push_back(&top);
        return top;
    }

    virtual void Form_Load() {}
    // `cancel` set to true keeps the window open.
    virtual void Form_QueryUnload(bool& cancel) { (void)cancel; }
    virtual void Form_Unload() {}
    virtual void Form_TrayNotify(TrayEvent event) { (void)event; }
    virtual void Form_TaskbarCreated() {}

    FormHost& host_;

private:
    void Changed() {
        if (observer_) observer_->FormChanged(*this);
    }

    std::string name_;
    std::string caption_;
    int clientWidth_;
    int clientHeight_;
    bool visible_ = false;
    bool loaded_ = false;
    bool modal_ = false;
    bool enabled_ = true;
    WindowState state_ = WindowState::Normal;
    std::vector<Control*> controls_;
    std::vector<MenuItem*> menuBar_;
    FormObserver* observer_ = nullptr;
};

// Keeps a form disabled for as long as it lives: for a wait that runs the
// message loop, so that nothing the user does in the window starts while
// the wait is on.
class DisabledForm {
public:
    explicit DisabledForm(Form& form) : form_(form), was_(form.Enabled()) { form_.SetEnabled(false); }
    ~DisabledForm() { form_.SetEnabled(was_); }
    DisabledForm(const DisabledForm&) = delete;
    DisabledForm& operator=(const DisabledForm&) = delete;

private:
    Form& form_;
    bool was_;
};

}  // namespace quintel::forms
