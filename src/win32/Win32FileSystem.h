// The program's files through kernel32, with the atomic replace the
// settings files rely on.
#pragma once

#include "platform/FileSystem.h"

namespace quintel::win32 {

class Win32FileSystem : public FileSystem {
public:
    // Replaces and opens files the way the running Windows allows: 95, 98
    // and ME have no MoveFileEx and refuse FILE_SHARE_DELETE.
    Win32FileSystem();
    // For the tests: the Windows 9x way (renames only, no delete sharing)
    // or the NT way, whatever Windows runs.
    explicit Win32FileSystem(bool windows9x) : windows9x_(windows9x) {}

    bool FileExists(const std::string& path) override;
    FileResult<std::string> ReadFile(const std::string& path) override;
    FileResult<std::string> ReadFilePrefix(const std::string& path, std::size_t count) override;
    FileResult<> ReplaceFileContents(const std::string& path, const std::string& contents) override;
    FileResult<> RenameFile(const std::string& from, const std::string& to) override;
    FileResult<FileEnd> ReadFileEnd(const std::string& path, std::size_t count) override;
    FileResult<> MoveFileOver(const std::string& from, const std::string& to) override;
    FileResult<> RemoveFile(const std::string& path) override;

private:
    bool windows9x_;
};

}  // namespace quintel::win32
