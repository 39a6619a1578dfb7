#include "fakes/FakeRegistry.h"

#include <cctype>
#include <sstream>

namespace quintel::test {

namespace {

std::vector<std::string> Split(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

std::string RootName(RegRoot root) {
    return root == RegRoot::CurrentUser ? "HKCU" : "HKLM";
}

std::string Bytes(const std::vector<std::uint8_t>& data) {
    std::ostringstream text;
    text << "[";
    for (std::size_t i = 0; i < data.size(); ++i) text << (i ? " " : "") << int(data[i]);
    text << "]";
    return text.str();
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return text.size() == prefix.size() || text[prefix.size()] == '\\';
}

}  // namespace

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

FakeRegistry::Key& FakeRegistry::Root(RegRoot root) {
    return root == RegRoot::CurrentUser ? hkcu_ : hklm_;
}

const FakeRegistry::Key* FakeRegistry::Find(RegRoot root, const std::string& path) const {
    const Key* key = root == RegRoot::CurrentUser ? &hkcu_ : &hklm_;
    for (const std::string& part : Split(path)) {
        const auto it = key->subkeys.find(part);
        if (it == key->subkeys.end()) return nullptr;
        key = &it->second;
    }
    return key;
}

bool FakeRegistry::Denied(const std::string& path) const {
    for (const std::string& denied : deniedKeys_) {
        if (StartsWithNoCase(path, denied)) return true;
    }
    return false;
}

bool FakeRegistry::ReadOnly(const std::string& path) const {
    for (const std::string& denied : readOnlyKeys_) {
        if (StartsWithNoCase(path, denied)) return true;
    }
    return false;
}

std::vector<std::string> FakeRegistry::WriteCalls() const {
    std::vector<std::string> writes;
    for (const std::string& call : calls_) {
        if (call.rfind("CreateKey ", 0) == 0 || call.rfind("SetValue ", 0) == 0 ||
            call.rfind("DeleteValue ", 0) == 0) {
            writes.push_back(call);
        }
    }
    return writes;
}

Result<RegKey> FakeRegistry::CreateKey(RegRoot root, const std::string& path,
                                       std::uint32_t access) {
    calls_.push_back("CreateKey " + RootName(root) + "\\" + path);
    createAccess_.push_back(access);
    if (Denied(path) || ReadOnly(path)) return Failure(regcode::AccessDenied);
    Key* node = &Root(root);
    for (const std::string& part : Split(path)) node = &node->subkeys[part];
    const RegKey key = nextHandle_++;
    open_[key] = Handle{node, RootName(root) + "\\" + path};
    return key;
}

Result<RegKey> FakeRegistry::Open(RegRoot root, const std::string& path, const char* call) {
    calls_.push_back(std::string(call) + " " + RootName(root) + "\\" + path);
    if (Denied(path)) return Failure(regcode::AccessDenied);
    const Key* node = Find(root, path);
    if (!node) return Failure(regcode::FileNotFound);
    const RegKey key = nextHandle_++;
    open_[key] = Handle{const_cast<Key*>(node), RootName(root) + "\\" + path};
    return key;
}

Result<RegKey> FakeRegistry::OpenKey(RegRoot root, const std::string& path) {
    return Open(root, path, "OpenKey");
}

Result<RegKey> FakeRegistry::OpenKeyEx(RegRoot root, const std::string& path,
                                       std::uint32_t access) {
    openAccess_.push_back(access);
    // Set value, create subkey, create link, delete, write DAC or owner.
    constexpr std::uint32_t WriteAccess = 0x0002 | 0x0004 | 0x0020 | 0x00010000 | 0x00040000 |
                                          0x00080000;
    if ((access & WriteAccess) && ReadOnly(path)) {
        calls_.push_back("OpenKeyEx " + RootName(root) + "\\" + path);
        return Failure(regcode::AccessDenied);
    }
    return Open(root, path, "OpenKeyEx");
}

Result<> FakeRegistry::SetValue(RegKey key, const std::string& name, std::uint32_t type,
                                const std::vector<std::uint8_t>& data) {
    const auto it = open_.find(key);
    if (it == open_.end()) return Failure(regcode::InvalidHandle);
    calls_.push_back("SetValue " + it->second.path + " " + name + " " + std::to_string(type) +
                     " " + Bytes(data));
    const auto failed = failedValues_.find(it->second.path.substr(5) + "\\" + name);
    if (failed != failedValues_.end()) return Failure(failed->second);
    it->second.key->values[name] = Value{type, data};
    return {};
}

Result<RegValue> FakeRegistry::QueryValue(RegKey key, const std::string& name,
                                          std::size_t capacity) {
    const auto it = open_.find(key);
    if (it == open_.end()) return Failure(regcode::InvalidHandle);
    calls_.push_back("QueryValue " + it->second.path + " " + name);
    const auto value = it->second.key->values.find(name);
    if (value == it->second.key->values.end()) return Failure(regcode::FileNotFound);
    if (value->second.data.size() > capacity) return Failure(regcode::MoreData);
    return value->second;
}

Result<> FakeRegistry::DeleteValue(RegKey key, const std::string& name) {
    const auto it = open_.find(key);
    if (it == open_.end()) return Failure(regcode::InvalidHandle);
    calls_.push_back("DeleteValue " + it->second.path + " " + name);
    const auto failed = failedValues_.find(it->second.path.substr(5) + "\\" + name);
    if (failed != failedValues_.end()) return Failure(failed->second);
    if (it->second.key->values.erase(name)) return {};
    return Failure(regcode::FileNotFound);
}

Result<std::string> FakeRegistry::EnumKey(RegKey key, std::uint32_t index) {
    const auto it = open_.find(key);
    if (it == open_.end()) return Failure(regcode::InvalidHandle);
    calls_.push_back("EnumKey " + it->second.path + " " + std::to_string(index));
    const auto& subkeys = it->second.key->subkeys;
    if (index >= subkeys.size()) return Failure(regcode::NoMoreItems);
    auto sub = subkeys.begin();
    std::advance(sub, index);
    return sub->first;
}

Result<> FakeRegistry::CloseKey(RegKey key) {
    const auto it = open_.find(key);
    if (it == open_.end()) return Failure(regcode::InvalidHandle);
    calls_.push_back("CloseKey " + it->second.path);
    open_.erase(it);
    return {};
}

std::string FakeRegistry::ErrorText(long code) {
    switch (code) {
    case regcode::FileNotFound: return "The system cannot find the file specified.";
    case regcode::AccessDenied: return "Access is denied.";
    default: return "error " + std::to_string(code);
    }
}

void FakeRegistry::AddKey(const std::string& path, RegRoot root) {
    Key* node = &Root(root);
    for (const std::string& part : Split(path)) node = &node->subkeys[part];
}

bool FakeRegistry::HasKey(const std::string& path, RegRoot root) const {
    return Find(root, path) != nullptr;
}

void FakeRegistry::PutDword(const std::string& path, const std::string& name, std::uint32_t v) {
    AddKey(path);
    Key* node = const_cast<Key*>(Find(RegRoot::LocalMachine, path));
    node->values[name] = Value{regtype::Dword,
                               {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                                std::uint8_t(v >> 24)}};
}

void FakeRegistry::PutSz(const std::string& path, const std::string& name, const std::string& text) {
    AddKey(path);
    Key* node = const_cast<Key*>(Find(RegRoot::LocalMachine, path));
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    node->values[name] = Value{regtype::Sz, data};
}

std::optional<FakeRegistry::Value> FakeRegistry::Get(const std::string& path,
                                                     const std::string& name, RegRoot root) const {
    const Key* node = Find(root, path);
    if (!node) return std::nullopt;
    const auto it = node->values.find(name);
    if (it == node->values.end()) return std::nullopt;
    return it->second;
}

std::optional<std::uint32_t> FakeRegistry::GetDword(const std::string& path,
                                                    const std::string& name) const {
    const auto v = Get(path, name);
    if (!v || v->type != regtype::Dword || v->data.size() != 4) return std::nullopt;
    return std::uint32_t(v->data[0]) | std::uint32_t(v->data[1]) << 8 |
           std::uint32_t(v->data[2]) << 16 | std::uint32_t(v->data[3]) << 24;
}

std::optional<std::string> FakeRegistry::GetSz(const std::string& path,
                                               const std::string& name) const {
    const auto v = Get(path, name);
    if (!v || v->type != regtype::Sz) return std::nullopt;
    std::string text(v->data.begin(), v->data.end());
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

std::size_t FakeRegistry::ValueCount() const {
    std::size_t count = 0;
    auto walk = [&count](const Key& key, auto&& self) -> void {
        count += key.values.size();
        for (const auto& [name, sub] : key.subkeys) self(sub, self);
    };
    walk(hklm_, walk);
    return count;
}

}  // namespace quintel::test
