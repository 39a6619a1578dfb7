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

    long CreateKey(RegRoot, const std::string&, std::uint32_t, RegKey& key) override {
        key = next_++;
        pretend_.insert(key);
        return regcode::Success;
    }
    long OpenKey(RegRoot root, const std::string& path, RegKey& key) override {
        return real_.OpenKey(root, path, key);
    }
    long OpenKeyEx(RegRoot root, const std::string& path, std::uint32_t access,
                   RegKey& key) override {
        return real_.OpenKeyEx(root, path, access, key);
    }
    long SetValue(RegKey key, const std::string&, std::uint32_t,
                  const std::vector<std::uint8_t>&) override {
        return pretend_.count(key) ? regcode::Success : regcode::AccessDenied;
    }
    long QueryValue(RegKey key, const std::string& name, std::size_t capacity,
                    std::uint32_t& type, std::vector<std::uint8_t>& data) override {
        if (pretend_.count(key)) return regcode::FileNotFound;
        return real_.QueryValue(key, name, capacity, type, data);
    }
    long DeleteValue(RegKey key, const std::string&) override {
        return pretend_.count(key) ? regcode::Success : regcode::AccessDenied;
    }
    long EnumKey(RegKey key, std::uint32_t index, std::string& name) override {
        if (pretend_.count(key)) return regcode::NoMoreItems;
        return real_.EnumKey(key, index, name);
    }
    long CloseKey(RegKey key) override {
        if (pretend_.erase(key)) return regcode::Success;
        return real_.CloseKey(key);
    }
    std::string ErrorText(long code) override { return real_.ErrorText(code); }

private:
    Registry& real_;
    std::set<RegKey> pretend_;
    // Handles far from anything a real registry hands out.
    RegKey next_ = static_cast<RegKey>(-1) - 0xFFFF;
};

}  // namespace quintel
