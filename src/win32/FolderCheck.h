// Whether the program's folder can be reached through its ANSI path.
#pragma once

#include <optional>
#include <string>

namespace quintel::win32 {

struct UnusableFolder {
    std::string ansi;  // as the ANSI calls give it, "?" for the lost letters
    std::string utf8;  // the real name, for a window that can show it
};

// Set when the ANSI form of the executable's folder is not the folder's
// real name. Windows 9x has only the ANSI form (GetModuleFileNameW fails
// there), and its paths are always ANSI: nothing to check.
std::optional<UnusableFolder> CheckApplicationFolder();

// Tells the user in a message box, showing the real name.
void ShowUnusableFolder(const UnusableFolder& folder);

}  // namespace quintel::win32
