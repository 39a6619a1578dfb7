#include "core/ping/MtuSearch.h"

namespace quintel {

using namespace mtusearch;

void MtuSearch::Record(EchoOutcome outcome) {
    if (Finished()) return;
    ++sent_;
    const bool cameBack = outcome == EchoOutcome::CameBack;
    if (good_ == 0) {
        // The first echo is the smallest: without it there is nothing to
        // search between.
        if (!cameBack) {
            state_ = outcome == EchoOutcome::TooBig ? State::TooBigAtLowest : State::NoAnswer;
            return;
        }
        good_ = next_;
        // The largest next: most lines carry it, and then one more echo
        // is all it takes.
        next_ = HighestPayload;
        return;
    }
    // A lost echo counts as too big: the search cannot tell them apart,
    // and a smaller MTU than the line's costs little, a larger one a lot.
    if (cameBack) good_ = next_;
    else bad_ = next_;
    Bisect();
}

void MtuSearch::Bisect() {
    if (bad_ - good_ <= 1 || sent_ >= MaxEchoes) {
        state_ = State::Found;
        return;
    }
    next_ = good_ + (bad_ - good_) / 2;
}

std::vector<std::uint8_t> EchoPayload(int size) {
    std::vector<std::uint8_t> data(size > 0 ? static_cast<std::size_t>(size) : 0);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>('a' + i % 23);
    return data;
}

std::string MtuSearchText(const MtuSearch& search, const std::string& host) {
    switch (search.Current()) {
    case MtuSearch::State::Found:
        if (search.Mtu() >= HighestMtu) {
            return "The path to " + host + " carries " + std::to_string(HighestMtu) +
                   "-byte packets whole, the largest tried: MTU " + std::to_string(search.Mtu()) + ".";
        }
        return "The largest packet that reaches " + host + " whole is " +
               std::to_string(search.Mtu()) + " bytes (" + std::to_string(search.Payload()) +
               " of data): MTU " + std::to_string(search.Mtu()) + ".";
    case MtuSearch::State::NoAnswer:
        return host + " does not answer: not even the smallest echo (" + std::to_string(LowestMtu) +
               " bytes) came back within " + std::to_string(EchoTimeoutMilliseconds / 1000) +
               " second. Try another host, one that answers pings.";
    case MtuSearch::State::TooBigAtLowest:
        return "The path to " + host + " does not carry even " + std::to_string(LowestMtu) +
               "-byte packets whole, the smallest MTU Quintel sets.";
    case MtuSearch::State::Searching: break;
    }
    return "Searching...";
}

}  // namespace quintel
