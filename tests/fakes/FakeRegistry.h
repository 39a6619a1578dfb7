// An in-memory registry that behaves like the real one where the program
// relies on it (case-insensitive names, sorted enumeration, 2 for what is
// missing, 259 at the end of a list) and can be told to refuse things. The
// contract suite runs against it and against the Win32 registry alike.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace quintel::test {

struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class FakeRegistry : public Registry {
public:
    using Value = RegValue;

    Result<RegKey> CreateKey(RegRoot root, const std::string& path,
                             std::uint32_t access) override;
    Result<RegKey> OpenKey(RegRoot root, const std::string& path) override;
    Result<RegKey> OpenKeyEx(RegRoot root, const std::string& path,
                             std::uint32_t access) override;
    Result<> SetValue(RegKey key, const std::string& name, std::uint32_t type,
                      const std::vector<std::uint8_t>& data) override;
    Result<RegValue> QueryValue(RegKey key, const std::string& name,
                                std::size_t capacity) override;
    Result<> DeleteValue(RegKey key, const std::string& name) override;
    Result<std::string> EnumKey(RegKey key, std::uint32_t index) override;
    Result<> CloseKey(RegKey key) override;
    std::string ErrorText(long code) override;

    // Set-up and inspection for tests; paths are under HKLM unless a root
    // is given.
    void AddKey(const std::string& path, RegRoot root = RegRoot::LocalMachine);
    bool HasKey(const std::string& path, RegRoot root = RegRoot::LocalMachine) const;
    void PutDword(const std::string& path, const std::string& name, std::uint32_t value);
    void PutSz(const std::string& path, const std::string& name, const std::string& text);
    std::optional<Value> Get(const std::string& path, const std::string& name,
                             RegRoot root = RegRoot::LocalMachine) const;
    std::optional<std::uint32_t> GetDword(const std::string& path, const std::string& name) const;
    std::optional<std::string> GetSz(const std::string& path, const std::string& name) const;
    std::size_t ValueCount() const;

    // Failure injection: creating or opening this key (or one below it)
    // answers 5; writing or removing this value answers `code`.
    void DenyKey(const std::string& path) { deniedKeys_.insert(path); }
    // As an access list usually does: this key (and those below it) can be
    // read, but creating it or opening it for writing answers 5.
    void DenyKeyWrites(const std::string& path) { readOnlyKeys_.insert(path); }
    void FailValue(const std::string& path, const std::string& name, long code) {
        failedValues_[path + "\\" + name] = code;
    }
    // Every refusal above is lifted.
    void ClearFailures() {
        deniedKeys_.clear();
        readOnlyKeys_.clear();
        failedValues_.clear();
    }

    // Every call, one line each, e.g. "SetValue HKLM\\X\\Y name 4 [..]".
    const std::vector<std::string>& Calls() const { return calls_; }
    // The calls that create a key or write or remove a value.
    std::vector<std::string> WriteCalls() const;
    std::size_t OpenHandles() const { return open_.size(); }
    // Access masks that CreateKey was asked for.
    const std::vector<std::uint32_t>& CreateAccess() const { return createAccess_; }
    // Access masks that OpenKeyEx was asked for.
    const std::vector<std::uint32_t>& OpenAccess() const { return openAccess_; }

private:
    struct Key {
        std::map<std::string, Key, CaseInsensitiveLess> subkeys;
        std::map<std::string, Value, CaseInsensitiveLess> values;
    };
    struct Handle {
        Key* key;
        std::string path;  // "HKLM\\..." for messages and the call log
    };

    Key& Root(RegRoot root);
    const Key* Find(RegRoot root, const std::string& path) const;
    bool Denied(const std::string& path) const;
    bool ReadOnly(const std::string& path) const;
    Result<RegKey> Open(RegRoot root, const std::string& path, const char* call);
    SystemError Failure(long code) { return SystemError{code, ErrorText(code)}; }

    Key hklm_, hkcu_;
    std::map<RegKey, Handle> open_;
    RegKey nextHandle_ = 0x1000;
    std::set<std::string, CaseInsensitiveLess> deniedKeys_;
    std::set<std::string, CaseInsensitiveLess> readOnlyKeys_;
    std::map<std::string, long, CaseInsensitiveLess> failedValues_;
    std::vector<std::string> calls_;
    std::vector<std::uint32_t> createAccess_;
    std::vector<std::uint32_t> openAccess_;
};

}  // namespace quintel::test
