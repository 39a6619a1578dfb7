// The window-less engine commands: /show, /apply, /restore, /undo, /verify,
// /export and /findmtu.
#pragma once

#include <string>

#include "core/trace/Trace.h"
#include "platform/Clock.h"
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
    Clock& clock;
    // Whether the window (or another switch that writes) runs; asked only
    // by the switches that write.
    SingleInstance& instance;
    std::string appFolder;
    // The profile of the run (QUINTEL_TRACE=1); none in the tests.
    Trace* trace = nullptr;
};

namespace exitcode {
constexpr int Ok = 0;
constexpr int Failed = 1;
constexpr int Usage = 2;
// /verify: the registry holds other values than the settings file asks for.
constexpr int Differs = 3;
constexpr int AnotherInstance = 4;
// An unexpected error ended the program.
constexpr int Unexpected = 5;
}  // namespace exitcode

std::string UsageText();

// Each appends what it has to say to `out` and its failures to `err`.

// Lists the family, the mode and every value Apply would touch: one line
// each, tab-separated (key, value name, what it holds now, what it would
// hold, "changed" or "same", and "not read by this Windows" where that
// applies), then "N of M values change". A settings file that is missing,
// unreadable or malformed is named and nothing is listed.
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
// Puts back what the last /apply, /restore or Apply in the window
// replaced: every value and the settings file.
int RunUndo(EngineContext& ctx, std::string& out, std::string& err);
// Compares the registry with what the settings file asks for and lists
// each value that differs (key, value name, expected, found): exit 0 when
// all match, 3 when some differ, 1 for an unusable settings file.
int RunVerify(EngineContext& ctx, std::string& out, std::string& err);

}  // namespace quintel
