// The keys of one run over the writer's values, each opened once and held
// until the run ends: first to read what their values hold, then (for an
// Apply) to write them. Opening a key costs about as much as reading or
// writing one of its values, and Apply reads every value before it writes
// any, for the undo record.
#pragma once

#include <optional>
#include <string>
#include <map>

#include "platform/Registry.h"

namespace quintel {

enum class KeyUse {
    Read,           // the values are only read (KEY_QUERY_VALUE)
    ReadThenWrite,  // read first, then written with the writer's access
};

class HeldKeys {
public:
    HeldKeys(Registry& registry, KeyUse use) : registry_(registry), use_(use) {}
    ~HeldKeys() { CloseAll(); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

    // What value `name` of `path` (under HKEY_LOCAL_MACHINE) holds now:
    // nothing when it or its key is not there, and the registry's reason
    // in `problem` when it would not say. A missing key is not created.
    std::optional<RegValue> Read(const std::string& path, const std::string& name,
                                 std::string& problem);

    // The key to write `path` through: the one read through, when it was
    // opened with the writer's access, or else the key created (with any
    // missing parent) with that access, as the writer creates its keys. A
    // key that cannot be created is not held: the next run of its values
    // tries again.
    Result<RegKey> ForWriting(const std::string& path);

    // Closes every key held; a close that fails loses nothing.
    void CloseAll();

    Registry& registry() { return registry_; }

private:
    struct Held {
        RegKey key = 0;         // 0 when the key could not be opened
        bool writable = false;  // opened with the writer's access
        SystemError failure;    // why it could not be opened
    };
    Held& OpenForReading(const std::string& path);

    Registry& registry_;
    KeyUse use_;
    std::map<std::string, Held> keys_;
};

// What value `name` of the open `key` holds: asked once with a buffer that
// holds any DWORD and any short text, and again, larger, only for a value
// that outgrows it. Nothing when it is not there; the registry's reason in
// `problem` when it would not say.
std::optional<RegValue> ReadValueOfKey(Registry& registry, RegKey key, const std::string& name,
                                       std::string& problem);

}  // namespace quintel
