// The ping's network and sound calls on Windows: Windows Sockets 1.1 from
// WSOCK32.DLL, the ICMP echo from ICMP.DLL and the sound from WINMM.
#pragma once

#include "platform/Network.h"

namespace quintel::win32 {

// WSOCK32.DLL, linked: every Windows since 95 ships it, and it is the
// 1.1 interface the ping asks for.
class Win32Sockets : public Sockets {
public:
    int Startup(std::uint16_t requested, WsaData& data) override;
    int Cleanup() override;
    std::optional<std::vector<std::vector<std::uint8_t>>> GetHostByName(
        const std::string& name) override;
};

// ICMP.DLL, loaded on first use: newer Windows keep these calls in
// IPHLPAPI.DLL and leave ICMP.DLL as a forwarder, and a system without it
// must still start the program. Without the library or one of its calls
// nothing is sent.
class Win32Icmp : public Icmp {
public:
    Win32Icmp() = default;
    ~Win32Icmp() override;
    Win32Icmp(const Win32Icmp&) = delete;
    Win32Icmp& operator=(const Win32Icmp&) = delete;

    Handle Open() override;
    std::uint32_t SendEcho(Handle handle, std::uint32_t address,
                           const std::vector<std::uint8_t>& request,
                           std::vector<std::uint8_t>& reply, std::uint32_t timeout) override;
    void CloseHandle(Handle handle) override;

private:
    bool Load();

    // Entries are kept untyped here so this header needs no <windows.h>.
    using Entry = void (*)();

    bool tried_ = false;
    void* module_ = nullptr;
    Entry create_ = nullptr;
    Entry send_ = nullptr;
    Entry close_ = nullptr;
};

class Win32SoundPlayer : public SoundPlayer {
public:
    void Play(const std::string& path, unsigned flags) override;
};

}  // namespace quintel::win32
