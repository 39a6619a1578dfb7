// In-memory files with Windows-style, case-insensitive paths. Folders and
// hidden or system files can be put in place, and writes can be made to
// fail the way a full disk or a read-only medium makes them fail.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/FakeRegistry.h"
#include "platform/FileSystem.h"

namespace quintel::test {

struct FakeFileAttributes {
    bool hidden = false;
    bool system = false;
    bool readOnly = false;
};

class FakeFileSystem : public FileSystem {
public:
    using Attributes = FakeFileAttributes;

    bool FileExists(const std::string& path) override;
    FileResult<std::string> ReadFile(const std::string& path) override;
    FileResult<std::string> ReadFilePrefix(const std::string& path, std::size_t count) override;
    FileResult<> ReplaceFileContents(const std::string& path, const std::string& contents) override;
    FileResult<> RenameFile(const std::string& from, const std::string& to) override;
    FileResult<FileEnd> ReadFileEnd(const std::string& path, std::size_t count) override;
    FileResult<> MoveFileOver(const std::string& from, const std::string& to) override;
    FileResult<> RemoveFile(const std::string& path) override;

    void Put(const std::string& path, const std::string& contents, Attributes attributes = {});
    void MakeFolder(const std::string& path) { folders_.insert(path); }
    bool HasFolder(const std::string& path) const { return folders_.count(path) != 0; }
    bool Has(const std::string& path) const { return files_.count(path) != 0; }
    std::string Contents(const std::string& path) const;
    void Remove(const std::string& path) { files_.erase(path); }

    // The next writes stop after `bytes` bytes, as on a full disk.
    void FailWritesAfter(std::size_t bytes) { diskSpace_ = bytes; }
    // Reading this file fails although it exists.
    void MakeUnreadable(const std::string& path) { unreadable_.insert(path); }

    // Replaces as on Windows 95, 98 and ME: the temporary file is written
    // and then renamed into place, with the old file set aside meanwhile.
    void ReplaceByRenaming() { byRenaming_ = true; }
    // Renaming this file away fails, as when another program has it open.
    void FailRenamesOf(const std::string& path) { stuck_.insert(path); }
    // Each rename done, "from -> to", in order.
    std::vector<std::string> Renames() const { return renames_; }

    int Writes() const { return writes_; }

private:
    struct File {
        std::string contents;
        Attributes attributes;
    };
    bool ParentExists(const std::string& path) const;

    std::map<std::string, File, CaseInsensitiveLess> files_;
    std::set<std::string, CaseInsensitiveLess> folders_;
    std::set<std::string, CaseInsensitiveLess> unreadable_;
    std::set<std::string, CaseInsensitiveLess> stuck_;
    std::vector<std::string> renames_;
    bool byRenaming_ = false;
    std::size_t diskSpace_ = static_cast<std::size_t>(-1);
    int writes_ = 0;
};

}  // namespace quintel::test
