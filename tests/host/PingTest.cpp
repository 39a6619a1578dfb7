#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeNetwork.h"
#include "fakes/FakeSystem.h"
#include "core/ping/Pinger.h"

namespace quintel {
namespace {

std::uint32_t Bytes(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    return std::uint32_t(a) | std::uint32_t(b) << 8 | std::uint32_t(c) << 16 | std::uint32_t(d) << 24;
}

TEST(ParseDottedAddress, PutsThePartsInMemoryOrder) {
    EXPECT_EQ(Bytes(192, 168, 0, 1), static_cast<std::uint32_t>(*ParseDottedAddress("192.168.0.1")));
    EXPECT_EQ(Bytes(127, 0, 0, 1), static_cast<std::uint32_t>(*ParseDottedAddress("127.0.0.1")));
    EXPECT_LT(*ParseDottedAddress("10.0.0.200"), 0) << "the top bit set comes out negative";
}

TEST(ParseDottedAddress, FewerThanFourPartsGiveZero) {
    EXPECT_EQ(0, ParseDottedAddress("10.0.0"));
    EXPECT_EQ(0, ParseDottedAddress("123.example"));
    EXPECT_EQ(0, ParseDottedAddress("localhost"));
}

TEST(ParseDottedAddress, OnlyTheLowEightBitsOfEachPartCount) {
    EXPECT_EQ(Bytes(44, 1, 1, 1), static_cast<std::uint32_t>(*ParseDottedAddress("300.1.1.1")));
    EXPECT_EQ(Bytes(255, 0, 0, 1), static_cast<std::uint32_t>(*ParseDottedAddress("-1.0.0.1")));
    EXPECT_EQ(Bytes(1, 2, 3, 4), static_cast<std::uint32_t>(*ParseDottedAddress(" 1.2 .3.4")));
}

TEST(ParseDottedAddress, AFifthPartOrAPartThatIsNoNumberIsAnError) {
    EXPECT_EQ(std::nullopt, ParseDottedAddress("1.2.3.4.5"));
    EXPECT_EQ(std::nullopt, ParseDottedAddress("1.2.x.4"));
    EXPECT_EQ(std::nullopt, ParseDottedAddress("1..3.4"));
    EXPECT_EQ(std::nullopt, ParseDottedAddress("1.2.3.99999999999"));
}

class Pinging : public ::testing::Test {
protected:
    bool Ping(const std::string& host) { return ping.Ping(host, 1000); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : boxes.shown) texts.push_back(m.text);
        return texts;
    }
    test::FakeSockets sockets;
    test::FakeIcmp icmp;
    test::FakeMessageBoxes boxes;
    Pinger ping{sockets, icmp, boxes, "Quintel"};
};

TEST_F(Pinging, ADottedAddressIsPingedWithNineBytes) {
    EXPECT_TRUE(Ping("192.168.0.1"));
    ASSERT_EQ(1u, icmp.echoes.size());
    EXPECT_EQ(Bytes(192, 168, 0, 1), icmp.echoes[0].address);
    EXPECT_EQ(std::string("Echo This"), std::string(icmp.echoes[0].request.begin(), icmp.echoes[0].request.end()));
    EXPECT_EQ(1000u, icmp.echoes[0].timeout);
    EXPECT_TRUE(sockets.lookups.empty());
    EXPECT_EQ(sockets.startups, sockets.cleanups);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Pinging, EmptyOrBlankHostsTouchNothing) {
    EXPECT_FALSE(Ping(""));
    EXPECT_FALSE(Ping("   "));
    EXPECT_EQ(0, sockets.startups);
    EXPECT_TRUE(icmp.echoes.empty());
}

TEST_F(Pinging, ANameIsLookedUpAndItsFirstAddressPinged) {
    sockets.hosts["www.example.com"] = {{93, 184, 216, 34}, {10, 0, 0, 1}};
    sockets.hosts["localhost"] = {{127, 0, 0, 1}};
    EXPECT_TRUE(Ping("www.example.com"));
    EXPECT_TRUE(Ping("localhost"));
    ASSERT_EQ(2u, icmp.echoes.size());
    EXPECT_EQ(Bytes(93, 184, 216, 34), icmp.echoes[0].address);
    EXPECT_EQ(Bytes(127, 0, 0, 1), icmp.echoes[1].address);
    EXPECT_EQ(sockets.startups, sockets.cleanups);
}

TEST_F(Pinging, ANameThatDoesNotResolveFailsWithoutAnEcho) {
    EXPECT_FALSE(Ping("no.such.host"));
    EXPECT_TRUE(icmp.echoes.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(sockets.startups, sockets.cleanups) << "the sockets layer is always given back";
}

TEST_F(Pinging, ANumericFirstLabelMakesTheTextAnAddress) {
    icmp.answered = false;  // nothing answers from 0.0.0.0
    EXPECT_FALSE(Ping("123.example"));
    ASSERT_EQ(1u, icmp.echoes.size());
    EXPECT_EQ(0u, icmp.echoes[0].address);
    EXPECT_TRUE(sockets.lookups.empty());
    EXPECT_FALSE(Ping("10.0.0"));
    EXPECT_EQ(0u, icmp.echoes[1].address);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Pinging, MalformedAddressesFailQuietlyWithoutAnEcho) {
    EXPECT_FALSE(Ping("1.2.3.4.5"));
    EXPECT_FALSE(Ping("1.2.x.4"));
    EXPECT_TRUE(icmp.echoes.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(sockets.startups, sockets.cleanups);
}

TEST_F(Pinging, ANonZeroStatusOrNoReplyFails) {
    icmp.status = 11010;  // request timed out
    EXPECT_FALSE(Ping("10.0.0.1"));
    icmp.status = 0;
    icmp.answered = false;
    EXPECT_FALSE(Ping("10.0.0.1"));
}

TEST_F(Pinging, AnEchoThatCannotBeSentFailsQuietly) {
    icmp.sendFails = true;
    EXPECT_FALSE(Ping("10.0.0.1"));
    EXPECT_TRUE(icmp.echoes.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(sockets.startups, sockets.cleanups);
}

TEST_F(Pinging, ASocketsLayerThatDoesNotStartIsReported) {
    sockets.startupResult = 10091;
    EXPECT_FALSE(Ping("10.0.0.1"));
    EXPECT_EQ(std::vector<std::string>{"Windows Sockets for 32 bit Windows environments is not "
                                       "successfully responding."},
              Texts());
    EXPECT_EQ(mb::OkOnly, boxes.shown[0].style);
    EXPECT_EQ("Quintel", boxes.shown[0].caption);
    EXPECT_TRUE(icmp.echoes.empty());
    EXPECT_EQ(0, sockets.cleanups);
}

TEST_F(Pinging, VersionOnePointZeroIsRefusedNamingIt) {
    sockets.granted.Version = 0x0001;  // major 1, minor 0
    EXPECT_FALSE(Ping("10.0.0.1"));
    EXPECT_EQ(std::vector<std::string>{"Windows Sockets Version 1.0 is not supported by Windows "
                                       "Sockets for 32 bit Windows environments."},
              Texts());
    EXPECT_EQ(mb::OkOnly | mb::IconExclamation, boxes.shown[0].style);
    EXPECT_TRUE(icmp.echoes.empty());
    EXPECT_EQ(1, sockets.cleanups) << "a layer that started is given back";
}

TEST_F(Pinging, TooFewSocketsAreRefused) {
    sockets.granted.MaxSockets = 0;
    EXPECT_FALSE(Ping("10.0.0.1"));
    EXPECT_EQ(std::vector<std::string>{"This application requires a minimum of 1 supported sockets."},
              Texts());
}

TEST_F(Pinging, AFailedCleanupIsReportedButKeepsTheOutcome) {
    sockets.cleanupResult = -1;
    EXPECT_TRUE(Ping("10.0.0.1"));
    EXPECT_EQ(std::vector<std::string>{"Windows Sockets error -1 occurred in Cleanup."}, Texts());
    EXPECT_EQ(mb::OkOnly | mb::IconExclamation, boxes.shown[0].style);
}

TEST_F(Pinging, QuietPingsShowNothing) {
    ping.SetQuiet(true);
    sockets.startupResult = 1;
    EXPECT_FALSE(Ping("10.0.0.1"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(PingSound, PlaysPingWavAsynchronouslyOnlyWhenItIsThere) {
    test::FakeFileSystem files;
    test::FakeSoundPlayer player;
    PlayPingSound(files, player, "C:\\Q");
    EXPECT_TRUE(player.played.empty());
    files.Put("C:\\Q\\Ping.wav", "RIFF");
    PlayPingSound(files, player, "C:\\Q");
    ASSERT_EQ(1u, player.played.size());
    EXPECT_EQ("C:\\Q\\Ping.wav", player.played[0]);
}

}  // namespace
}  // namespace quintel
