#include <gtest/gtest.h>

#include "fakes/AppFixture.h"
#include "ui/mainwindow/Startup.h"

namespace quintel {
namespace {

class Startup : public ::testing::Test {
protected:
    StartResult Start(const std::string& arguments) {
        return StartUp(app, instance, ParseCommandLine(arguments), window);
    }
    test::FakeServices fakes;
    test::FakeSingleInstance instance;
    AppContext app = fakes.MakeContext();
    std::unique_ptr<FrmMain> window;
};

TEST_F(Startup, AnEmptyCommandLineShowsTheWindowWithItsTitle) {
    EXPECT_EQ(StartResult::RunWindows, Start(""));
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ("Quintel Version 5.0", window->Caption());
    EXPECT_EQ(std::string(test::FakeServices::Folder) + "\\Help\\Help.chm", app.helpFile);
}

TEST_F(Startup, ZeroShowsTheWindowInTheNormalState) {
    EXPECT_EQ(StartResult::RunWindows, Start("0"));
    ASSERT_TRUE(window);
    EXPECT_EQ(forms::WindowState::Normal, window->State());
    EXPECT_EQ("Quintel Version 5.0", window->Caption());
}

TEST_F(Startup, AnyOtherNumberStartsOnlyTheCompanion) {
    for (const char* arguments : {"1", "-3", "2.7"}) {
        fakes.launcher.launches.clear();
        EXPECT_EQ(StartResult::Exit, Start(arguments));
        EXPECT_FALSE(window);
        ASSERT_EQ(1u, fakes.launcher.launches.size()) << arguments;
        EXPECT_EQ("\"C:\\Program Files\\Quintel\\Korvet.exe\"",
                  fakes.launcher.launches[0].commandLine);
        EXPECT_EQ(std::string(test::FakeServices::Folder) + "\\Korvet.exe",
                  fakes.launcher.launches[0].program);
        EXPECT_EQ(show::Hide, fakes.launcher.launches[0].windowStyle);
    }
    EXPECT_TRUE(fakes.host.events.empty());
}

TEST_F(Startup, ASecondInstanceEndsSilently) {
    instance.another = true;
    EXPECT_EQ(StartResult::Exit, Start(""));
    EXPECT_FALSE(window);
    EXPECT_TRUE(fakes.launcher.launches.empty());
    EXPECT_TRUE(fakes.boxes.shown.empty());
    EXPECT_TRUE(fakes.host.events.empty());
}

TEST_F(Startup, TheTitleComesFromTheVersionInformation) {
    EXPECT_EQ("Quintel Version 5.0", WindowTitle(VersionInfo{5, 0, 0, "Quintel", "Quintel"}));
    EXPECT_EQ("Other Version 6.12", WindowTitle(VersionInfo{6, 12, 3, "Other", "Other"}));
}

}  // namespace
}  // namespace quintel
