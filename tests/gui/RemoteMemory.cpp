#include "RemoteMemory.h"

#include "Internals.h"

namespace quintel::gui::detail {

namespace {

bool Is32Bit(HANDLE process) {
    BOOL wow64 = FALSE;
    SYSTEM_INFO system = {};
    GetNativeSystemInfo(&system);
    IsWow64Process(process, &wow64);
    return wow64 || system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_INTEL;
}

}  // namespace

RemoteMemory::RemoteMemory(HWND window, size_t size, const Where& where) : size_(size), where_(where) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                               PROCESS_QUERY_INFORMATION,
                           FALSE, processId);
    if (!process_) {
        Fail(where, "cannot open the process of " + Describe(window) + " (error " +
                        std::to_string(GetLastError()) + ")");
        return;
    }
    // The structures are laid out as this 32-bit program lays them out.
    if (!Is32Bit(process_)) {
        Fail(where, Describe(window) + " belongs to a 64-bit process; the driver handles 32-bit ones");
        return;
    }
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!address_)
        Fail(where, "cannot allocate memory in the process of " + Describe(window) + " (error " +
                        std::to_string(GetLastError()) + ")");
}

RemoteMemory::~RemoteMemory() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
}

LPARAM RemoteMemory::At(size_t offset) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
}

bool RemoteMemory::Write(size_t offset, const void* data, size_t size) {
    SIZE_T written = 0;
    if (address_ && offset + size <= size_ &&
        WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &written) &&
        written == size)
        return true;
    Fail(where_, "cannot write to the other process's memory (error " +
                     std::to_string(GetLastError()) + ")");
    return false;
}

bool RemoteMemory::Read(size_t offset, void* data, size_t size) {
    SIZE_T read = 0;
    if (address_ && offset + size <= size_ &&
        ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &read) &&
        read == size)
        return true;
    Fail(where_, "cannot read the other process's memory (error " + std::to_string(GetLastError()) +
                     ")");
    return false;
}

std::wstring RemoteMemory::ReadString(size_t offset, size_t chars) {
    std::wstring text(chars, L'\0');
    if (!Read(offset, text.data(), chars * sizeof(wchar_t))) return {};
    text.resize(text.find(L'\0') == std::wstring::npos ? chars : text.find(L'\0'));
    return text;
}

}  // namespace quintel::gui::detail
