#include "win32/view/DialogFont.h"

namespace quintel::win32 {

LOGFONTA DialogFontDescription(int dpi) {
    // The layout was measured in MS Sans Serif 8 pt, the face Windows 95 to
    // XP give dialogs ("MS Shell Dlg"). Asked for by that alias, other
    // systems substitute wider faces (Tahoma, or whatever sans serif a
    // Wine without its own fonts finds), and captions sized for MS Sans
    // Serif are clipped. Every Windows ships MS Sans Serif itself.
    LOGFONTA font{};
    font.lfHeight = -MulDiv(8, dpi, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    lstrcpynA(font.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    return font;
}

DialogFont::DialogFont(int dpi) {
    const LOGFONTA description = DialogFontDescription(dpi);
    made_.Reset(CreateFontIndirectA(&description));
}

}  // namespace quintel::win32
