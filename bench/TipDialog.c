/* The baseline of the first start's figure: the least a plain C program
 * does to show the window Quintel.exe shows first to a new user, the tip
 * of the day, with its controls (classes, styles, texts, places, the dialog
 * font, the logo and the blue heading) and one tip; then it waits for
 * input through the dialog manager. */
#include <windows.h>

#include "Baseline.h"

struct Control {
    const char* className;
    const char* text;
    DWORD style;
    int x, y, width, height, id;
};

/* In Quintel.exe's order, which is its tab order. */
static const struct Control Controls[] = {
    {"Button", "OK", WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 280, 184, 65, 25, 100},
    {"Button", "&Next Tip", WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, 192, 184, 81, 25, 101},
    {"Button", "&Show Tips at Startup", WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 16, 187, 161, 21, 102},
    {"Static", "", WS_GROUP | SS_OWNERDRAW, 16, 16, 32, 32, 103},
    {"Static", "Did you know...", WS_GROUP | SS_NOTIFY, 64, 16, 281, 17, 104},
    {"Static",
     "Leave MTU Auto Discover checked: it lets Windows find the largest packet that passes the whole way to "
     "each server.",
     WS_GROUP | SS_NOTIFY, 64, 41, 281, 129, 105},
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
    WNDCLASSEXA windowClass;
    HFONT font;
    RECT frame = {0, 0, 361, 220};
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    HWND window;
    MSG message;
    size_t i;
    (void)previous;
    (void)arguments;

    if (!ActivateCommonControls6()) return 1;
    font = DialogFont();
    Logo = (HICON)LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, 0);

    memset(&windowClass, 0, sizeof windowClass);
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "QuintelBenchTipDialog";
    if (!RegisterClassExA(&windowClass)) return 1;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
    window = CreateWindowExA(WS_EX_CONTROLPARENT, windowClass.lpszClassName, "Tip Dialog", style, CW_USEDEFAULT,
                             CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, NULL, NULL,
                             instance, NULL);
    if (!window) return 1;
    for (i = 0; i < sizeof Controls / sizeof Controls[0]; ++i) {
        const struct Control* c = &Controls[i];
        HWND control = CreateWindowExA(0, c->className, c->text, WS_CHILD | WS_VISIBLE | c->style, c->x, c->y,
                                       c->width, c->height, window, (HMENU)(INT_PTR)c->id, instance, NULL);
        SendMessageA(control, WM_SETFONT, (WPARAM)font, 0);
    }
    CheckDlgButton(window, 102, BST_CHECKED);
    ShowWindow(window, show);
    UpdateWindow(window);
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (IsDialogMessageA(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
