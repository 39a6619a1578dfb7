// The registry as the program uses it: the handful of advapi32 calls the
// tuning engine and the support window need, in their ANSI forms. Results
// are the platform's error codes (0 for success) so the callers can keep the
// registry's own rules: 2 for a missing key or value, 259 at the end of an
// enumeration.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

class Registry {
public:
    virtual ~Registry() = default;

    // RegCreateKeyExA: opens the key, creating it and any missing parent.
    virtual long CreateKey(RegRoot root, const std::string& path, std::uint32_t access,
                           RegKey& key) = 0;
    // RegOpenKeyA: opens an existing key.
    virtual long OpenKey(RegRoot root, const std::string& path, RegKey& key) = 0;
    // RegOpenKeyExA with an explicit access mask.
    virtual long OpenKeyEx(RegRoot root, const std::string& path, std::uint32_t access,
                           RegKey& key) = 0;
    // RegSetValueExA: data is written as given (a REG_SZ carries its NUL).
    virtual long SetValue(RegKey key, const std::string& name, std::uint32_t type,
                          const std::vector<std::uint8_t>& data) = 0;
    // RegQueryValueExA into a buffer of `capacity` bytes. On success `data`
    // holds exactly the bytes stored; 234 when the buffer is too small.
    virtual long QueryValue(RegKey key, const std::string& name, std::size_t capacity,
                            std::uint32_t& type, std::vector<std::uint8_t>& data) = 0;
    // RegDeleteValueA.
    virtual long DeleteValue(RegKey key, const std::string& name) = 0;
    // RegEnumKeyExA with a 255-character name buffer; 259 ends the list.
    virtual long EnumKey(RegKey key, std::uint32_t index, std::string& name) = 0;
    // RegCloseKey.
    virtual long CloseKey(RegKey key) = 0;

    // The system's text for an error code, for messages to the user.
    virtual std::string ErrorText(long code) = 0;
};

}  // namespace quintel
