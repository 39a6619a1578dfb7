#include "core/system/SysInfo.h"

#include <cstdint>
#include <vector>

namespace quintel {

namespace {

// READ_CONTROL and all six key rights. The program runs as administrator,
// so the write rights in it are granted.
constexpr std::uint32_t QueryAccess = 0x2003F;
constexpr std::size_t ValueBuffer = 1024;

constexpr const char* ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* ToolValue = "PATH";
constexpr const char* FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* FolderValue = "MSINFO";
constexpr const char* ToolFile = "\\MSINFO32.EXE";

constexpr const char* Unavailable = "System Information Is Unavailable At This Time";

// The registry may hold the path in quotes; the program is started by the
// path itself.
std::string Unquoted(const std::string& path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        return path.substr(1, path.size() - 2);
    return path;
}

}  // namespace

bool GetKeyValue(Registry& registry, RegRoot root, const std::string& keyPath,
                 const std::string& valueName, std::string& value) {
    const Result<RegKey> opened = registry.OpenKeyEx(root, keyPath, QueryAccess);
    if (!opened) {
        value.clear();
        return false;
    }
    const RegKey key = opened.Value();
    const Result<RegValue> read = registry.QueryValue(key, valueName, ValueBuffer);
    // Only reading: a close that fails loses nothing.
    (void)registry.CloseKey(key);
    if (!read) {
        value.clear();
        return false;
    }
    const std::uint32_t type = read.Value().type;
    const std::vector<std::uint8_t>& data = read.Value().data;
    std::size_t kept = data.size();
    if (kept > 0 && data[kept - 1] == 0) --kept;  // the terminator

    if (type == regtype::Sz) {
        value.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(kept));
    } else if (type == regtype::Dword) {
        static constexpr char Digits[] = "0123456789ABCDEF";
        value = "&h";
        for (std::size_t i = kept; i-- > 0;) {
            value += Digits[data[i] >> 4];
            value += Digits[data[i] & 0x0F];
        }
    }
    return true;
}

void StartSysInfo(SysInfoServices services) {
    std::string path;
    std::string folder;
    if (GetKeyValue(services.registry, RegRoot::LocalMachine, ToolKey, ToolValue, path)) {
        // the path is the value
    } else if (GetKeyValue(services.registry, RegRoot::LocalMachine, FolderKey, FolderValue,
                           folder) &&
               services.files.FileExists(folder + ToolFile)) {
        path = folder + ToolFile;
    } else {
        services.boxes.Show(Unavailable, services.title, mb::OkOnly);
        return;
    }
    if (path.empty() || !services.launcher.Start(Unquoted(path), {}, show::Normal)) {
        services.boxes.Show(Unavailable, services.title, mb::OkOnly);
    }
}

}  // namespace quintel
