// Whether each caption fits its control, measured as Windows draws that
// kind of control. Fonts cannot cross processes, so the caller names the
// font the program asks for, and the text is measured in the same font
// made here.
#include <string>
#include <vector>

#include "Internals.h"

namespace quintel::gui {

using namespace detail;

namespace {

// The room a control's frame leaves its caption, in pixels at 96 dots per
// inch; the larger of classic Windows' and the XP theme's, so a caption
// that fits here fits under both.
struct Insets {
    int left = 0;
    int right = 0;
    int vertical = 0;
};

// Push buttons: a 2-pixel frame (classic, one more for the default
// button's black border) or the theme's 3-pixel content margin.
constexpr Insets PushButtonInsets{3, 3, 2};
// Check boxes and option buttons: the 13-pixel box, then a gap of half a
// digit (classic) or 6 pixels (themed) before the text.
constexpr Insets CheckBoxInsets{13 + 6, 0, 0};
// Frames: classic Windows clips the caption 7 pixels in from either side;
// the theme starts it 12 pixels in and lets it run to the edge, which
// leaves 2 pixels more.
constexpr Insets GroupBoxInsets{7, 7, 0};

struct Room {
    int width = 0;
    int height = 0;
    bool wraps = false;
};

// The room a visible, captioned Static or Button has for its text; false
// for kinds that draw no caption (pictures, owner-drawn controls).
bool RoomFor(HWND control, int dpi, Room& room) {
    RECT client{};
    GetClientRect(control, &client);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const std::wstring kind = ClassName(control);
    Insets insets;
    if (lstrcmpiW(kind.c_str(), L"Static") == 0) {
        switch (style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT: room.wraps = true; break;
        case SS_LEFTNOWORDWRAP:
        case SS_SIMPLE: room.wraps = false; break;
        default: return false;
        }
    } else if (lstrcmpiW(kind.c_str(), L"Button") == 0) {
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON: insets = PushButtonInsets; break;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE: insets = (style & BS_PUSHLIKE) ? PushButtonInsets : CheckBoxInsets; break;
        case BS_GROUPBOX: insets = GroupBoxInsets; break;
        default: return false;
        }
        room.wraps = (style & BS_MULTILINE) != 0;
    } else {
        return false;
    }
    room.width = client.right - MulDiv(insets.left + insets.right, dpi, 96);
    room.height = client.bottom - MulDiv(2 * insets.vertical, dpi, 96);
    return true;
}

}  // namespace

std::vector<std::string> CaptionsThatDoNotFit(HWND window, const LOGFONTA& font, Where where) {
    std::vector<std::string> clipped;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HFONT made = CreateFontIndirectA(&font);
    if (!dc || !made) {
        Fail(where, "cannot make the font " + std::string(font.lfFaceName) + " to measure in");
        if (made) DeleteObject(made);
        if (dc) DeleteDC(dc);
        return clipped;
    }
    HGDIOBJ old = SelectObject(dc, made);

    std::vector<HWND> controls = FindControls(window, L"Static");
    const std::vector<HWND> buttons = FindControls(window, L"Button");
    controls.insert(controls.end(), buttons.begin(), buttons.end());
    for (HWND control : controls) {
        Room room;
        if (!IsWindowVisible(control) || !RoomFor(control, dpi, room)) continue;
        const std::wstring text = ReadText(control, where);
        if (text.empty()) continue;
        // The flags the controls draw with: '&' marks a mnemonic, tabs expand.
        RECT needed{0, 0, room.width, 0};
        const UINT flags = DT_CALCRECT | DT_EXPANDTABS | (room.wraps ? DT_WORDBREAK : DT_SINGLELINE);
        DrawTextW(dc, text.c_str(), -1, &needed, flags);
        if (needed.right > room.width || needed.bottom > room.height) {
            clipped.push_back(Describe(control) + " needs " + std::to_string(needed.right) + "x" +
                              std::to_string(needed.bottom) + " pixels for \"" + Narrow(text) +
                              "\" and has " + std::to_string(room.width) + "x" +
                              std::to_string(room.height));
        }
    }

    SelectObject(dc, old);
    DeleteObject(made);
    DeleteDC(dc);
    return clipped;
}

}  // namespace quintel::gui
