#include <gtest/gtest.h>

#include "core/switches/CommandLine.h"

namespace quintel {
namespace {

CommandKind Kind(const std::string& arguments) {
    return ParseCommandLine(arguments).Kind;
}

TEST(CommandLine, EmptyAndZeroOpenTheWindow) {
    EXPECT_EQ(CommandKind::MainWindow, Kind(""));
    EXPECT_EQ(CommandKind::MainWindow, Kind("   "));
    EXPECT_EQ(CommandKind::MainWindow, Kind("0"));
    EXPECT_EQ(CommandKind::MainWindow, Kind("0.4"));
    EXPECT_EQ(CommandKind::MainWindow, Kind("-0"));
    EXPECT_EQ(CommandKind::MainWindow, Kind("0.5"));  // halves go to the even neighbour
}

TEST(CommandLine, AnyOtherNumberStartsOnlyTheCompanion) {
    EXPECT_EQ(CommandKind::Companion, Kind("1"));
    EXPECT_EQ(CommandKind::Companion, Kind(" 7 "));
    EXPECT_EQ(CommandKind::Companion, Kind("-1"));
    EXPECT_EQ(CommandKind::Companion, Kind("1.5"));
    EXPECT_EQ(CommandKind::Companion, Kind("99999999999999999999"));
}

TEST(CommandLine, SwitchesIgnoreCaseAndAcceptADash) {
    EXPECT_EQ(CommandKind::Show, Kind("/show"));
    EXPECT_EQ(CommandKind::Show, Kind("-SHOW"));
    EXPECT_EQ(CommandKind::Apply, Kind("/Apply"));
    EXPECT_EQ(CommandKind::Restore, Kind("-restore"));
    EXPECT_EQ(CommandKind::Undo, Kind("/UNDO"));
    EXPECT_EQ(CommandKind::Verify, Kind("-Verify"));
    EXPECT_EQ(CommandKind::Help, Kind("/?"));
    EXPECT_EQ(CommandKind::Help, Kind("-help"));
}

TEST(CommandLine, FindMtuTakesOneHostOrNone) {
    EXPECT_EQ(CommandKind::FindMtu, Kind("/findmtu"));
    EXPECT_EQ("", ParseCommandLine("/findmtu").Host);
    const Command named = ParseCommandLine("  -FindMTU   10.0.0.1  ");
    EXPECT_EQ(CommandKind::FindMtu, named.Kind);
    EXPECT_EQ("10.0.0.1", named.Host);
    EXPECT_EQ("gateway.example", ParseCommandLine("/findmtu \"gateway.example\"").Host);
    EXPECT_EQ("router", ParseCommandLine("/findmtu\trouter").Host);
    EXPECT_EQ(CommandKind::Invalid, Kind("/findmtu one two"));
    EXPECT_EQ(CommandKind::Invalid, Kind("/findmtu one\ntwo"));
    EXPECT_EQ(CommandKind::Invalid, Kind("/findmtu \"one two\""));
    EXPECT_EQ("", ParseCommandLine("/findmtu one two").Host);
    EXPECT_EQ(CommandKind::Invalid, Kind("/findmtus"));
    // The other switches still take nothing after them.
    EXPECT_EQ(CommandKind::Invalid, Kind("/show 10.0.0.1"));
}

TEST(CommandLine, AnythingElseIsInvalid) {
    EXPECT_EQ(CommandKind::Invalid, Kind("/frobnicate"));
    EXPECT_EQ(CommandKind::Invalid, Kind("/"));
    EXPECT_EQ(CommandKind::Invalid, Kind("-"));
    EXPECT_EQ(CommandKind::Invalid, Kind("hello"));
    EXPECT_EQ(CommandKind::Invalid, Kind("/apply /show"));
    EXPECT_EQ(CommandKind::Invalid, Kind("1e5"));
    EXPECT_EQ(CommandKind::Invalid, Kind("."));
    EXPECT_EQ("/frobnicate", ParseCommandLine(" /frobnicate ").Text);
}

TEST(CommandLine, ExportTakesTheFileAfterItQuotedOrNot) {
    struct Case {
        const char* arguments;
        const char* path;
    };
    for (const Case& c : {Case{"/export C:\\fleet.reg", "C:\\fleet.reg"},
                          Case{"-EXPORT fleet.reg", "fleet.reg"},
                          Case{"/export \"C:\\Fleet Settings\\tcp.reg\"", "C:\\Fleet Settings\\tcp.reg"},
                          Case{"/export C:\\Fleet Settings\\tcp.reg", "C:\\Fleet Settings\\tcp.reg"},
                          Case{" /export\t  x.reg  ", "x.reg"}}) {
        SCOPED_TRACE(c.arguments);
        const Command command = ParseCommandLine(c.arguments);
        EXPECT_EQ(CommandKind::Export, command.Kind);
        EXPECT_EQ(c.path, command.Path);
    }
    // The program's name in front, quoted, as Windows passes it.
    EXPECT_EQ("C:\\a b\\x.reg",
              ParseCommandLine(ArgumentText("\"C:\\Program Files\\Quintel\\Quintel.exe\" /export \"C:\\a b\\x.reg\""))
                  .Path);
}

TEST(CommandLine, ExportWithoutOneFileIsAUsageErrorThatSaysSo) {
    for (const char* arguments : {"/export", "/export   ", "/export \"\"", "/export \"  \"",
                                  "/export \"a.reg", "/export \"a.reg\" \"b.reg\"",
                                  "/export a\"b.reg"}) {
        SCOPED_TRACE(arguments);
        const Command command = ParseCommandLine(arguments);
        EXPECT_EQ(CommandKind::Invalid, command.Kind);
        EXPECT_EQ("", command.Path);
        EXPECT_NE(std::string::npos, command.Problem.find("/export")) << command.Problem;
    }
    EXPECT_EQ("/export needs the file to write: /export FILE.reg", ParseCommandLine("/export").Problem);
    // Another switch is unknown, not a file for it.
    EXPECT_EQ(CommandKind::Invalid, Kind("/exportx a.reg"));
    EXPECT_EQ("", ParseCommandLine("/exportx a.reg").Problem);
    EXPECT_EQ(CommandKind::Invalid, Kind("/show a.reg"));
}

TEST(ArgumentText, DropsTheProgramNameQuotedOrNot) {
    EXPECT_EQ("/show", ArgumentText("Quintel.exe /show"));
    EXPECT_EQ("/show", ArgumentText("\"C:\\Program Files\\Quintel\\Quintel.exe\" /show"));
    EXPECT_EQ("", ArgumentText("\"C:\\Program Files\\Quintel\\Quintel.exe\""));
    EXPECT_EQ("", ArgumentText("Quintel.exe"));
    EXPECT_EQ("1", ArgumentText("  Quintel.exe   1  "));
    EXPECT_EQ("", ArgumentText(""));
    EXPECT_EQ("", ArgumentText("\"unterminated"));
}

}  // namespace
}  // namespace quintel
