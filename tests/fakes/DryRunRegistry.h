// A registry that reads through to a real one and pretends to write: the
// program's save runs its full sequence against the real registry's keys
// and values (the enumerations and the reads for the undo record need
// them) while nothing changes there.
#pragma once

#include <set>

#include "platform/Registry.h"

namespace quintel::test {

class DryRunRegistry : public Registry {
public:
    explicit DryRunRegistry(Registry& real) : real_(real) {}

    Result<RegKey> CreateKey(RegRoot, const std::string&, std::uint32_t) override {
        const RegKey key = next_++;
        pretend_.insert(key);
        return key;
    }
    Result<RegKey> OpenKey(RegRoot root, const std::string& path) override {
        return real_.OpenKey(root, path);
    }
    // A key opened for writing is opened for reading only: its writes are
    // pretended, its values read from the real key.
    Result<RegKey> OpenKeyEx(RegRoot root, const std::string& path,
                             std::uint32_t access) override {
        if ((access & WriteAccess) == 0) return real_.OpenKeyEx(root, path, access);
        Result<RegKey> key = real_.OpenKeyEx(root, path, access & ~WriteAccess);
        if (key) readThrough_.insert(key.Value());
        return key;
    }
    Result<> SetValue(RegKey key, const std::string&, std::uint32_t,
                      const std::vector<std::uint8_t>&) override {
        if (pretend_.count(key) || readThrough_.count(key)) return {};
        return Refused(regcode::AccessDenied);
    }
    Result<RegValue> QueryValue(RegKey key, const std::string& name,
                                std::size_t capacity) override {
        if (pretend_.count(key)) return Refused(regcode::FileNotFound);
        return real_.QueryValue(key, name, capacity);
    }
    Result<> DeleteValue(RegKey key, const std::string&) override {
        if (pretend_.count(key) || readThrough_.count(key)) return {};
        return Refused(regcode::AccessDenied);
    }
    Result<std::string> EnumKey(RegKey key, std::uint32_t index) override {
        if (pretend_.count(key)) return Refused(regcode::NoMoreItems);
        return real_.EnumKey(key, index);
    }
    Result<> CloseKey(RegKey key) override {
        if (pretend_.erase(key)) return {};
        readThrough_.erase(key);
        return real_.CloseKey(key);
    }
    std::string ErrorText(long code) override { return real_.ErrorText(code); }

private:
    // Set value, create subkey, create link.
    static constexpr std::uint32_t WriteAccess = 0x0002 | 0x0004 | 0x0020;

    SystemError Refused(long code) { return SystemError{code, real_.ErrorText(code)}; }

    Registry& real_;
    std::set<RegKey> pretend_;
    std::set<RegKey> readThrough_;
    // Handles far from anything a real registry hands out.
    RegKey next_ = static_cast<RegKey>(-1) - 0xFFFF;
};

}  // namespace quintel::test
