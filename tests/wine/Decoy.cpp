// Planted where a command line without quotes would find a program before
// the one meant: "C:\Program.exe" for "C:\Program Files\Quintel\...". It
// does nothing but leave its command line in a file beside itself, named
// like it with ".ran" added, so a test can tell that it was started.
#include <windows.h>

#include <cstring>
#include <string>

int main() {
    char self[MAX_PATH] = {};
    if (!GetModuleFileNameA(nullptr, self, MAX_PATH)) return 1;
    const std::string record = std::string(self) + ".ran";
    HANDLE file = CreateFileA(record.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const std::string line = std::string(GetCommandLineA()) + "\r\n";
    DWORD written = 0;
    const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    // Exits 0, as the program it stands in for would on success: only the
    // record tells that the wrong program ran.
    return ok ? 0 : 1;
}
