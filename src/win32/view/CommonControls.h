// Registers the common-control window classes the view uses (tab,
// toolbar, status bar, tooltips, list view, progress bar) before any is
// created, and tells what the common controls present can do.
#pragma once

namespace quintel::win32 {

struct CommonControls {
    // Version 4.70 (Internet Explorer 3) or later. Windows 95 and NT 4.0
    // as they came have 4.00, whose toolbar takes its images as one bitmap
    // and its labels from a list of strings, not as an image list and text
    // pointers, and knows no flat buttons; its list view has no extended
    // styles and never asks how to paint a row.
    bool Since470 = true;
};

CommonControls InitCommonControlClasses();

}  // namespace quintel::win32
