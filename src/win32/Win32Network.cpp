#include "win32/Win32Network.h"

#include <windows.h>
#include <winsock.h>
#include <mmsystem.h>
#include <ipexport.h>

#include "win32/Handles.h"
#include "win32/SystemFolders.h"
#include "win32/Win32Registry.h"

namespace quintel::win32 {

Result<WsaData> Win32Sockets::Startup(std::uint16_t requested) {
    WSADATA granted{};
    const int result = WSAStartup(requested, &granted);
    if (result != 0) return SystemError{result, SystemErrorText(static_cast<DWORD>(result))};
    return WsaData{granted.wVersion, granted.iMaxSockets};
}

Result<> Win32Sockets::Cleanup() {
    if (WSACleanup() == 0) return {};
    const int code = WSAGetLastError();
    return SystemError{code, SystemErrorText(static_cast<DWORD>(code))};
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

static_assert(sizeof(ICMP_ECHO_REPLY) + 250 == EchoReplySize);

// A FARPROC turned into the call's own type: GCC accepts casts through
// void (*)() without a function-type warning.
template <typename Entry>
Entry Find(HMODULE module, const char* name) {
    return reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

SystemError LastError(const char* what) {
    const DWORD code = GetLastError();
    return SystemError{static_cast<long>(code), std::string(what) + ": " + SystemErrorText(code)};
}

}  // namespace

struct Win32Icmp::Library {
    UniqueModule module;
    IcmpCreateFileFn create = nullptr;
    IcmpSendEchoFn send = nullptr;
    IcmpCloseHandleFn close = nullptr;
};

Win32Icmp::Win32Icmp() = default;
Win32Icmp::~Win32Icmp() = default;

const Win32Icmp::Library* Win32Icmp::Load() {
    if (!tried_) {
        // Asked for once: a library that is missing stays missing.
        tried_ = true;
        HMODULE module = LoadSystemLibrary("icmp.dll");
        if (!module) {
            loadError_ = LastError("icmp.dll");
            return nullptr;
        }
        auto library = std::make_unique<Library>();
        library->module.Reset(module);
        library->create = Find<IcmpCreateFileFn>(module, "IcmpCreateFile");
        library->send = Find<IcmpSendEchoFn>(module, "IcmpSendEcho");
        library->close = Find<IcmpCloseHandleFn>(module, "IcmpCloseHandle");
        if (library->create && library->send && library->close) library_ = std::move(library);
        else loadError_ = LastError("icmp.dll");
    }
    return library_.get();
}

Result<std::optional<EchoReply>> Win32Icmp::Echo(std::uint32_t address,
                                                 const std::vector<std::uint8_t>& data,
                                                 std::uint32_t timeout) {
    const Library* library = Load();
    if (!library) return loadError_;
    const HANDLE handle = library->create();
    // Without a handle there is nothing to send with.
    if (handle == INVALID_HANDLE_VALUE) return LastError("IcmpCreateFile");
    // The call takes the request through a non-const pointer.
    std::vector<std::uint8_t> request(data);
    alignas(ICMP_ECHO_REPLY) std::uint8_t reply[EchoReplySize] = {};
    const DWORD replies =
        library->send(handle, address, request.empty() ? nullptr : request.data(),
                      static_cast<WORD>(request.size()), nullptr, reply, sizeof reply, timeout);
    const DWORD error = GetLastError();
    library->close(handle);
    SetLastError(error);
    // A reply area the call did not fill is never read.
    if (replies == 0) return std::optional<EchoReply>();
    const auto& first = *reinterpret_cast<const ICMP_ECHO_REPLY*>(reply);
    return std::optional<EchoReply>(EchoReply{first.Status, first.RoundTripTime});
}

void Win32SoundPlayer::PlayInBackground(const std::string& path) {
    sndPlaySoundA(path.c_str(), SND_ASYNC | SND_NODEFAULT);
}

}  // namespace quintel::win32
