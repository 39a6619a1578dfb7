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
    bool ReadFile(const std::string& path, std::string& contents, FileError& error) override;
    bool ReadFilePrefix(const std::string& path, std::size_t count, std::string& contents,
                        FileError& error) override;
    bool ReplaceFileContents(const std::string& path, const std::string& contents,
                     FileError& error) override;
    bool RenameFile(const std::string& from, const std::string& to, FileError& error) override;
    bool ReadFileEnd(const std::string& path, std::size_t count, std::string& contents,
                     std::uint64_t& size, FileError& error) override;
    bool MoveFileOver(const std::string& from, const std::string& to, FileError& error) override;
    bool RemoveFile(const std::string& path, FileError& error) override;

private:
    bool windows9x_;
};

}  // namespace quintel::win32
