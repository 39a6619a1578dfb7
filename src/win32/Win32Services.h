// The Win32 side of the services the windows use: starting programs, the
// beep, the per-user settings store, the single-instance rule and the
// program's own version information.
#pragma once

#include <string>

#include "platform/FileDialogs.h"
#include "platform/Instance.h"
#include "platform/Processes.h"
#include "platform/NotifyArea.h"
#include "platform/Shell.h"
#include "platform/Shutdown.h"
#include "platform/Sound.h"
#include "platform/UserSettings.h"
#include "win32/Handles.h"

namespace quintel::win32 {

// A process started to be let go has its handles closed at once; one
// started to be waited for keeps its process handle until its owner goes.
class Win32Launcher : public ProcessLauncher {
public:
    Result<std::uint32_t> Start(const std::string& program, const std::vector<std::string>& arguments,
                        int windowStyle) override;
    Result<std::unique_ptr<WaitableProcess>> StartToWait(const std::string& program,
                                                 const std::vector<std::string>& arguments,
                                                 int windowStyle) override;
    std::string SystemProgram(const std::string& name) override;
};

class Win32Beeper : public Beeper {
public:
    void Beep() override;
};

// Values live under HKEY_CURRENT_USER\Software\<app>\<section>.
class RegistryUserSettings : public UserSettings {
public:
    std::string GetSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& fallback) override;
    Result<> SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& value) override;
};

// A named mutex held for the life of the process.
class NamedMutexInstance : public SingleInstance {
public:
    explicit NamedMutexInstance(const std::string& name);
    bool AnotherInstanceRunning() override { return another_; }

private:
    UniqueHandle mutex_;
    bool another_ = false;
};

class Win32Shutdown : public Shutdown {
public:
    void EnableShutdownPrivilege() override;
    Result<> RequestRestart() override;
};

// The common Save dialog, owned by the window in front.
class Win32FileDialogs : public FileDialogs {
public:
    std::string AskSaveFileName(const SaveDialogOptions& options) override;
};

// ShellExecuteA "open", owned by the window in front.
class Win32Shell : public Shell {
public:
    Result<> Open(const std::string& target, int showCommand) override;
};

// Shell_NotifyIconA with the record's first, 88-byte form
// (win32/TrayRecord.h).
class Win32NotifyArea : public NotifyArea {
public:
    Result<> Add(const TrayIconInfo& icon) override;
    Result<> Modify(const TrayIconInfo& icon) override;
    Result<> Remove(const TrayIconInfo& icon) override;
};

// Tells a running Korvet.exe to pause or resume, and asks whether it is
// paused; nothing when none runs.
class KorvetKeepAliveControl : public KeepAliveControl {
public:
    void Pause() override;
    void Resume() override;
    KeepAliveState State() override;
};

// The version resource of the running executable.
VersionInfo ReadVersionInfo();

}  // namespace quintel::win32
