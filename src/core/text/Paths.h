// Where the program's files are: beside the executable.
#pragma once

#include <string>

namespace quintel {

// The application folder, a backslash and the file name.
std::string AppFilePath(const std::string& appFolder, const std::string& fileName);

}  // namespace quintel
