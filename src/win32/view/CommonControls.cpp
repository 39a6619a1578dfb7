#include "win32/view/CommonControls.h"

#include <windows.h>
#include <commctrl.h>

namespace quintel::win32 {

void InitCommonControlClasses() {
    // Only flags comctl32 5.8 (Windows XP without a manifest) knows, so the
    // call does not fail there; the buttons, edits and lists come from
    // user32 or, with the manifest, from version 6 by themselves.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                                     ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
}

}  // namespace quintel::win32
