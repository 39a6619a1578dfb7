// The pictures and image lists the forms ask for by name.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "win32/view/art/Art.h"

namespace quintel::win32::art {

// A Picture control's image: "logo" (32x32) or "display" (48x48).
std::optional<Picture> FindPicture(std::string_view name);

// An image list in its order, as the toolbar and the tray icon count it
// (from 1): "ImageList1" (the toolbar's eleven) and "imgKorvet" (the tray
// icon's states; the fourth is the plain logo).
std::optional<std::vector<Picture>> FindImageList(std::string_view name);

// The program's icon in the sizes Windows asks for, smallest first.
std::vector<Picture> AppIconPictures();

}  // namespace quintel::win32::art
