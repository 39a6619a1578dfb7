#include "win32/Win32Network.h"

#include <windows.h>
#include <winsock.h>
#include <mmsystem.h>

#include "win32/SystemFolders.h"

namespace quintel::win32 {

int Win32Sockets::Startup(std::uint16_t requested, WsaData& data) {
    WSADATA granted{};
    const int result = WSAStartup(requested, &granted);
    if (result == 0) {
        data.Version = granted.wVersion;
        data.MaxSockets = granted.iMaxSockets;
    }
    return result;
}

int Win32Sockets::Cleanup() {
    return WSACleanup() == 0 ? 0 : WSAGetLastError();
}

std::optional<std::vector<std::vector<std::uint8_t>>> Win32Sockets::GetHostByName(
    const std::string& name) {
    // The HOSTENT belongs to the sockets layer and is overwritten by the
    // next call on this thread, so its addresses are copied out at once.
    const hostent* host = gethostbyname(name.c_str());
    if (!host) return std::nullopt;
    std::vector<std::vector<std::uint8_t>> addresses;
    const auto length = static_cast<std::size_t>(host->h_length > 0 ? host->h_length : 0);
    for (char** entry = host->h_addr_list; entry && *entry; ++entry) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(*entry);
        addresses.emplace_back(bytes, bytes + length);
    }
    return addresses;
}

namespace {

using IcmpCreateFileFn = HANDLE(WINAPI*)();
// The options argument is always null here, so its structure is not
// declared.
using IcmpSendEchoFn = DWORD(WINAPI*)(HANDLE icmp, ULONG address, LPVOID request,
                                      WORD requestSize, LPVOID options, LPVOID reply,
                                      DWORD replySize, DWORD timeout);
using IcmpCloseHandleFn = BOOL(WINAPI*)(HANDLE icmp);

// A FARPROC turned into the generic entry and back: GCC accepts casts
// through void (*)() without a function-type warning.
template <typename Entry>
Entry Find(HMODULE module, const char* name) {
    return reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

HANDLE ToHandle(Icmp::Handle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

Win32Icmp::~Win32Icmp() {
    if (module_) FreeLibrary(static_cast<HMODULE>(module_));
}

bool Win32Icmp::Load() {
    if (!tried_) {
        // Asked for once: a library that is missing stays missing.
        tried_ = true;
        if (HMODULE module = LoadSystemLibrary("icmp.dll")) {
            module_ = module;
            create_ = Find<Entry>(module, "IcmpCreateFile");
            send_ = Find<Entry>(module, "IcmpSendEcho");
            close_ = Find<Entry>(module, "IcmpCloseHandle");
        }
    }
    return create_ && send_ && close_;
}

Icmp::Handle Win32Icmp::Open() {
    if (!Load()) return InvalidHandle;
    HANDLE handle = reinterpret_cast<IcmpCreateFileFn>(create_)();
    return reinterpret_cast<Handle>(handle);
}

std::uint32_t Win32Icmp::SendEcho(Handle handle, std::uint32_t address,
                                  const std::vector<std::uint8_t>& request,
                                  std::vector<std::uint8_t>& reply, std::uint32_t timeout) {
    if (!Load()) return 0;
    // The call takes the request through a non-const pointer.
    std::vector<std::uint8_t> data(request);
    const auto send = reinterpret_cast<IcmpSendEchoFn>(send_);
    return send(ToHandle(handle), address, data.empty() ? nullptr : data.data(),
                static_cast<WORD>(data.size()), nullptr, reply.empty() ? nullptr : reply.data(),
                static_cast<DWORD>(reply.size()), timeout);
}

void Win32Icmp::CloseHandle(Handle handle) {
    if (!Load()) return;
    reinterpret_cast<IcmpCloseHandleFn>(close_)(ToHandle(handle));
}

void Win32SoundPlayer::Play(const std::string& path, unsigned flags) {
    sndPlaySoundA(path.c_str(), flags);
}

}  // namespace quintel::win32
