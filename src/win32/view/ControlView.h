// The window of one model control. A view copies the model's state into
// its window (Mirror) and turns what the user does to the window into the
// model's user calls (UserCommand, UserNotify). Which container shows or
// hides it and where it goes is common to every kind and lives here. A
// container's view (a frame, a tab set) holds the windows its contents
// are children of, so the dialog manager finds them in the tab order.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "ui/forms/Control.h"
#include "win32/view/Layout.h"
#include "win32/view/ViewContext.h"

namespace quintel::win32 {

class ControlView {
public:
    ControlView(forms::Control& model, const ViewContext& context)
        : model_(model), context_(context) {}
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    forms::Control& Model() const { return model_; }
    HWND Window() const { return window_; }
    // Whether a notification from `window` is this control's (a toolbar
    // also answers for its tooltip window).
    virtual bool Owns(HWND window) const { return window && window == window_; }

    // Makes the window, hidden, as a child of `parent`: the form's client
    // area, or the window of `container` (null: the form) that holds it.
    // Made in the model's order, the windows' z-order is the tab order.
    // `groupStyle` is WS_GROUP | WS_TABSTOP as the form's tab order asks.
    void Create(HWND parent, const ControlView* container, int id, DWORD groupStyle);
    // For a container: the window its controls on `page` are children of,
    // and that window's top-left corner in the form's client area.
    virtual HWND ContentWindow(int /*page*/) const { return nullptr; }
    virtual POINT ContentOrigin(int /*page*/) const { return POINT{}; }
    // The model's kind-specific state into the window.
    virtual void Mirror() = 0;
    // Position, visibility and enabled state from the model and its
    // containers.
    void Place();
    // Whether the keyboard's Tab key may stop here (an option button only
    // when it is its group's chosen one, which it keeps up itself).
    virtual bool TabStop() const { return false; }

    // User input, never called while the view mirrors. True when the
    // notification was the user's doing and went to the model.
    virtual bool UserCommand(UINT /*code*/, int /*id*/) { return false; }
    virtual bool UserNotify(const NMHDR& /*header*/) { return false; }
    // Questions a control asks its parent: a tooltip's text, the colours
    // of a static control (null: Windows' own), an owner-drawn picture, a
    // custom-drawn list's colours.
    virtual void TooltipText(NMHDR& /*header*/) {}
    virtual HBRUSH StaticColours(HDC /*dc*/) { return nullptr; }
    virtual void Draw(const DRAWITEMSTRUCT& /*item*/) {}
    // How to paint the next part of a custom-drawn control (NM_CUSTOMDRAW):
    // the answer to give, or nothing for Windows' own drawing.
    virtual std::optional<LRESULT> CustomDraw(NMHDR& /*header*/) { return std::nullopt; }
    // The form's client area changed size.
    virtual void ParentResized() {}

protected:
    struct Kind {
        const char* ClassName;
        DWORD Style;
        DWORD ExStyle = 0;
    };
    virtual Kind WindowKind() const = 0;
    // Where the window goes in the client area, or nothing for a control
    // that places itself (the status bar).
    virtual std::optional<PixelRect> Placement() const;
    // Called after the window exists, before the first Mirror.
    virtual void Created() {}
    // The parent the window is made in; a frame puts a pane between.
    virtual HWND ParentFor(HWND parent) { return parent; }
    // The top-left corner of the window's parent in the form's client area.
    virtual POINT Origin() const;
    POINT ContainerOrigin() const;
    // Called at the end of Place.
    virtual void Placed() {}

    // A fresh window of WindowKind() at the place and with the identity
    // of the current one, which the caller destroys; for styles that
    // Windows reads only when a control is made.
    HWND MakeWindow(HWND parent, int id, DWORD groupStyle) const;
    // Placement() in the parent's client area.
    std::optional<PixelRect> PlaceInParent() const;
    void ReplaceWindow(HWND window) { window_ = window; }
    DWORD GroupStyle() const { return groupStyle_; }

    const ViewContext& Context() const { return context_; }
    int Pixels(int twips) const { return context_.Scale.ToPixels(twips); }

private:
    forms::Control& model_;
    const ViewContext& context_;
    const ControlView* container_ = nullptr;
    HWND window_ = nullptr;
    DWORD groupStyle_ = 0;
    std::optional<PixelRect> placed_;
};

// Sets a window's text only when it differs, so the caret and the
// selection of an edit survive mirroring its own text.
void SetTextIfChanged(HWND window, const std::string& text);
// Sets or clears style bits of a window.
void SetStyle(HWND window, DWORD bits, bool on);
std::string WindowText(HWND window);

}  // namespace quintel::win32
