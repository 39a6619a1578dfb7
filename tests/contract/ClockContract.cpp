// What the state panel relies on: the time now as a calendar time, and a
// start of Windows that lies before it.
#include <gtest/gtest.h>

#include "contract/Contract.h"

namespace quintel::contract {
namespace {

// 2020-01-01 00:00 UTC: any clock this program meets is later.
constexpr UnixSeconds Year2020 = 1'577'836'800;

TEST(ClockContract, NowIsACalendarTimeAndWindowsStartedBeforeIt) {
    const std::unique_ptr<Clock> clock = MakeClock();
    const UnixSeconds now = clock->Now();
    EXPECT_GT(now, Year2020);
    const Result<UnixSeconds> boot = clock->BootTime();
    ASSERT_TRUE(boot.Ok()) << boot.Error().Text;
    EXPECT_LE(boot.Value(), now);
    EXPECT_GT(boot.Value(), 0) << "a start before 1970 is no start this clock can mean";
    // Asked again, the start of Windows stays where it was (a second either
    // way for rounding); the time only goes forward.
    const Result<UnixSeconds> again = clock->BootTime();
    ASSERT_TRUE(again.Ok());
    EXPECT_LE(std::abs(again.Value() - boot.Value()), 1);
    EXPECT_GE(clock->Now(), now);
}

}  // namespace
}  // namespace quintel::contract
