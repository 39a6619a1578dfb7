// "Preview Changes...": what Apply would do for the choice in the window,
// value by value, before anything is written.
#pragma once

namespace quintel {

class FrmMain;

// Checks the Manual values as Apply does (its message, and no preview
// when one is missing), shows every value Apply would touch with what it
// holds now and after, and runs Apply when the user chooses it there.
void PreviewChanges(FrmMain& window);

}  // namespace quintel
