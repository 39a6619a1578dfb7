#include <gtest/gtest.h>

#include "fakes/FakeSystem.h"
#include "system/WindowsFamily.h"

namespace quintel {
namespace {

struct Row {
    std::uint32_t platform, major, minor;
    std::int16_t code;
    const char* name;
};

class Detection : public ::testing::TestWithParam<Row> {};

TEST_P(Detection, MapsTheReportedVersionToItsFamily) {
    const Row row = GetParam();
    test::FakeVersionQuery version;
    version.version = OsVersion{row.platform, row.major, row.minor};
    const WindowsFamily family = FamilyFromDetection(DetectWindowsVersion(version));
    EXPECT_EQ(row.code, family.Code);
    EXPECT_EQ(row.name, family.Name);
    EXPECT_EQ(1, version.calls);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, Detection,
    ::testing::Values(Row{1, 4, 0, 2, "Windows 95"}, Row{1, 4, 10, 3, "Windows 98"},
                      Row{1, 4, 90, 4, "Windows ME"}, Row{1, 9, 10, 3, "Windows 98"},
                      Row{1, 4, 3, 1, "Windows 32"}, Row{2, 3, 51, 5, "Windows NT"},
                      Row{2, 4, 0, 5, "Windows NT"}, Row{2, 5, 0, 6, "Windows 2000"},
                      Row{2, 5, 1, 7, "Windows XP"}, Row{2, 5, 2, 1, "Windows 32"},
                      Row{2, 6, 1, 1, "Windows 32"}, Row{2, 10, 0, 1, "Windows 32"},
                      Row{0, 3, 10, 1, "Windows 32"}, Row{3, 5, 1, 1, "Windows 32"}),
    [](const auto& info) {
        const Row& r = info.param;
        return "Platform" + std::to_string(r.platform) + "_" + std::to_string(r.major) + "_" +
               std::to_string(r.minor);
    });

TEST(FamilyBranches, CodesOneToFourTakeThe9xMapAndFiveToSevenTheNTMap) {
    for (std::int16_t code = 0; code <= 8; ++code) {
        WindowsFamily f{code, ""};
        EXPECT_EQ(code >= 1 && code <= 4, f.Is9xBranch()) << code;
        EXPECT_EQ(code >= 5 && code <= 7, f.IsNTBranch()) << code;
    }
}

TEST(FamilyBranches, AFailedQueryReadsAsZeroAndGivesWindows32) {
    test::FakeVersionQuery version;  // all zero, as after a failing call
    EXPECT_EQ(0, DetectWindowsVersion(version));
    EXPECT_EQ("Windows 32", FamilyFromDetection(0).Name);
}

}  // namespace
}  // namespace quintel
