// Screenshots as 24-bit BMP files, read from the screen as a user sees it.
// tools/gui-run.sh turns those in QUINTEL_SCREENSHOTS into PNG files with
// ImageMagick once the tests are done: a Windows program under Wine cannot
// start it.
#include <cstdio>
#include <string>
#include <vector>

#include "Internals.h"

namespace quintel::gui {

using namespace detail;

namespace {

bool WriteBmp(const std::wstring& path, const BITMAPINFOHEADER& info, const void* pixels) {
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(pixels, info.biSizeImage, 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

// How long a window may take to paint what it has to.
constexpr DWORD PaintTimeoutMs = 2000;

BOOL CALLBACK AddChild(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

bool PaintPending(HWND window) {
    std::vector<HWND> windows{window};
    EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&windows));
    for (HWND w : windows)
        if (IsWindowVisible(w) && GetUpdateRect(w, nullptr, FALSE)) return true;
    return false;
}

// Another program paints in its own time: a message box just shown may not
// have drawn its text yet. Waits until nothing in the window is left to
// paint, then until its thread is back in its message loop, so a paint
// under way has finished.
void WaitForPainting(HWND window, const Where& where) {
    const DWORD start = GetTickCount();
    while (PaintPending(window) && GetTickCount() - start < PaintTimeoutMs) Sleep(10);
    Query(window, WM_NULL, 0, 0, where);
}

bool EndsWithBmp(const std::wstring& path) {
    return path.size() >= 4 && lstrcmpiW(path.c_str() + path.size() - 4, L".bmp") == 0;
}

}  // namespace

bool SaveScreenshot(HWND window, const std::wstring& path, Where where) {
    if (!EndsWithBmp(path)) {
        Fail(where, "cannot save a screenshot to " + Narrow(path) +
                        ": screenshots are BMP files, named *.bmp");
        return false;
    }
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window) {
        if (!IsWindow(window) || !IsWindowVisible(window)) {
            Fail(where, "cannot photograph " + Describe(window) + ": it is not on screen");
            return false;
        }
        // Paint what is pending first, so the picture is not half drawn.
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        WaitForPainting(window, where);
        RECT bounds;
        GetWindowRect(window, &bounds);
        IntersectRect(&area, &area, &bounds);
    }
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        Fail(where, Describe(window) + " lies off the screen");
        return false;
    }

    BITMAPINFO bitmap = {};
    BITMAPINFOHEADER& info = bitmap.bmiHeader;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;  // bottom-up rows, as BMP files keep them
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* pixels = nullptr;
    HBITMAP picture = CreateDIBSection(screen, &bitmap, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, picture);
    const BOOL copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const bool saved = copied && WriteBmp(path, info, pixels);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!saved)
        Fail(where, "could not save a screenshot to " + Narrow(path) + " (error " +
                        std::to_string(GetLastError()) + ")");
    return saved;
}

}  // namespace quintel::gui
