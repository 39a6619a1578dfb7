// A complete set of fakes and an application context wired to them, for
// tests of the windows.
#pragma once

#include "fakes/FakeBackground.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeForms.h"
#include "fakes/FakeNetwork.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSystem.h"
#include "ui/mainwindow/AppContext.h"

namespace quintel::test {

struct FakeServices {
    FakeFormHost host;
    FakeMessageBoxes boxes;
    FakeFileSystem files;
    FakeRegistry registry;
    FakeVersionQuery version;
    FakeIpHelper ipHelper;
    FakeLauncher launcher;
    FakeBeeper beeper;
    FakeUserSettings userSettings;
    FakeShutdown shutdown;
    FakeFileDialogs dialogs;
    FakeSockets sockets;
    FakeIcmp icmp;
    FakeSoundPlayer sound;
    FakeShell shell;
    FakeKeepAliveControl keepAlive;
    FakeNotifyArea tray;
    FakeBackgroundWork background;
    FakeClock clock;
    Trace trace;  // off

    static constexpr const char* Folder = "C:\\Program Files\\Quintel";

    FakeServices() {
        files.MakeFolder(Folder);
        version.version = OsVersion{2, 5, 1};  // Windows XP
        ipHelper.address = Ipv4Address{192, 168, 0, 10};
        // The tip of the day stays away unless a test asks for it.
        userSettings.values[TipSettingKey] = "0";
    }

    static constexpr const char* TipSettingKey = "Quintel|Options|Show Tips at Startup";

    AppContext MakeContext() {
        AppContext app{Services{host, boxes, files, registry, version, ipHelper, launcher, beeper,
                                userSettings, shutdown, dialogs, sockets, icmp, sound, shell, keepAlive, tray,
                                background, clock},
                       trace, Folder, VersionInfo{5, 0, 0, "Quintel", "Quintel"}, "", {}, {}, {}};
        return app;
    }
};

}  // namespace quintel::test
