#include "core/ping/Pinger.h"

#include <cctype>
#include <charconv>

#include "core/text/Paths.h"

namespace quintel {

namespace {

constexpr const char EchoData[] = "Echo This";  // 9 bytes, no terminator sent

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A part of a dotted text as a number: blanks around it, an optional sign,
// digits, within 32 bits.
bool ReadPart(const std::string& part, std::int32_t& value) {
    const std::string text = Trim(part);
    if (text.empty()) return false;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (*begin == '+') ++begin;
    const auto [stop, error] = std::from_chars(begin, end, value);
    return error == std::errc{} && stop == end;
}

bool IsNumeric(const std::string& text) {
    std::int32_t ignored = 0;
    return ReadPart(text, ignored);
}

// Stops the sockets layer on every way out of a ping that started it.
class SocketsSession {
public:
    explicit SocketsSession(Pinger& ping) : ping_(ping), started_(ping.StartSockets()) {}
    ~SocketsSession() {
        if (started_) ping_.StopSockets();
    }
    SocketsSession(const SocketsSession&) = delete;
    SocketsSession& operator=(const SocketsSession&) = delete;
    bool Started() const { return started_; }

private:
    Pinger& ping_;
    bool started_;
};

}  // namespace

std::optional<std::int32_t> ParseDottedAddress(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto dot = text.find('.', start);
        parts.push_back(text.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
        if (parts.size() > 4) return std::nullopt;
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    if (parts.size() < 4) return 0;

    std::uint32_t address = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        std::int32_t value = 0;
        if (!ReadPart(parts[i], value)) return std::nullopt;
        // Only the low eight bits count: 300 is 44, -1 is 255.
        address |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(value)) << (8 * i);
    }
    return static_cast<std::int32_t>(address);
}

void Pinger::Say(const std::string& text, unsigned style) {
    if (!quiet_) boxes_.Show(text, title_, style);
}

bool Pinger::StartSockets() {
    const auto started = sockets_.Startup(SocketsVersion11);
    if (!started) {
        Say("Windows Sockets for 32 bit Windows environments is not successfully responding.",
            mb::OkOnly);
        return false;
    }
    const WsaData& data = started.Value();
    const int major = data.Version & 0xFF;
    const int minor = data.Version >> 8;
    const char* problem = nullptr;
    std::string text;
    if (major < 1 || (major == 1 && minor < 1)) {
        text = "Windows Sockets Version " + std::to_string(major) + "." + std::to_string(minor) +
               " is not supported by Windows Sockets for 32 bit Windows environments.";
        problem = "version";
    } else if (data.MaxSockets < 1) {
        text = "This application requires a minimum of 1 supported sockets.";
        problem = "sockets";
    }
    if (!problem) return true;
    // The layer did start: give it back before refusing it. Why it is
    // refused is what the user needs to hear, not how the giving back went.
    (void)sockets_.Cleanup();
    Say(text, mb::OkOnly | mb::IconExclamation);
    return false;
}

void Pinger::StopSockets() {
    const auto result = sockets_.Cleanup();
    if (!result) {
        Say("Windows Sockets error " + std::to_string(result.Code()) + " occurred in Cleanup.",
            mb::OkOnly | mb::IconExclamation);
    }
}

std::optional<std::vector<std::string>> Pinger::ResolveHostAddresses(const std::string& name) {
    SocketsSession session(*this);
    if (!session.Started()) return std::nullopt;
    std::vector<std::string> list;
    if (const auto addresses = sockets_.GetHostByName(name)) {
        for (const auto& bytes : *addresses) {
            std::string text;
            for (std::uint8_t b : bytes) text += (text.empty() ? "" : ".") + std::to_string(b);
            list.push_back(text);
        }
    }
    return list;
}

Result<std::optional<EchoReply>> Pinger::SendEcho(const std::string& addressText,
                                                   std::uint32_t timeout) {
    const auto address = ParseDottedAddress(addressText);
    // An address that is none gets no echo, and so no reply.
    if (!address) return std::optional<EchoReply>();
    const std::vector<std::uint8_t> request(EchoData, EchoData + sizeof EchoData - 1);
    return icmp_.Echo(static_cast<std::uint32_t>(*address), request, timeout);
}

bool Pinger::Ping(const std::string& host, std::uint32_t timeout) {
    if (Trim(host).empty()) return false;
    SocketsSession session(*this);
    if (!session.Started()) return false;
    std::string address = host;
    const auto dot = host.find('.');
    if (dot == std::string::npos || !IsNumeric(host.substr(0, dot))) {
        const auto list = ResolveHostAddresses(host);
        if (!list || list->empty()) return false;
        address = list->front();
    }
    const auto reply = SendEcho(address, timeout);
    return reply && reply.Value() && reply.Value()->Status == EchoReply::Success;
}

void PlayPingSound(FileSystem& files, SoundPlayer& player, const std::string& appFolder) {
    const std::string path = AppFilePath(appFolder, "Ping.wav");
    if (files.FileExists(path)) player.PlayInBackground(path);
}

}  // namespace quintel
