// The two settings records the crash-safety test alternates: different
// modes and lengths, so any mix or cut of their files is neither of them,
// and neither is what the loaders fall back to.
#pragma once

#include "core/tuning/TuningSettings.h"
#include "core/ping/PingSettings.h"
#include "platform/Clock.h"

namespace quintel::crash {

// The time the saver gives its first save's undo record; each later save
// one second more.
constexpr UnixSeconds FirstChange = 1'800'000'000;

struct Records {
    TuningSettings settingsA;  // an automatic mode: a two-line file
    TuningSettings settingsB;  // Manual: eleven lines
    PingSettings pingA;
    PingSettings pingB;
};

inline Records MakeRecords() {
    TuningState state;
    state.LoadPresets();
    Records r;
    r.settingsA = *state.PresetForMode(mode::Automatic2);
    r.settingsA.ConnectionType = 2;
    r.settingsA.OptiMode = mode::Automatic2;

    r.settingsB = state.WindowsDefaults;
    r.settingsB.OptiMode = mode::Manual;
    r.settingsB.ConnectionType = 3;
    r.settingsB.MTUCustom = true;
    r.settingsB.MTU = 1492;
    r.settingsB.TTLCustom = true;
    r.settingsB.TTL = 128;
    r.settingsB.PMTU = true;
    r.settingsB.BlackHole = true;

    r.pingA = PingSettings{false, "127.0.0.1", "12", true};
    r.pingB = PingSettings{false, "localhost.with.a.much.longer.name", "59", false};
    return r;
}

}  // namespace quintel::crash
