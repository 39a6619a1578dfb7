// What the windows need from the rest of the program: the platform
// services, the application's identity and the program-wide records.
#pragma once

#include <string>

#include "core/text/Paths.h"
#include "core/trace/Trace.h"
#include "core/tuning/TuningSettings.h"
#include "ui/forms/Form.h"
#include "platform/Background.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Instance.h"
#include "platform/IpHelper.h"
#include "platform/MessageBoxes.h"
#include "platform/Network.h"
#include "platform/NotifyArea.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Shutdown.h"
#include "platform/Sound.h"
#include "platform/UserSettings.h"
#include "platform/VersionQuery.h"
#include "core/ping/PingSettings.h"
#include "core/system/WindowsFamily.h"

namespace quintel {

struct Services {
    forms::FormHost& host;
    MessageBoxes& boxes;
    FileSystem& files;
    Registry& registry;
    VersionQuery& version;
    IpHelper& ipHelper;
    ProcessLauncher& launcher;
    Beeper& beeper;
    UserSettings& userSettings;
    Shutdown& shutdown;
    FileDialogs& dialogs;
    Sockets& sockets;
    Icmp& icmp;
    SoundPlayer& sound;
    Shell& shell;
    KeepAliveControl& keepAlive;
    NotifyArea& tray;
    BackgroundWork& background;
    Clock& clock;
};

struct AppContext {
    Services services;
    Trace& trace;          // the start-up profile; records only when asked for
    std::string folder;    // the folder of the executable
    VersionInfo version;   // from the version resource
    std::string helpFile;  // set at start-up

    TuningState tuning;
    WindowsFamily CurrentWindowsFamily;
    PingSettings pingSettings;

    // The application title: the product name.
    const std::string& Title() const { return version.ProductName; }
    std::string FilePath(const std::string& name) const { return AppFilePath(folder, name); }
};

}  // namespace quintel
