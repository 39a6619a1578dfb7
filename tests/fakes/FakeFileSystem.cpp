#include "fakes/FakeFileSystem.h"

#include "core/tuning/RenameReplace.h"

namespace quintel::test {

bool FakeFileSystem::FileExists(const std::string& path) {
    const auto it = files_.find(path);
    if (it == files_.end()) return false;
    return !it->second.attributes.hidden && !it->second.attributes.system;
}

FileResult<std::string> FakeFileSystem::ReadFile(const std::string& path) {
    const auto it = files_.find(path);
    if (it == files_.end() || unreadable_.count(path)) {
        return FileError{path, it == files_.end() ? "The system cannot find the file specified."
                                                  : "Access is denied."};
    }
    return it->second.contents;
}

FileResult<std::string> FakeFileSystem::ReadFilePrefix(const std::string& path,
                                                       std::size_t count) {
    auto read = ReadFile(path);
    if (read && read.Value().size() > count) read.Value().resize(count);
    return read;
}

bool FakeFileSystem::ParentExists(const std::string& path) const {
    const auto slash = path.find_last_of('\\');
    if (slash == std::string::npos) return true;
    const std::string parent = path.substr(0, slash);
    // A drive root always exists.
    return parent.size() <= 2 || folders_.count(parent) != 0;
}

FileResult<> FakeFileSystem::ReplaceFileContents(const std::string& path,
                                                 const std::string& contents) {
    ++writes_;
    if (folders_.count(path)) {
        return FileError{path, "a folder of that name is in the way"};
    }
    if (!ParentExists(path)) {
        return FileError{path, "The system cannot find the path specified."};
    }
    const auto existing = files_.find(path);
    if (existing != files_.end() && existing->second.attributes.readOnly) {
        return FileError{path, "Access is denied."};
    }
    if (contents.size() > diskSpace_) {
        return FileError{path, "There is not enough space on the disk."};
    }
    if (!byRenaming_) {
        files_[path] = File{contents, {}};
        return {};
    }
    files_[TemporaryFileFor(path)] = File{contents, {}};
    return MoveIntoPlaceByRenaming(*this, path);
}

FileResult<> FakeFileSystem::RenameFile(const std::string& from, const std::string& to) {
    const auto source = files_.find(from);
    if (source == files_.end()) {
        return FileError{to, "The system cannot find the file specified."};
    }
    if (files_.count(to) || folders_.count(to)) {
        return FileError{to, "Cannot create a file when that file already exists."};
    }
    if (stuck_.count(from)) {
        return FileError{to, "The process cannot access the file because it is being used by "
                              "another process."};
    }
    File moved = source->second;
    files_.erase(source);
    files_[to] = moved;
    renames_.push_back(from + " -> " + to);
    return {};
}

FileResult<FileEnd> FakeFileSystem::ReadFileEnd(const std::string& path, std::size_t count) {
    const auto read = ReadFile(path);
    if (!read) return read.Error();
    FileEnd end{read.Value(), read.Value().size()};
    if (end.bytes.size() > count) end.bytes.erase(0, end.bytes.size() - count);
    return end;
}

FileResult<> FakeFileSystem::MoveFileOver(const std::string& from, const std::string& to) {
    const auto source = files_.find(from);
    if (source == files_.end()) {
        return FileError{to, "The system cannot find the file specified."};
    }
    if (folders_.count(to)) {
        return FileError{to, "Access is denied."};
    }
    const auto existing = files_.find(to);
    if (existing != files_.end() && existing->second.attributes.readOnly) {
        return FileError{to, "Access is denied."};
    }
    File moved = source->second;
    files_.erase(source);
    files_[to] = moved;
    return {};
}

FileResult<> FakeFileSystem::RemoveFile(const std::string& path) {
    const auto it = files_.find(path);
    if (folders_.count(path)) {
        return FileError{path, "Access is denied."};
    }
    if (it == files_.end()) return {};
    if (it->second.attributes.readOnly) {
        return FileError{path, "Access is denied."};
    }
    files_.erase(it);
    return {};
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
