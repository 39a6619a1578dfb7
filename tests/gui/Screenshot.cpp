// Screenshots as 24-bit BMP files, read from the screen as a user sees it.
#include <cstdio>
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

}  // namespace

bool SaveScreenshot(HWND window, const std::wstring& bmpPath, Where where) {
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window) {
        if (!IsWindow(window) || !IsWindowVisible(window)) {
            Fail(where, "cannot photograph " + Describe(window) + ": it is not on screen");
            return false;
        }
        // Paint what is pending first, so the picture is not half drawn.
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
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
    const bool saved = copied && WriteBmp(bmpPath, info, pixels);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!saved)
        Fail(where, "could not save a screenshot to " + Narrow(bmpPath) + " (error " +
                        std::to_string(GetLastError()) + ")");
    return saved;
}

}  // namespace quintel::gui
