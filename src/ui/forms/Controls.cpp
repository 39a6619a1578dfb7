#include "ui/forms/Control.h"
#include "ui/forms/ValueControls.h"

#include <utility>

namespace quintel::forms {

Control::Control(ControlKind kind, std::string name, Rect bounds, std::string caption)
    : kind_(kind), name_(std::move(name)), bounds_(bounds), caption_(std::move(caption)) {}

void Control::Changed() {
    if (observer_) observer_->ControlChanged(*this);
}

void Control::Move(int left, int top) {
    if (bounds_.Left == left && bounds_.Top == top) return;
    bounds_.Left = left;
    bounds_.Top = top;
    Changed();
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed();
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Changed();
}

void Control::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    Changed();
}

void ProgressBar::SetValue(int value) {
    value = value < 0 ? 0 : value > max_ ? max_ : value;
    if (value_ == value) return;
    value_ = value;
    Changed();
}

void OptionButton::SetValue(bool value) {
    if (!value) {
        if (value_) {
            value_ = false;
            Changed();
        }
        return;
    }
    for (OptionButton* other : group_.Members()) {
        if (other != this && other->value_) {
            other->value_ = false;
            other->Changed();
        }
    }
    if (!value_) {
        value_ = true;
        Changed();
    }
    if (Click) Click();
}

void CheckBox::SetValue(int value) {
    if (value_ == value) return;
    value_ = value;
    Changed();
    if (Click) Click();
}

void ComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    Changed();
}

void ComboBox::Clear() {
    items_.clear();
    index_ = -1;
    Changed();
}

void ComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    index_ = -1;
    Changed();
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) return;
    if (index_ == index) return;
    index_ = index;
    Changed();
    if (Click) Click();
}

std::string ComboBox::Text() const {
    return index_ >= 0 ? items_[static_cast<std::size_t>(index_)] : std::string();
}

void TextBox::SetText(const std::string& text) {
    if (text_ == text) return;
    text_ = text;
    Changed();
    if (Change) Change();
}

void TextBox::SetAlignment(Align alignment) {
    if (alignment_ == alignment) return;
    alignment_ = alignment;
    Changed();
}

int TextBox::UserKey(int keyAscii) {
    if (KeyPress) KeyPress(keyAscii);
    return keyAscii;
}

void TabSet::SetTab(int tab) {
    if (tab < 0 || tab >= static_cast<int>(tabs_.size()) || tab == tab_) return;
    tab_ = tab;
    Changed();
    if (Click) Click();
}

void StatusBar::SetPanelText(int panel, const std::string& text) {
    std::string& slot = panels_.at(static_cast<std::size_t>(panel - 1));
    if (slot == text) return;
    slot = text;
    Changed();
}

void Toolbar::SetButtonImage(int index, int image) {
    int& slot = buttons_.at(static_cast<std::size_t>(index - 1)).Image;
    if (slot == image) return;
    slot = image;
    Changed();
}

void Toolbar::SetImageList(const std::string& imageList) {
    if (imageList_ == imageList) return;
    imageList_ = imageList;
    Changed();
}

void Toolbar::UserClick(int index) {
    if (index < 1 || index > static_cast<int>(buttons_.size())) return;
    const ToolbarButton& button = buttons_[static_cast<std::size_t>(index - 1)];
    if (button.Separator || !Enabled()) return;
    if (ButtonClick) ButtonClick(button);
}

}  // namespace quintel::forms
