#include "win32/view/DialogFont.h"

namespace quintel::win32 {

DialogFont::DialogFont(int dpi) {
    // "MS Shell Dlg" is the face dialog templates name: Windows maps it to
    // the system's dialog typeface, so the controls look like its dialogs.
    font_ = CreateFontA(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, "MS Shell Dlg");
    if (!font_) font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

DialogFont::~DialogFont() {
    if (font_ != GetStockObject(DEFAULT_GUI_FONT)) DeleteObject(font_);
}

}  // namespace quintel::win32
