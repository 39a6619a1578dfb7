// The small system queries: Windows version, the IP address table, the
// program's folder, and message boxes.
#pragma once

#include <string>

#include "platform/IpHelper.h"
#include "platform/MessageBoxes.h"
#include "platform/VersionQuery.h"
#include "win32/Handles.h"

namespace quintel::win32 {

class Win32VersionQuery : public VersionQuery {
public:
    OsVersion QueryVersion() override;
};

// The first row of GetIpAddrTable from IPHLPAPI.DLL, loaded at run time:
// Windows 95 and NT before SP4 lack it.
class Win32IpHelper : public IpHelper {
public:
    Result<std::optional<Ipv4Address>> LocalIPv4() override;

private:
    // Loaded once: a library that is missing stays missing.
    bool tried_ = false;
    UniqueModule library_;
    SystemError loadError_;
};

class Win32MessageBoxes : public MessageBoxes {
public:
    explicit Win32MessageBoxes(void* owner = nullptr) : owner_(owner) {}
    void SetOwner(void* owner) { owner_ = owner; }
    int Show(const std::string& text, const std::string& caption, unsigned style) override;

private:
    void* owner_;
};

// The folder that holds the running executable, without a trailing
// backslash.
std::string ApplicationFolder();

}  // namespace quintel::win32
