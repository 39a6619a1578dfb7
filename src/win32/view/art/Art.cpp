#include "win32/view/art/Art.h"

#include <string>

#include "win32/ProgramError.h"

namespace quintel::win32::art {

namespace {

// A small palette in the spirit of the 16-colour Windows icons, with a few
// in-between shades so round shapes do not look jagged.
Pixel Colour(char c) {
    switch (c) {
    case '.': return 0x00000000;
    case 'k': return 0xFF000000;  // black
    case 'K': return 0xFF404040;  // charcoal
    case 'd': return 0xFF808080;  // dark grey
    case 'g': return 0xFFC0C0C0;  // silver
    case 'h': return 0xFFE4E4E4;  // light grey
    case 'w': return 0xFFFFFFFF;  // white
    case 'B': return 0xFF00207F;  // navy
    case 'b': return 0xFF1E5FD0;  // blue
    case 'L': return 0xFF78AAF0;  // light blue
    case 'c': return 0xFF3CC8F0;  // cyan
    case 'G': return 0xFF107A10;  // dark green
    case 'l': return 0xFF3CC83C;  // green
    case 'y': return 0xFFFFE030;  // yellow
    case 'Y': return 0xFFC09000;  // gold
    case 'o': return 0xFFFF8C10;  // orange
    case 'r': return 0xFFE02828;  // red
    case 'R': return 0xFF800000;  // maroon
    case 'n': return 0xFFA0642D;  // brown
    case 'N': return 0xFF5A3214;  // dark brown
    default:
        throw ProgramError(std::string("art: no colour for '") + c + "'");
    }
}

}  // namespace

Picture Decode(const Art& art) {
    if (art.Height != static_cast<int>(art.Rows.size()))
        throw ProgramError("art: height and rows differ");
    Picture picture{art.Width, art.Height, {}};
    picture.Pixels.reserve(static_cast<std::size_t>(art.Width * art.Height));
    for (const char* row : art.Rows) {
        const std::string_view text(row);
        if (static_cast<int>(text.size()) != art.Width)
            throw ProgramError("art: row of the wrong length: " + std::string(text));
        for (char c : text) picture.Pixels.push_back(Colour(c));
    }
    return picture;
}

Picture Greyed(Picture picture) {
    for (Pixel& p : picture.Pixels) {
        if (!Opaque(p)) continue;
        const unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        // Lifted towards light grey so the icon reads as inactive, not dark.
        const unsigned luma = (r * 30 + g * 59 + b * 11) / 100;
        const unsigned grey = 96 + luma * 5 / 8;
        p = 0xFF000000u | (grey << 16) | (grey << 8) | grey;
    }
    return picture;
}

Picture Overlaid(Picture base, const Picture& badge, int x, int y) {
    for (int by = 0; by < badge.Height; ++by) {
        for (int bx = 0; bx < badge.Width; ++bx) {
            const int tx = x + bx, ty = y + by;
            const Pixel p = badge.At(bx, by);
            if (!Opaque(p) || tx < 0 || ty < 0 || tx >= base.Width || ty >= base.Height) continue;
            base.Pixels[static_cast<std::size_t>(ty * base.Width + tx)] = p;
        }
    }
    return base;
}

Picture SideBySide(const std::vector<Picture>& pictures) {
    const Picture& first = pictures.front();
    Picture strip;
    strip.Width = first.Width * static_cast<int>(pictures.size());
    strip.Height = first.Height;
    strip.Pixels.assign(static_cast<std::size_t>(strip.Width) * static_cast<std::size_t>(strip.Height), 0);
    for (std::size_t n = 0; n < pictures.size(); ++n) {
        const Picture& picture = pictures[n];
        for (int y = 0; y < strip.Height && y < picture.Height; ++y)
            for (int x = 0; x < first.Width && x < picture.Width; ++x)
                strip.Pixels[static_cast<std::size_t>(y * strip.Width) + n * first.Width + x] = picture.At(x, y);
    }
    return strip;
}

}  // namespace quintel::win32::art
