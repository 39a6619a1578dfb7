// A registry that reads through to a real one and pretends to write: the
// writer runs its full sequence (including the enumerations, which need
// the real keys) while nothing changes. Used to show what Apply would do.
#pragma once

#include <set>

#include "platform/Registry.h"

namespace quintel {

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
    Result<RegKey> OpenKeyEx(RegRoot root, const std::string& path,
                             std::uint32_t access) override {
        return real_.OpenKeyEx(root, path, access);
    }
    Result<> SetValue(RegKey key, const std::string&, std::uint32_t,
                      const std::vector<std::uint8_t>&) override {
        if (pretend_.count(key)) return {};
        return Refused(regcode::AccessDenied);
    }
    Result<RegValue> QueryValue(RegKey key, const std::string& name,
                                std::size_t capacity) override {
        if (pretend_.count(key)) return Refused(regcode::FileNotFound);
        return real_.QueryValue(key, name, capacity);
    }
    Result<> DeleteValue(RegKey key, const std::string&) override {
        if (pretend_.count(key)) return {};
        return Refused(regcode::AccessDenied);
    }
    Result<std::string> EnumKey(RegKey key, std::uint32_t index) override {
        if (pretend_.count(key)) return Refused(regcode::NoMoreItems);
        return real_.EnumKey(key, index);
    }
    Result<> CloseKey(RegKey key) override {
        if (pretend_.erase(key)) return {};
        return real_.CloseKey(key);
    }
    std::string ErrorText(long code) override { return real_.ErrorText(code); }

private:
    SystemError Refused(long code) { return SystemError{code, real_.ErrorText(code)}; }

    Registry& real_;
    std::set<RegKey> pretend_;
    // Handles far from anything a real registry hands out.
    RegKey next_ = static_cast<RegKey>(-1) - 0xFFFF;
};

}  // namespace quintel
