// The ping's network and sound calls on Windows: Windows Sockets 1.1 from
// WSOCK32.DLL, the ICMP echo from ICMP.DLL and the sound from WINMM.
#pragma once

#include <memory>

#include "platform/Network.h"

namespace quintel::win32 {

// WSOCK32.DLL, linked: every Windows since 95 ships it, and it is the
// 1.1 interface the ping asks for.
class Win32Sockets : public Sockets {
public:
    Result<WsaData> Startup(std::uint16_t requested) override;
    Result<> Cleanup() override;
    std::optional<std::vector<std::vector<std::uint8_t>>> GetHostByName(
        const std::string& name) override;
};

// The reply area IcmpSendEcho fills: ICMP_ECHO_REPLY (28 bytes on 32-bit
// Windows) and room for 250 bytes of echoed data.
constexpr std::size_t EchoReplySize = 278;

// ICMP.DLL, loaded on first use: newer Windows keep these calls in
// IPHLPAPI.DLL and leave ICMP.DLL as a forwarder, and a system without it
// must still start the program. Without the library or one of its calls
// nothing is sent. Each echo opens its own ICMP handle and closes it, so
// echoes may be sent from several threads at once.
struct IcmpCalls;

class Win32Icmp : public Icmp {
public:
    Win32Icmp();
    // With these calls in place of the library's (all three set).
    explicit Win32Icmp(const IcmpCalls& calls);
    ~Win32Icmp() override;
    Win32Icmp(const Win32Icmp&) = delete;
    Win32Icmp& operator=(const Win32Icmp&) = delete;

    Result<std::optional<EchoReply>> Echo(std::uint32_t address,
                                          const std::vector<std::uint8_t>& data,
                                          std::uint32_t timeout) override;
    // With IP options whose flags are IP_FLAG_DF, and a reply area as
    // large as the data needs.
    Result<std::optional<EchoReply>> EchoUnfragmented(std::uint32_t address,
                                                      const std::vector<std::uint8_t>& data,
                                                      std::uint32_t timeout) override;

private:
    // The library and its calls, declared where <windows.h> is: this
    // header stays without it.
    struct Library;
    const Library* Load();
    Result<std::optional<EchoReply>> Send(std::uint32_t address,
                                          const std::vector<std::uint8_t>& data,
                                          std::uint32_t timeout, bool dontFragment);

    // The finder's echoes come from a thread of their own while a ping
    // may come from the window's: the library is looked for once.
    struct LoadLock;
    std::unique_ptr<LoadLock> lock_;
    bool tried_ = false;
    std::unique_ptr<Library> library_;
    SystemError loadError_;
};

class Win32SoundPlayer : public SoundPlayer {
public:
    void PlayInBackground(const std::string& path) override;
};

}  // namespace quintel::win32
