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

#endif
