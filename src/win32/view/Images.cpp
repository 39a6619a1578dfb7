#include "win32/view/Images.h"

#include <vector>

#include "win32/view/art/Catalog.h"
#include "win32/view/art/Drawings.h"
#include "win32/Handles.h"

namespace quintel::win32 {

namespace {

// Monochrome bitmaps take rows padded to 16 bits.
int MaskStride(int width) { return (width + 15) / 16 * 2; }

HBITMAP ColourBitmap(const art::Picture& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.Width;
    info.bmiHeader.biHeight = -picture.Height;  // top-down, as the pixels are
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    // 0xAARRGGBB is BGRA in memory on this little-endian machine, which is
    // what a 32-bit DIB holds; transparent pixels are all zero, so the
    // colour adds nothing where the mask lets the background through.
    auto* out = static_cast<art::Pixel*>(bits);
    for (std::size_t i = 0; i < picture.Pixels.size(); ++i) out[i] = picture.Pixels[i];
    GdiFlush();
    return bitmap;
}

HBITMAP MaskBitmap(const art::Picture& picture) {
    const int stride = MaskStride(picture.Width);
    std::vector<BYTE> bits(static_cast<std::size_t>(stride * picture.Height), 0);
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            if (!art::Opaque(picture.At(x, y)))
                bits[static_cast<std::size_t>(y * stride + x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
    return CreateBitmap(picture.Width, picture.Height, 1, 1, bits.data());
}

}  // namespace

HICON MakeIcon(const art::Picture& picture) {
    // The icon copies both bitmaps.
    const UniqueGdiObject<HBITMAP> colour(ColourBitmap(picture));
    const UniqueGdiObject<HBITMAP> mask(MaskBitmap(picture));
    if (!colour || !mask) return nullptr;
    ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
    return CreateIconIndirect(&info);
}

HIMAGELIST ImageStore::List(const std::string& name) {
    if (auto it = lists_.find(name); it != lists_.end()) return it->second.Get();
    const TraceStep step(trace_, "image list " + name);
    HIMAGELIST list = nullptr;
    if (const auto pictures = art::FindImageList(name); pictures && !pictures->empty()) {
        const art::Picture& first = pictures->front();
        list = ImageList_Create(first.Width, first.Height, ILC_COLOR32 | ILC_MASK,
                                static_cast<int>(pictures->size()), 0);
        // Drawn once, all images in one bitmap and its mask; the list
        // keeps copies of both.
        const art::Picture strip = art::SideBySide(*pictures);
        const UniqueGdiObject<HBITMAP> colour(ColourBitmap(strip));
        const UniqueGdiObject<HBITMAP> mask(MaskBitmap(strip));
        if (list && colour && mask) ImageList_Add(list, colour.Get(), mask.Get());
    }
    lists_[name] = UniqueImageList(list);
    return list;
}

ImageStrip ImageStore::Strip(const std::string& name) {
    if (auto it = strips_.find(name); it != strips_.end()) return it->second;
    const TraceStep step(trace_, "image strip " + name);
    ImageStrip made;
    if (const auto pictures = art::FindImageList(name); pictures && !pictures->empty()) {
        art::Picture strip = art::SideBySide(*pictures);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        const art::Pixel background[3] = {GetRValue(face), GetGValue(face), GetBValue(face)};
        for (art::Pixel& pixel : strip.Pixels) {
            const art::Pixel alpha = pixel >> 24;
            art::Pixel blended = 0xFF000000u;
            for (int channel = 0; channel < 3; ++channel) {
                const int shift = 16 - 8 * channel;
                const art::Pixel colour = (pixel >> shift) & 0xFFu;
                blended |= (colour * alpha + background[channel] * (255 - alpha)) / 255 << shift;
            }
            pixel = blended;
        }
        made = ImageStrip{ColourBitmap(strip), pictures->front().Width, pictures->front().Height,
                          static_cast<int>(pictures->size())};
        ownedBitmaps_.emplace_back(made.Bitmap);
    }
    strips_[name] = made;
    return made;
}

PictureIcon ImageStore::Picture(const std::string& name) {
    if (auto it = pictures_.find(name); it != pictures_.end()) return it->second;
    const TraceStep step(trace_, "picture " + name);
    PictureIcon made;
    if (const auto picture = art::FindPicture(name)) {
        made = PictureIcon{MakeIcon(*picture), picture->Width, picture->Height};
        ownedIcons_.emplace_back(made.Icon);
    }
    pictures_[name] = made;
    return made;
}

HICON ImageStore::FormIcon(const std::string& name, bool small) {
    const auto key = std::make_pair(name, small);
    if (auto it = formIcons_.find(key); it != formIcons_.end()) return it->second.Get();
    const TraceStep step(trace_, std::string(small ? "small" : "large") + " icon " + name);
    HICON icon = nullptr;
    if (name == "app") {
        const int size = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
        icon = static_cast<HICON>(
            LoadImageA(instance_, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        if (!icon) icon = MakeIcon(art::Decode(small ? art::Logo16 : art::Logo32));
    } else if (const auto picture = art::FindPicture(name)) {
        icon = MakeIcon(*picture);
    }
    formIcons_[key] = UniqueIcon(icon);
    return icon;
}

HICON ImageStore::ListIcon(const std::string& list, int index) {
    const auto key = std::make_pair(list, index);
    if (auto it = listIcons_.find(key); it != listIcons_.end()) return it->second.Get();
    HIMAGELIST images = List(list);
    HICON icon = nullptr;
    if (images && index >= 0 && index < ImageList_GetImageCount(images))
        icon = ImageList_GetIcon(images, index, ILD_NORMAL);
    listIcons_[key] = UniqueIcon(icon);
    return icon;
}

}  // namespace quintel::win32
