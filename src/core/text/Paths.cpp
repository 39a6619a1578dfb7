#include "core/text/Paths.h"

namespace quintel {

std::string AppFilePath(const std::string& appFolder, const std::string& fileName) {
    return appFolder + "\\" + fileName;
}

}  // namespace quintel
