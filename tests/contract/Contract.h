// The contract suites run against the in-memory fakes on the host and
// against the Win32 implementations under Wine. Each build supplies these
// hooks; the tests themselves are shared, so a fake cannot drift from what
// Windows does.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Background.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace quintel::contract {

// A registry and a scratch key under HKEY_LOCAL_MACHINE that the test may
// fill; the hooks remove it afterwards.
struct RegistryTarget {
    virtual ~RegistryTarget() = default;
    virtual Registry& registry() = 0;
    virtual std::string scratchKey() = 0;
};
std::unique_ptr<RegistryTarget> MakeRegistryTarget();

struct FileAttributes {
    bool hidden = false;
    bool system = false;
    bool readOnly = false;
};

// A file system and an empty scratch folder.
struct FileTarget {
    virtual ~FileTarget() = default;
    virtual FileSystem& files() = 0;
    virtual std::string folder() = 0;
    virtual void MakeFolder(const std::string& path) = 0;
    virtual void MakeFile(const std::string& path, const std::string& contents,
                          FileAttributes attributes) = 0;
    virtual bool AnythingAt(const std::string& path) = 0;
};
std::unique_ptr<FileTarget> MakeFileTarget();

// Background work, and the loop that hands its completions back.
struct BackgroundTarget {
    virtual ~BackgroundTarget() = default;
    virtual BackgroundWork& work() = 0;
    // Lets waiting completions run until `until` holds or none can come.
    virtual void RunUntil(const std::function<bool()>& until) = 0;
    // Which thread this is, to tell them apart.
    virtual unsigned long ThisThread() = 0;
};
std::unique_ptr<BackgroundTarget> MakeBackgroundTarget();
// A clock as the program is given one.
std::unique_ptr<Clock> MakeClock();

}  // namespace quintel::contract
