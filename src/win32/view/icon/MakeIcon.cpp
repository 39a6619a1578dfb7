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

int main(int argc, char** argv) {
    const bool toolbar = argc == 3 && std::string(argv[1]) == "--toolbar";
    if (argc != 2 && !toolbar) {
        std::cerr << "usage: make-icon output.ico | make-icon --toolbar output.bmp\n";
        return 2;
    }
    try {
        namespace art = quintel::win32::art;
        const std::string bytes =
            toolbar ? art::BitmapFileBytes(art::SideBySide(art::FindImageList("ImageList1").value()))
                    : art::IconFileBytes(art::AppIconPictures());
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
