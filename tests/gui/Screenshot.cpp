// Screenshots as 24-bit BMP or PNG files, read from the screen as a user
// sees it.
#include <algorithm>
#include <array>
#include <cstdint>
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

bool EndsWithPng(const std::wstring& path) {
    return path.size() >= 4 && lstrcmpiW(path.c_str() + path.size() - 4, L".png") == 0;
}

std::uint32_t Crc32(const std::string& bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = type + data;
    out += typed;
    PutBigEndian(out, Crc32(typed));
}

// An RGB PNG of the bottom-up BGR rows a 24-bit DIB holds. The image data
// is stored uncompressed (deflate's stored blocks): larger files, but no
// compressor needed, and every viewer reads them.
bool WritePng(const std::wstring& path, const BITMAPINFOHEADER& info, const void* pixels) {
    const int width = info.biWidth, height = info.biHeight;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t(3);
    const auto* bottomUp = static_cast<const unsigned char*>(pixels);
    std::string rows;
    rows.reserve((static_cast<size_t>(width) * 3 + 1) * height);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = bottomUp + stride * (height - 1 - y);
        rows += '\0';  // filter: none
        for (int x = 0; x < width; ++x) {
            rows += static_cast<char>(row[x * 3 + 2]);
            rows += static_cast<char>(row[x * 3 + 1]);
            rows += static_cast<char>(row[x * 3]);
        }
    }

    std::string zlib = "\x78\x01";
    // Rows are never empty: the picture has a size.
    for (size_t at = 0; at < rows.size(); at += 65535) {
        const size_t length = std::min<size_t>(65535, rows.size() - at);
        zlib += static_cast<char>(at + length == rows.size() ? 1 : 0);  // the last block
        zlib += static_cast<char>(length & 0xFF);
        zlib += static_cast<char>(length >> 8);
        zlib += static_cast<char>(~length & 0xFF);
        zlib += static_cast<char>((~length >> 8) & 0xFF);
        zlib.append(rows, at, length);
    }
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : rows) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(zlib, b << 16 | a);

    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header += "\x08\x02";      // 8 bits a sample, RGB
    header += std::string(3, '\0');  // deflate, adaptive filtering, not interlaced

    std::string png = "\x89PNG\r\n\x1A\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", "");

    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    const bool written = std::fwrite(png.data(), png.size(), 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

}  // namespace

bool SaveScreenshot(HWND window, const std::wstring& path, Where where) {
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
    const bool saved = copied && (EndsWithPng(path) ? WritePng(path, info, pixels)
                                                        : WriteBmp(path, info, pixels));
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
