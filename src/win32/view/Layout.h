// Where a control's window goes and whether it shows, worked out from the
// model alone, in the form's client area: a control inside a frame or a
// tab set is placed at its container's position plus its own, as VB places
// the children of a Frame or an SSTab (whose origin is the tab control's
// top-left, tab strip included). The view moves that into the window of
// the container that holds it.
#pragma once

#include "ui/forms/Control.h"

namespace quintel::win32 {

// Twips to pixels at a given number of dots per inch, rounded to nearest:
// 15 twips to the pixel at 96.
class Twips {
public:
    explicit Twips(int dpi) : dpi_(dpi) {}
    int Dpi() const { return dpi_; }
    int ToPixels(int twips) const;

private:
    int dpi_;
};

struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

// The control's rectangle in the form's client area. The edges are
// converted rather than the size, so controls that touch in twips touch
// in pixels too.
PixelRect PlaceOf(const forms::Control& control, const Twips& twips);

// Visible itself, its containers shown, and inside a tab set on the page
// showing (a control in a frame on a page follows the frame).
bool Shown(const forms::Control& control);

// On the page chosen of every tab set it is in, directly or inside
// something on a page; visible or not.
bool OnChosenPage(const forms::Control& control);

// Enabled itself and every container enabled, as a disabled VB frame
// takes its contents with it.
bool Usable(const forms::Control& control);

}  // namespace quintel::win32
