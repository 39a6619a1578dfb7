// What the fuzz targets share: an in-memory file system, a registry that
// accepts every write and keeps none, and a check that stops the run with
// a message libFuzzer shows beside the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace quintel::fuzz {

[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
    std::abort();
}

#define FUZZ_CHECK(condition) \
    ((condition) ? (void)0 : ::quintel::fuzz::Fail(#condition, __FILE__, __LINE__))

// Files are whole strings; a write replaces one at once, as the real
// implementation's temp-file-and-rename does.
class MemoryFiles : public FileSystem {
public:
    std::map<std::string, std::string> files;

    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    FileResult<std::string> ReadFile(const std::string& path) override {
        const auto found = files.find(path);
        if (found == files.end()) return FileError{path, "not found"};
        return found->second;
    }
    FileResult<std::string> ReadFilePrefix(const std::string& path, std::size_t count) override {
        auto read = ReadFile(path);
        if (read && read.Value().size() > count) read.Value().resize(count);
        return read;
    }
    FileResult<> ReplaceFileContents(const std::string& path, const std::string& contents) override {
        files[path] = contents;
        return {};
    }
    FileResult<> RenameFile(const std::string& from, const std::string& to) override {
        const auto found = files.find(from);
        if (found == files.end() || files.count(to)) return FileError{to, "cannot rename"};
        files[to] = found->second;
        files.erase(from);
        return {};
    }
    FileResult<FileEnd> ReadFileEnd(const std::string& path, std::size_t count) override {
        const auto read = ReadFile(path);
        if (!read) return read.Error();
        FileEnd end{read.Value(), read.Value().size()};
        if (end.bytes.size() > count) end.bytes.erase(0, end.bytes.size() - count);
        return end;
    }
    FileResult<> MoveFileOver(const std::string& from, const std::string& to) override {
        const auto found = files.find(from);
        if (found == files.end()) return FileError{to, "not found"};
        files[to] = found->second;
        files.erase(from);
        return {};
    }
    FileResult<> RemoveFile(const std::string& path) override {
        files.erase(path);
        return {};
    }
};

// Every key opens, every write succeeds, nothing is kept: the settings
// loader's round trip is what is under test, not the registry writer.
class NullRegistry : public Registry {
public:
    Result<RegKey> CreateKey(RegRoot, const std::string&, std::uint32_t) override {
        return RegKey{1};
    }
    Result<RegKey> OpenKey(RegRoot, const std::string&) override { return RegKey{1}; }
    Result<RegKey> OpenKeyEx(RegRoot, const std::string&, std::uint32_t) override {
        return RegKey{1};
    }
    Result<> SetValue(RegKey, const std::string&, std::uint32_t,
                      const std::vector<std::uint8_t>&) override {
        return {};
    }
    Result<RegValue> QueryValue(RegKey, const std::string&, std::size_t) override {
        return SystemError{regcode::FileNotFound, ErrorText(regcode::FileNotFound)};
    }
    Result<> DeleteValue(RegKey, const std::string&) override { return {}; }
    Result<std::string> EnumKey(RegKey, std::uint32_t) override {
        return SystemError{regcode::NoMoreItems, ErrorText(regcode::NoMoreItems)};
    }
    Result<> CloseKey(RegKey) override { return {}; }
    std::string ErrorText(long code) override { return "error " + std::to_string(code); }
};

}  // namespace quintel::fuzz
