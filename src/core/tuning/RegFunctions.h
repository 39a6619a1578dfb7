// RegFunctions: the single write primitive of the registry writer.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace quintel {

// Access mask of the writer's keys: query, set, create subkey, enumerate,
// notify, create link.
constexpr std::uint32_t WriterKeyAccess = 0x3F;

// Opens or creates `path` under `root` and sets (or, with `deleteFlag`,
// removes) one value. Type 1 (REG_SZ) writes `value` as decimal text with
// its NUL, type 4 (REG_DWORD) as 32 bits; any other type writes nothing.
// Returns the result of the set or delete, or the failure of opening the
// key, in which case nothing is written.
long WriteRegistryValue(Registry& registry, RegRoot root, const std::string& path,
                        const std::string& valueName, std::uint32_t type, std::int32_t value,
                        bool deleteFlag);

// Sets (or, with `deleteFlag`, removes) one value of a key already open,
// as WriteRegistryValue does once it has the key: for a writer that keeps
// a key open across several of its values.
long WriteValueToKey(Registry& registry, RegKey key, const std::string& valueName,
                     std::uint32_t type, std::int32_t value, bool deleteFlag);

// The type and bytes WriteValueToKey sets for `value` of type 1 (REG_SZ)
// or 4 (REG_DWORD).
RegValue ValueAsWritten(std::uint32_t type, std::int32_t value);

// regedit's name for a value: "(Default)" for a key's unnamed one.
std::string ValueNameText(const std::string& valueName);
// A value under HKEY_LOCAL_MACHINE as messages name it:
// "HKEY_LOCAL_MACHINE\<path> value <name>".
std::string ValuePathText(const std::string& path, const std::string& valueName);

// True gives 1, false 0: the registry's form of the record's booleans.
std::int32_t BooleanToFlag(bool value);

}  // namespace quintel
