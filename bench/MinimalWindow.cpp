// The baseline of the start-up and footprint figures: the least a Win32
// program with a main window does (register a class, make the window,
// run the message loop), built with the same toolchain and flags and with
// the same manifests.
//
// With /controls it also loads common controls 6 and registers their
// classes, as any window with a toolbar, a status bar or tabs must: when
// the common-controls dependency was in the process manifest, every start
// of this program paid for that library; now only the window path does.
// With /hidden it never shows its window: the baseline of Korvet.exe, the
// companion that runs all day behind a hidden window.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int show) {
    // Common controls 6 for the window, from the second manifest, as
    // Quintel.exe's window path has them.
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    ACTCTXA request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = self;
    request.lpResourceName = MAKEINTRESOURCEA(2);
    HANDLE context = CreateActCtxA(&request);
    ULONG_PTR cookie = 0;
    if (context == INVALID_HANDLE_VALUE || !ActivateActCtx(context, &cookie)) return 1;
    if (std::strstr(arguments, "/controls")) {
        // Loaded by name while the context is active, from the side-by-side
        // store, as Quintel.exe's delay-load resolver does.
        using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        HMODULE comctl32 = LoadLibraryA("comctl32.dll");
        auto init = comctl32 ? reinterpret_cast<InitFn>(reinterpret_cast<void*>(
                                   GetProcAddress(comctl32, "InitCommonControlsEx")))
                             : nullptr;
        const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                                               ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
        if (!init || !init(&classes)) return 1;
    }

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "QuintelBenchMinimalWindow";
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window = CreateWindowA(windowClass.lpszClassName, "Minimal Window", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, nullptr, nullptr, instance,
                                nullptr);
    if (!window) return 1;
    if (!std::strstr(arguments, "/hidden")) {
        ShowWindow(window, show);
        UpdateWindow(window);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
