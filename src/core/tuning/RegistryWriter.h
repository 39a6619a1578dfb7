// Turns the current record into the registry values that TCP/IP and the
// Internet settings read when Windows starts, for the running family.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/tuning/HeldKeys.h"
#include "core/tuning/TuningSettings.h"
#include "platform/Registry.h"
#include "core/system/WindowsFamily.h"

namespace quintel {

// One value the writer sets or removes.
struct RegistryWrite {
    std::string Key;        // path under HKEY_LOCAL_MACHINE
    std::string ValueName;  // empty for the key's default value
    std::uint32_t Type = 0;
    std::int32_t Value = 0;
    bool Removed = false;

    // The type and bytes the value holds once written; nothing once removed.
    std::optional<RegValue> After() const;
};

using RegistryWrites = std::vector<RegistryWrite>;

// One value the writer set or removed, with the registry's answer.
struct RegistryOperation : RegistryWrite {
    long Result = 0;

    // Removing a value that is not there is no failure.
    bool Succeeded() const {
        return Result == regcode::Success || (Removed && Result == regcode::FileNotFound);
    }
    // "12" for a REG_DWORD, "\"32\"" for a REG_SZ, "removed" for a removal.
    std::string DataText() const;
};

using RegistryReport = std::vector<RegistryOperation>;

// Writes every tunable of `settings` with the value map of `family`: codes
// 1..4 the Windows 95/98/ME map, 5 onwards (NT, 2000, XP and every later
// NT release) the NT map, anything else nothing.
// A failing value is skipped and the rest still written; the report lists
// every value in the order written.
RegistryReport ApplyTuningToRegistry(const TuningSettings& settings, const WindowsFamily& family,
                                     Registry& registry);

// The values ApplyTuningToRegistry would write now, in its order, without
// writing: the registry is read only for the adapters and interfaces it
// lists.
RegistryWrites ListTuningWrites(const TuningSettings& settings, const WindowsFamily& family,
                                Registry& registry);

// Writes the listed values in their order, through the keys `keys` holds
// (or creates), as ApplyTuningToRegistry writes its own: a failing value
// is skipped and the rest still written, a key that cannot be opened
// answers each value of that run with its failure, and the report lists
// every value in the order written.
RegistryReport WriteListedValues(const RegistryWrites& writes, HeldKeys& keys);

// The first failed operation, or null.
const RegistryOperation* FirstFailure(const RegistryReport& report);

}  // namespace quintel
