// Whole-file access for the program's small text files. Reads and writes
// are one operation each; a write replaces the file atomically, so a crash
// or a full disk leaves either the old file or the new one, never a mix.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quintel {

struct FileError {
    std::string path;
    std::string reason;  // the system's description of what went wrong
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True for an ordinary, read-only or archive file; false for a folder,
    // a hidden or system file, or nothing at all.
    virtual bool FileExists(const std::string& path) = 0;

    // The whole file as bytes, or the reason it could not be read.
    virtual bool ReadFile(const std::string& path, std::string& contents, FileError& error) = 0;

    // At most the first `count` bytes of the file.
    virtual bool ReadFilePrefix(const std::string& path, std::size_t count, std::string& contents,
                                FileError& error) = 0;

    // Writes `contents` to a temporary file beside `path`, checks that every
    // byte arrived, flushes it and renames it over `path`. On failure the
    // old file is untouched.
    virtual bool ReplaceFileContents(const std::string& path, const std::string& contents,
                             FileError& error) = 0;

    // Renames a file; fails when anything already stands at `to`, as
    // MoveFile does. The steps of a replace on Windows 95, 98 and ME.
    virtual bool RenameFile(const std::string& from, const std::string& to, FileError& error) = 0;

    // At most the last `count` bytes of the file, and its whole size.
    virtual bool ReadFileEnd(const std::string& path, std::size_t count, std::string& contents,
                             std::uint64_t& size, FileError& error) = 0;

    // Renames the file `from` to `to` in the same folder, replacing a file
    // already at `to`. On failure `to` is as it was.
    virtual bool MoveFileOver(const std::string& from, const std::string& to,
                              FileError& error) = 0;

    // Deletes the file; true when none is left there, also when there was
    // none to begin with.
    virtual bool RemoveFile(const std::string& path, FileError& error) = 0;
};

}  // namespace quintel
