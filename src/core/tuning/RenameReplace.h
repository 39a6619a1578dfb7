// Replacing a file where Windows cannot rename over one (95, 98 and ME
// have no MoveFileEx), and finishing such a replace that was cut short.
//
// The new contents go to "<file>.tmp" first; then the old file is renamed
// to "<file>.old", the temporary file to the file, and the old copy is
// deleted. A crash between the renames leaves no file under the real name
// but both complete copies beside it, so the loaders put one back before
// they read.
#pragma once

#include <functional>
#include <string>

#include "platform/FileSystem.h"

namespace quintel {

std::string TemporaryFileFor(const std::string& path);
std::string SetAsideFileFor(const std::string& path);

// Puts the complete temporary file of `path` in its place by renames only.
// On failure the old file is back under its name, the temporary file is
// gone, and the error says why the replace failed.
FileResult<> MoveIntoPlaceByRenaming(FileSystem& files, const std::string& path);

// When `path` is missing but a replace left its copies beside it: the
// temporary file takes its place when `complete` accepts its text (the
// new contents had been written in full), otherwise the old copy set
// aside goes back. Nothing happens while `path` is there.
void FinishInterruptedReplace(FileSystem& files, const std::string& path,
                              const std::function<bool(const std::string&)>& complete);

// True when `path` is missing only because a replace is under way or was
// cut short: one of its copies stands beside it.
bool ReplaceUnderway(FileSystem& files, const std::string& path);

}  // namespace quintel
