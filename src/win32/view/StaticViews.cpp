#include "win32/view/StaticViews.h"

#include <algorithm>

namespace quintel::win32 {

// SS_NOTIFY: a label that has a Click handler must hear the mouse.
ControlView::Kind LabelView::WindowKind() const { return {"STATIC", SS_LEFT | SS_NOTIFY}; }

void LabelView::Mirror() { SetTextIfChanged(Window(), Model().Caption()); }

bool LabelView::UserCommand(UINT code, int) {
    if (code != STN_CLICKED) return false;
    label_.UserClick();
    return true;
}

HBRUSH LabelView::StaticColours(HDC dc) {
    const forms::Color c = label_.ForeColor;
    SetTextColor(dc, IsWindowEnabled(Window()) ? RGB(c.Red, c.Green, c.Blue)
                                               : GetSysColor(COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

ControlView::Kind LineView::WindowKind() const { return {"STATIC", SS_OWNERDRAW}; }

std::optional<PixelRect> LineView::Placement() const {
    PixelRect place = PlaceOf(Model(), Context().Scale);
    place.Bottom = place.Top + 1;
    return place;
}

void LineView::Draw(const DRAWITEMSTRUCT& item) {
    const int colour = line_.Color == forms::Line::SystemColor::WindowFrame ? COLOR_WINDOWFRAME
                                                                            : COLOR_WINDOW;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(colour));
}

ControlView::Kind PictureView::WindowKind() const { return {"STATIC", SS_OWNERDRAW}; }

void PictureView::Draw(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const PictureIcon picture = Context().Images.Picture(picture_.Image);
    if (!picture.Icon) return;
    const int boxWidth = item.rcItem.right - item.rcItem.left;
    const int boxHeight = item.rcItem.bottom - item.rcItem.top;
    int width = picture.Width, height = picture.Height;
    if (const int steps = std::min(boxWidth / width, boxHeight / height); steps >= 1) {
        width *= steps;
        height *= steps;
    } else {
        const double shrink = std::min(double(boxWidth) / width, double(boxHeight) / height);
        width = std::max(1, int(width * shrink));
        height = std::max(1, int(height * shrink));
    }
    DrawIconEx(item.hDC, item.rcItem.left + (boxWidth - width) / 2,
               item.rcItem.top + (boxHeight - height) / 2, picture.Icon, width, height, 0, nullptr,
               DI_NORMAL);
}

}  // namespace quintel::win32
