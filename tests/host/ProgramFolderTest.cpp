#include <gtest/gtest.h>

#include <algorithm>

#include "core/system/ProgramFolder.h"

namespace quintel {
namespace {

TEST(UnusableFolder, TheSwitchesGetOneLineNamingTheFolderAndWhatToDo) {
    const std::string line = UnusableFolderLine("C:\\Programs\\Quintel ????");
    EXPECT_EQ("Quintel cannot run from this folder: C:\\Programs\\Quintel ????. Its name has "
              "letters that this system's language cannot show, so Quintel could not find its "
              "own files there. Move Quintel to a folder whose name uses only letters of the "
              "system's language.\n",
              line);
    EXPECT_EQ(1, std::count(line.begin(), line.end(), '\n'));
}

TEST(UnusableFolder, TheWindowGetsTheFolderOnALineOfItsOwn) {
    const std::string folder = "C:\\Programs\\Quintel \xCE\x95\xCE\xBB";  // as UTF-8
    const std::string text = UnusableFolderMessage(folder);
    EXPECT_EQ(0u, text.find("Quintel cannot run from this folder:\r\n\r\n" + folder + "\r\n\r\n"));
    EXPECT_NE(std::string::npos,
              text.find("Move Quintel to a folder whose name uses only letters of the system's "
                        "language."));
}

}  // namespace
}  // namespace quintel
