// Scripted sockets, ICMP and sound: what the ping would have sent and
// played, without a network.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Network.h"

namespace quintel::test {

class FakeSockets : public Sockets {
public:
    int startupResult = 0;
    WsaData granted{0x0101, 100};
    int cleanupResult = 0;
    std::map<std::string, std::vector<std::vector<std::uint8_t>>> hosts;
    int startups = 0, cleanups = 0;
    std::vector<std::string> lookups;

    Result<WsaData> Startup(std::uint16_t) override {
        ++startups;
        if (startupResult != 0) return SystemError{startupResult, "The sockets layer did not start."};
        return granted;
    }
    Result<> Cleanup() override {
        ++cleanups;
        if (cleanupResult != 0) return SystemError{cleanupResult, "The sockets layer failed."};
        return {};
    }
    std::optional<std::vector<std::vector<std::uint8_t>>> GetHostByName(const std::string& name) override {
        lookups.push_back(name);
        const auto it = hosts.find(name);
        if (it == hosts.end()) return std::nullopt;
        return it->second;
    }
};

struct SentEcho {
    std::uint32_t address;
    std::vector<std::uint8_t> request;
    std::uint32_t timeout;
    bool dontFragment = false;
};

// A path to a host as the unfragmented echoes find it: sizes up to `mtu`
// come back whole; a larger one is refused "too big" by a router (or
// dropped without a word when `silentRouter`); a host that answers only
// small echoes drops those above `largestAnswered` data bytes; a host
// that does not answer drops them all.
struct ScriptedPath {
    int mtu = 1500;
    bool silentRouter = false;
    int largestAnswered = 65535;
    bool answers = true;

    std::optional<EchoReply> Answer(std::size_t size) const {
        const int bytes = static_cast<int>(size);
        if (bytes + 28 > mtu) {
            if (silentRouter) return std::nullopt;
            return EchoReply{11009, 0, 0, true};
        }
        if (!answers || bytes > largestAnswered) return std::nullopt;
        return EchoReply{EchoReply::Success, 1, static_cast<std::uint32_t>(size), false};
    }
};

class FakeIcmp : public Icmp {
public:
    bool sendFails = false;  // no ICMP library, or no handle from it
    bool answered = true;    // a reply came back in time
    std::uint32_t status = EchoReply::Success;
    std::vector<SentEcho> echoes;

    Result<std::optional<EchoReply>> Echo(std::uint32_t address, const std::vector<std::uint8_t>& request,
                                          std::uint32_t timeout) override {
        if (sendFails) return SystemError{126, "icmp.dll: The specified module could not be found."};
        echoes.push_back({address, request, timeout});
        if (!answered) return std::optional<EchoReply>();
        return std::optional<EchoReply>(EchoReply{status, 1, static_cast<std::uint32_t>(request.size())});
    }

    // The unfragmented echoes meet `path`.
    ScriptedPath path;
    Result<std::optional<EchoReply>> EchoUnfragmented(std::uint32_t address,
                                                      const std::vector<std::uint8_t>& request,
                                                      std::uint32_t timeout) override {
        if (sendFails) return SystemError{126, "icmp.dll: The specified module could not be found."};
        echoes.push_back({address, request, timeout, true});
        return path.Answer(request.size());
    }
};

class FakeSoundPlayer : public SoundPlayer {
public:
    std::vector<std::string> played;
    void PlayInBackground(const std::string& path) override { played.push_back(path); }
};

}  // namespace quintel::test
