#include "win32/view/FormWindow.h"

#include <windowsx.h>

#include <cctype>

#include "win32/ProgramError.h"
#include "win32/TrayRecord.h"
#include "win32/view/FormGeometry.h"
#include "win32/Handles.h"

namespace quintel::win32 {

namespace {

constexpr const char* ClassName = "QuintelForm";

// Sent to every top-level window when the taskbar starts again (after
// Explorer crashed, say); its tray icons are gone then.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

}  // namespace

FormWindow::FormWindow(forms::Form& form, const ViewContext& context, FormWindowEvents& events)
    : form_(form), context_(context), events_(events), controls_(form, context_), menu_(form) {}

// The model is not touched here: it may have gone before the host.
FormWindow::~FormWindow() {
    Abandon();
    if (Window()) DestroyWindow(Window());
}

// A form loads hidden (Form::Show loads it before it makes it visible), so
// the window waits for the first change that shows it.
void FormWindow::Create() {
    form_.SetObserver(this);
    observing_ = true;
}

HWND FormWindow::MadeWindow() {
    if (!Window() && observing_) Make();
    return Window();
}

void FormWindow::Make() {
    try {
        MakeWindow();
    } catch (...) {
        // The model must not keep pointing at a window half made.
        Detach();
        if (Window()) DestroyWindow(Window());
        throw;
    }
}

void FormWindow::MakeWindow() {
    const TraceStep step(context_.Tracer, "window " + form_.Name());
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &FormWindow::WndProc;
    windowClass.hInstance = context_.Instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    // A dialog box of a class of its own: DefDlgProc gives it the dialog
    // manager's focus, tab order, default button and keyboard interface.
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw ProgramError("could not register the form window class");

    const DWORD style = FormStyle(form_);
    const DWORD exStyle = FormExStyle(form_);
    UniqueMenu bar(menu_.MakeBar());
    const SIZE client{context_.Scale.ToPixels(form_.ClientWidth()),
                      context_.Scale.ToPixels(form_.ClientHeight())};
    const SIZE size = WindowSizeFor(client, style, exStyle, static_cast<bool>(bar));
    const POINT corner = CentredOnWorkArea(size);
    if (!CreateWindowExA(exStyle, ClassName, form_.Caption().c_str(), style, corner.x, corner.y,
                         size.cx, size.cy, nullptr, bar.Get(), context_.Instance, this)) {
        throw ProgramError("could not create the window of " + form_.Name());
    }
    bar.Release();  // the window's now, destroyed with it
    SetIcons();
    {
        const TraceStep controls(context_.Tracer, "controls of " + form_.Name());
        controls_.Create(Window());
    }
    FitClientArea();

    for (forms::Control* control : form_.Controls()) control->SetObserver(this);
    for (forms::MenuItem* item : menu_.Items()) item->SetObserver(this);
    attached_ = true;

    const TraceStep mirror(context_.Tracer, "controls of " + form_.Name() + " filled");
    EchoGuard guard(context_.Echo);
    controls_.MirrorAll();
    MirrorForm();
}

void FormWindow::Detach() {
    if (observing_) form_.SetObserver(nullptr);
    observing_ = false;
    if (!attached_) return;
    attached_ = false;
    for (forms::Control* control : form_.Controls()) control->SetObserver(nullptr);
    for (forms::MenuItem* item : menu_.Items()) item->SetObserver(nullptr);
}

HWND FormWindow::ControlWindow(const forms::Control& control) const {
    const ControlView* view = controls_.Find(control);
    return view ? view->Window() : nullptr;
}

void FormWindow::SetIcons() {
    if (form_.Icon.empty()) return;
    if (HICON big = context_.Images.FormIcon(form_.Icon, false))
        SendMessageA(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (HICON small = context_.Images.FormIcon(form_.Icon, true))
        SendMessageA(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

// --- The model's changes into the window --------------------------------

void FormWindow::FormChanged(forms::Form&) {
    if (!Window()) {
        // Whatever changed while unmade is mirrored when the window is made.
        if (observing_ && form_.Loaded() && form_.Visible()) Make();
        return;
    }
    EchoGuard guard(context_.Echo);
    MirrorForm();
}

void FormWindow::ControlChanged(forms::Control& control) {
    EchoGuard guard(context_.Echo);
    controls_.Mirror(control);
    KeepFocusUsable();
}

void FormWindow::MenuChanged(forms::MenuItem&) {
    // Destroying a menu while Windows tracks it would pull it from under
    // the user; the bar is remade when the menu closes.
    if (inMenuLoop_) {
        menuOutOfDate_ = true;
        return;
    }
    RebuildMenuBar();
}

void FormWindow::MirrorForm() {
    SetTextIfChanged(Window(), form_.Caption());
    FitClientArea();
    MirrorVisibility();
    // Only a change of the form's own state: a modal window may have
    // disabled this one meanwhile, and gives it back itself.
    if (form_.Enabled() != mirroredEnabled_) {
        mirroredEnabled_ = form_.Enabled();
        EnableWindow(Window(), mirroredEnabled_ ? TRUE : FALSE);
    }
}

void FormWindow::MirrorVisibility() {
    const bool showing = (GetWindowLongA(Window(), GWL_STYLE) & WS_VISIBLE) != 0;
    if (!form_.Visible() || !form_.Loaded()) {
        if (showing) {
            events_.Hiding(*this);
            ShowWindow(Window(), SW_HIDE);
        }
        return;
    }
    if (!showing) {
        // A hidden window (the main window while it loads) is under nothing.
        HWND active = GetActiveWindow();
        shownOver_ = active != Window() && IsWindowVisible(active) ? active : nullptr;
    }
    switch (form_.State()) {
    case forms::WindowState::Minimized:
        if (!showing || !IsIconic(Window())) ShowWindow(Window(), showing ? SW_MINIMIZE : SW_SHOWMINIMIZED);
        break;
    case forms::WindowState::Maximized:
        if (!showing || !IsZoomed(Window())) ShowWindow(Window(), SW_SHOWMAXIMIZED);
        break;
    case forms::WindowState::Normal:
        if (!showing || IsIconic(Window()) || IsZoomed(Window())) ShowWindow(Window(), SW_SHOWNORMAL);
        break;
    }
}

void FormWindow::FitClientArea() {
    if (IsIconic(Window()) || IsZoomed(Window())) return;
    FitClientSize(Window(), SIZE{context_.Scale.ToPixels(form_.ClientWidth()),
                                 context_.Scale.ToPixels(form_.ClientHeight())});
}

void FormWindow::RebuildMenuBar() {
    menuOutOfDate_ = false;
    const UniqueMenu old(GetMenu(Window()));
    SetMenu(Window(), menu_.MakeBar());
    DrawMenuBar(Window());
    FitClientArea();
}

void FormWindow::KeepFocusUsable() {
    HWND focus = GetFocus();
    if (!focus || !IsChild(Window(), focus)) return;
    if (IsWindowVisible(focus) && IsWindowEnabled(focus)) return;
    FocusNextControl();
}

// As the Tab key would; the form itself when no control can take it.
void FormWindow::FocusNextControl() {
    HWND focus = GetFocus();
    HWND next = GetNextDlgTabItem(Window(), IsChild(Window(), focus) ? focus : nullptr, FALSE);
    if (next && IsWindowVisible(next) && IsWindowEnabled(next)) {
        SendMessageA(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    } else if (GetActiveWindow() == Window()) {
        SetFocus(Window());
    }
}

// --- The user's actions into the model ----------------------------------

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = Window();
    switch (message) {
        HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
        HANDLE_MSG(hwnd, WM_NOTIFY, OnNotify);
        HANDLE_MSG(hwnd, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(hwnd, WM_SIZE, OnSize);
        HANDLE_MSG(hwnd, WM_CLOSE, OnClose);
        HANDLE_MSG(hwnd, WM_CTLCOLORSTATIC, OnCtlColorStatic);
    case WM_ACTIVATE: {
        // The dialog manager puts back the control that had the focus.
        const LRESULT result = DefDlgProcA(hwnd, message, wParam, lParam);
        HANDLE_WM_ACTIVATE(hwnd, wParam, lParam, OnActivate);
        return result;
    }
    case WM_ENTERMENULOOP:
        OnMenuLoop(true);
        return 0;
    case WM_EXITMENULOOP:
        OnMenuLoop(false);
        return 0;
    case WM_QUERYENDSESSION:
        // Saves run to completion on this thread and replace their file in
        // one step, so Windows may end the session whenever it asks.
        return TRUE;
    case WM_ENDSESSION:
        // The session ends: close as the user would, so the form can take
        // its tray icon away.
        if (wParam && attached_) form_.Close();
        return 0;
    case TrayCallbackMessage:
        // The low word is the mouse message that happened over the icon.
        OnTrayNotify(LOWORD(lParam));
        return 0;
    }
    if (message == TaskbarCreatedMessage() && message != 0) {
        if (attached_) form_.TaskbarRestarted();
        return 0;
    }
    return DefDlgProcA(hwnd, message, wParam, lParam);
}

void FormWindow::OnCommand(HWND, int id, HWND control, UINT code) {
    if (!attached_) return;
    if (control) {
        ControlView* view = controls_.Find(control);
        if (!view || context_.Echo.Suppressed()) return;
        if (view->UserCommand(code, id)) AfterUserInput(*view);
        return;
    }
    // Esc: a dialog box (a form without a minimize box) closes as by its
    // close box; a main window stays.
    if (id == IDCANCEL && !form_.MinButton) {
        form_.Close();
        return;
    }
    if (forms::MenuItem* item = menu_.ItemOf(static_cast<UINT>(id))) item->UserClick();
}

LRESULT FormWindow::OnNotify(HWND, int, NMHDR* header) {
    if (!attached_ || !header) return 0;
    ControlView* view = controls_.Find(header->hwndFrom);
    if (!view) return 0;
    if (header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW) {
        view->TooltipText(*header);
        return 0;
    }
    // Painting asks whatever the echo guard says: it is no user input.
    if (header->code == NM_CUSTOMDRAW) return view->CustomDraw(*header).value_or(CDRF_DODEFAULT);
    if (!context_.Echo.Suppressed() && view->UserNotify(*header)) AfterUserInput(*view);
    return 0;
}

HBRUSH FormWindow::OnCtlColorStatic(HWND window, HDC dc, HWND control, int) {
    if (ControlView* view = controls_.Find(control))
        if (HBRUSH brush = view->StaticColours(dc)) return brush;
    return FORWARD_WM_CTLCOLORSTATIC(window, dc, control, DefDlgProcA);
}

void FormWindow::OnDrawItem(HWND, const DRAWITEMSTRUCT* item) {
    if (!item) return;
    if (ControlView* view = controls_.Find(item->hwndItem)) view->Draw(*item);
}

void FormWindow::OnSize(HWND, UINT state, int, int) {
    controls_.ParentResized();
    // Minimizing, maximizing and restoring by the user are the form's
    // WindowState; changes the view makes itself are echoes.
    if (!attached_ || context_.Echo.Suppressed() || !IsWindowVisible(Window())) return;
    if (state == SIZE_MINIMIZED) form_.SetState(forms::WindowState::Minimized);
    else if (state == SIZE_MAXIMIZED) form_.SetState(forms::WindowState::Maximized);
    else if (state == SIZE_RESTORED) form_.SetState(forms::WindowState::Normal);
}

// The first activation has no control to put back: the first in the tab
// order takes the focus, as when a dialog box opens.
void FormWindow::OnActivate(HWND window, UINT state, HWND, BOOL minimized) {
    if (!attached_ || state == WA_INACTIVE || minimized) return;
    HWND focus = GetFocus();
    if (!focus || focus == window || !IsChild(window, focus)) FocusNextControl();
}

void FormWindow::OnClose(HWND) {
    // The model decides: QueryUnload may keep the window.
    if (attached_) form_.Close();
}

void FormWindow::OnMenuLoop(bool entering) {
    inMenuLoop_ = entering;
    if (!entering && menuOutOfDate_) RebuildMenuBar();
}

void FormWindow::OnTrayNotify(UINT mouseMessage) {
    if (!attached_) return;
    // While a modal window or a message box waits for an answer, a click
    // on the icon only brings it forward: the icon's menu would run
    // commands underneath it.
    const std::optional<TrayEvent> event = TrayEventOf(mouseMessage);
    if (!event) return;
    HWND modal = events_.ModalWindow();
    if (!modal && !IsWindowEnabled(Window())) modal = GetLastActivePopup(Window());
    if (modal) {
        SetForegroundWindow(modal);
        return;
    }
    form_.TrayNotification(*event);
}

void FormWindow::AfterUserInput(ControlView& view) {
    if (!attached_ || !view.Window()) return;
    EchoGuard guard(context_.Echo);
    controls_.Mirror(view.Model());
}

void FormWindow::ShowPopupMenu(forms::MenuItem& item, POINT screen) {
    if (forms::MenuItem* chosen = menu_.TrackPopup(Window(), item, screen)) chosen->UserClick();
}

bool FormWindow::PreTranslate(MSG& message) {
    if (!attached_ || !IsWindowEnabled(Window())) return false;
    // The dialog manager knows no tab control's access keys.
    if (message.message == WM_SYSCHAR) {
        const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(message.wParam)));
        if (ControlView* view = controls_.UserMnemonic(key)) {
            AfterUserInput(*view);
            return true;
        }
    }
    return IsDialogMessageA(Window(), &message) != FALSE;
}

}  // namespace quintel::win32
