// The font every control uses: the dialog font, 8 points at the system's
// dots per inch, made once per host.
#pragma once

#include <windows.h>

namespace quintel::win32 {

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
