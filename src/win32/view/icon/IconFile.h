// Writes pictures as a Windows .ico file: the .exe's own icon, which
// Explorer shows, made at build time from the same drawing as the logo;
// and as a .bmp file (the benchmark's copy of the toolbar's images).
#pragma once

#include <string>
#include <vector>

#include "win32/view/art/Art.h"

namespace quintel::win32::art {

// One 32-bit image (with its AND mask, for systems that ignore alpha) per
// picture; each must be at most 256 pixels a side.
std::string IconFileBytes(const std::vector<Picture>& pictures);

// A picture as a .bmp file: 32-bit rows with the alpha, no mask.
std::string BitmapFileBytes(const Picture& picture);

}  // namespace quintel::win32::art
