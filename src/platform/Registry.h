// The registry as the program uses it: the handful of advapi32 calls the
// tuning engine and the support window need, in their ANSI forms. Failures
// carry the platform's error codes so the callers can keep the registry's
// own rules: 2 for a missing key or value, 259 at the end of an
// enumeration.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace quintel {

enum class RegRoot { LocalMachine, CurrentUser };

using RegKey = std::uintptr_t;  // opaque handle, 0 is never a valid key

namespace regcode {
constexpr long Success = 0;
constexpr long FileNotFound = 2;
constexpr long AccessDenied = 5;
constexpr long InvalidHandle = 6;
constexpr long MoreData = 234;
constexpr long NoMoreItems = 259;
}  // namespace regcode

namespace regtype {
constexpr std::uint32_t None = 0;
constexpr std::uint32_t Sz = 1;
constexpr std::uint32_t Dword = 4;
}  // namespace regtype

// A value as stored: its type and exactly its bytes.
struct RegValue {
    std::uint32_t type = regtype::None;
    std::vector<std::uint8_t> data;
};

class Registry {
public:
    virtual ~Registry() = default;

    // RegCreateKeyExA: opens the key, creating it and any missing parent.
    virtual Result<RegKey> CreateKey(RegRoot root, const std::string& path,
                                     std::uint32_t access) = 0;
    // RegOpenKeyA: opens an existing key.
    virtual Result<RegKey> OpenKey(RegRoot root, const std::string& path) = 0;
    // RegOpenKeyExA with an explicit access mask.
    virtual Result<RegKey> OpenKeyEx(RegRoot root, const std::string& path,
                                     std::uint32_t access) = 0;
    // RegSetValueExA: data is written as given (a REG_SZ carries its NUL).
    virtual Result<> SetValue(RegKey key, const std::string& name, std::uint32_t type,
                              const std::vector<std::uint8_t>& data) = 0;
    // RegQueryValueExA into a buffer of `capacity` bytes: the value's type
    // and exactly the bytes stored, or 234 when the buffer is too small.
    virtual Result<RegValue> QueryValue(RegKey key, const std::string& name,
                                        std::size_t capacity) = 0;
    // RegDeleteValueA.
    virtual Result<> DeleteValue(RegKey key, const std::string& name) = 0;
    // RegEnumKeyExA with a 255-character name buffer; 259 ends the list.
    virtual Result<std::string> EnumKey(RegKey key, std::uint32_t index) = 0;
    // RegCloseKey.
    virtual Result<> CloseKey(RegKey key) = 0;

    // The system's text for an error code, for messages to the user; the
    // same text every failure above carries.
    virtual std::string ErrorText(long code) = 0;
};

}  // namespace quintel
