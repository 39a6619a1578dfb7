#include "win32/view/icon/IconFile.h"

#include <cstdint>

#include "win32/ProgramError.h"

namespace quintel::win32::art {

namespace {

void Put16(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

int MaskStride(int width) { return (width + 31) / 32 * 4; }

// A BITMAPINFOHEADER of 32-bit BI_RGB rows, `rows` high.
void PutInfoHeader(std::string& out, int width, int rows, std::uint32_t imageSize) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(rows));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    for (int i = 0; i < 4; ++i) Put32(out, 0);
}

// The picture's rows bottom-up as BGRA, the alpha in the high byte.
void PutColourRows(std::string& out, const Picture& picture) {
    for (int y = picture.Height - 1; y >= 0; --y)
        for (int x = 0; x < picture.Width; ++x) Put32(out, picture.At(x, y));
}

std::uint32_t ColourSize(const Picture& picture) {
    return static_cast<std::uint32_t>(picture.Width * picture.Height * 4);
}

// A BITMAPINFOHEADER of double height (colour rows, then mask rows), the
// colour rows, then the 1-bit mask where 1 is see-through.
std::string ImageBytes(const Picture& picture) {
    const int w = picture.Width, h = picture.Height;
    const std::uint32_t maskSize = static_cast<std::uint32_t>(MaskStride(w) * h);
    std::string out;
    PutInfoHeader(out, w, h * 2, ColourSize(picture) + maskSize);
    PutColourRows(out, picture);
    for (int y = h - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(MaskStride(w)), '\0');
        for (int x = 0; x < w; ++x)
            if (!Opaque(picture.At(x, y))) row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        out += row;
    }
    return out;
}

}  // namespace

std::string IconFileBytes(const std::vector<Picture>& pictures) {
    std::string header;
    Put16(header, 0);
    Put16(header, 1);  // an icon, not a cursor
    Put16(header, static_cast<unsigned>(pictures.size()));
    std::string images;
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * pictures.size());
    for (const Picture& picture : pictures) {
        if (picture.Width < 1 || picture.Width > 256 || picture.Height < 1 || picture.Height > 256)
            throw ProgramError("icon: a picture of an impossible size");
        const std::string image = ImageBytes(picture);
        header += static_cast<char>(picture.Width & 0xFF);  // 256 is written as 0
        header += static_cast<char>(picture.Height & 0xFF);
        header += '\0';  // no palette
        header += '\0';
        Put16(header, 1);
        Put16(header, 32);
        Put32(header, static_cast<std::uint32_t>(image.size()));
        Put32(header, offset);
        offset += static_cast<std::uint32_t>(image.size());
        images += image;
    }
    return header + images;
}

std::string BitmapFileBytes(const Picture& picture) {
    constexpr std::uint32_t HeadersSize = 14 + 40;
    std::string out = "BM";
    Put32(out, HeadersSize + ColourSize(picture));
    Put32(out, 0);
    Put32(out, HeadersSize);  // where the rows begin
    PutInfoHeader(out, picture.Width, picture.Height, ColourSize(picture));
    PutColourRows(out, picture);
    return out;
}

}  // namespace quintel::win32::art
