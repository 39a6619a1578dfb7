#include "core/tuning/HeldKeys.h"

#include "core/tuning/RegFunctions.h"

namespace quintel {

namespace {

// Key access for reading values only (KEY_QUERY_VALUE): a registry that
// refuses the writer's access may still let the values be read.
constexpr std::uint32_t QueryValueAccess = 0x0001;
// RegQueryValueEx says 234 and nothing more when a value outgrows the
// buffer; the buffer grows until it fits, up to a size no TCP/IP value has.
constexpr std::size_t FirstBuffer = 256;
constexpr std::size_t LargestBuffer = 1 << 20;

}  // namespace

std::optional<RegValue> ReadValueOfKey(Registry& registry, RegKey key, const std::string& name,
                                       std::string& problem) {
    for (std::size_t capacity = FirstBuffer; capacity <= LargestBuffer; capacity *= 4) {
        Result<RegValue> read = registry.QueryValue(key, name, capacity);
        if (read.Code() == regcode::MoreData) {
            if (capacity * 4 > LargestBuffer) problem = read.Error().Text;
            continue;
        }
        if (read) return std::move(read.Value());
        if (read.Code() != regcode::FileNotFound) problem = read.Error().Text;
        return std::nullopt;
    }
    return std::nullopt;
}

HeldKeys::Held& HeldKeys::OpenForReading(const std::string& path) {
    const auto found = keys_.find(path);
    if (found != keys_.end()) return found->second;
    Held held;
    if (use_ == KeyUse::ReadThenWrite) {
        const Result<RegKey> writable = registry_.OpenKeyEx(RegRoot::LocalMachine, path, WriterKeyAccess);
        if (writable) {
            held.key = writable.Value();
            held.writable = true;
        } else if (writable.Code() == regcode::FileNotFound) {
            held.failure = writable.Error();
        }
    }
    if (!held.key && held.failure.Code == regcode::Success) {
        const Result<RegKey> readable = registry_.OpenKeyEx(RegRoot::LocalMachine, path, QueryValueAccess);
        if (readable) {
            held.key = readable.Value();
        } else {
            held.failure = readable.Error();
        }
    }
    return keys_.emplace(path, std::move(held)).first->second;
}

std::optional<RegValue> HeldKeys::Read(const std::string& path, const std::string& name,
                                       std::string& problem) {
    const Held& held = OpenForReading(path);
    if (!held.key) {
        if (held.failure.Code != regcode::FileNotFound) problem = held.failure.Text;
        return std::nullopt;
    }
    return ReadValueOfKey(registry_, held.key, name, problem);
}

Result<RegKey> HeldKeys::ForWriting(const std::string& path) {
    const auto found = keys_.find(path);
    if (found != keys_.end() && found->second.writable) return found->second.key;
    const Result<RegKey> created = registry_.CreateKey(RegRoot::LocalMachine, path, WriterKeyAccess);
    if (!created) return created;
    Held& held = keys_[path];
    // A key held for reading only gives way to the one that may be written.
    if (held.key) (void)registry_.CloseKey(held.key);
    held.key = created.Value();
    held.writable = true;
    return created;
}

void HeldKeys::CloseAll() {
    for (auto& [path, held] : keys_) {
        if (held.key) (void)registry_.CloseKey(held.key);
    }
    keys_.clear();
}

}  // namespace quintel
