/* What the C baselines share with Quintel.exe's window path: common
 * controls 6 from the program's second manifest, activated before the
 * first window, and the dialog font the layout was measured in. */
#ifndef QUINTEL_BENCH_BASELINE_H
#define QUINTEL_BENCH_BASELINE_H

#include <windows.h>
#include <commctrl.h>

#include <string.h>

static int ActivateCommonControls6(void) {
    char self[MAX_PATH];
    ACTCTXA request;
    HANDLE context;
    ULONG_PTR cookie = 0;
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    GetModuleFileNameA(NULL, self, MAX_PATH);
    memset(&request, 0, sizeof request);
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = self;
    request.lpResourceName = MAKEINTRESOURCEA(2);
    context = CreateActCtxA(&request);
    return context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie) && InitCommonControlsEx(&classes);
}

/* MS Sans Serif 8 pt at 96 dots per inch. */
static HFONT DialogFont(void) {
    LOGFONTA description;
    memset(&description, 0, sizeof description);
    description.lfHeight = -MulDiv(8, 96, 72);
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    strcpy(description.lfFaceName, "MS Sans Serif");
    return CreateFontIndirectA(&description);
}

/* A child control as Quintel.exe's view makes it: class, text, styles,
 * place in pixels and id. */
struct Control {
    const char* className;
    const char* text;
    DWORD style, exStyle;
    int x, y, width, height, id;
};

static void MakeControls(HWND window, HINSTANCE instance, HFONT font, const struct Control* controls, size_t count) {
    size_t i;
    for (i = 0; i < count; ++i) {
        const struct Control* c = &controls[i];
        HWND control = CreateWindowExA(c->exStyle, c->className, c->text, WS_CHILD | WS_VISIBLE | c->style, c->x,
                                       c->y, c->width, c->height, window, (HMENU)(INT_PTR)c->id, instance, NULL);
        SendMessageA(control, WM_SETFONT, (WPARAM)font, 0);
    }
}

/* The top-level window, of a class of its own with the program's icon,
 * whose client area is `width` by `height` pixels. */
static HWND MakeWindow(HINSTANCE instance, WNDPROC procedure, const char* className, const char* caption,
                       DWORD style, HMENU menu, int width, int height) {
    WNDCLASSEXA windowClass;
    RECT frame = {0, 0, 0, 0};
    frame.right = width;
    frame.bottom = height;
    memset(&windowClass, 0, sizeof windowClass);
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (!RegisterClassExA(&windowClass)) return NULL;
    AdjustWindowRectEx(&frame, style, menu != NULL, WS_EX_CONTROLPARENT);
    return CreateWindowExA(WS_EX_CONTROLPARENT, className, caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                           frame.right - frame.left, frame.bottom - frame.top, NULL, menu, instance, NULL);
}

/* Shows the window and waits for input through the dialog manager, as
 * Quintel.exe's loop does. */
static int ShowAndWait(HWND window, int show) {
    MSG message;
    ShowWindow(window, show);
    UpdateWindow(window);
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (IsDialogMessageA(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

#endif
