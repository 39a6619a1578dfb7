// Whole-file access for the program's small text files. Reads and writes
// are one operation each; a write replaces the file atomically, so a crash
// or a full disk leaves either the old file or the new one, never a mix.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Result.h"

namespace quintel {

// A file operation's failure names the file it concerns, which is not
// always the one asked about (a rename reports where it was going).
struct FileError {
    std::string path;
    std::string reason;  // the system's description of what went wrong
};

template <typename T = void>
using FileResult = Result<T, FileError>;

// The last bytes of a file and its whole size.
struct FileEnd {
    std::string bytes;
    std::uint64_t size = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True for an ordinary, read-only or archive file; false for a folder,
    // a hidden or system file, or nothing at all.
    virtual bool FileExists(const std::string& path) = 0;

    // The whole file as bytes, or the reason it could not be read.
    virtual FileResult<std::string> ReadFile(const std::string& path) = 0;

    // At most the first `count` bytes of the file.
    virtual FileResult<std::string> ReadFilePrefix(const std::string& path, std::size_t count) = 0;

    // Writes `contents` to a temporary file beside `path`, checks that every
    // byte arrived, flushes it and renames it over `path`. On failure the
    // old file is untouched.
    virtual FileResult<> ReplaceFileContents(const std::string& path, const std::string& contents) = 0;

    // Renames a file; fails when anything already stands at `to`, as
    // MoveFile does. The steps of a replace on Windows 95, 98 and ME.
    virtual FileResult<> RenameFile(const std::string& from, const std::string& to) = 0;

    // At most the last `count` bytes of the file, and its whole size.
    virtual FileResult<FileEnd> ReadFileEnd(const std::string& path, std::size_t count) = 0;

    // Renames the file `from` to `to` in the same folder, replacing a file
    // already at `to`. On failure `to` is as it was.
    virtual FileResult<> MoveFileOver(const std::string& from, const std::string& to) = 0;

    // Deletes the file; succeeds when none is left there, also when there was
    // none to begin with.
    virtual FileResult<> RemoveFile(const std::string& path) = 0;
};

}  // namespace quintel
