#include "win32/view/Layout.h"

#include "ui/forms/ValueControls.h"

namespace quintel::win32 {

namespace {

// Integer rounding as MulDiv does it, without needing <windows.h>.
int Scale(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

int Twips::ToPixels(int twips) const { return Scale(twips, dpi_, 1440); }

PixelRect PlaceOf(const forms::Control& control, const Twips& twips) {
    int left = control.Bounds().Left;
    int top = control.Bounds().Top;
    for (const forms::Control* c = control.Container(); c; c = c->Container()) {
        left += c->Bounds().Left;
        top += c->Bounds().Top;
    }
    return PixelRect{twips.ToPixels(left), twips.ToPixels(top),
                     twips.ToPixels(left + control.Bounds().Width),
                     twips.ToPixels(top + control.Bounds().Height)};
}

bool Shown(const forms::Control& control) {
    for (const forms::Control* c = &control; c; c = c->Container())
        if (!c->Visible()) return false;
    return OnChosenPage(control);
}

bool OnChosenPage(const forms::Control& control) {
    for (const forms::Control* c = &control; c->Container(); c = c->Container()) {
        const forms::Control& container = *c->Container();
        if (container.Kind() == forms::ControlKind::TabSet &&
            static_cast<const forms::TabSet&>(container).Tab() != c->Page())
            return false;
    }
    return true;
}

bool Usable(const forms::Control& control) {
    for (const forms::Control* c = &control; c; c = c->Container())
        if (!c->Enabled()) return false;
    return true;
}

}  // namespace quintel::win32
