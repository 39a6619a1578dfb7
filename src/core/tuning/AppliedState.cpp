#include "core/tuning/AppliedState.h"

#include "core/tuning/ChangePlan.h"
#include "core/tuning/SettingsFile.h"
#include "core/tuning/UndoRecord.h"

namespace quintel {

AppliedStatus CheckAppliedState(const TuningState& presets, FileSystem& files, Registry& registry,
                                const WindowsFamily& family, Clock& clock,
                                const std::string& settingsPath) {
    AppliedStatus status;
    TuningState state = presets;
    TuningSettings saved{};
    std::string problem;
    if (!ReadSettingsFile(state, files, settingsPath, saved, problem)) return status;

    for (const PlannedValue& value : PlanChanges(saved, family, registry)) {
        if (value.Differs()) ++status.Differing;
    }
    if (status.Differing > 0) {
        status.State = AppliedState::Differs;
        return status;
    }
    status.State = AppliedState::Applied;
    const auto changed = LastChangeTime(files, UndoFilesFor(settingsPath));
    const auto boot = clock.BootTime();
    if (changed && boot && *changed >= boot.Value()) status.State = AppliedState::RestartNeeded;
    return status;
}

std::string AppliedStateText(const AppliedStatus& status) {
    switch (status.State) {
    case AppliedState::Applied: return "Settings applied";
    case AppliedState::RestartNeeded: return "Restart needed";
    case AppliedState::Differs:
        return status.Differing == 1 ? "1 value differs"
                                     : std::to_string(status.Differing) + " values differ";
    case AppliedState::NoSettings: break;
    }
    return {};
}

}  // namespace quintel
