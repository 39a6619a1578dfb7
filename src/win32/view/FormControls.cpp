#include "win32/view/FormControls.h"

#include "ui/forms/ValueControls.h"
#include "win32/ProgramError.h"
#include "win32/view/BarViews.h"
#include "win32/view/ButtonViews.h"
#include "win32/view/ComboView.h"
#include "win32/view/Layout.h"
#include "win32/view/ReportView.h"
#include "win32/view/ProgressView.h"
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
    case ControlKind::ListView: return std::make_unique<ReportView>(static_cast<forms::ListView&>(control), context);
    case ControlKind::ProgressBar:
        return std::make_unique<ProgressView>(static_cast<forms::ProgressBar&>(control), context);
    }
    throw ProgramError("no view for the control " + control.Name());
}

bool IsContainer(const forms::Control& control) {
    return control.Kind() == forms::ControlKind::Frame || control.Kind() == forms::ControlKind::TabSet;
}

// True if `control` is inside `container`, directly or in something inside it.
bool Contains(const forms::Control& container, const forms::Control& control) {
    for (const forms::Control* c = control.Container(); c; c = c->Container())
        if (c == &container) return true;
    return false;
}

bool IsOption(const forms::Control& control) {
    return control.Kind() == forms::ControlKind::OptionButton;
}

// Option buttons of one container exclude each other, as in VB.
bool SameGroup(const forms::Control& a, const forms::Control& b) {
    return IsOption(a) && IsOption(b) && a.Container() == b.Container();
}

}  // namespace

FormControls::FormControls(forms::Form& form, const ViewContext& context) : trace_(context.Tracer) {
    for (forms::Control* control : form.Controls())
        views_.push_back(MakeView(*control, context, !form.FixedSize));
}

void FormControls::Create(HWND form) {
    form_ = form;
    CreateShown();
}

// A run of options is one group for the dialog keys (arrows move within
// it); everything else starts a group of its own.
DWORD FormControls::GroupStyle(std::size_t index) const {
    const ControlView& view = *views_[index];
    const forms::Control& model = view.Model();
    const bool continuesGroup = index > 0 && SameGroup(views_[index - 1]->Model(), model);
    DWORD group = continuesGroup ? 0 : WS_GROUP;
    if (view.TabStop() && !IsOption(model)) group |= WS_TABSTOP;
    return group;
}

std::vector<ControlView*> FormControls::CreateShown() {
    std::vector<ControlView*> made;
    std::vector<FrameView*> frames;
    for (std::size_t i = 0; i < views_.size(); ++i) {
        ControlView& view = *views_[i];
        const forms::Control& model = view.Model();
        if (view.Window() || !OnChosenPage(model)) continue;
        const ControlView* container = model.Container() ? Find(*model.Container()) : nullptr;
        HWND parent = container ? container->ContentWindow(model.Page()) : form_;
        if (!parent) throw ProgramError("no window to hold " + model.Name());
        // Ids follow the model's order, whenever the window is made.
        const int id = FirstControlId + static_cast<int>(i);
        {
            const TraceStep step(trace_, "control " + model.Name());
            view.Create(parent, container, id, GroupStyle(i));
        }
        made.push_back(&view);
        if (model.Kind() == forms::ControlKind::CommandButton &&
            static_cast<const forms::CommandButton&>(model).Default)
            SendMessageA(form_, DM_SETDEFID, static_cast<WPARAM>(id), 0);
        if (model.Kind() == forms::ControlKind::Frame) frames.push_back(static_cast<FrameView*>(&view));
    }
    for (FrameView* frame : frames) frame->Lower();
    return made;
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
    for (auto& view : views_)
        if (view->Window()) view->Mirror();
    for (auto& view : views_) view->Place();
}

void FormControls::Mirror(forms::Control& control) {
    ControlView* view = Find(control);
    if (!view || !view->Window()) return;
    // A page chosen for the first time gets its controls before it shows.
    if (control.Kind() == forms::ControlKind::TabSet)
        for (ControlView* made : CreateShown()) made->Mirror();
    view->Mirror();
    view->Place();
    if (IsContainer(control)) PlaceContents(control);
}

void FormControls::PlaceContents(const forms::Control& container) {
    for (auto& view : views_)
        if (Contains(container, view->Model())) view->Place();
}

void FormControls::ParentResized() {
    for (auto& view : views_)
        if (view->Window()) view->ParentResized();
}

ControlView* FormControls::UserMnemonic(char key) {
    for (auto& view : views_) {
        if (view->Model().Kind() != forms::ControlKind::TabSet || !view->Window()) continue;
        if (!IsWindowVisible(view->Window()) || !IsWindowEnabled(view->Window())) continue;
        if (static_cast<TabView&>(*view).UserMnemonic(key)) return view.get();
    }
    return nullptr;
}

}  // namespace quintel::win32
