#include <gtest/gtest.h>

#include "core/tuning/TuningSettings.h"

namespace quintel {
namespace {

class Presets : public ::testing::Test {
protected:
    void SetUp() override { t.LoadPresets(); }
    TuningState t;
};

TEST_F(Presets, AutomaticPresetsDifferOnlyInWhatTheyLeaveToWindows) {
    EXPECT_EQ(576, t.AutoPreset1.MTU);
    EXPECT_EQ(4288, t.AutoPreset1.RWIN);
    EXPECT_EQ(576, t.AutoPreset2.MTU);
    EXPECT_EQ(-1, t.AutoPreset2.RWIN);
    EXPECT_EQ(-1, t.AutoPreset3.MTU);
    EXPECT_EQ(-1, t.AutoPreset3.RWIN);
    for (const TuningPreset* p : {&t.AutoPreset1, &t.AutoPreset2, &t.AutoPreset3}) {
        EXPECT_EQ(128, p->TTL);
        EXPECT_EQ(600000, p->SKA);
        EXPECT_EQ(0, p->NDI);
        EXPECT_TRUE(p->PMTU);
        EXPECT_FALSE(p->BlackHole);
        EXPECT_EQ(16, p->MSCPS0);
        EXPECT_EQ(8, p->MSCPS1);
        EXPECT_EQ(-1, p->RWINIndex);
        EXPECT_EQ(-1, p->SKAIndex);
        EXPECT_EQ(-1, p->NDIIndex);
        EXPECT_EQ(-1, p->MSCPS0Index);
        EXPECT_EQ(-1, p->MSCPS1Index);
        EXPECT_FALSE(p->MTUCustom || p->RWINCustom || p->TTLCustom || p->SKACustom || p->NDICustom);
    }
    EXPECT_EQ(0, t.AutoPreset1.OptiMode);
    EXPECT_EQ(1, t.AutoPreset2.OptiMode);
    EXPECT_EQ(2, t.AutoPreset3.OptiMode);
}

TEST_F(Presets, WindowsDefaultsAreTheManualStartingPoint) {
    const TuningPreset& d = t.WindowsDefaults;
    EXPECT_EQ(0, d.ConnectionType);
    EXPECT_EQ(3, d.OptiMode);
    EXPECT_EQ(1500, d.MTU);
    EXPECT_EQ(8192, d.RWIN);
    EXPECT_EQ(32, d.TTL);
    EXPECT_EQ(3600000, d.SKA);
    EXPECT_EQ(0, d.NDI);
    EXPECT_TRUE(d.PMTU);
    EXPECT_FALSE(d.BlackHole);
    EXPECT_EQ(2, d.MSCPS0);
    EXPECT_EQ(0, d.MSCPS0Index);
    EXPECT_EQ(4, d.MSCPS1);
    EXPECT_EQ(2, d.MSCPS1Index);
}

TEST_F(Presets, EveryAutomaticModeGivesItsPresetWithTheConnectionTypeKept) {
    for (int m = 0; m < 3; ++m) {
        t.SelectConnectionType(3);  // "DirectPc (Satellite)"
        t.SelectOptimizationMode(m);
        TuningPreset expected = *t.PresetForMode(m);
        EXPECT_EQ(expected, t.CurrentSettings) << "mode " << m;
        EXPECT_EQ(3, t.CurrentSettings.ConnectionType);
        EXPECT_EQ(m, t.CurrentSettings.OptiMode);
    }
}

TEST_F(Presets, ManualAfterAnAutomaticModeGivesTheDefaultsNotEarlierEdits) {
    t.SelectOptimizationMode(mode::Manual);
    t.CurrentSettings.MTU = 1492;
    t.CurrentSettings.MTUCustom = true;
    t.CurrentSettings.TTL = 64;
    t.SelectConnectionType(1);
    t.SelectOptimizationMode(mode::Automatic2);
    t.SelectOptimizationMode(mode::Manual);
    TuningSettings expected = t.WindowsDefaults;
    EXPECT_EQ(1, expected.ConnectionType);
    EXPECT_EQ(expected, t.CurrentSettings);
    EXPECT_EQ(1500, t.CurrentSettings.MTU);
}

TEST_F(Presets, Automatic3LeavesMtuAndRwinToWindows) {
    t.SelectOptimizationMode(mode::Automatic3);
    EXPECT_EQ(-1, t.CurrentSettings.MTU);
    EXPECT_EQ(-1, t.CurrentSettings.RWIN);
}

TEST_F(Presets, ResetWithoutAConnectionTypeKeepsTheOneTheDefaultsHeld) {
    t.SelectConnectionType(2);
    t.ResetToWindowsDefaults();
    EXPECT_EQ(2, t.CurrentSettings.ConnectionType);
    t.SelectConnectionType(-1);
    t.ResetToWindowsDefaults();
    EXPECT_EQ(2, t.CurrentSettings.ConnectionType);

    TuningState fresh;
    fresh.LoadPresets();
    fresh.CurrentSettings.ConnectionType = -1;
    fresh.ResetToWindowsDefaults();
    EXPECT_EQ(0, fresh.CurrentSettings.ConnectionType);
}

TEST_F(Presets, AnUnknownModeIndexChangesOnlyTheMode) {
    t.SelectOptimizationMode(mode::Automatic1);
    TuningSettings before = t.CurrentSettings;
    t.SelectOptimizationMode(7);
    before.OptiMode = 7;
    EXPECT_EQ(before, t.CurrentSettings);
    t.SelectOptimizationMode(-1);
    before.OptiMode = -1;
    EXPECT_EQ(before, t.CurrentSettings);
}

TEST_F(Presets, SelectingAConnectionTypeChangesNothingElse) {
    t.SelectOptimizationMode(mode::Automatic1);
    TuningSettings before = t.CurrentSettings;
    t.SelectConnectionType(3);
    before.ConnectionType = 3;
    EXPECT_EQ(before, t.CurrentSettings);
}

TEST(CheckedToBoolean, OnlyTheCheckedStateIsTrue) {
    EXPECT_TRUE(CheckedToBoolean(1));
    EXPECT_FALSE(CheckedToBoolean(0));
    EXPECT_FALSE(CheckedToBoolean(2));
}

}  // namespace
}  // namespace quintel
