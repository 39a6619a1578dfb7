// Helpers for the tests that drive Quintel.exe under Wine: choosing the
// Windows version Wine reports, running the program and reading the real
// registry in its 64-bit view.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "wine/RemoveTree.h"

namespace quintel::wine {

// Wine's own name of a Windows version: "win98", "winxp", "win10", ...
// Applies to every program named Quintel.exe started afterwards.
void SetWindowsVersion(const std::string& version);
void ClearWindowsVersion();
// The same for the programs named `exe` ("crash_saver.exe", "Korvet.exe").
void SetWindowsVersionOf(const std::string& exe, const std::string& version);
void ClearWindowsVersionOf(const std::string& exe);

// A Unix path as the Windows path Wine maps it to (drive Z:).
std::string WindowsPathOf(const std::string& unixPath);
// The Windows path of a file of the build that CTest names in the
// environment variable `variable`, or `fallback` when it names none.
std::string BuiltFile(const char* variable, const std::string& fallback = {});

// The path of the Quintel.exe under test, as a Windows path.
std::string QuintelExe();

// A fresh empty folder under the temporary folder; removed with its
// contents by the destructor.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

void WriteTextFile(const std::string& path, const std::string& contents);
std::string ReadTextFile(const std::string& path);

struct RunResult {
    DWORD exitCode = 0;
    std::string out;
    std::string err;
};
// Runs `exe` with `arguments`, waits, and collects its output.
RunResult RunProgram(const std::string& exe, const std::string& arguments);
// The same for a program whose path the ANSI code page cannot spell.
RunResult RunProgram(const std::wstring& exe, const std::wstring& arguments);
RunResult RunCommandLine(const std::wstring& commandLine);

// Registry access for checking what the program wrote; `view` is
// KEY_WOW64_64KEY or KEY_WOW64_32KEY.
struct RegValue {
    DWORD type = 0;
    std::string data;  // raw bytes
    std::optional<std::uint32_t> dword() const;
};
std::optional<RegValue> ReadValue(const std::string& key, const std::string& name,
                                  REGSAM view = KEY_WOW64_64KEY);
std::optional<RegValue> ReadValue(HKEY root, const std::string& key, const std::string& name,
                                  REGSAM view = KEY_WOW64_64KEY);
void PutString(HKEY root, const std::string& key, const std::string& name,
               const std::string& value, REGSAM view = KEY_WOW64_64KEY);
void PutDword(const std::string& key, const std::string& name, DWORD value,
              REGSAM view = KEY_WOW64_64KEY);
void DeleteValue(const std::string& key, const std::string& name, REGSAM view = KEY_WOW64_64KEY);
void CreateKey(const std::string& key, REGSAM view = KEY_WOW64_64KEY);
void DeleteKeyTree(HKEY root, const std::string& key, REGSAM view = KEY_WOW64_64KEY);

}  // namespace quintel::wine
