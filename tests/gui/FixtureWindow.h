// The self-test's harness: a fresh QuintelGuiFixture.exe for every test,
// its main window found, and its log of what reached it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/Driver.h"
#include "wine/WineHelpers.h"

namespace quintel::gui {

class FixtureWindow : public ::testing::Test {
protected:
    void SetUp() override;

    // The log lines as they are now.
    std::vector<std::string> Log() const;
    // Where `line` first is in the log; -1 when it is not.
    int LogIndex(const std::string& line) const;
    bool Logged(const std::string& line) const { return LogIndex(line) >= 0; }
    size_t CountLogged(const std::string& prefix) const;
    // For what the fixture does after the driver has returned (a command
    // chosen from a menu arrives after the menu has closed).
    bool WaitForLog(const std::string& line, Where where = Where::current());

    HWND Control(int id) { return FindControlById(main, id); }

    wine::ScratchFolder folder{"quintel gui"};
    std::string logPath = folder / "fixture.log";
    Program fixture;
    HWND main = nullptr;
};

}  // namespace quintel::gui
