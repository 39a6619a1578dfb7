// The largest-MTU search against scripted paths: what it finds, how many
// echoes it takes, and what the user reads when it finds nothing.
#include <gtest/gtest.h>

#include "core/ping/MtuFinder.h"
#include "core/ping/MtuSearch.h"
#include "fakes/FakeNetwork.h"

namespace quintel {
namespace {

constexpr std::uint32_t Address = 0x0100000A;  // 10.0.0.1 as its bytes lie in memory

class MtuFinder : public ::testing::Test {
protected:
    MtuFinding Find(const std::string& host = "10.0.0.1") { return FindLargestMtu(sockets, icmp, host); }
    std::vector<int> Sizes() const {
        std::vector<int> sizes;
        for (const auto& echo : icmp.echoes) sizes.push_back(static_cast<int>(echo.request.size()));
        return sizes;
    }

    test::FakeSockets sockets;
    test::FakeIcmp icmp;
};

TEST_F(MtuFinder, FindsThePathMtuOfPppoeAVpnAndTheSmallestLine) {
    for (int mtu : {1492, 1400, 576}) {
        icmp.echoes.clear();
        icmp.path.mtu = mtu;
        const MtuFinding found = Find();
        EXPECT_TRUE(found.Found) << mtu;
        EXPECT_EQ(mtu, found.Mtu);
        EXPECT_LE(found.Echoes, mtusearch::MaxEchoes) << mtu;
        EXPECT_EQ(found.Echoes, static_cast<int>(icmp.echoes.size()));
        EXPECT_NE(std::string::npos, found.Text.find("MTU " + std::to_string(mtu) + ".")) << found.Text;
    }
}

TEST_F(MtuFinder, EveryEchoIsMarkedNotToBeSplitAndWaitsOneSecondForTheHost) {
    icmp.path.mtu = 1492;
    (void)Find();
    ASSERT_FALSE(icmp.echoes.empty());
    for (const auto& echo : icmp.echoes) {
        EXPECT_TRUE(echo.dontFragment);
        EXPECT_EQ(Address, echo.address);
        EXPECT_EQ(1000u, echo.timeout);
    }
    // The smallest first, then the largest, then halving between.
    EXPECT_EQ(548, Sizes()[0]);
    EXPECT_EQ(1472, Sizes()[1]);
    EXPECT_EQ(1010, Sizes()[2]);
    EXPECT_EQ(std::vector<std::uint8_t>({'a', 'b', 'c'}),
              std::vector<std::uint8_t>(icmp.echoes[0].request.begin(), icmp.echoes[0].request.begin() + 3));
}

TEST_F(MtuFinder, AnEthernetPathTakesTwoEchoes) {
    const MtuFinding found = Find();
    EXPECT_TRUE(found.Found);
    EXPECT_EQ(1500, found.Mtu);
    EXPECT_EQ((std::vector<int>{548, 1472}), Sizes());
}

TEST_F(MtuFinder, EveryPathFromTheSmallestToTheLargestIsFoundInTwelveEchoesAtMost) {
    for (bool silent : {false, true}) {
        for (int mtu = mtusearch::LowestMtu; mtu <= mtusearch::HighestMtu; ++mtu) {
            icmp.echoes.clear();
            icmp.path.mtu = mtu;
            icmp.path.silentRouter = silent;
            const MtuFinding found = Find();
            ASSERT_TRUE(found.Found) << mtu;
            ASSERT_EQ(mtu, found.Mtu) << "silent router " << silent;
            ASSERT_LE(icmp.echoes.size(), 12u) << mtu;
        }
    }
}

TEST_F(MtuFinder, APathLargerThanEthernetIsReportedAsTheLargestTried) {
    icmp.path.mtu = 9000;
    const MtuFinding found = Find();
    EXPECT_EQ(1500, found.Mtu);
    EXPECT_NE(std::string::npos, found.Text.find("the largest tried")) << found.Text;
}

TEST_F(MtuFinder, AHostThatDoesNotAnswerIsToldAfterOneEcho) {
    icmp.path.answers = false;
    const MtuFinding found = Find();
    EXPECT_FALSE(found.Found);
    EXPECT_EQ(1u, icmp.echoes.size());
    EXPECT_EQ("10.0.0.1 does not answer: not even the smallest echo (576 bytes) came back within 1 "
              "second. Try another host, one that answers pings.",
              found.Text);
}

TEST_F(MtuFinder, AHostThatAnswersOnlySmallEchoesGivesTheLargestThatCameBack) {
    icmp.path.largestAnswered = 1000;  // a firewall that drops large pings
    const MtuFinding found = Find();
    EXPECT_TRUE(found.Found);
    EXPECT_EQ(1028, found.Mtu);
    EXPECT_LE(found.Echoes, 12);
}

TEST_F(MtuFinder, APathNarrowerThanTheSmallestMtuIsNamed) {
    icmp.path.mtu = 500;
    const MtuFinding found = Find();
    EXPECT_FALSE(found.Found);
    EXPECT_EQ(1u, icmp.echoes.size());
    EXPECT_NE(std::string::npos, found.Text.find("does not carry even 576-byte packets")) << found.Text;
}

TEST_F(MtuFinder, WithoutTheIcmpLibraryNothingIsSentAndTheReasonIsGiven) {
    icmp.sendFails = true;
    const MtuFinding found = Find();
    EXPECT_FALSE(found.Found);
    EXPECT_EQ("No echo could be sent: icmp.dll: The specified module could not be found.", found.Text);
}

TEST(MtuSearchSteps, ALostEchoCountsAsTooBigAndTheSearchStopsAtTwelve) {
    MtuSearch search;
    search.Record(EchoOutcome::CameBack);
    int echoes = 1;
    while (!search.Finished()) {
        search.Record(EchoOutcome::NoReply);
        ++echoes;
    }
    EXPECT_EQ(MtuSearch::State::Found, search.Current());
    EXPECT_EQ(576, search.Mtu());
    EXPECT_LE(echoes, 12);
    EXPECT_EQ(echoes, search.EchoesSent());
    // Nothing more is taken once it has finished.
    search.Record(EchoOutcome::CameBack);
    EXPECT_EQ(echoes, search.EchoesSent());
    EXPECT_EQ(576, search.Mtu());
}

TEST(MtuSearchSteps, NoAnswerAndTooBigAtTheSmallestAreToldApart) {
    MtuSearch lost;
    lost.Record(EchoOutcome::NoReply);
    EXPECT_EQ(MtuSearch::State::NoAnswer, lost.Current());
    MtuSearch refused;
    refused.Record(EchoOutcome::TooBig);
    EXPECT_EQ(MtuSearch::State::TooBigAtLowest, refused.Current());
}

TEST_F(MtuFinder, RepliesThatAreNotTheHostsWholeEchoDoNotCount) {
    // An unreachable network answers with another status; a reply that
    // lost data proves nothing either.
    class Odd : public test::FakeIcmp {
    public:
        EchoReply answer;
        Result<std::optional<EchoReply>> EchoUnfragmented(std::uint32_t, const std::vector<std::uint8_t>&,
                                                          std::uint32_t) override {
            return std::optional<EchoReply>(answer);
        }
    } odd;
    odd.answer = EchoReply{11003, 1, 0, false};  // destination host unreachable
    EXPECT_EQ(EchoOutcome::NoReply, SendProbe(odd, Address, 548).Value());
    odd.answer = EchoReply{EchoReply::Success, 1, 100, false};
    EXPECT_EQ(EchoOutcome::NoReply, SendProbe(odd, Address, 548).Value());
    odd.answer = EchoReply{EchoReply::Success, 1, 548, false};
    EXPECT_EQ(EchoOutcome::CameBack, SendProbe(odd, Address, 548).Value());
    odd.answer = EchoReply{11009, 0, 0, true};
    EXPECT_EQ(EchoOutcome::TooBig, SendProbe(odd, Address, 548).Value());
}

TEST_F(MtuFinder, ANameIsLookedUpWithTheSocketsLayerStartedAndStopped) {
    sockets.hosts["gateway.example"] = {{10, 0, 0, 1}, {10, 0, 0, 2}};
    const auto address = MtuSearchAddress(sockets, " gateway.example ");
    ASSERT_TRUE(address);
    EXPECT_EQ(Address, address.Value());
    EXPECT_EQ(1, sockets.startups);
    EXPECT_EQ(1, sockets.cleanups);
    EXPECT_EQ(std::vector<std::string>{"gateway.example"}, sockets.lookups);
}

TEST_F(MtuFinder, HostsThatCannotBePingedSaySoWithoutAnEcho) {
    EXPECT_EQ("Enter the host to send the echoes to.", Find("  ").Text);
    EXPECT_EQ("unknown.example cannot be found: no address is known for that name.",
              Find("unknown.example").Text);
    EXPECT_EQ("10.0.0 is not an IP address (four numbers, such as 192.168.0.1).", Find("10.0.0").Text);
    EXPECT_FALSE(Find("1.2.3.4.5").Found);
    sockets.startupResult = 10091;
    EXPECT_EQ("Windows Sockets did not start, so name.example could not be looked up: The sockets layer "
              "did not start.",
              Find("name.example").Text);
    EXPECT_TRUE(icmp.echoes.empty());
}

}  // namespace
}  // namespace quintel
