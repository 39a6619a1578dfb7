// The controls that hold a value and run a handler when it changes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/forms/Control.h"

namespace quintel::forms {

class OptionButton;

// Option buttons that exclude each other: those of one frame.
class OptionGroup {
public:
    void Add(OptionButton& option) { members_.push_back(&option); }
    const std::vector<OptionButton*>& Members() const { return members_; }

private:
    std::vector<OptionButton*> members_;
};

class OptionButton : public Control {
public:
    OptionButton(std::string name, Rect bounds, std::string caption, OptionGroup& group)
        : Control(ControlKind::OptionButton, std::move(name), bounds, std::move(caption)),
          group_(group) {
        group_.Add(*this);
    }

    bool Value() const { return value_; }
    // Selecting clears the others of the group and runs Click, also when
    // this option was selected already. Clearing runs nothing.
    void SetValue(bool value);
    void UserClick() {
        if (Enabled()) SetValue(true);
    }

    std::function<void()> Click;

private:
    OptionGroup& group_;
    bool value_ = false;
};

class CheckBox : public Control {
public:
    static constexpr int Unchecked = 0;
    static constexpr int Checked = 1;

    CheckBox(std::string name, Rect bounds, std::string caption)
        : Control(ControlKind::CheckBox, std::move(name), bounds, std::move(caption)) {}

    int Value() const { return value_; }
    // Runs Click when the state changes.
    void SetValue(int value);
    void UserClick() {
        if (Enabled()) SetValue(value_ == Checked ? Unchecked : Checked);
    }

    std::function<void()> Click;

private:
    int value_ = Unchecked;
};

// A drop-down list that accepts only its own entries.
class ComboBox : public Control {
public:
    ComboBox(std::string name, Rect bounds)
        : Control(ControlKind::ComboBox, std::move(name), bounds) {}

    const std::vector<std::string>& Items() const { return items_; }
    int ListCount() const { return static_cast<int>(items_.size()); }
    void AddItem(const std::string& item);
    // Empties the list; the selection goes with it, without a Click.
    void Clear();
    // Clear, then every entry of `items` added, as one change: the window
    // fills its list in one pass.
    void SetItems(std::vector<std::string> items);

    int ListIndex() const { return index_; }
    // -1 removes the selection. Runs Click when the selection changes; an
    // index past the list is refused, as the real list refuses it.
    void SetListIndex(int index);
    void UserSelect(int index) {
        if (Enabled()) SetListIndex(index);
    }
    // The selected entry's text, or empty.
    std::string Text() const;

    std::function<void()> Click;

private:
    std::vector<std::string> items_;
    int index_ = -1;
};

class TextBox : public Control {
public:
    enum class Align { Left, Center };

    TextBox(std::string name, Rect bounds)
        : Control(ControlKind::TextBox, std::move(name), bounds) {}

    const std::string& Text() const { return text_; }
    // Runs Change when the text changes.
    void SetText(const std::string& text);

    Align Alignment() const { return alignment_; }
    void SetAlignment(Align alignment);

    // A typed character: KeyPress may replace it, or refuse it with 0.
    // Returns what the box should insert (0: nothing).
    int UserKey(int keyAscii);
    // Text that arrived without key presses (typing already filtered,
    // pasting): runs Change like any other change.
    void UserText(const std::string& text) { SetText(text); }

    std::function<void()> Change;
    std::function<void(int& keyAscii)> KeyPress;

private:
    std::string text_;
    Align alignment_ = Align::Left;
};

class TabSet : public Control {
public:
    TabSet(std::string name, Rect bounds, std::vector<std::string> tabs)
        : Control(ControlKind::TabSet, std::move(name), bounds), tabs_(std::move(tabs)) {}

    const std::vector<std::string>& Tabs() const { return tabs_; }
    int Tab() const { return tab_; }
    // Runs Click when the page changes.
    void SetTab(int tab);
    void UserSelect(int tab) { SetTab(tab); }

    std::function<void()> Click;

private:
    std::vector<std::string> tabs_;
    int tab_ = 0;
};

class StatusBar : public Control {
public:
    StatusBar(std::string name, Rect bounds, int panels)
        : Control(ControlKind::StatusBar, std::move(name), bounds), panels_(panels) {}

    // Panels are counted from 1.
    const std::string& PanelText(int panel) const { return panels_.at(panel - 1); }
    void SetPanelText(int panel, const std::string& text);
    int PanelCount() const { return static_cast<int>(panels_.size()); }

    // A double click on panel `panel` (from 1); one outside the panels,
    // as on the bar's empty end, is nobody's.
    void UserDblClick(int panel) {
        if (panel < 1 || panel > PanelCount() || !Enabled()) return;
        if (PanelDblClick) PanelDblClick(panel);
    }
    std::function<void(int panel)> PanelDblClick;

private:
    std::vector<std::string> panels_;
};

struct ToolbarButton {
    std::string Key;
    std::string Caption;
    std::string ToolTip;
    int Image = 0;  // index in the image list counted from 1, 0 for none
    bool Separator = false;
};

class Toolbar : public Control {
public:
    Toolbar(std::string name, Rect bounds, std::vector<ToolbarButton> buttons)
        : Control(ControlKind::Toolbar, std::move(name), bounds), buttons_(std::move(buttons)) {}

    // Buttons are counted from 1.
    const std::vector<ToolbarButton>& Buttons() const { return buttons_; }
    void SetButtonImage(int index, int image);
    const std::string& ImageList() const { return imageList_; }
    void SetImageList(const std::string& imageList);

    void UserClick(int index);
    std::function<void(const ToolbarButton&)> ButtonClick;

private:
    std::vector<ToolbarButton> buttons_;
    std::string imageList_;
};

}  // namespace quintel::forms
