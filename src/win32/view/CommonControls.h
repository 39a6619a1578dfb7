// Registers the common-control window classes the view uses (tab,
// toolbar, status bar, tooltips) before any is created.
#pragma once

namespace quintel::win32 {

void InitCommonControlClasses();

}  // namespace quintel::win32
