// The view's images, made at run time from the drawings in art/: the
// image lists a toolbar or the tray icon names, the pictures a Picture
// control names, and the forms' icons. Made on first use, kept until the
// host goes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/trace/Trace.h"
#include "win32/Handles.h"
#include "win32/view/art/Art.h"

namespace quintel::win32 {

// An icon of the picture's size: 32-bit colour with its alpha, and a mask
// for the screens that ignore alpha. The caller destroys it.
HICON MakeIcon(const art::Picture& picture);

// A picture made into an icon, with the size it was drawn at.
struct PictureIcon {
    HICON Icon = nullptr;
    int Width = 0;
    int Height = 0;
};

// The images of a list side by side on the colour of a button's face, in
// one bitmap, with the size of one image.
struct ImageStrip {
    HBITMAP Bitmap = nullptr;
    int Width = 0;
    int Height = 0;
    int Count = 0;
};

class ImageStore {
public:
    // Each image drawn is a step of `trace`.
    ImageStore(HINSTANCE instance, Trace& trace) : instance_(instance), trace_(trace) {}
    ImageStore(const ImageStore&) = delete;
    ImageStore& operator=(const ImageStore&) = delete;

    // An image list by name ("ImageList1", "imgKorvet"), or null.
    HIMAGELIST List(const std::string& name);
    // A Picture control's image by name ("logo", "display"); no icon
    // for a name the drawings do not have.
    PictureIcon Picture(const std::string& name);
    // A form's icon: "app" is the program's icon resource (id 1), drawn
    // from the logo when the module has none (a test program); any other
    // name is a picture's. Null: Windows' default.
    HICON FormIcon(const std::string& name, bool small);
    // A list as one bitmap (no bitmap for a name the drawings do not
    // have): what a toolbar of common controls 4.00 takes, which has no
    // image lists and draws no transparency.
    ImageStrip Strip(const std::string& name);
    // Image `index` (from 0) of a list as an icon (the tray's); null when
    // the list has no such image.
    HICON ListIcon(const std::string& list, int index);

private:
    HINSTANCE instance_;
    Trace& trace_;
    std::map<std::string, UniqueImageList> lists_;
    std::map<std::string, ImageStrip> strips_;
    std::vector<UniqueGdiObject<HBITMAP>> ownedBitmaps_;  // the strips'

    std::map<std::string, PictureIcon> pictures_;
    std::vector<UniqueIcon> ownedIcons_;  // the pictures' icons
    std::map<std::pair<std::string, bool>, UniqueIcon> formIcons_;
    std::map<std::pair<std::string, int>, UniqueIcon> listIcons_;
};

}  // namespace quintel::win32
