#include <gtest/gtest.h>

#include "core/tuning/ChangePlan.h"
#include "fakes/FakeRegistry.h"

namespace quintel {
namespace {

constexpr const char* Tcpip = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
constexpr const char* Interfaces =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
constexpr const char* Mstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";

TuningSettings AutomaticTwo() {
    TuningState state;
    state.LoadPresets();
    state.SelectOptimizationMode(1);
    return state.CurrentSettings;
}

const PlannedValue* Find(const ChangePlan& plan, const std::string& key, const std::string& name) {
    for (const PlannedValue& value : plan) {
        if (value.Key == key && value.ValueName == name) return &value;
    }
    return nullptr;
}

TEST(ChangePlan, ListsEveryValueApplyTouchesWithWhatIsThereNowAndWritesNothing) {
    test::FakeRegistry reg;
    reg.AddKey(std::string(Interfaces) + "\\{AAA}");
    reg.PutDword(Tcpip, "DefaultTTL", 64);
    reg.PutSz(Tcpip, "KeepAliveTime", "7200000");  // a string where a DWORD goes
    const std::size_t before = reg.ValueCount();

    const ChangePlan plan = PlanChanges(AutomaticTwo(), FamilyFromDetection(family::WindowsXP), reg);

    // 14 tcpip and Internet values, two per interface in each of the two
    // interface lists (the fake has no link between the control sets), the
    // NDI cache.
    EXPECT_EQ(19u - 2u, plan.size());
    EXPECT_EQ(before, reg.ValueCount());
    EXPECT_EQ(0u, reg.OpenHandles());

    const PlannedValue* ttl = Find(plan, Tcpip, "DefaultTTL");
    ASSERT_NE(nullptr, ttl);
    EXPECT_EQ("64", ValueText(ttl->Now));
    const PlannedValue* keepAlive = Find(plan, Tcpip, "KeepAliveTime");
    ASSERT_NE(nullptr, keepAlive);
    EXPECT_EQ("\"7200000\"", ValueText(keepAlive->Now));
    EXPECT_TRUE(keepAlive->Changes());
    const PlannedValue* mtu = Find(plan, std::string(Interfaces) + "\\{AAA}", "MTU");
    ASSERT_NE(nullptr, mtu);
    EXPECT_EQ("(not set)", ValueText(mtu->Now));
    EXPECT_TRUE(mtu->Changes());
}

TEST(ChangePlan, AValueThatAlreadyHoldsWhatApplyWritesIsNoChange) {
    test::FakeRegistry reg;
    const TuningSettings settings = AutomaticTwo();
    const WindowsFamily xp = FamilyFromDetection(family::WindowsXP);
    const std::size_t changesOnAnEmptyRegistry = CountChanges(PlanChanges(settings, xp, reg));
    reg.PutDword(Tcpip, "DefaultTTL", static_cast<std::uint32_t>(settings.TTL));
    const ChangePlan plan = PlanChanges(settings, xp, reg);
    EXPECT_FALSE(Find(plan, Tcpip, "DefaultTTL")->Changes());
    EXPECT_EQ(changesOnAnEmptyRegistry - 1, CountChanges(plan));
}

TEST(ChangePlan, ARemovalOfAValueThatIsNotThereIsNoChange) {
    test::FakeRegistry reg;
    TuningSettings settings = AutomaticTwo();
    settings.RWIN = -1;  // the receive window is left to Windows: removed
    reg.PutDword(Mstcp, "DefaultRcvWindow", 8192);
    const ChangePlan plan = PlanChanges(settings, FamilyFromDetection(family::Windows98), reg);
    const PlannedValue* rwin = Find(plan, Mstcp, "DefaultRcvWindow");
    ASSERT_NE(nullptr, rwin);
    EXPECT_FALSE(rwin->After.has_value());
    EXPECT_TRUE(rwin->Changes());
    EXPECT_EQ("(removed)", ValueText(rwin->After, "(removed)"));

    test::FakeRegistry clean;
    const ChangePlan none = PlanChanges(settings, FamilyFromDetection(family::Windows98), clean);
    EXPECT_FALSE(Find(none, Mstcp, "DefaultRcvWindow")->Changes());
}

TEST(ChangePlan, ValuesOfOtherShapesAreShownAsTheirBytes) {
    EXPECT_EQ("hex(3):01,ff", ValueText(RegValue{3, {0x01, 0xff}}));
    // A string without its NUL, or a DWORD of the wrong length, is not
    // what it claims to be.
    EXPECT_EQ("hex(1):33,32", ValueText(RegValue{regtype::Sz, {'3', '2'}}));
    EXPECT_EQ("hex(4):01", ValueText(RegValue{regtype::Dword, {1}}));
    EXPECT_EQ("-1", ValueText(RegValue{regtype::Dword, {0xff, 0xff, 0xff, 0xff}}));
}

}  // namespace
}  // namespace quintel
