// The contract suites' hooks under Wine: the real Win32 implementations,
// a scratch registry key and a scratch folder.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "contract/Contract.h"
#include "wine/WineHelpers.h"
#include "win32/Win32Background.h"
#include "win32/Win32Clock.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"

namespace quintel::contract {

namespace {

constexpr const char* ScratchRoot = "SYSTEM\\QuintelContract";

struct Win32RegistryTarget : RegistryTarget {
    win32::Win32Registry real;
    Win32RegistryTarget() { wine::DeleteKeyTree(HKEY_LOCAL_MACHINE, ScratchRoot); }
    ~Win32RegistryTarget() override { wine::DeleteKeyTree(HKEY_LOCAL_MACHINE, ScratchRoot); }
    Registry& registry() override { return real; }
    std::string scratchKey() override { return ScratchRoot; }
};

// QUINTEL_CONTRACT_WINDOWS9X=1 runs the file suite against the replace of
// Windows 95, 98 and ME (renames only), on the same real files.
bool Windows9xReplace() {
    const char* choice = std::getenv("QUINTEL_CONTRACT_WINDOWS9X");
    return choice && std::string(choice) == "1";
}

struct Win32FileTarget : FileTarget {
    win32::Win32FileSystem real{Windows9xReplace()};
    wine::ScratchFolder scratch{"quintel-contract"};
    FileSystem& files() override { return real; }
    std::string folder() override { return scratch.path(); }
    void MakeFolder(const std::string& path) override { CreateDirectoryA(path.c_str(), nullptr); }
    void MakeFile(const std::string& path, const std::string& contents,
                  FileAttributes a) override {
        wine::WriteTextFile(path, contents);
        DWORD attributes = FILE_ATTRIBUTE_NORMAL;
        if (a.hidden || a.system || a.readOnly) attributes = 0;
        if (a.hidden) attributes |= FILE_ATTRIBUTE_HIDDEN;
        if (a.system) attributes |= FILE_ATTRIBUTE_SYSTEM;
        if (a.readOnly) attributes |= FILE_ATTRIBUTE_READONLY;
        SetFileAttributesA(path.c_str(), attributes);
    }
    bool AnythingAt(const std::string& path) override {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};

struct Win32BackgroundTarget : BackgroundTarget {
    win32::PendingError errors;
    win32::Win32BackgroundWork real{errors};
    BackgroundWork& work() override { return real; }
    // The message loop, for as long as the work may take and no longer
    // than a minute: a completion that never comes fails the test instead
    // of hanging it.
    void RunUntil(const std::function<bool()>& until) override {
        const DWORD start = GetTickCount();
        while (!until() && GetTickCount() - start < 60000) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            MSG message{};
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            errors.RethrowIfAny();
        }
    }
    unsigned long ThisThread() override { return GetCurrentThreadId(); }
};

}  // namespace

std::unique_ptr<BackgroundTarget> MakeBackgroundTarget() {
    return std::make_unique<Win32BackgroundTarget>();
}

std::unique_ptr<RegistryTarget> MakeRegistryTarget() {
    return std::make_unique<Win32RegistryTarget>();
}

std::unique_ptr<FileTarget> MakeFileTarget() {
    return std::make_unique<Win32FileTarget>();
}

std::unique_ptr<Clock> MakeClock() {
    return std::make_unique<win32::Win32Clock>();
}

}  // namespace quintel::contract
