// Finding the largest packet a path carries without splitting it: echoes
// marked "don't fragment", halving the range of sizes after each answer.
// A step machine: it names the next echo's data size and is told what
// came of it, so the echoes can be sent from any thread, or by a test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quintel {

namespace mtusearch {
// The MTUs searched: from the least the program sets to Ethernet's.
constexpr int LowestMtu = 576;
constexpr int HighestMtu = 1500;
// An echo's IP header (20) and ICMP header (8) come on top of its data.
constexpr int HeaderBytes = 28;
constexpr int LowestPayload = LowestMtu - HeaderBytes;    // 548
constexpr int HighestPayload = HighestMtu - HeaderBytes;  // 1472
// The smallest, the largest, then halving the 923 sizes between: 1 + 1 + 10.
constexpr int MaxEchoes = 12;
constexpr std::uint32_t EchoTimeoutMilliseconds = 1000;
}  // namespace mtusearch

enum class EchoOutcome {
    CameBack,  // the host's reply with the data came back
    TooBig,    // a router said the echo would have had to be split
    NoReply,   // nothing came back in time, or another failure answered
};

class MtuSearch {
public:
    enum class State {
        Searching,
        Found,           // Mtu() is the answer
        NoAnswer,        // not even the smallest echo came back
        TooBigAtLowest,  // the path cannot carry even the smallest whole
    };

    State Current() const { return state_; }
    bool Finished() const { return state_ != State::Searching; }
    // The data size of the echo to send next; only while searching.
    int NextPayload() const { return next_; }
    // What came of the echo of NextPayload().
    void Record(EchoOutcome outcome);

    int EchoesSent() const { return sent_; }
    // Once found: the largest data size that came back, and the MTU that
    // carries it.
    int Payload() const { return good_; }
    int Mtu() const { return good_ + mtusearch::HeaderBytes; }

private:
    void Bisect();

    State state_ = State::Searching;
    int next_ = mtusearch::LowestPayload;
    int sent_ = 0;
    int good_ = 0;  // the largest size known to come back (0: none yet)
    int bad_ = mtusearch::HighestPayload + 1;  // the smallest known not to
};

// The data an echo of `size` bytes carries: the alphabet over and over, as
// the system's ping sends.
std::vector<std::uint8_t> EchoPayload(int size);

// What the user reads when the search has finished, about `host`.
std::string MtuSearchText(const MtuSearch& search, const std::string& host);

}  // namespace quintel
