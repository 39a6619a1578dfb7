#include "core/tuning/RegFunctions.h"

#include <vector>

namespace quintel {

namespace {

std::vector<std::uint8_t> SzData(std::int32_t value) {
    const std::string text = std::to_string(value);
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return data;
}

std::vector<std::uint8_t> DwordData(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

}  // namespace

long WriteRegistryValue(Registry& registry, RegRoot root, const std::string& path,
                        const std::string& valueName, std::uint32_t type, std::int32_t value,
                        bool deleteFlag) {
    const Result<RegKey> opened = registry.CreateKey(root, path, WriterKeyAccess);
    if (!opened) {
        // Without a key there is nothing to write to; the caller hears why.
        return opened.Code();
    }
    const RegKey key = opened.Value();
    const long result = WriteValueToKey(registry, key, valueName, type, value, deleteFlag);
    // The write's answer is what matters; a close that fails loses nothing.
    (void)registry.CloseKey(key);
    return result;
}

long WriteValueToKey(Registry& registry, RegKey key, const std::string& valueName,
                     std::uint32_t type, std::int32_t value, bool deleteFlag) {
    if (type != regtype::Sz && type != regtype::Dword) return regcode::Success;
    if (deleteFlag) return registry.DeleteValue(key, valueName).Code();
    return registry
        .SetValue(key, valueName, type, type == regtype::Sz ? SzData(value) : DwordData(value))
        .Code();
}

RegValue ValueAsWritten(std::uint32_t type, std::int32_t value) {
    return RegValue{type, type == regtype::Sz ? SzData(value) : DwordData(value)};
}

std::string ValueNameText(const std::string& valueName) {
    return valueName.empty() ? "(Default)" : valueName;
}

std::string ValuePathText(const std::string& path, const std::string& valueName) {
    return "HKEY_LOCAL_MACHINE\\" + path + " value " + ValueNameText(valueName);
}

std::int32_t BooleanToFlag(bool value) {
    return value ? 1 : 0;
}

}  // namespace quintel
