// What every control window of a host shares: the module, the scale, the
// dialog font, the images, what the common controls can do, the echo guard's state, the place where a
// caught exception waits and the start-up profile.
#pragma once

#include <windows.h>

#include "core/trace/Trace.h"

#include "win32/view/CommonControls.h"
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
    CommonControls Controls;
    Echo& Echo;
    PendingError& Errors;
    Trace& Tracer;
};

}  // namespace quintel::win32
