#include "win32/view/art/Catalog.h"

#include "win32/view/art/Drawings.h"

namespace quintel::win32::art {

namespace {

// The badge sits in the bottom-right corner, where Windows puts its own
// overlay marks.
Picture LogoWith(const Art& badge) {
    const Picture logo = Decode(Logo16);
    const Picture mark = Decode(badge);
    return Overlaid(logo, mark, logo.Width - mark.Width, logo.Height - mark.Height);
}

}  // namespace

std::optional<Picture> FindPicture(std::string_view name) {
    if (name == "logo") return Decode(Logo32);
    if (name == "display") return Decode(Speedometer);
    return std::nullopt;
}

std::optional<std::vector<Picture>> FindImageList(std::string_view name) {
    if (name == "ImageList1") {
        std::vector<Picture> list;
        for (const Art* art : {&Network, &Modem, &Computer, &Floppy, &Echo, &Globe, &Question,
                               &Logo16, &Undo, &Tick, &Door})
            list.push_back(Decode(*art));
        return list;
    }
    if (name == "imgKorvet")
        return std::vector<Picture>{Greyed(Decode(Logo16)), LogoWith(TickBadge),
                                    LogoWith(CrossBadge), Decode(Logo16)};
    return std::nullopt;
}

std::vector<Picture> AppIconPictures() { return {Decode(Logo16), Decode(Logo32)}; }

}  // namespace quintel::win32::art
