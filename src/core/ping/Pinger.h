// One ICMP echo to a host given as a dotted address or a name, with the
// sockets layer started and stopped around it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Network.h"

namespace quintel {

constexpr std::uint16_t SocketsVersion11 = 257;

class Pinger {
public:
    Pinger(Sockets& sockets, Icmp& icmp, MessageBoxes& boxes, std::string title)
        : sockets_(sockets), icmp_(icmp), boxes_(boxes), title_(std::move(title)) {}

    // True only when an echo reply with status 0 came back.
    bool Ping(const std::string& host, std::uint32_t timeout);

    bool StartSockets();
    void StopSockets();
    // Empty when the name cannot be resolved; nothing at all when the
    // sockets layer does not start.
    std::optional<std::vector<std::string>> ResolveHostAddresses(const std::string& name);
    // One echo to a dotted address: the reply, nothing when none came, or
    // why none could be sent.
    Result<std::optional<EchoReply>> SendEcho(const std::string& address, std::uint32_t timeout);

    // Quiet: no message boxes, for the companion that runs without a window.
    void SetQuiet(bool quiet) { quiet_ = quiet; }

private:
    void Say(const std::string& text, unsigned style);

    Sockets& sockets_;
    Icmp& icmp_;
    MessageBoxes& boxes_;
    std::string title_;
    bool quiet_ = false;
};

// The address whose bytes in memory are the four parts' low 8 bits; 0 for
// fewer than four parts. Nothing for a text the ping cannot use: a fifth
// part, or a part that is not a number.
std::optional<std::int32_t> ParseDottedAddress(const std::string& text);

// mdlSound: plays "Ping.wav" from the program's folder when it is there.
void PlayPingSound(FileSystem& files, SoundPlayer& player, const std::string& appFolder);

}  // namespace quintel
