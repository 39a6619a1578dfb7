#include "win32/view/ProgressView.h"

#include <windowsx.h>

namespace quintel::win32 {

ControlView::Kind ProgressView::WindowKind() const {
    return {PROGRESS_CLASSA, 0};
}

void ProgressView::Mirror() {
    // PBM_SETRANGE takes 16-bit bounds, which every version of the
    // control knows.
    SendMessageA(Window(), PBM_SETRANGE, 0, MAKELPARAM(0, bar_.Max()));
    SendMessageA(Window(), PBM_SETPOS, static_cast<WPARAM>(bar_.Value()), 0);
}

}  // namespace quintel::win32
