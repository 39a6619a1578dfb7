// The font every control uses: MS Sans Serif, 8 points at the system's
// dots per inch, made once per host.
#pragma once

#include <windows.h>

namespace quintel::win32 {

// The font's description, for whoever must measure text as the controls
// draw it: MS Sans Serif, 8 points at `dpi`.
LOGFONTA DialogFontDescription(int dpi);

class DialogFont {
public:
    explicit DialogFont(int dpi);
    ~DialogFont();
    DialogFont(const DialogFont&) = delete;
    DialogFont& operator=(const DialogFont&) = delete;

    HFONT Handle() const { return font_; }

private:
    HFONT font_;
};

}  // namespace quintel::win32
