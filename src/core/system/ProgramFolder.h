// The program reaches its files through the ANSI path of its own folder.
// A folder whose name has letters outside the system's ANSI code page
// comes back with "?" in their place, a path that leads nowhere, so every
// file would fail without a word: the program refuses to run there.
#pragma once

#include <string>

namespace quintel {

// One line for standard error, naming the folder as the program sees it.
std::string UnusableFolderLine(const std::string& folder);

// The message box's text, the folder as it can best be shown.
std::string UnusableFolderMessage(const std::string& folder);

}  // namespace quintel
