// The window-less engine commands: /show, /apply, /restore, /export and /findmtu.
#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/Instance.h"
#include "platform/Network.h"
#include "platform/Registry.h"
#include "platform/VersionQuery.h"

namespace quintel {

struct EngineContext {
    Registry& registry;
    FileSystem& files;
    VersionQuery& version;
    // Whether the window (or another switch that writes) runs; asked only
    // by the switches that write.
    SingleInstance& instance;
    std::string appFolder;
};

namespace exitcode {
constexpr int Ok = 0;
constexpr int Failed = 1;
constexpr int Usage = 2;
// 3 is an unexpected error that ended the program.
constexpr int AnotherInstance = 4;
}  // namespace exitcode

std::string UsageText();

// Each appends what it has to say to `out` and its failures to `err`.

// Lists the family and every registry write or removal Apply would make.
// A settings file that is missing, unreadable or malformed is named and
// nothing is listed.
int RunShow(EngineContext& ctx, std::string& out, std::string& err);
// Loads the saved choice and applies it again: file and registry. A
// settings file that is missing, unreadable or malformed is named and
// nothing is written.
int RunApply(EngineContext& ctx, std::string& out, std::string& err);
// Puts the Windows defaults into the file and the registry.
int RunRestore(EngineContext& ctx, std::string& out, std::string& err);
// Writes what Apply would write on this machine, for the saved choice, as
// a registry file the system's editor imports (regedit /s): the form of
// the running family, removals as "Name"=-. Reads the registry only for
// the adapters and interfaces it lists. The file is replaced whole or not
// at all.
int RunExport(EngineContext& ctx, const std::string& path, std::string& out, std::string& err);
// Finds the largest MTU on the path to `host` (empty: the ping host of
// "Ping.cfg", as the window offers it) and says what it found, or why it
// found none. Writes nothing.
int RunFindMtu(EngineContext& ctx, Sockets& sockets, Icmp& icmp, const std::string& host,
               std::string& out, std::string& err);

}  // namespace quintel
