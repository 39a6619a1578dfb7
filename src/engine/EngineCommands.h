// The window-less engine commands: /show, /apply and /restore.
#pragma once

#include <ostream>
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

// Prints the family and every registry write or removal Apply would make.
int RunShow(EngineContext& ctx, std::ostream& out, std::ostream& err);
// Loads the saved choice and applies it again: file and registry.
int RunApply(EngineContext& ctx, std::ostream& out, std::ostream& err);
// Puts the Windows defaults into the file and the registry.
int RunRestore(EngineContext& ctx, std::ostream& out, std::ostream& err);

}  // namespace quintel
