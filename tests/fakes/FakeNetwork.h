// Scripted sockets, ICMP and sound: what the ping would have sent and
// played, without a network.
#pragma once

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

    int Startup(std::uint16_t, WsaData& data) override {
        ++startups;
        data = granted;
        return startupResult;
    }
    int Cleanup() override {
        ++cleanups;
        return cleanupResult;
    }
    std::optional<std::vector<std::vector<std::uint8_t>>> GetHostByName(const std::string& name) override {
        lookups.push_back(name);
        const auto it = hosts.find(name);
        if (it == hosts.end()) return std::nullopt;
        return it->second;
    }
};

struct Echo {
    std::uint32_t address;
    std::vector<std::uint8_t> request;
    std::size_t replySize;
    std::uint32_t timeout;
};

class FakeIcmp : public Icmp {
public:
    bool createFails = false;
    std::uint32_t replies = 1;  // what IcmpSendEcho answers
    std::uint32_t status = 0;   // the Status it stores
    std::vector<Echo> echoes;
    int opened = 0, closed = 0;

    Handle Open() override {
        if (createFails) return InvalidHandle;
        ++opened;
        return 7;
    }
    std::uint32_t SendEcho(Handle, std::uint32_t address, const std::vector<std::uint8_t>& request,
                           std::vector<std::uint8_t>& reply, std::uint32_t timeout) override {
        echoes.push_back({address, request, reply.size(), timeout});
        if (replies == 0) {
            // A call that stored nothing may leave anything behind.
            for (auto& b : reply) b = 0;
            return 0;
        }
        reply[4] = static_cast<std::uint8_t>(status);
        reply[5] = static_cast<std::uint8_t>(status >> 8);
        return replies;
    }
    void CloseHandle(Handle) override { ++closed; }
};

class FakeSoundPlayer : public SoundPlayer {
public:
    std::vector<std::pair<std::string, unsigned>> played;
    void Play(const std::string& path, unsigned flags) override { played.push_back({path, flags}); }
};

}  // namespace quintel::test
