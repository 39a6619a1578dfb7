// Quintel's windows as Windows draws them: every caption whole in the font
// the program asks for. The layout was measured in MS Sans Serif 8 pt, the
// face of Windows' own dialogs from 95 to XP.
#include <string>
#include <vector>

#include "gui/QuintelApp.h"

namespace quintel::gui {
namespace {

class QuintelLook : public QuintelApp {};

// What Quintel asks for: MS Sans Serif, 8 points at the screen's dots per
// inch (the Wine view test holds the program to it).
LOGFONTA QuintelFont() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTA font{};
    font.lfHeight = -MulDiv(8, dpi, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    lstrcpynA(font.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    return font;
}

void ExpectEveryCaptionWhole(HWND window, const std::string& what, Where where = Where::current()) {
    for (const std::string& clipped : CaptionsThatDoNotFit(window, QuintelFont(), where))
        ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << what << ": " << clipped;
}

TEST_F(QuintelLook, EveryCaptionFitsItsControl) {
    ForgetTipChoice();
    StartProgram();
    HWND tip = WaitForWindow(L"Tip of the Day");
    ASSERT_TRUE(tip);
    ExpectEveryCaptionWhole(tip, "the tip of the day");
    ASSERT_TRUE(Click(FindControl(tip, L"Button", L"OK")));

    main = WaitForWindow(MainCaption);
    ASSERT_TRUE(main);
    HWND tabs = Tabs();
    ASSERT_TRUE(tabs);
    for (const std::wstring& tab : TabCaptions(tabs)) {
        ASSERT_TRUE(SelectTab(tabs, tab));
        ExpectEveryCaptionWhole(main, "the main window's " + Narrow(tab) + " tab");
    }

    HWND modes = ModeList();
    ASSERT_TRUE(modes);
    ASSERT_TRUE(ChooseComboItem(modes, L"Automatic #1"));
    ASSERT_TRUE(ChooseComboItem(modes, L"Manual"));
    HWND explanation = WaitForWindow(DialUp);
    ASSERT_TRUE(explanation);
    ExpectEveryCaptionWhole(explanation, "the mode explanation");
    ASSERT_TRUE(Click(FindControl(explanation, L"Button", L"OK")));
    ASSERT_TRUE(WaitForClose(explanation));
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(main) != FALSE; }, "the main window to take input again"));

    ASSERT_TRUE(ChooseMenu(main, {'F', 'P'}));
    HWND preview = WaitForWindow(L"Preview Changes");
    ASSERT_TRUE(preview);
    ExpectEveryCaptionWhole(preview, "the preview of Apply");
    ASSERT_TRUE(Click(FindControl(preview, L"Button", L"Close")));
    ASSERT_TRUE(WaitForClose(preview));
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(main) != FALSE; }, "the main window to take input again"));

    // The largest-MTU finder, before it has sent anything.
    ASSERT_TRUE(SelectTab(tabs, L"General"));
    ASSERT_TRUE(Click(InFrame(L"MTU (Max Transmission Unit)", L"Button", L"Find...")));
    HWND finder = WaitForWindow(L"Find the Largest MTU");
    ASSERT_TRUE(finder);
    ExpectEveryCaptionWhole(finder, "the MTU finder");
    ASSERT_TRUE(Click(FindControl(finder, L"Button", L"Cancel")));
    ASSERT_TRUE(WaitForClose(finder));
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(main) != FALSE; }, "the main window to take input again"));

    // "About Quintel" is the Help menu's last item.
    ASSERT_TRUE(ChooseMenu(main, {'H', Up, Enter}));
    HWND about = WaitForWindow(L"About Quintel");
    ASSERT_TRUE(about);
    ExpectEveryCaptionWhole(about, "About Quintel");
    ASSERT_TRUE(Click(FindControl(about, L"Button", L"OK")));
    EXPECT_TRUE(WaitForClose(about));
}

}  // namespace
}  // namespace quintel::gui
