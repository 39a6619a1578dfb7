#include "win32/Console.h"

#include <windows.h>

namespace quintel::win32 {

namespace {

bool Usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

void AttachParentConsole() {
    using AttachConsoleFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto attach = reinterpret_cast<AttachConsoleFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "AttachConsole")));
    constexpr DWORD AttachParentProcess = static_cast<DWORD>(-1);
    if (attach) attach(AttachParentProcess);  // XP and later
}

HANDLE ConsoleHandle(DWORD which) {
    HANDLE handle = GetStdHandle(which);
    if (Usable(handle)) return handle;
    AttachParentConsole();
    handle = GetStdHandle(which);
    if (Usable(handle)) return handle;
    handle = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                         nullptr);
    return handle;
}

void WriteTo(DWORD which, const std::string& text) {
    if (text.empty()) return;
    HANDLE handle = ConsoleHandle(which);
    if (!Usable(handle)) return;
    // Line ends as the console and Windows tools expect them.
    std::string crlf;
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    DWORD written = 0;
    WriteFile(handle, crlf.data(), static_cast<DWORD>(crlf.size()), &written, nullptr);
}

}  // namespace

ConsoleOutput::ConsoleOutput() = default;

ConsoleOutput::~ConsoleOutput() {
    WriteTo(STD_OUTPUT_HANDLE, out_);
    WriteTo(STD_ERROR_HANDLE, err_);
}

}  // namespace quintel::win32
