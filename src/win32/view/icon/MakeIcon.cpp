// Build-time tool, compiled for the build machine: writes Quintel.ico from
// the logo drawing so the .exe's icon needs no binary file in the sources.
// Usage: make-icon output.ico
#include <exception>
#include <fstream>
#include <iostream>

#include "win32/view/art/Catalog.h"
#include "win32/view/icon/IconFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-icon output.ico\n";
        return 2;
    }
    try {
        const std::string bytes = quintel::win32::art::IconFileBytes(quintel::win32::art::AppIconPictures());
        std::ofstream out(argv[1], std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::cerr << "make-icon: cannot write " << argv[1] << "\n";
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << "make-icon: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
