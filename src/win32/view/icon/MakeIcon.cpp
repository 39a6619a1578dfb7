// Build-time tool, compiled for the build machine: writes Quintel.ico from
// the logo drawing so the .exe's icon needs no binary file in the sources.
// With --toolbar it writes the main toolbar's images side by side as a
// 32-bit bitmap file instead, for the benchmark's copy of the main window.
// Usage: make-icon output.ico | make-icon --toolbar output.bmp
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

#include "win32/view/art/Catalog.h"
#include "win32/view/icon/IconFile.h"

namespace {

void Put(std::string& bytes, unsigned value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A bottom-up 32-bit BI_RGB bitmap file, alpha in the high byte.
std::string ToolbarBitmapBytes() {
    const auto pictures = quintel::win32::art::FindImageList("ImageList1").value();
    const int height = pictures.front().Height;
    int width = 0;
    for (const auto& picture : pictures) width += picture.Width;
    std::string bytes = "BM";
    Put(bytes, 54 + 4u * static_cast<unsigned>(width * height), 4);
    Put(bytes, 0, 4);
    Put(bytes, 54, 4);
    Put(bytes, 40, 4);
    Put(bytes, static_cast<unsigned>(width), 4);
    Put(bytes, static_cast<unsigned>(height), 4);
    Put(bytes, 1, 2);
    Put(bytes, 32, 2);
    for (int i = 0; i < 6; ++i) Put(bytes, 0, 4);
    for (int y = height - 1; y >= 0; --y)
        for (const auto& picture : pictures)
            for (int x = 0; x < picture.Width; ++x) Put(bytes, picture.At(x, y), 4);
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    const bool toolbar = argc == 3 && std::string(argv[1]) == "--toolbar";
    if (argc != 2 && !toolbar) {
        std::cerr << "usage: make-icon output.ico | make-icon --toolbar output.bmp\n";
        return 2;
    }
    try {
        const std::string bytes = toolbar ? ToolbarBitmapBytes()
                                          : quintel::win32::art::IconFileBytes(quintel::win32::art::AppIconPictures());
        std::ofstream out(argv[argc - 1], std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::cerr << "make-icon: cannot write " << argv[argc - 1] << "\n";
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << "make-icon: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
