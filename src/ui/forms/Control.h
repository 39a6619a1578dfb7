// Form models: every window is a set of control objects that hold their
// state (enabled, visible, caption, value, items, selection, position in
// twips) and run their event handlers whenever the value changes, whether
// program code or the user changed it. The Win32 view mirrors this state
// into real windows and turns user input into calls on these objects.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quintel::forms {

// Twips: 1/1440 inch, 15 to the pixel at 96 dots per inch.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

enum class ControlKind {
    Label,
    Frame,
    OptionButton,
    CheckBox,
    ComboBox,
    TextBox,
    CommandButton,
    TabSet,
    Line,
    StatusBar,
    Toolbar,
    Picture,
    ListView,
    ProgressBar,
};

class Control;

// The view's side of a control: told after every change of its state.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void ControlChanged(Control& control) = 0;
};

class Control {
public:
    Control(ControlKind kind, std::string name, Rect bounds, std::string caption = {});
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }

    // The frame or tab set this control sits in (null: the form itself)
    // and, inside a tab set, the page it belongs to.
    Control* Container() const { return container_; }
    int Page() const { return page_; }
    void PlaceIn(Control& container, int page = -1) {
        container_ = &container;
        page_ = page;
    }

    const Rect& Bounds() const { return bounds_; }
    void Move(int left, int top);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    void SetObserver(ControlObserver* observer) { observer_ = observer; }

protected:
    void Changed();

private:
    ControlKind kind_;
    std::string name_;
    Rect bounds_;
    std::string caption_;
    Control* container_ = nullptr;
    int page_ = -1;
    bool enabled_ = true;
    bool visible_ = true;
    ControlObserver* observer_ = nullptr;
};

// A label's text colour; the help texts are dark blue.
struct Color {
    int Red = 0, Green = 0, Blue = 0;
    bool operator==(const Color&) const = default;
};

class Label : public Control {
public:
    Label(std::string name, Rect bounds, std::string caption = {})
        : Control(ControlKind::Label, std::move(name), bounds, std::move(caption)) {}
    Color ForeColor{};
    std::function<void()> Click;
    void UserClick() {
        if (Click && Enabled()) Click();
    }
};

class Frame : public Control {
public:
    Frame(std::string name, Rect bounds, std::string caption)
        : Control(ControlKind::Frame, std::move(name), bounds, std::move(caption)) {}
};

// A horizontal line in one of the system colours.
class Line : public Control {
public:
    enum class SystemColor { WindowFrame, WindowBackground };
    Line(std::string name, Rect bounds, SystemColor color)
        : Control(ControlKind::Line, std::move(name), bounds), Color(color) {}
    SystemColor Color;
};

class CommandButton : public Control {
public:
    CommandButton(std::string name, Rect bounds, std::string caption)
        : Control(ControlKind::CommandButton, std::move(name), bounds, std::move(caption)) {}
    std::function<void()> Click;
    // The button Enter presses wherever the focus is in its form, as VB's
    // Default property.
    bool Default = false;
    void UserClick() {
        if (Click && Enabled()) Click();
    }
};

// A picture drawn by the view; `Image` names which one.
class Picture : public Control {
public:
    Picture(std::string name, Rect bounds, std::string image)
        : Control(ControlKind::Picture, std::move(name), bounds), Image(std::move(image)) {}
    std::string Image;
};

// How far a long task has come: Value from 0 to Max, shown as a bar.
class ProgressBar : public Control {
public:
    ProgressBar(std::string name, Rect bounds, int max)
        : Control(ControlKind::ProgressBar, std::move(name), bounds), max_(max > 0 ? max : 1) {}

    int Max() const { return max_; }
    int Value() const { return value_; }
    // Kept within 0 to Max.
    void SetValue(int value);

private:
    int max_;
    int value_ = 0;
};

}  // namespace quintel::forms
