#include <gtest/gtest.h>

#include "core/trace/Trace.h"
#include "fakes/FakeFileSystem.h"

namespace quintel {
namespace {

// A clock the test moves by hand.
class StepClock : public Stopwatch {
public:
    std::int64_t Microseconds() override { return now; }
    std::int64_t now = 0;
};

TEST(Trace, StepsKeepTheirStartLengthAndNestingInTheOrderTheyBegan) {
    StepClock clock;
    Trace trace(&clock);
    clock.now = 1000;
    trace.Mark("WinMain");
    {
        const TraceStep load(trace, "load");
        clock.now = 1500;
        {
            const TraceStep lists(trace, "lists");
            clock.now = 4500;
        }
        clock.now = 5000;
    }
    ASSERT_EQ(3u, trace.Entries().size());
    EXPECT_EQ("WinMain", trace.Entries()[0].Name);
    EXPECT_EQ(0, trace.Entries()[0].Duration);
    EXPECT_EQ("load", trace.Entries()[1].Name);
    EXPECT_EQ(1000, trace.Entries()[1].Start);
    EXPECT_EQ(4000, trace.Entries()[1].Duration);
    EXPECT_EQ(0, trace.Entries()[1].Depth);
    EXPECT_EQ("lists", trace.Entries()[2].Name);
    EXPECT_EQ(3000, trace.Entries()[2].Duration);
    EXPECT_EQ(1, trace.Entries()[2].Depth);
    EXPECT_EQ("1000\t0\tWinMain\r\n1000\t4000\tload\r\n1500\t3000\t  lists\r\n", trace.Text());
}

TEST(Trace, AStepSinceAnEarlierMomentEndsNow) {
    StepClock clock;
    Trace trace(&clock);
    clock.now = 7000;
    trace.StepSince("before WinMain", 0);
    ASSERT_EQ(1u, trace.Entries().size());
    EXPECT_EQ(0, trace.Entries()[0].Start);
    EXPECT_EQ(7000, trace.Entries()[0].Duration);
    EXPECT_EQ("before WinMain", LargestSteps(trace.Entries(), 10).at(0).Name);
}

TEST(Trace, WithoutAClockNothingIsRecordedOrWritten) {
    Trace trace;
    EXPECT_FALSE(trace.On());
    trace.Mark("WinMain");
    trace.StepSince("before WinMain", 0);
    { const TraceStep step(trace, "load"); }
    EXPECT_TRUE(trace.Entries().empty());
    test::FakeFileSystem files;
    files.MakeFolder("C:\\Temp");
    EXPECT_TRUE(SaveTrace(trace, files, "C:\\Temp\\Quintel-trace.txt").Ok());
    EXPECT_FALSE(files.FileExists("C:\\Temp\\Quintel-trace.txt")) << "an ordinary start leaves no file";
}

TEST(Trace, TheLargestStepsComeLongestFirstWithoutTheMarks) {
    StepClock clock;
    Trace trace(&clock);
    const auto step = [&](const char* name, std::int64_t length) {
        const TraceStep s(trace, name);
        clock.now += length;
    };
    step("a", 10);
    trace.Mark("mark");
    step("b", 30);
    step("c", 20);
    step("d", 30);
    const std::vector<TraceEntry> largest = LargestSteps(trace.Entries(), 3);
    ASSERT_EQ(3u, largest.size());
    EXPECT_EQ("b", largest[0].Name);
    EXPECT_EQ("d", largest[1].Name) << "equals keep their order";
    EXPECT_EQ("c", largest[2].Name);
}

TEST(Trace, AProfileThatCannotBeWrittenIsAFailureOfItsOwnAndLeavesNothing) {
    StepClock clock;
    Trace trace(&clock);
    trace.Mark("WinMain");
    test::FakeFileSystem files;
    // No such folder: the profile cannot go there.
    EXPECT_FALSE(SaveTrace(trace, files, "C:\\Missing\\Quintel-trace.txt").Ok());
    files.MakeFolder("C:\\Temp");
    ASSERT_TRUE(SaveTrace(trace, files, "C:\\Temp\\Quintel-trace.txt").Ok());
    EXPECT_EQ(trace.Text(), files.ReadFile("C:\\Temp\\Quintel-trace.txt").Value());
}

}  // namespace
}  // namespace quintel
