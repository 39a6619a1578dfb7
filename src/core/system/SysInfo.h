// Finding and starting the Windows System Information tool.
#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Processes.h"
#include "platform/Registry.h"

namespace quintel {

// Reads a REG_SZ value as its text (without the terminating zero) and a
// REG_DWORD as "&h" and its bytes in hexadecimal, high byte first. A value
// of another type leaves `value` as it was and still counts as read.
// False, with `value` empty, when the key or the value cannot be read.
bool GetKeyValue(Registry& registry, RegRoot root, const std::string& keyPath,
                 const std::string& valueName, std::string& value);

struct SysInfoServices {
    Registry& registry;
    FileSystem& files;
    ProcessLauncher& launcher;
    MessageBoxes& boxes;
    std::string title;
};

// Starts the tool where the registry says it is, or tells the user it is
// unavailable.
void StartSysInfo(SysInfoServices services);

}  // namespace quintel
