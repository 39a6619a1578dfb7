#include "wine/WineHelpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace quintel::wine {

namespace {

constexpr const char* AppDefaults = "Software\\Wine\\AppDefaults\\";

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    return text;
}

std::string StripCr(std::string text) {
    std::string out;
    for (char c : text) if (c != '\r') out += c;
    return out;
}

using RegDeleteKeyExAFn = LONG(WINAPI*)(HKEY, LPCSTR, REGSAM, DWORD);

LONG DeleteKeyInView(HKEY root, const std::string& key, REGSAM view) {
    static auto fn = reinterpret_cast<RegDeleteKeyExAFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("advapi32.dll"), "RegDeleteKeyExA")));
    if (fn) return fn(root, key.c_str(), view, 0);
    return RegDeleteKeyA(root, key.c_str());
}

}  // namespace

void SetWindowsVersion(const std::string& version) {
    SetWindowsVersionOf("Quintel.exe", version);
}

void ClearWindowsVersion() {
    ClearWindowsVersionOf("Quintel.exe");
}

void SetWindowsVersionOf(const std::string& exe, const std::string& version) {
    HKEY key = nullptr;
    const std::string path = AppDefaults + exe;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                   static_cast<DWORD>(version.size() + 1));
    RegCloseKey(key);
}

void ClearWindowsVersionOf(const std::string& exe) {
    HKEY key = nullptr;
    const std::string path = AppDefaults + exe;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, "Version");
        RegCloseKey(key);
    }
}

std::string WindowsPathOf(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) if (c == '/') c = '\\';
    return path;
}

std::string BuiltFile(const char* variable, const std::string& fallback) {
    const char* unixPath = std::getenv(variable);
    return unixPath ? WindowsPathOf(unixPath) : fallback;
}

std::string QuintelExe() {
    return BuiltFile("QUINTEL_EXE", "Quintel.exe");
}

ScratchFolder::ScratchFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId());
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    RemoveTree(path_);
}

void WriteTextFile(const std::string& path, const std::string& contents) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
    DWORD written = 0;
    WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadTextFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text = ReadAll(file);
    CloseHandle(file);
    return text;
}

RunResult RunProgram(const std::string& exe, const std::string& arguments) {
    const std::string line = "\"" + exe + "\" " + arguments;
    std::wstring wide(line.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, line.data(), static_cast<int>(line.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return RunCommandLine(wide);
}

RunResult RunProgram(const std::wstring& exe, const std::wstring& arguments) {
    return RunCommandLine(L"\"" + exe + L"\" " + arguments);
}

RunResult RunCommandLine(const std::wstring& commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outRead, outWrite, errRead, errWrite;
    CreatePipe(&outRead, &outWrite, &inherit, 0);
    CreatePipe(&errRead, &errWrite, &inherit, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process{};
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(0);

    RunResult run;
    const BOOL started = CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    if (!started) {
        ADD_FAILURE() << "could not start the command line (" << commandLine.size()
                      << " characters): " << GetLastError();
        CloseHandle(outRead);
        CloseHandle(errRead);
        run.exitCode = static_cast<DWORD>(-1);
        return run;
    }
    // Output is small; read stdout to its end, then stderr.
    run.out = StripCr(ReadAll(outRead));
    run.err = StripCr(ReadAll(errRead));
    WaitForSingleObject(process.hProcess, 60000);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(outRead);
    CloseHandle(errRead);
    return run;
}

std::optional<std::uint32_t> RegValue::dword() const {
    if (type != REG_DWORD || data.size() != 4) return std::nullopt;
    const auto* b = reinterpret_cast<const unsigned char*>(data.data());
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

std::optional<RegValue> ReadValue(const std::string& key, const std::string& name, REGSAM view) {
    return ReadValue(HKEY_LOCAL_MACHINE, key, name, view);
}

std::optional<RegValue> ReadValue(HKEY root, const std::string& key, const std::string& name,
                                  REGSAM view) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE | view, &handle) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    char buffer[1024];
    DWORD size = sizeof buffer, type = 0;
    const LONG result = RegQueryValueExA(handle, name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS) return std::nullopt;
    return RegValue{type, std::string(buffer, size)};
}

void CreateKey(const std::string& key, REGSAM view) {
    HKEY handle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS | view, nullptr, &handle, nullptr))
        << key;
    RegCloseKey(handle);
}

void PutDword(const std::string& key, const std::string& name, DWORD value, REGSAM view) {
    HKEY handle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS | view, nullptr, &handle, nullptr));
    RegSetValueExA(handle, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    RegCloseKey(handle);
}

void PutString(HKEY root, const std::string& key, const std::string& name,
               const std::string& value, REGSAM view) {
    HKEY handle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS | view, nullptr, &handle, nullptr))
        << key;
    const LONG result = RegSetValueExA(handle, name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
    ASSERT_EQ(ERROR_SUCCESS, result) << key << "\\" << name;
}

void DeleteValue(const std::string& key, const std::string& name, REGSAM view) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS | view, &handle) ==
        ERROR_SUCCESS) {
        RegDeleteValueA(handle, name.c_str());
        RegCloseKey(handle);
    }
}

void DeleteKeyTree(HKEY root, const std::string& key, REGSAM view) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS | view, &handle) != ERROR_SUCCESS) return;
    std::vector<std::string> children;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(handle, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        children.emplace_back(name, length);
    }
    RegCloseKey(handle);
    for (const std::string& child : children) DeleteKeyTree(root, key + "\\" + child, view);
    DeleteKeyInView(root, key, view);
}

}  // namespace quintel::wine
