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
