#include "core/tuning/TuningSettings.h"

namespace quintel {

namespace {

// Every template shares these; they differ only in mode, MTU, RWIN, TTL,
// keep-alive and the two HTTP limits.
TuningPreset MakePreset(std::int16_t mode, std::int32_t mtu, std::int32_t rwin, std::int32_t ttl,
                        std::int32_t ska) {
    TuningPreset p{};
    p.OptiMode = mode;
    p.MTU = mtu;
    p.MTUCustom = false;
    p.RWIN = rwin;
    p.RWINCustom = false;
    p.RWINIndex = -1;
    p.TTL = ttl;
    p.TTLCustom = false;
    p.SKA = ska;
    p.SKACustom = false;
    p.SKAIndex = -1;
    p.NDI = 0;
    p.NDICustom = false;
    p.NDIIndex = -1;
    p.PMTU = true;
    p.BlackHole = false;
    p.MSCPS0 = 16;
    p.MSCPS0Index = -1;
    p.MSCPS1 = 8;
    p.MSCPS1Index = -1;
    return p;
}

}  // namespace

void TuningState::LoadPresets() {
    // The automatic presets' connection type is whatever the record holds
    // when one is applied, so it is left as it is here.
    auto fill = [](TuningPreset& target, const TuningPreset& values) {
        const std::int16_t connection = target.ConnectionType;
        target = values;
        target.ConnectionType = connection;
    };
    fill(AutoPreset1, MakePreset(mode::Automatic1, 576, 4288, 128, 600000));
    fill(AutoPreset2, MakePreset(mode::Automatic2, 576, -1, 128, 600000));
    fill(AutoPreset3, MakePreset(mode::Automatic3, -1, -1, 128, 600000));

    WindowsDefaults = MakePreset(mode::Manual, 1500, 8192, 32, 3600000);
    WindowsDefaults.ConnectionType = 0;
    WindowsDefaults.MSCPS0 = 2;
    WindowsDefaults.MSCPS0Index = 0;  // entry "2"
    WindowsDefaults.MSCPS1 = 4;
    WindowsDefaults.MSCPS1Index = 2;  // entry "4"
}

TuningPreset* TuningState::PresetForMode(int index) {
    switch (index) {
    case mode::Automatic1: return &AutoPreset1;
    case mode::Automatic2: return &AutoPreset2;
    case mode::Automatic3: return &AutoPreset3;
    default: return nullptr;
    }
}

void TuningState::SelectOptimizationMode(int index) {
    CurrentSettings.OptiMode = static_cast<std::int16_t>(index);
    if (TuningPreset* preset = PresetForMode(index)) {
        preset->ConnectionType = CurrentSettings.ConnectionType;
        CurrentSettings = *preset;
    } else if (index == mode::Manual) {
        ResetToWindowsDefaults();
    }
}

void TuningState::SelectConnectionType(int index) {
    CurrentSettings.ConnectionType = static_cast<std::int16_t>(index);
}

void TuningState::ResetToWindowsDefaults() {
    if (CurrentSettings.ConnectionType >= 0) {
        WindowsDefaults.ConnectionType = CurrentSettings.ConnectionType;
    }
    CurrentSettings = WindowsDefaults;
}

bool CheckedToBoolean(int checkState) {
    return checkState == 1;
}

}  // namespace quintel
