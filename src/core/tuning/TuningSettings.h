// The record of tuning values, its four templates and the operations that
// fill the record from them.
#pragma once

#include <cstdint>

namespace quintel {

struct TuningSettings {
    std::int16_t ConnectionType = 0;  // index in the connection-type list, -1 none
    std::int16_t OptiMode = 0;        // 0..2 automatic presets, 3 manual
    std::int32_t MTU = 0;             // -1: leave it to Windows
    bool MTUCustom = false;
    std::int32_t RWIN = 0;            // -1: leave it to Windows
    bool RWINCustom = false;
    std::int16_t RWINIndex = 0;
    std::int32_t TTL = 0;
    bool TTLCustom = false;
    std::int32_t SKA = 0;             // keep-alive time in milliseconds
    bool SKACustom = false;
    std::int16_t SKAIndex = 0;
    std::int32_t NDI = 0;
    bool NDICustom = false;
    std::int16_t NDIIndex = 0;
    bool PMTU = false;
    bool BlackHole = false;
    std::int32_t MSCPS0 = 0;
    std::int16_t MSCPS0Index = 0;
    std::int32_t MSCPS1 = 0;
    std::int16_t MSCPS1Index = 0;

    bool operator==(const TuningSettings&) const = default;
};

using TuningPreset = TuningSettings;

namespace mode {
constexpr std::int16_t Automatic1 = 0;
constexpr std::int16_t Automatic2 = 1;
constexpr std::int16_t Automatic3 = 2;
constexpr std::int16_t Manual = 3;
}  // namespace mode

// Sizes of the fixed lists the index fields point into.
namespace listsize {
constexpr int ConnectionTypes = 4;
constexpr int OptimizationModes = 4;
constexpr int Rwin = 7;
constexpr int Ska = 60;
constexpr int Ndi = 7;
constexpr int Mscps = 59;
}  // namespace listsize

// The custom values the stack can use. An MTU or TTL outside these would
// cut the machine off the network after the restart.
namespace limits {
constexpr int MinMtu = 68;  // the least every IPv4 link must carry
constexpr int MaxMtu = 65535;
constexpr int MinTtl = 1;
constexpr int MaxTtl = 255;
// The values the lists can give: RWIN is a multiple x4..x16 of an MTU, the
// keep-alive 1 to 60 minutes in milliseconds, the NDI cache 0 to 64 entries
// and the HTTP limits 2 to 60 connections.
constexpr int MinRwin = MinMtu * 4;
constexpr int MaxRwin = MaxMtu * 16;
constexpr int MinSka = 60000;
constexpr int MaxSka = 60 * 60000;
constexpr int MinNdi = 0;
constexpr int MaxNdi = 64;
constexpr int MinMscps = 2;
constexpr int MaxMscps = 60;
}  // namespace limits

// The current record and the templates, alive for the whole run.
struct TuningState {
    TuningSettings CurrentSettings{};
    TuningPreset AutoPreset1{};
    TuningPreset AutoPreset2{};
    TuningPreset AutoPreset3{};
    TuningPreset WindowsDefaults{};

    void LoadPresets();
    void SelectOptimizationMode(int index);
    void SelectConnectionType(int index);
    void ResetToWindowsDefaults();

    // The template of an automatic mode 0..2, null for any other mode.
    TuningPreset* PresetForMode(int index);
};

// Check-box state 1 (checked) is true; 0 and 2 (greyed) are false.
bool CheckedToBoolean(int checkState);

}  // namespace quintel
