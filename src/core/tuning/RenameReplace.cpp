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
bool Failed(FileError& error, const std::string& path) {
    error.path = path;
    return false;
}

}  // namespace

bool MoveIntoPlaceByRenaming(FileSystem& files, const std::string& path, FileError& error) {
    const std::string temporary = TemporaryFileFor(path);
    const std::string aside = SetAsideFileFor(path);
    // Clean-up steps report into their own record: the caller needs the
    // reason the replace itself failed.
    FileError cleanup;

    bool setAside = false;
    if (files.FileExists(path)) {
        // An old copy still beside a file that is in place was left by a
        // replace cut short after its last rename: the file is newer.
        if (files.FileExists(aside) && !files.RemoveFile(aside, error)) {
            files.RemoveFile(temporary, cleanup);
            return Failed(error, path);
        }
        if (!files.RenameFile(path, aside, error)) {
            files.RemoveFile(temporary, cleanup);
            return Failed(error, path);
        }
        setAside = true;
    }
    if (!files.RenameFile(temporary, path, error)) {
        // The old contents go back under their name. Should even that fail,
        // the temporary file must go too, so that the next load brings
        // back the old copy rather than the contents reported as unsaved.
        if (setAside) files.RenameFile(aside, path, cleanup);
        files.RemoveFile(temporary, cleanup);
        return Failed(error, path);
    }
    // The new file is in place; an old copy that cannot be deleted now is
    // deleted by the next replace.
    if (setAside || files.FileExists(aside)) files.RemoveFile(aside, cleanup);
    return true;
}

void FinishInterruptedReplace(FileSystem& files, const std::string& path,
                              const std::function<bool(const std::string&)>& complete) {
    if (files.FileExists(path)) return;
    const std::string temporary = TemporaryFileFor(path);
    const std::string aside = SetAsideFileFor(path);
    // A failed step leaves the copies where they are: the load then sees
    // no file, and the next try (or the next save) starts from them again.
    FileError ignored;
    std::string text;
    if (files.FileExists(temporary) && files.ReadFile(temporary, text, ignored) && complete(text)) {
        if (files.RenameFile(temporary, path, ignored) && files.FileExists(aside)) {
            files.RemoveFile(aside, ignored);
        }
        return;
    }
    if (files.FileExists(aside)) files.RenameFile(aside, path, ignored);
}

bool ReplaceUnderway(FileSystem& files, const std::string& path) {
    return files.FileExists(TemporaryFileFor(path)) || files.FileExists(SetAsideFileFor(path));
}

}  // namespace quintel
