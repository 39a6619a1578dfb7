#include "win32/view/FormControls.h"

#include <algorithm>
#include <stdexcept>

#include "ui/forms/ValueControls.h"
#include "win32/view/BarViews.h"
#include "win32/view/ButtonViews.h"
#include "win32/view/ComboView.h"
#include "win32/view/StaticViews.h"
#include "win32/view/TabView.h"
#include "win32/view/TextView.h"

namespace quintel::win32 {

namespace {

// Control ids start above IDOK and IDCANCEL, which the dialog keys send.
constexpr int FirstControlId = 100;

std::unique_ptr<ControlView> MakeView(forms::Control& control, const ViewContext& context,
                                      bool sizeGrip) {
    using forms::ControlKind;
    switch (control.Kind()) {
    case ControlKind::Label: return std::make_unique<LabelView>(static_cast<forms::Label&>(control), context);
    case ControlKind::Frame: return std::make_unique<FrameView>(static_cast<forms::Frame&>(control), context);
    case ControlKind::OptionButton:
        return std::make_unique<OptionView>(static_cast<forms::OptionButton&>(control), context);
    case ControlKind::CheckBox: return std::make_unique<CheckView>(static_cast<forms::CheckBox&>(control), context);
    case ControlKind::ComboBox: return std::make_unique<ComboView>(static_cast<forms::ComboBox&>(control), context);
    case ControlKind::TextBox: return std::make_unique<TextView>(static_cast<forms::TextBox&>(control), context);
    case ControlKind::CommandButton:
        return std::make_unique<CommandView>(static_cast<forms::CommandButton&>(control), context);
    case ControlKind::TabSet: return std::make_unique<TabView>(static_cast<forms::TabSet&>(control), context);
    case ControlKind::Line: return std::make_unique<LineView>(static_cast<forms::Line&>(control), context);
    case ControlKind::StatusBar:
        return std::make_unique<StatusView>(static_cast<forms::StatusBar&>(control), context, sizeGrip);
    case ControlKind::Toolbar: return std::make_unique<ToolbarView>(static_cast<forms::Toolbar&>(control), context);
    case ControlKind::Picture: return std::make_unique<PictureView>(static_cast<forms::Picture&>(control), context);
    }
    throw std::logic_error("no view for the control " + control.Name());
}

bool IsContainer(const forms::Control& control) {
    return control.Kind() == forms::ControlKind::Frame || control.Kind() == forms::ControlKind::TabSet;
}

bool IsOption(const forms::Control& control) {
    return control.Kind() == forms::ControlKind::OptionButton;
}

// Option buttons of one container exclude each other, as in VB.
bool SameGroup(const forms::Control& a, const forms::Control& b) {
    return IsOption(a) && IsOption(b) && a.Container() == b.Container();
}

}  // namespace

FormControls::FormControls(forms::Form& form, const ViewContext& context) {
    for (forms::Control* control : form.Controls())
        views_.push_back(MakeView(*control, context, !form.FixedSize));
}

void FormControls::Create(HWND parent) {
    const forms::Control* previous = nullptr;
    int id = FirstControlId;
    for (auto& view : views_) {
        // A run of options is one group for the dialog keys (arrows move
        // within it); everything else starts a group of its own.
        const bool continuesGroup = previous && SameGroup(*previous, view->Model());
        DWORD group = continuesGroup ? 0 : WS_GROUP;
        if (view->TabStop() && !continuesGroup) group |= WS_TABSTOP;
        view->Create(parent, id++, group);
        previous = &view->Model();
    }

    // Deepest containers first, each to the bottom: the outermost ends
    // lowest, every container below the controls it holds.
    std::vector<ControlView*> containers;
    for (auto& view : views_)
        if (IsContainer(view->Model())) containers.push_back(view.get());
    std::stable_sort(containers.begin(), containers.end(), [](ControlView* a, ControlView* b) {
        return Depth(a->Model()) > Depth(b->Model());
    });
    for (ControlView* container : containers)
        SetWindowPos(container->Window(), HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

ControlView* FormControls::Find(HWND window) const {
    for (const auto& view : views_)
        if (view->Owns(window)) return view.get();
    return nullptr;
}

ControlView* FormControls::Find(const forms::Control& control) const {
    for (const auto& view : views_)
        if (&view->Model() == &control) return view.get();
    return nullptr;
}

void FormControls::MirrorAll() {
    for (auto& view : views_) view->Mirror();
    for (auto& view : views_) view->Place();
}

void FormControls::Mirror(forms::Control& control) {
    ControlView* view = Find(control);
    if (!view) return;
    view->Mirror();
    view->Place();
    if (IsContainer(control)) PlaceContents(control);
}

void FormControls::PlaceContents(const forms::Control& container) {
    for (auto& view : views_) {
        const forms::Control& model = view->Model();
        for (const forms::Control* c = model.Container(); c; c = c->Container()) {
            if (c == &container) {
                view->Place();
                break;
            }
        }
    }
}

void FormControls::ParentResized() {
    for (auto& view : views_) view->ParentResized();
}

bool FormControls::CanStop(const ControlView& view) const {
    if (!view.TabStop() || !IsWindowVisible(view.Window()) || !IsWindowEnabled(view.Window()))
        return false;
    const forms::Control& model = view.Model();
    if (!IsOption(model)) return true;
    // One stop per group: the selected option, or the first one usable
    // when none is selected.
    if (static_cast<const forms::OptionButton&>(model).Value()) return true;
    for (const auto& other : views_) {
        const forms::Control& o = other->Model();
        if (SameGroup(o, model) && static_cast<const forms::OptionButton&>(o).Value()) return false;
    }
    for (const auto& other : views_) {
        if (!SameGroup(other->Model(), model)) continue;
        if (IsWindowVisible(other->Window()) && IsWindowEnabled(other->Window()))
            return &other->Model() == &model;
    }
    return false;
}

HWND FormControls::NextTabStop(HWND from, bool backward) const {
    const int count = static_cast<int>(views_.size());
    if (count == 0) return nullptr;
    int start = -1;
    for (int i = 0; i < count; ++i)
        if (views_[static_cast<std::size_t>(i)]->Owns(from)) start = i;
    const int step = backward ? -1 : 1;
    int i = start < 0 ? (backward ? 0 : count - 1) : start;
    for (int n = 0; n < count; ++n) {
        i = (i + step + count) % count;
        const ControlView& view = *views_[static_cast<std::size_t>(i)];
        if (CanStop(view)) return view.Window();
    }
    return nullptr;
}

ControlView* FormControls::UserMnemonic(char key) {
    for (auto& view : views_) {
        if (view->Model().Kind() != forms::ControlKind::TabSet) continue;
        if (!IsWindowVisible(view->Window()) || !IsWindowEnabled(view->Window())) continue;
        if (static_cast<TabView&>(*view).UserMnemonic(key)) return view.get();
    }
    return nullptr;
}

}  // namespace quintel::win32
