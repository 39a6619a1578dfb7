// Pictures kept as text: one character a pixel, so the toolbar images,
// the tray icons and the program's logo live in the source and need no
// binary files. Portable: the build's icon tool draws the .exe's icon from
// the same rows.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quintel::win32::art {

// Rows from the top, all of the same length. The characters name colours
// of one shared palette (see Art.cpp); '.' is transparent.
struct Art {
    int Width = 0;
    int Height = 0;
    std::span<const char* const> Rows;
};

template <std::size_t N>
constexpr Art MakeArt(const char* const (&rows)[N]) {
    return Art{static_cast<int>(std::string_view(rows[0]).size()), static_cast<int>(N), rows};
}

// 0xAARRGGBB with straight alpha, which is 0 or 255.
using Pixel = std::uint32_t;

constexpr bool Opaque(Pixel p) { return (p >> 24) != 0; }

// Decoded pixels, row by row from the top.
struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<Pixel> Pixels;
    Pixel At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
};

// Throws ProgramError for a character outside the palette or a
// row of the wrong length, so a typo in a drawing fails the first test
// that draws it rather than showing a wrong colour.
Picture Decode(const Art& art);

// The same picture in shades of grey (a tray icon for "nothing to do").
Picture Greyed(Picture picture);

// `badge`'s opaque pixels laid over `base` with its top-left at (x, y).
Picture Overlaid(Picture base, const Picture& badge, int x, int y);

// The pictures side by side, left to right, in one picture the height of
// the first, each in a cell the first's width: an image list takes them
// all in one call.
Picture SideBySide(const std::vector<Picture>& pictures);

}  // namespace quintel::win32::art
