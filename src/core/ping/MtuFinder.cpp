#include "core/ping/MtuFinder.h"

#include "core/ping/Pinger.h"

namespace quintel {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

SystemError Problem(const std::string& text) { return SystemError{0, text}; }

}  // namespace

Result<std::uint32_t> MtuSearchAddress(Sockets& sockets, const std::string& hostText) {
    const std::string host = Trim(hostText);
    if (host.empty()) return Problem("Enter the host to send the echoes to.");
    const auto dot = host.find('.');
    if (dot != std::string::npos && IsDigits(host.substr(0, dot))) {
        // An address of four numbers; anything less is no address, and
        // the ping's reading of it (0.0.0.0) would only time out.
        const auto address = ParseDottedAddress(host);
        if (!address || *address == 0) return Problem(host + " is not an IP address (four numbers, such as 192.168.0.1).");
        return static_cast<std::uint32_t>(*address);
    }

    const auto started = sockets.Startup(SocketsVersion11);
    if (!started) {
        return Problem("Windows Sockets did not start, so " + host +
                       " could not be looked up: " + started.Error().Text);
    }
    const auto addresses = sockets.GetHostByName(host);
    // Only the answer matters here; a failed cleanup changes nothing in it.
    (void)sockets.Cleanup();
    if (!addresses || addresses->empty() || addresses->front().size() != 4) {
        return Problem(host + " cannot be found: no address is known for that name.");
    }
    const auto& bytes = addresses->front();
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

Result<EchoOutcome> SendProbe(Icmp& icmp, std::uint32_t address, int payload) {
    const auto reply =
        icmp.EchoUnfragmented(address, EchoPayload(payload), mtusearch::EchoTimeoutMilliseconds);
    if (!reply) return Problem("No echo could be sent: " + reply.Error().Text);
    if (!reply.Value()) return EchoOutcome::NoReply;
    const EchoReply& answer = *reply.Value();
    if (answer.NeedsFragmenting) return EchoOutcome::TooBig;
    // A reply that is not the host's, or that lost data on the way, is
    // no proof that the size came through.
    if (answer.Status != EchoReply::Success) return EchoOutcome::NoReply;
    if (answer.DataSize != static_cast<std::uint32_t>(payload)) return EchoOutcome::NoReply;
    return EchoOutcome::CameBack;
}

MtuFinding FindLargestMtu(Sockets& sockets, Icmp& icmp, const std::string& hostText) {
    MtuFinding finding;
    const std::string host = Trim(hostText);
    const auto address = MtuSearchAddress(sockets, host);
    if (!address) {
        finding.Text = address.Error().Text;
        return finding;
    }
    MtuSearch search;
    while (!search.Finished()) {
        const auto outcome = SendProbe(icmp, address.Value(), search.NextPayload());
        if (!outcome) {
            finding.Text = outcome.Error().Text;
            finding.Echoes = search.EchoesSent();
            return finding;
        }
        search.Record(outcome.Value());
    }
    finding.Found = search.Current() == MtuSearch::State::Found;
    finding.Mtu = finding.Found ? search.Mtu() : 0;
    finding.Echoes = search.EchoesSent();
    finding.Text = MtuSearchText(search, host);
    return finding;
}

}  // namespace quintel
