#include "core/tuning/RenameReplace.h"

namespace quintel {

std::string TemporaryFileFor(const std::string& path) {
    return path + ".tmp";
}

std::string SetAsideFileFor(const std::string& path) {
    return path + ".old";
}

namespace {

// The replace failed: the message names the file the user knows.
FileError Failed(FileError error, const std::string& path) {
    error.path = path;
    return error;
}

}  // namespace

FileResult<> MoveIntoPlaceByRenaming(FileSystem& files, const std::string& path) {
    const std::string temporary = TemporaryFileFor(path);
    const std::string aside = SetAsideFileFor(path);
    // Clean-up steps' own failures are not reported: the caller needs the
    // reason the replace itself failed.

    bool setAside = false;
    if (files.FileExists(path)) {
        // An old copy still beside a file that is in place was left by a
        // replace cut short after its last rename: the file is newer.
        if (files.FileExists(aside)) {
            if (const auto removed = files.RemoveFile(aside); !removed) {
                static_cast<void>(files.RemoveFile(temporary));
                return Failed(removed.Error(), path);
            }
        }
        if (const auto renamed = files.RenameFile(path, aside); !renamed) {
            static_cast<void>(files.RemoveFile(temporary));
            return Failed(renamed.Error(), path);
        }
        setAside = true;
    }
    if (const auto renamed = files.RenameFile(temporary, path); !renamed) {
        // The old contents go back under their name. Should even that fail,
        // the temporary file must go too, so that the next load brings
        // back the old copy rather than the contents reported as unsaved.
        if (setAside) static_cast<void>(files.RenameFile(aside, path));
        static_cast<void>(files.RemoveFile(temporary));
        return Failed(renamed.Error(), path);
    }
    // The new file is in place; an old copy that cannot be deleted now is
    // deleted by the next replace.
    if (setAside || files.FileExists(aside)) static_cast<void>(files.RemoveFile(aside));
    return {};
}

void FinishInterruptedReplace(FileSystem& files, const std::string& path,
                              const std::function<bool(const std::string&)>& complete) {
    if (files.FileExists(path)) return;
    const std::string temporary = TemporaryFileFor(path);
    const std::string aside = SetAsideFileFor(path);
    // A failed step leaves the copies where they are: the load then sees
    // no file, and the next try (or the next save) starts from them again.
    if (files.FileExists(temporary)) {
        const auto text = files.ReadFile(temporary);
        if (text && complete(text.Value())) {
            if (files.RenameFile(temporary, path) && files.FileExists(aside)) {
                static_cast<void>(files.RemoveFile(aside));
            }
            return;
        }
    }
    if (files.FileExists(aside)) static_cast<void>(files.RenameFile(aside, path));
}

bool ReplaceUnderway(FileSystem& files, const std::string& path) {
    return files.FileExists(TemporaryFileFor(path)) || files.FileExists(SetAsideFileFor(path));
}

}  // namespace quintel
