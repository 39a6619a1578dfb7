#include <gtest/gtest.h>

#include "core/system/ProgramCommandLine.h"

namespace quintel {
namespace {

TEST(ProgramCommandLine, APathWithBlanksIsQuotedSoItCannotStartAShorterOne) {
    EXPECT_EQ("\"C:\\Program Files\\Quintel\\Korvet.exe\"",
              MakeCommandLine("C:\\Program Files\\Quintel\\Korvet.exe", {}));
    EXPECT_EQ("\"C:\\Program\tFiles\\Korvet.exe\"", QuoteProgram("C:\\Program\tFiles\\Korvet.exe"));
    EXPECT_EQ("C:\\WINDOWS\\regedit.exe", QuoteProgram("C:\\WINDOWS\\regedit.exe"));
}

TEST(ProgramCommandLine, PlainArgumentsStayAsTheyAre) {
    EXPECT_EQ("C:\\WINDOWS\\system32\\rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl,,0",
              MakeCommandLine("C:\\WINDOWS\\system32\\rundll32.exe",
                              {"shell32.dll,Control_RunDLL", "inetcpl.cpl,,0"}));
    EXPECT_EQ("C:\\a\\b", QuoteArgument("C:\\a\\b"));
    EXPECT_EQ("C:\\a\\", QuoteArgument("C:\\a\\"));  // no quote follows: backslashes are plain
}

TEST(ProgramCommandLine, ArgumentsWithBlanksOrNothingAreQuoted) {
    EXPECT_EQ("C:\\WINDOWS\\regedit.exe /E \"C:\\My Backups\\all regs.reg\"",
              MakeCommandLine("C:\\WINDOWS\\regedit.exe", {"/E", "C:\\My Backups\\all regs.reg"}));
    EXPECT_EQ("\"\"", QuoteArgument(""));
    EXPECT_EQ("\"a\tb\"", QuoteArgument("a\tb"));
    EXPECT_EQ("\"a\nb\"", QuoteArgument("a\nb"));
}

TEST(ProgramCommandLine, QuotesAndTheBackslashesBeforeThemAreEscaped) {
    EXPECT_EQ("\"say \\\"hi\\\"\"", QuoteArgument("say \"hi\""));
    EXPECT_EQ("\"a\\\\\\\"b\"", QuoteArgument("a\\\"b"));           // a\"b
    EXPECT_EQ("\"\\\"\"", QuoteArgument("\""));                      // "
    EXPECT_EQ("\"C:\\My Folder\\\\\"", QuoteArgument("C:\\My Folder\\"));  // trailing backslash
    EXPECT_EQ("\"C:\\My Folder\\\\\\\\\"", QuoteArgument("C:\\My Folder\\\\"));
    EXPECT_EQ("\"a\\b c\"", QuoteArgument("a\\b c"));  // inner backslashes stay single
}

TEST(ProgramCommandLine, LettersOfTheAnsiCodePagePassUnchanged) {
    EXPECT_EQ("\"C:\\Sicherungen f\xFCr M\xFCller\\reg.reg\"",
              QuoteArgument("C:\\Sicherungen f\xFCr M\xFCller\\reg.reg"));
    EXPECT_EQ("C:\\\xC4rger\\Korvet.exe", QuoteProgram("C:\\\xC4rger\\Korvet.exe"));
}

}  // namespace
}  // namespace quintel
