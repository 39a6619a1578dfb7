#include "win32/view/Win32FormHost.h"

#include <algorithm>
#include <optional>

#include "win32/view/CommonControls.h"
#include "win32/view/RootWindow.h"
#include "win32/Handles.h"

namespace quintel::win32 {

namespace {

int SystemDpi() {
    const WindowDC screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

// Counts a running loop for as long as it runs, exceptions included.
class LoopCount {
public:
    explicit LoopCount(int& count) : count_(count) { ++count_; }
    ~LoopCount() { --count_; }
    LoopCount(const LoopCount&) = delete;
    LoopCount& operator=(const LoopCount&) = delete;

private:
    int& count_;
};

CommonControls LoadCommonControls(Trace& trace) {
    const TraceStep step(trace, "common control classes");
    return InitCommonControlClasses();
}

}  // namespace

Win32FormHost::Win32FormHost(HINSTANCE instance, Trace* trace)
    : trace_(trace ? *trace : untraced_),
      images_(instance, trace_),
      font_(SystemDpi()),
      context_{instance, Twips(SystemDpi()), font_.Handle(), images_, LoadCommonControls(trace_), echo_,
               errors_, trace_} {}

Win32FormHost::~Win32FormHost() {
    // Forms still loaded may have been destroyed before their host, so
    // their windows stop listening before any of them goes. The windows go
    // before the font and the images their controls use.
    for (auto& [form, window] : windows_) window->Abandon();
    windows_.clear();
    retired_.clear();
}

void Win32FormHost::Create(forms::Form& form) {
    DeleteRetired();
    if (windows_.count(&form)) return;
    FormWindowEvents& events = *this;
    auto window = std::make_unique<FormWindow>(form, context_, events);
    window->Create();
    windows_[&form] = std::move(window);
}

void Win32FormHost::Destroy(forms::Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    std::unique_ptr<FormWindow> window = std::move(it->second);
    windows_.erase(it);
    window->Detach();
    // The window may be handling the very message that unloads it (its
    // WM_CLOSE), so the object outlives its handle until that returns.
    if (window->Window()) DestroyWindow(window->Window());
    retired_.push_back(std::move(window));
    if (windows_.empty() && loops_ > 0) PostQuitMessage(0);
}

void Win32FormHost::RunModal(forms::Form& form) {
    FormWindow* window = Find(form);
    if (!window || !window->MadeWindow()) return;
    ModalScope scope(window->Window(), window->ShownOver());
    modals_.push_back(&scope);
    struct Unregister {
        std::vector<ModalScope*>& modals;
        ~Unregister() { modals.pop_back(); }
    } unregister{modals_};

    while (form.Loaded() && form.Visible()) {
        DeleteRetired();
        MSG message{};
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT belongs to the outermost loop: leave it for that one.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1) break;
        Dispatch(message);
        errors_.RethrowIfAny();
    }
}

void Win32FormHost::Hiding(FormWindow& window) {
    for (ModalScope* scope : modals_) {
        if (scope->Modal() != window.Window()) continue;
        scope->Release();
        // The form may have been closed by a sent message (another
        // program's click), which GetMessage handles without returning:
        // a posted message wakes the modal loop to see it closed.
        PostMessageA(nullptr, WM_NULL, 0, 0);
    }
}

HWND Win32FormHost::ModalWindow() const {
    return modals_.empty() ? nullptr : modals_.back()->Modal();
}

void Win32FormHost::DoEvents() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        Dispatch(message);
        errors_.RethrowIfAny();
    }
    DeleteRetired();
}

int Win32FormHost::RunMessageLoop() {
    if (windows_.empty()) return 0;
    LoopCount count(loops_);
    MSG message{};
    BOOL got = 0;
    // The profile's last step: what the loop does before it first waits,
    // the windows' first painting above all.
    std::optional<TraceStep> untilIdle;
    if (trace_.On() && loops_ == 1) untilIdle.emplace(trace_, "first messages, until the loop waits");
    for (;;) {
        if (untilIdle && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) untilIdle.reset();
        if ((got = GetMessageA(&message, nullptr, 0, 0)) <= 0) break;
        Dispatch(message);
        errors_.RethrowIfAny();
        DeleteRetired();
    }
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}

void Win32FormHost::Dispatch(MSG& message) {
    if (message.hwnd) {
        HWND root = RootWindow(message.hwnd);
        for (auto& [form, window] : windows_) {
            if (window->Window() == root) {
                if (window->PreTranslate(message)) return;
                break;
            }
        }
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void Win32FormHost::DeleteRetired() {
    retired_.erase(std::remove_if(retired_.begin(), retired_.end(),
                                  [](const std::unique_ptr<FormWindow>& w) { return !w->Busy(); }),
                   retired_.end());
}

FormWindow* Win32FormHost::Find(const forms::Form& form) const {
    const auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.get();
}

// Asking for a window makes it: the services that want a handle (the tray
// icon's, an owner's) need a real one.
HWND Win32FormHost::WindowOf(const forms::Form& form) const {
    FormWindow* window = Find(form);
    return window ? window->MadeWindow() : nullptr;
}

HWND Win32FormHost::WindowOf(const forms::Control& control) const {
    for (const auto& [form, window] : windows_) {
        const auto& controls = window->Model().Controls();
        if (!window->Window() && std::find(controls.begin(), controls.end(), &control) != controls.end())
            window->MadeWindow();
        if (HWND found = window->ControlWindow(control)) return found;
    }
    return nullptr;
}

std::uintptr_t Win32FormHost::Handle(const forms::Form& form) {
    return reinterpret_cast<std::uintptr_t>(WindowOf(form));
}

std::uintptr_t Win32FormHost::ListImageIcon(const std::string& list, int index) {
    return reinterpret_cast<std::uintptr_t>(images_.ListIcon(list, index));
}

void Win32FormHost::SetForeground(forms::Form& form) {
    if (HWND window = WindowOf(form)) SetForegroundWindow(window);
}

void Win32FormHost::PopupMenu(forms::Form& form, forms::MenuItem& menu) {
    POINT pointer{};
    GetCursorPos(&pointer);
    ShowPopupMenu(form, menu, pointer);
}

void Win32FormHost::ShowPopupMenu(forms::Form& form, forms::MenuItem& item, POINT screen) {
    if (FormWindow* window = Find(form); window && window->MadeWindow()) window->ShowPopupMenu(item, screen);
    errors_.RethrowIfAny();
}

}  // namespace quintel::win32
