// What every control window of a host shares: the module, the scale, the
// dialog font, the images, the echo guard's state and the place where a
// caught exception waits.
#pragma once

#include <windows.h>

#include "win32/view/EchoGuard.h"
#include "win32/view/Images.h"
#include "win32/view/Layout.h"
#include "win32/view/PendingError.h"

namespace quintel::win32 {

struct ViewContext {
    HINSTANCE Instance;
    Twips Scale;
    HFONT Font;
    ImageStore& Images;
    Echo& Echo;
    PendingError& Errors;
};

}  // namespace quintel::win32
