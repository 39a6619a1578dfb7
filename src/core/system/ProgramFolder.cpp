#include "core/system/ProgramFolder.h"

namespace quintel {

namespace {
constexpr const char* Why =
    "Its name has letters that this system's language cannot show, so Quintel could not find "
    "its own files there.";
constexpr const char* Advice =
    "Move Quintel to a folder whose name uses only letters of the system's language.";
}  // namespace

std::string UnusableFolderLine(const std::string& folder) {
    return "Quintel cannot run from this folder: " + folder + ". " + Why + " " + Advice + "\n";
}

std::string UnusableFolderMessage(const std::string& folder) {
    return "Quintel cannot run from this folder:\r\n\r\n" + folder + "\r\n\r\n" + Why +
           "\r\n\r\n" + Advice;
}

}  // namespace quintel
