#include "BenchKit.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/text/TextLines.h"
#include "wine/RemoveTree.h"

namespace bench {

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) / frequency;
}

double Median(std::vector<double> samples) {
    if (samples.empty()) Fail("no samples to take the median of");
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

void Fail(const std::string& message) {
    std::fprintf(stderr, "bench: %s\n", message.c_str());
    std::fflush(stderr);
    std::exit(1);
}

int Runs(int argc, char** argv, int fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            const int runs = std::atoi(argv[i + 1]);
            if (runs < 9) Fail("--runs must be at least 9: every figure is a median of 9 or more");
            return runs;
        }
    }
    return fallback;
}

Child::~Child() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
}

void Child::Start(const std::string& exe, const std::string& arguments, const std::string& folder) {
    std::string line = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::vector<char> mutableLine(line.begin(), line.end());
    mutableLine.push_back(0);
    // What the program prints would land in the results table: its
    // standard output goes to NUL, its errors still reach the bench's.
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    if (nul == INVALID_HANDLE_VALUE) Fail("could not open NUL: error " + std::to_string(GetLastError()));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = nul;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    const BOOL started = CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        folder.empty() ? nullptr : folder.c_str(), &startup, &info_);
    const DWORD error = GetLastError();
    CloseHandle(nul);
    if (!started) Fail("could not start " + line + ": error " + std::to_string(error));
}

DWORD Child::Wait(DWORD timeoutMs, const std::string& what) {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        Fail(what + " did not end within " + std::to_string(timeoutMs / 1000) + " s");
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::string RunCaptured(const std::string& exe, const std::string& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) Fail("could not make a pipe");
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::string line = "\"" + exe + "\" " + arguments;
    std::vector<char> mutableLine(line.begin(), line.end());
    mutableLine.push_back(0);
    PROCESS_INFORMATION info{};
    const BOOL started = CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &info);
    CloseHandle(writeEnd);
    if (!started) Fail("could not start " + line + ": error " + std::to_string(GetLastError()));
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(readEnd);
    WaitForSingleObject(info.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    if (code != 0) Fail(line + " ended with exit code " + std::to_string(code));
    return text;
}

namespace {

struct WindowSearch {
    DWORD pid;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || !IsWindowVisible(window)) return TRUE;
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    if (*search->caption != text) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD pid, const std::string& caption) {
    WindowSearch search{pid, &caption, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForProcessWindow(DWORD pid, const std::string& caption, DWORD timeoutMs) {
    const double deadline = Now() + timeoutMs / 1000.0;
    for (;;) {
        if (HWND window = FindProcessWindow(pid, caption)) return window;
        if (Now() > deadline) Fail("no window \"" + caption + "\" appeared within " +
                                   std::to_string(timeoutMs / 1000) + " s");
        Sleep(1);
    }
}

void WaitUntilAnswering(HWND window) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result)) {
        Fail("the window did not answer within 30 s");
    }
}

void CloseAndWait(Child& child, HWND window, const std::string& what) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    child.Wait(30000, what + " after WM_CLOSE to its window");
}

std::string QuintelBin() {
    char unixPath[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("QUINTEL_BIN", unixPath, sizeof unixPath)) {
        Fail("QUINTEL_BIN names no folder: set it to build/win/bin");
    }
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path) if (c == '/') c = '\\';
    if (path.back() != '\\') path += '\\';
    return path;
}

std::string FreshFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + name;
    quintel::wine::RemoveTree(path);
    if (!CreateDirectoryA(path.c_str(), nullptr)) Fail("could not make the folder " + path);
    return path + "\\";
}

void CopyOrFail(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
        Fail("could not copy " + from + " to " + to + ": error " + std::to_string(GetLastError()));
    }
}

void WriteFileOrFail(const std::string& path, const std::string& contents) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok = file != INVALID_HANDLE_VALUE &&
                    WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr) &&
                    written == contents.size();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!ok) Fail("could not write " + path);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(file);
    return text;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

namespace {

// The bench is a 32-bit program in a 64-bit prefix; Quintel.exe writes
// the 64-bit view, so the bench reads and writes it too.
constexpr REGSAM View = KEY_WOW64_64KEY;

using RegDeleteTreeAFn = LONG(WINAPI*)(HKEY, LPCSTR);

}  // namespace

void PutString(HKEY root, const std::string& key, const std::string& name, const std::string& value) {
    HKEY handle = nullptr;
    LONG result = RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | View, nullptr,
                                  &handle, nullptr);
    if (result == ERROR_SUCCESS) {
        result = RegSetValueExA(handle, name.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1));
        RegCloseKey(handle);
    }
    if (result != ERROR_SUCCESS) Fail("could not set " + key + "\\" + name + ": error " + std::to_string(result));
}

void DeleteValue(HKEY root, const std::string& key, const std::string& name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_SET_VALUE | View, &handle) != ERROR_SUCCESS) return;
    const LONG result = RegDeleteValueA(handle, name.c_str());
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
        Fail("could not remove " + key + "\\" + name + ": error " + std::to_string(result));
    }
}

void CreateKeyOrFail(HKEY root, const std::string& key) {
    HKEY handle = nullptr;
    const LONG result = RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_READ | View, nullptr,
                                        &handle, nullptr);
    if (result != ERROR_SUCCESS) Fail("could not make " + key + ": error " + std::to_string(result));
    RegCloseKey(handle);
}

void DeleteTree(HKEY root, const std::string& key) {
    // RegDeleteTree (Vista and later, which Wine has) takes no view, so the
    // key is opened in the 64-bit view and emptied through that handle.
    static const auto deleteTree = reinterpret_cast<RegDeleteTreeAFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("advapi32.dll"), "RegDeleteTreeA")));
    if (!deleteTree) Fail("advapi32 has no RegDeleteTreeA");
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS | View, &handle) != ERROR_SUCCESS) return;
    LONG result = deleteTree(handle, nullptr);
    RegCloseKey(handle);
    if (result == ERROR_SUCCESS) {
        const auto slash = key.find_last_of('\\');
        HKEY parent = nullptr;
        result = RegOpenKeyExA(root, key.substr(0, slash).c_str(), 0, KEY_ALL_ACCESS | View, &parent);
        if (result == ERROR_SUCCESS) {
            result = RegDeleteKeyA(parent, key.substr(slash + 1).c_str());
            RegCloseKey(parent);
        }
    }
    if (result != ERROR_SUCCESS) Fail("could not remove the key " + key + ": error " + std::to_string(result));
}

void ReportWindowsXpToQuintel() {
    PutString(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Quintel.exe", "Version", "winxp");
}

void PrintRow(const std::string& figure, const std::string& subject, const std::string& baseline,
              const std::string& ratio) {
    std::printf("| %s | %s | %s | %s |\n", figure.c_str(), subject.c_str(), baseline.c_str(), ratio.c_str());
    std::fflush(stdout);
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Milliseconds(double seconds) {
    return Fixed(seconds * 1000, 1) + " ms";
}

std::string Ratio(double subject, double baseline) {
    if (baseline <= 0) return "n/a";
    return Fixed(subject / baseline, 2) + "x";
}

std::vector<ProfileStep> ReadProfile() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "Quintel-trace.txt";
    const auto text = ReadWholeFile(path);
    if (!text) Fail("Quintel.exe wrote no profile to " + path);
    std::vector<ProfileStep> steps;
    for (const std::string& line : quintel::TextLines(*text)) {
        const std::vector<std::string> fields = Fields(line);
        if (fields.size() != 3) Fail("a line of the profile is not start, length and name: " + line);
        ProfileStep step;
        step.start = std::strtol(fields[0].c_str(), nullptr, 10);
        step.length = std::strtol(fields[1].c_str(), nullptr, 10);
        step.name = fields[2];
        steps.push_back(step);
    }
    // The whole profile stays beside it for a closer look; the next run's
    // profile starts from an empty file.
    MoveFileExA(path.c_str(), (std::string(temp) + "Quintel-trace-last.txt").c_str(), MOVEFILE_REPLACE_EXISTING);
    return steps;
}

void PrintLargestSteps(const std::string& heading, std::vector<ProfileStep> steps) {
    std::stable_sort(steps.begin(), steps.end(),
                     [](const ProfileStep& a, const ProfileStep& b) { return a.length > b.length; });
    std::printf("%s\n\n| Step (indented inside the step it is part of) | Began at | Took |\n|---|---|---|\n",
                heading.c_str());
    for (std::size_t i = 0; i < steps.size() && i < 10; ++i) {
        if (steps[i].length <= 0) break;
        std::string name = steps[i].name;
        const std::size_t depth = name.find_first_not_of(' ');
        name = std::string(depth == std::string::npos ? 0 : depth / 2 * 2, '.') +
               (depth == std::string::npos ? name : name.substr(depth));
        // Hundredths: the steps of a switch last fractions of a millisecond.
        std::printf("| %s | %s ms | %s ms |\n", name.c_str(), Fixed(steps[i].start / 1e3, 2).c_str(),
                    Fixed(steps[i].length / 1e3, 2).c_str());
    }
    std::printf("\n");
}

}  // namespace bench
