#include "win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>

#include "core/tuning/RenameReplace.h"
#include "win32/Handles.h"
#include "win32/Win32Registry.h"

namespace quintel::win32 {

namespace {

FileError Fail(const std::string& path, DWORD code) {
    return FileError{path, SystemErrorText(code)};
}

// A handle closed by hand where its close must be checked: a file written
// is only known to be whole when its close succeeds.
bool CloseChecked(UniqueHandle& file) {
    return CloseHandle(file.Release()) != FALSE;
}

bool WriteAll(HANDLE file, const std::string& contents, DWORD& lastError) {
    std::size_t done = 0;
    while (done < contents.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(contents.size() - done);
        if (!WriteFile(file, contents.data() + done, chunk, &written, nullptr)) {
            lastError = GetLastError();
            return false;
        }
        // A short write with success reported: the disk is full.
        if (written == 0) {
            lastError = ERROR_DISK_FULL;
            return false;
        }
        done += written;
    }
    return true;
}

// A replace that could not rename its temporary file over `path`.
FileError FailedMove(const std::string& temporary, const std::string& path, DWORD code) {
    DeleteFileA(temporary.c_str());
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return FileError{path, "a folder of that name is in the way"};
    }
    return Fail(path, code);
}

// A rename that failed because another program has `path` open: the
// companion reads Ping.cfg every second, for the moment a read takes.
// Windows says so with a sharing violation, or with access denied when
// the reader allows deletion but a file still open cannot be replaced.
// A folder or a read-only file gives access denied for good.
bool InUseForNow(DWORD code, const std::string& path) {
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION) return true;
    if (code != ERROR_ACCESS_DENIED) return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

// Runs a rename again while a reader holds the file, for half a second
// at most: far longer than any read of these small files takes.
template <typename Rename>
bool RenameWhenFree(Rename rename, const std::string& busyPath, DWORD& lastError) {
    constexpr int Tries = 50;
    constexpr DWORD Pause = 10;
    for (int attempt = 1;; ++attempt) {
        if (rename()) return true;
        lastError = GetLastError();
        if (attempt == Tries || !InUseForNow(lastError, busyPath)) return false;
        Sleep(Pause);
    }
}

// Windows 95, 98 and ME set the top bit of GetVersion's answer.
bool RunsWindows9x() {
    return (GetVersion() & 0x80000000u) != 0;
}

}  // namespace

Win32FileSystem::Win32FileSystem() : windows9x_(RunsWindows9x()) {}

bool Win32FileSystem::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                          FILE_ATTRIBUTE_SYSTEM)) == 0;
}

FileResult<std::string> Win32FileSystem::ReadFile(const std::string& path) {
    return ReadFilePrefix(path, static_cast<std::size_t>(-1));
}

FileResult<std::string> Win32FileSystem::ReadFilePrefix(const std::string& path,
                                                        std::size_t count) {
    // The companion reads Ping.cfg every second while the ping tab may
    // save it: delete sharing keeps a read from refusing the save's rename
    // outright; where Windows still will not replace a file that is open,
    // the save tries again a moment later (RenameWhenFree). Windows 9x
    // knows no such flag and refuses the open when it is given.
    const DWORD sharing =
        FILE_SHARE_READ | FILE_SHARE_WRITE | (windows9x_ ? 0 : FILE_SHARE_DELETE);
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Fail(path, GetLastError());

    std::string contents;
    char buffer[4096];
    while (contents.size() < count) {
        DWORD read = 0;
        const std::size_t wanted = std::min<std::size_t>(sizeof buffer, count - contents.size());
        if (!::ReadFile(file.Get(), buffer, static_cast<DWORD>(wanted), &read, nullptr)) {
            return Fail(path, GetLastError());
        }
        if (read == 0) break;
        contents.append(buffer, read);
    }
    return contents;
}

FileResult<> Win32FileSystem::ReplaceFileContents(const std::string& path,
                                                  const std::string& contents) {
    const std::string temporary = TemporaryFileFor(path);
    {
        UniqueHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return Fail(path, GetLastError());

        DWORD lastError = 0;
        if (!WriteAll(file.Get(), contents, lastError) || !FlushFileBuffers(file.Get())) {
            if (lastError == 0) lastError = GetLastError();
            file.Reset();
            DeleteFileA(temporary.c_str());
            return Fail(path, lastError);
        }
        if (!CloseChecked(file)) {
            const DWORD closeError = GetLastError();
            DeleteFileA(temporary.c_str());
            return Fail(path, closeError);
        }
    }

    // A folder or a read-only file in the way refuses the replace before
    // anything moves, as Windows' MoveFileEx does (Wine would replace a
    // read-only file), and as the renames below could not tell.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
        return FailedMove(temporary, path, ERROR_ACCESS_DENIED);
    }

    if (!windows9x_) {
        DWORD moveError = 0;
        const auto moveOver = [&] {
            return MoveFileExA(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
        };
        if (RenameWhenFree(moveOver, path, moveError)) return {};
        // A system that only pretends to be NT may still lack the call.
        if (moveError != ERROR_CALL_NOT_IMPLEMENTED) return FailedMove(temporary, path, moveError);
    }

    return MoveIntoPlaceByRenaming(*this, path);
}

FileResult<> Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
    DWORD lastError = 0;
    const auto rename = [&] { return MoveFileA(from.c_str(), to.c_str()) != FALSE; };
    if (RenameWhenFree(rename, from, lastError)) return {};
    return Fail(to, lastError);
}

FileResult<FileEnd> Win32FileSystem::ReadFileEnd(const std::string& path, std::size_t count) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Fail(path, GetLastError());
    DWORD high = 0;
    const DWORD low = GetFileSize(file.Get(), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
        return Fail(path, GetLastError());
    }
    FileEnd end;
    const std::uint64_t size = (static_cast<std::uint64_t>(high) << 32) | low;
    end.size = size;
    const std::uint64_t start = size > count ? size - count : 0;
    LONG startHigh = static_cast<LONG>(start >> 32);
    if (SetFilePointer(file.Get(), static_cast<LONG>(start & 0xFFFFFFFFu), &startHigh,
                       FILE_BEGIN) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR) {
        return Fail(path, GetLastError());
    }
    std::string& contents = end.bytes;
    char buffer[4096];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) {
            return Fail(path, GetLastError());
        }
        if (read == 0) break;
        contents.append(buffer, read);
    }
    // A file that grew while it was read: only its last bytes count.
    if (contents.size() > count) contents.erase(0, contents.size() - count);
    return end;
}

FileResult<> Win32FileSystem::MoveFileOver(const std::string& from, const std::string& to) {
    // Windows refuses to replace a read-only file; Wine would replace it.
    const DWORD attributes = GetFileAttributesA(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return Fail(to, ERROR_ACCESS_DENIED);
    if (!windows9x_) {
        DWORD moveError = 0;
        const auto moveOver = [&] {
            return MoveFileExA(from.c_str(), to.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
        };
        if (RenameWhenFree(moveOver, to, moveError)) return {};
        if (moveError != ERROR_CALL_NOT_IMPLEMENTED) return Fail(to, moveError);
    }
    // Without MoveFileEx the same renames as a settings save: the older
    // file stays beside the new one until the new one is in place.
    if (from == TemporaryFileFor(to)) return MoveIntoPlaceByRenaming(*this, to);
    const auto cleared = RemoveFile(TemporaryFileFor(to));
    if (!cleared) return cleared;
    if (const auto renamed = RenameFile(from, TemporaryFileFor(to)); !renamed) return renamed;
    return MoveIntoPlaceByRenaming(*this, to);
}

FileResult<> Win32FileSystem::RemoveFile(const std::string& path) {
    if (DeleteFileA(path.c_str())) return {};
    const DWORD lastError = GetLastError();
    if (lastError == ERROR_FILE_NOT_FOUND) return {};
    return Fail(path, lastError);
}

}  // namespace quintel::win32
