// The font every control uses: MS Sans Serif, 8 points at the system's
// dots per inch, made once per host.
#pragma once

#include <windows.h>

#include "win32/Handles.h"

namespace quintel::win32 {

// The font's description, for whoever must measure text as the controls
// draw it: MS Sans Serif, 8 points at `dpi`.
LOGFONTA DialogFontDescription(int dpi);

class DialogFont {
public:
    explicit DialogFont(int dpi);

    // The font made, or the system's stock font when none could be.
    HFONT Handle() const {
        return made_ ? made_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }

private:
    UniqueGdiObject<HFONT> made_;
};

}  // namespace quintel::win32
