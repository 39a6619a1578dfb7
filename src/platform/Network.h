// Windows Sockets 1.1 and the ICMP library, as the ping uses them, and the
// sound played after a ping.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace quintel {

struct WsaData {
    std::uint16_t Version = 0;  // granted: low byte major, high byte minor
    std::uint16_t MaxSockets = 0;
};

class Sockets {
public:
    virtual ~Sockets() = default;
    // Starts the sockets layer asking for version `requested` (low byte
    // major, high byte minor): what it granted, or why it did not start.
    virtual Result<WsaData> Startup(std::uint16_t requested) = 0;
    // Gives the layer back. When that fails, the code is what WSACleanup
    // returned (SOCKET_ERROR, -1), which the stop-failure message names,
    // and the text describes the layer's own error.
    virtual Result<> Cleanup() = 0;
    // gethostbyname: nothing for a name it cannot resolve, otherwise the
    // host's addresses, each as its bytes in memory order.
    virtual std::optional<std::vector<std::vector<std::uint8_t>>> GetHostByName(
        const std::string& name) = 0;
};

// What came back for an echo: the reply's status, and how long the echo
// took there and back.
struct EchoReply {
    static constexpr std::uint32_t Success = 0;  // the host itself answered

    // Success, or the system's code for what the reply says instead (a
    // host or network that cannot be reached, a time to live run out).
    std::uint32_t Status = Success;
    std::uint32_t RoundTripMilliseconds = 0;
    // How many bytes of data came back.
    std::uint32_t DataSize = 0;
    // The echo was refused on the way because it would have had to be
    // split and was marked not to be (the status says "packet too big").
    bool NeedsFragmenting = false;
};

class Icmp {
public:
    virtual ~Icmp() = default;
    // Sends one ICMP echo carrying `data` to `address` (its bytes as they
    // lie in memory), without IP options, and waits up to `timeout`
    // milliseconds: the reply, nothing when none came back, or the error
    // that kept the echo from being sent (no ICMP library, say).
    virtual Result<std::optional<EchoReply>> Echo(std::uint32_t address,
                                                  const std::vector<std::uint8_t>& data,
                                                  std::uint32_t timeout) = 0;
    // The same echo with the Don't Fragment flag in its IP header: a
    // router whose next link cannot carry it whole answers "too big" (or
    // drops it) instead of splitting it, which is how the largest packet
    // a path carries is found. `data` may be up to 1472 bytes and more.
    virtual Result<std::optional<EchoReply>> EchoUnfragmented(
        std::uint32_t address, const std::vector<std::uint8_t>& data, std::uint32_t timeout) = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing the sound file and returns at once; a file that
    // cannot be played plays nothing (not the system's default sound).
    virtual void PlayInBackground(const std::string& path) = 0;
};

}  // namespace quintel
