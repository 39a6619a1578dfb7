// Windows Sockets 1.1 and the ICMP library, as the ping uses them, and the
// sound played after a ping.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quintel {

struct WsaData {
    std::uint16_t Version = 0;  // granted: low byte major, high byte minor
    std::uint16_t MaxSockets = 0;
};

class Sockets {
public:
    virtual ~Sockets() = default;
    // WSAStartup: 0 on success.
    virtual int Startup(std::uint16_t requested, WsaData& data) = 0;
    // WSACleanup: 0 on success, otherwise the failure code.
    virtual int Cleanup() = 0;
    // gethostbyname: nothing for a name it cannot resolve, otherwise the
    // host's addresses, each as its bytes in memory order.
    virtual std::optional<std::vector<std::vector<std::uint8_t>>> GetHostByName(
        const std::string& name) = 0;
};

// The ICMP echo calls; the reply area is the caller's.
class Icmp {
public:
    using Handle = std::uintptr_t;
    static constexpr Handle InvalidHandle = static_cast<Handle>(-1);

    virtual ~Icmp() = default;
    virtual Handle Open() = 0;
    // IcmpSendEcho: the number of replies stored in `reply`, 0 for none.
    virtual std::uint32_t SendEcho(Handle handle, std::uint32_t address,
                                   const std::vector<std::uint8_t>& request,
                                   std::vector<std::uint8_t>& reply, std::uint32_t timeout) = 0;
    virtual void CloseHandle(Handle handle) = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // sndPlaySoundA with the given flags.
    virtual void Play(const std::string& path, unsigned flags) = 0;
};

}  // namespace quintel
