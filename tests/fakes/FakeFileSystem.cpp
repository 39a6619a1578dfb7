#include "fakes/FakeFileSystem.h"

#include "core/tuning/RenameReplace.h"

namespace quintel::test {

bool FakeFileSystem::FileExists(const std::string& path) {
    const auto it = files_.find(path);
    if (it == files_.end()) return false;
    return !it->second.attributes.hidden && !it->second.attributes.system;
}

bool FakeFileSystem::ReadFile(const std::string& path, std::string& contents, FileError& error) {
    const auto it = files_.find(path);
    if (it == files_.end() || unreadable_.count(path)) {
        error = FileError{path, it == files_.end() ? "The system cannot find the file specified."
                                                   : "Access is denied."};
        return false;
    }
    contents = it->second.contents;
    return true;
}

bool FakeFileSystem::ReadFilePrefix(const std::string& path, std::size_t count,
                                    std::string& contents, FileError& error) {
    if (!ReadFile(path, contents, error)) return false;
    if (contents.size() > count) contents.resize(count);
    return true;
}

bool FakeFileSystem::ParentExists(const std::string& path) const {
    const auto slash = path.find_last_of('\\');
    if (slash == std::string::npos) return true;
    const std::string parent = path.substr(0, slash);
    // A drive root always exists.
    return parent.size() <= 2 || folders_.count(parent) != 0;
}

bool FakeFileSystem::ReplaceFileContents(const std::string& path, const std::string& contents,
                                 FileError& error) {
    ++writes_;
    if (folders_.count(path)) {
        error = FileError{path, "a folder of that name is in the way"};
        return false;
    }
    if (!ParentExists(path)) {
        error = FileError{path, "The system cannot find the path specified."};
        return false;
    }
    const auto existing = files_.find(path);
    if (existing != files_.end() && existing->second.attributes.readOnly) {
        error = FileError{path, "Access is denied."};
        return false;
    }
    if (contents.size() > diskSpace_) {
        error = FileError{path, "There is not enough space on the disk."};
        return false;
    }
    if (!byRenaming_) {
        files_[path] = File{contents, {}};
        return true;
    }
    files_[TemporaryFileFor(path)] = File{contents, {}};
    return MoveIntoPlaceByRenaming(*this, path, error);
}

bool FakeFileSystem::RenameFile(const std::string& from, const std::string& to,
                                FileError& error) {
    const auto source = files_.find(from);
    if (source == files_.end()) {
        error = FileError{to, "The system cannot find the file specified."};
        return false;
    }
    if (files_.count(to) || folders_.count(to)) {
        error = FileError{to, "Cannot create a file when that file already exists."};
        return false;
    }
    if (stuck_.count(from)) {
        error = FileError{to, "The process cannot access the file because it is being used by "
                              "another process."};
        return false;
    }
    File moved = source->second;
    files_.erase(source);
    files_[to] = moved;
    renames_.push_back(from + " -> " + to);
    return true;
}

bool FakeFileSystem::ReadFileEnd(const std::string& path, std::size_t count,
                                 std::string& contents, std::uint64_t& size, FileError& error) {
    if (!ReadFile(path, contents, error)) return false;
    size = contents.size();
    if (contents.size() > count) contents.erase(0, contents.size() - count);
    return true;
}

bool FakeFileSystem::MoveFileOver(const std::string& from, const std::string& to,
                                  FileError& error) {
    const auto source = files_.find(from);
    if (source == files_.end()) {
        error = FileError{to, "The system cannot find the file specified."};
        return false;
    }
    if (folders_.count(to)) {
        error = FileError{to, "Access is denied."};
        return false;
    }
    const auto existing = files_.find(to);
    if (existing != files_.end() && existing->second.attributes.readOnly) {
        error = FileError{to, "Access is denied."};
        return false;
    }
    File moved = source->second;
    files_.erase(source);
    files_[to] = moved;
    return true;
}

bool FakeFileSystem::RemoveFile(const std::string& path, FileError& error) {
    const auto it = files_.find(path);
    if (folders_.count(path)) {
        error = FileError{path, "Access is denied."};
        return false;
    }
    if (it == files_.end()) return true;
    if (it->second.attributes.readOnly) {
        error = FileError{path, "Access is denied."};
        return false;
    }
    files_.erase(it);
    return true;
}

void FakeFileSystem::Put(const std::string& path, const std::string& contents,
                         Attributes attributes) {
    files_[path] = File{contents, attributes};
}

std::string FakeFileSystem::Contents(const std::string& path) const {
    const auto it = files_.find(path);
    return it == files_.end() ? std::string() : it->second.contents;
}

}  // namespace quintel::test
