#include "ui/forms/Form.h"

namespace quintel::forms {

void MenuItem::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    Changed();
}

void MenuItem::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Changed();
}

void MenuItem::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed();
}

void MenuItem::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Changed();
}

Form::Form(FormHost& host, std::string name, std::string caption, int clientWidth,
           int clientHeight)
    : host_(host),
      name_(std::move(name)),
      caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

void Form::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    Changed();
}

void Form::SetState(WindowState state) {
    if (state_ == state) return;
    state_ = state;
    Changed();
}

void Form::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed();
}

void Form::SetClientHeight(int height) {
    if (clientHeight_ == height) return;
    clientHeight_ = height;
    Changed();
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    host_.Create(*this);
    Form_Load();
}

void Form::Show(bool modal) {
    Load();
    if (!loaded_) return;  // Load closed the form again
    if (!visible_) {
        visible_ = true;
        Changed();
    }
    if (modal && !modal_) {
        modal_ = true;
        host_.RunModal(*this);
        modal_ = false;
    }
}

void Form::Hide() {
    if (!visible_) return;
    visible_ = false;
    Changed();
}

bool Form::Close() {
    if (!loaded_) return true;
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel) return false;
    Form_Unload();
    loaded_ = false;
    visible_ = false;
    Changed();
    host_.Destroy(*this);
    return true;
}

}  // namespace quintel::forms
