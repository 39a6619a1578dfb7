#include <gtest/gtest.h>

#include "fakes/FakeSystem.h"
#include "core/system/WindowsFamily.h"

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
                      Row{2, 5, 1, 7, "Windows XP"}, Row{2, 5, 2, 8, "Windows Server 2003"},
                      Row{2, 6, 0, 9, "Windows Vista"}, Row{2, 6, 1, 10, "Windows 7"},
                      Row{2, 6, 2, 11, "Windows 8"}, Row{2, 6, 3, 12, "Windows 8.1"},
                      Row{2, 10, 0, 13, "Windows 10"}, Row{2, 6, 4, 14, "Windows NT"},
                      Row{2, 5, 3, 14, "Windows NT"}, Row{2, 11, 0, 14, "Windows NT"},
                      Row{0, 3, 10, 1, "Windows 32"}, Row{3, 5, 1, 1, "Windows 32"}),
    [](const auto& info) {
        const Row& r = info.param;
        return "Platform" + std::to_string(r.platform) + "_" + std::to_string(r.major) + "_" +
               std::to_string(r.minor);
    });

TEST(FamilyBranches, CodesOneToFourTakeThe9xMapAndFiveToFourteenTheNTMap) {
    for (std::int16_t code = -1; code <= 16; ++code) {
        WindowsFamily f{code, ""};
        EXPECT_EQ(code >= 1 && code <= 4, f.Is9xBranch()) << code;
        EXPECT_EQ(code >= 5 && code <= 14, f.IsNTBranch()) << code;
        EXPECT_EQ(code >= 9 && code <= 14, f.AutoTunesReceiveWindow()) << code;
    }
}

struct Named {
    OsVersion version;
    std::int16_t code;
    const char* name;
};

class Names : public ::testing::TestWithParam<Named> {};

TEST_P(Names, EachReleaseIsCalledAsItCallsItself) {
    test::FakeVersionQuery version;
    version.version = GetParam().version;
    const WindowsFamily family = DetectWindowsFamily(version);
    EXPECT_EQ(GetParam().code, family.Code);
    EXPECT_EQ(GetParam().name, family.Name);
    EXPECT_EQ(1, version.calls);
}

// Product type 1 is a workstation, 2 a domain controller, 3 a server, 0
// not reported; the build numbers are those of each release's first build.
INSTANTIATE_TEST_SUITE_P(
    Releases, Names,
    ::testing::Values(
        Named{{1, 4, 10, 2222, 0}, 3, "Windows 98"},
        Named{{2, 5, 1, 2600, 1}, 7, "Windows XP"},
        Named{{2, 5, 2, 3790, 3}, 8, "Windows Server 2003"},
        Named{{2, 5, 2, 3790, 2}, 8, "Windows Server 2003"},
        Named{{2, 5, 2, 3790, 0}, 8, "Windows Server 2003"},
        Named{{2, 5, 2, 3790, 1}, 8, "Windows XP x64"},
        Named{{2, 6, 0, 6000, 1}, 9, "Windows Vista"},
        Named{{2, 6, 0, 6001, 3}, 9, "Windows Server 2008"},
        Named{{2, 6, 1, 7601, 1}, 10, "Windows 7"},
        Named{{2, 6, 1, 7601, 3}, 10, "Windows Server 2008 R2"},
        Named{{2, 6, 2, 9200, 1}, 11, "Windows 8"},
        Named{{2, 6, 2, 9200, 2}, 11, "Windows Server 2012"},
        Named{{2, 6, 3, 9600, 1}, 12, "Windows 8.1"},
        Named{{2, 6, 3, 9600, 3}, 12, "Windows Server 2012 R2"},
        Named{{2, 10, 0, 10240, 1}, 13, "Windows 10"},
        Named{{2, 10, 0, 19045, 0}, 13, "Windows 10"},
        Named{{2, 10, 0, 21999, 1}, 13, "Windows 10"},
        Named{{2, 10, 0, 22000, 1}, 13, "Windows 11"},
        Named{{2, 10, 0, 26100, 1}, 13, "Windows 11"},
        Named{{2, 10, 0, 14393, 3}, 13, "Windows Server 2016"},
        Named{{2, 10, 0, 17763, 3}, 13, "Windows Server 2019"},
        Named{{2, 10, 0, 20348, 2}, 13, "Windows Server 2022"},
        Named{{2, 10, 0, 26100, 3}, 13, "Windows Server 2025"},
        Named{{2, 6, 4, 9841, 1}, 14, "Windows NT 6.4"},
        Named{{2, 10, 1, 30000, 1}, 14, "Windows NT 10.1"},
        Named{{2, 12, 0, 40000, 3}, 14, "Windows NT 12.0"}),
    [](const auto& info) {
        const OsVersion& v = info.param.version;
        return "NT" + std::to_string(v.MajorVersion) + "_" + std::to_string(v.MinorVersion) +
               "_Build" + std::to_string(v.BuildNumber) + "_Type" + std::to_string(v.ProductType) +
               (v.PlatformId == 1 ? "_9x" : "");
    });

TEST(FamilyBranches, AFailedQueryReadsAsZeroAndGivesWindows32) {
    test::FakeVersionQuery version;  // all zero, as after a failing call
    EXPECT_EQ(0, DetectWindowsVersion(version));
    EXPECT_EQ("Windows 32", FamilyFromDetection(0).Name);
}

}  // namespace
}  // namespace quintel
