// What Apply would do on this machine, value by value: every registry
// value the writer touches for a choice, what it holds now and what it
// would hold after. The preview window, /show, /verify and the state in
// the status bar all read the registry through this one list, so they
// cannot disagree with each other or with Apply.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/system/WindowsFamily.h"
#include "core/tuning/HeldKeys.h"
#include "core/tuning/RegistryWriter.h"
#include "core/tuning/TuningSettings.h"
#include "platform/Registry.h"

namespace quintel {

struct PlannedValue {
    std::string Key;        // path under HKEY_LOCAL_MACHINE
    std::string ValueName;  // empty for the key's default value
    // What the value holds now; nothing when it is not set (or its key
    // cannot be read).
    std::optional<RegValue> Now;
    // Why Now could not be read, when the registry refused it; empty when
    // Now is what the value holds (or that it is not there).
    std::string NowProblem;
    // What Apply would leave there; nothing when Apply removes it.
    std::optional<RegValue> After;

    // Whether Apply would change the value: its type or its bytes differ,
    // or it would be set where nothing is, or removed where something is.
    bool Changes() const;
    // Whether the value cannot be counted as holding what Apply writes:
    // it changes, or the registry would not say what it holds.
    bool Differs() const { return !NowProblem.empty() || Changes(); }
};

using ChangePlan = std::vector<PlannedValue>;

// Lists the writer's values for `settings` and `family` without writing,
// reading through `registry` for the keys it lists and the values there
// now (each key opened once). The values come in the order Apply writes
// them.
ChangePlan PlanChanges(const TuningSettings& settings, const WindowsFamily& family,
                       Registry& registry);
// The plan of values already listed: each read once, through the keys
// `keys` holds, which an Apply goes on to write through.
ChangePlan PlanWrites(const RegistryWrites& writes, HeldKeys& keys);

// How many values differ (see PlannedValue::Differs).
std::size_t CountChanges(const ChangePlan& plan);
// "7 of 19 values change", the same words for every count, so a script
// can match them.
std::string ChangeCountText(const ChangePlan& plan);

// A value as the user reads it: "12" for a REG_DWORD, "\"32\"" for a
// REG_SZ of one line of text, the type and hex bytes for anything else
// (control characters included, so that the text stays on one line of a
// list or a tab-separated report), "(not set)" for nothing. `missing`
// gives the text for a value of nothing instead.
std::string ValueText(const std::optional<RegValue>& value, const char* missing = "(not set)");
// What the value holds now, or "(unreadable: reason)" when the registry
// would not say.
std::string NowText(const PlannedValue& value);

}  // namespace quintel
