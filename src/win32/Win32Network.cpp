#include "win32/Win32Network.h"

#include <windows.h>
#include <winsock.h>
#include <mmsystem.h>
#include <ipexport.h>

#include "win32/Handles.h"
#include "win32/IcmpCalls.h"
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
    const int returned = WSACleanup();
    if (returned == 0) return {};
    const int why = WSAGetLastError();
    return SystemError{returned, SystemErrorText(static_cast<DWORD>(why))};
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
    IcmpCalls calls;
};

struct Win32Icmp::LoadLock {
    LoadLock() { InitializeCriticalSection(&section); }
    ~LoadLock() { DeleteCriticalSection(&section); }
    LoadLock(const LoadLock&) = delete;
    LoadLock& operator=(const LoadLock&) = delete;
    CRITICAL_SECTION section;
};

namespace {

class Entered {
public:
    explicit Entered(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~Entered() { LeaveCriticalSection(&section_); }
    Entered(const Entered&) = delete;
    Entered& operator=(const Entered&) = delete;

private:
    CRITICAL_SECTION& section_;
};

}  // namespace

Win32Icmp::Win32Icmp() : lock_(std::make_unique<LoadLock>()) {}

Win32Icmp::Win32Icmp(const IcmpCalls& calls)
    : lock_(std::make_unique<LoadLock>()), tried_(true), library_(std::make_unique<Library>()) {
    library_->calls = calls;
}
Win32Icmp::~Win32Icmp() = default;

const Win32Icmp::Library* Win32Icmp::Load() {
    const Entered entered(lock_->section);
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
        IcmpCalls& calls = library->calls;
        calls.create = Find<IcmpCreateFileFn>(module, "IcmpCreateFile");
        calls.send = Find<IcmpSendEchoFn>(module, "IcmpSendEcho");
        calls.close = Find<IcmpCloseHandleFn>(module, "IcmpCloseHandle");
        if (calls.create && calls.send && calls.close) library_ = std::move(library);
        else loadError_ = LastError("icmp.dll");
    }
    return library_.get();
}

Result<std::optional<EchoReply>> Win32Icmp::Echo(std::uint32_t address,
                                                 const std::vector<std::uint8_t>& data,
                                                 std::uint32_t timeout) {
    return Send(address, data, timeout, false);
}

Result<std::optional<EchoReply>> Win32Icmp::EchoUnfragmented(std::uint32_t address,
                                                             const std::vector<std::uint8_t>& data,
                                                             std::uint32_t timeout) {
    return Send(address, data, timeout, true);
}

Result<std::optional<EchoReply>> Win32Icmp::Send(std::uint32_t address,
                                                 const std::vector<std::uint8_t>& data,
                                                 std::uint32_t timeout, bool dontFragment) {
    const Library* library = Load();
    if (!library) return loadError_;
    if (data.size() > 0xFFFF) return SystemError{ERROR_INVALID_PARAMETER, "The echo's data is too large."};
    const IcmpCalls& calls = library->calls;
    const HANDLE handle = calls.create();
    // Without a handle there is nothing to send with.
    if (handle == INVALID_HANDLE_VALUE) return LastError("IcmpCreateFile");
    // The call takes the request through a non-const pointer.
    std::vector<std::uint8_t> request(data);
    // The keep-alive echo passes no options at all, so the system's own
    // time to live and flags apply. Options, once passed, are taken whole:
    // the unfragmented echo names a time to live that reaches any host.
    IP_OPTION_INFORMATION options{};
    options.Ttl = 128;
    options.Flags = IP_FLAG_DF;
    // The plain echo's reply area is the fixed one; the unfragmented one
    // must hold the whole echoed data, and 8 bytes more for an ICMP error.
    const std::size_t replySize =
        dontFragment ? sizeof(ICMP_ECHO_REPLY) + request.size() + 8 : EchoReplySize;
    std::vector<std::uint64_t> replyArea((replySize + 7) / 8, 0);
    void* reply = replyArea.data();
    const DWORD replies =
        calls.send(handle, address, request.empty() ? nullptr : request.data(),
                   static_cast<WORD>(request.size()), dontFragment ? &options : nullptr, reply,
                   static_cast<DWORD>(replySize), timeout);
    const DWORD error = GetLastError();
    calls.close(handle);
    SetLastError(error);
    if (replies == 0) {
        // Windows reports a refused size as a failed call with this code
        // as well as in a reply's status.
        if (dontFragment && error == IP_PACKET_TOO_BIG) {
            EchoReply tooBig{IP_PACKET_TOO_BIG, 0, 0, true};
            return std::optional<EchoReply>(tooBig);
        }
        // A reply area the call did not fill is never read.
        return std::optional<EchoReply>();
    }
    const auto& first = *static_cast<const ICMP_ECHO_REPLY*>(reply);
    return std::optional<EchoReply>(EchoReply{first.Status, first.RoundTripTime, first.DataSize,
                                              first.Status == IP_PACKET_TOO_BIG});
}

void Win32SoundPlayer::PlayInBackground(const std::string& path) {
    sndPlaySoundA(path.c_str(), SND_ASYNC | SND_NODEFAULT);
}

}  // namespace quintel::win32
