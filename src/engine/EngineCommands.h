// The window-less engine commands: /show, /apply and /restore.
#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/VersionQuery.h"

namespace quintel {

struct EngineContext {
    Registry& registry;
    FileSystem& files;
    VersionQuery& version;
    std::string appFolder;
};

namespace exitcode {
constexpr int Ok = 0;
constexpr int Failed = 1;
constexpr int Usage = 2;
}  // namespace exitcode

std::string UsageText();

// Each appends what it has to say to `out` and its failures to `err`.

// Lists the family and every registry write or removal Apply would make.
int RunShow(EngineContext& ctx, std::string& out, std::string& err);
// Loads the saved choice and applies it again: file and registry.
int RunApply(EngineContext& ctx, std::string& out, std::string& err);
// Puts the Windows defaults into the file and the registry.
int RunRestore(EngineContext& ctx, std::string& out, std::string& err);

}  // namespace quintel
