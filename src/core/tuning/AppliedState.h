// Whether the registry holds what the settings file asks for, and whether
// Windows has started since it was written: the state the main window's
// first status bar panel shows.
#pragma once

#include <cstddef>
#include <string>

#include "core/system/WindowsFamily.h"
#include "core/tuning/TuningSettings.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace quintel {

enum class AppliedState {
    NoSettings,     // no usable settings file: nothing was applied to compare with
    Applied,        // every value as the file asks, and Windows started since
    RestartNeeded,  // every value as the file asks, written since Windows started
    Differs,        // some values are not what the file asks for
};

struct AppliedStatus {
    AppliedState State = AppliedState::NoSettings;
    std::size_t Differing = 0;
};

// Reads the settings file at `settingsPath` (presets from `presets`), plans
// it against the registry and compares the time of the last change, kept
// with the undo record beside the file, with the time Windows started.
// A change whose time is unknown counts as in use.
AppliedStatus CheckAppliedState(const TuningState& presets, FileSystem& files, Registry& registry,
                                const WindowsFamily& family, Clock& clock,
                                const std::string& settingsPath);

// "Settings applied", "Restart needed", "1 value differs", "N values
// differ"; empty without a settings file.
std::string AppliedStateText(const AppliedStatus& status);

}  // namespace quintel
