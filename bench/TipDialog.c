/* The baseline of the first start's figure: the least a plain C program
 * does to show the window Quintel.exe shows first to a new user, the tip
 * of the day, with its controls (classes, styles, texts, places, the dialog
 * font, the logo and the blue heading) and one tip; then it waits for
 * input through the dialog manager. */
#include <windows.h>

#include "Baseline.h"

/* In Quintel.exe's order, which is its tab order. */
static const struct Control Controls[] = {
    {"Button", "OK", WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, 280, 184, 65, 25, 100},
    {"Button", "&Next Tip", WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, 0, 192, 184, 81, 25, 101},
    {"Button", "&Show Tips at Startup", WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0, 16, 187, 161, 21, 102},
    {"Static", "", WS_GROUP | SS_OWNERDRAW, 0, 16, 16, 32, 32, 103},
    {"Static", "Did you know...", WS_GROUP | SS_NOTIFY, 0, 64, 16, 281, 17, 104},
    {"Static",
     "Leave MTU Auto Discover checked: it lets Windows find the largest packet that passes the whole way to "
     "each server.",
     WS_GROUP | SS_NOTIFY, 0, 64, 41, 281, 129, 105},
};

static HICON Logo;

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const DRAWITEMSTRUCT* item = (const DRAWITEMSTRUCT*)lParam;
        DrawIconEx(item->hDC, 0, 0, Logo, 32, 32, 0, NULL, DI_NORMAL);
        return TRUE;
    }
    if (message == WM_CTLCOLORSTATIC && GetDlgCtrlID((HWND)lParam) == 104) {
        /* The heading in navy on the face colour. */
        SetTextColor((HDC)wParam, RGB(0, 0, 128));
        SetBkColor((HDC)wParam, GetSysColor(COLOR_BTNFACE));
        return (LRESULT)GetSysColorBrush(COLOR_BTNFACE);
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == 100 || LOWORD(wParam) == IDCANCEL)) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show) {
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    HFONT font;
    HWND window;
    (void)previous;
    (void)arguments;

    if (!ActivateCommonControls6()) return 1;
    font = DialogFont();
    Logo = (HICON)LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, 0);
    window = MakeWindow(instance, WindowProc, "QuintelBenchTipDialog", "Tip Dialog", style, NULL, 361, 220);
    if (!window) return 1;
    MakeControls(window, instance, font, Controls, sizeof Controls / sizeof Controls[0]);
    CheckDlgButton(window, 102, BST_CHECKED);
    return ShowAndWait(window, show);
}
