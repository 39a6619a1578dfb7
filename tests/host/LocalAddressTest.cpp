#include <gtest/gtest.h>

#include "fakes/FakeSystem.h"
#include "core/system/LocalAddress.h"

namespace quintel {
namespace {

TEST(FormatDottedAddress, WritesEachByteInMemoryOrderWithoutPadding) {
    EXPECT_EQ("10.0.0.1", FormatDottedAddress({10, 0, 0, 1}));
    EXPECT_EQ("192.168.0.10", FormatDottedAddress({192, 168, 0, 10}));
    EXPECT_EQ("255.255.255.255", FormatDottedAddress({255, 255, 255, 255}));
    EXPECT_EQ("0.0.0.0", FormatDottedAddress({0, 0, 0, 0}));
}

class Address : public ::testing::Test {
protected:
    std::string Get() { return GetIPAddress(ip, boxes, "Quintel"); }
    test::FakeIpHelper ip;
    test::FakeMessageBoxes boxes;
};

TEST_F(Address, ShowsTheAddressTheSystemGivesFirstEvenLoopback) {
    ip.address = Ipv4Address{127, 0, 0, 1};
    EXPECT_EQ("127.0.0.1", Get());
    EXPECT_EQ(1, ip.calls);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Address, NoAddressGivesEmptyTextWithoutAMessage) {
    ip.address.reset();
    EXPECT_EQ("", Get());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Address, AMissingLibraryShowsTheReasonAndGivesEmptyText) {
    ip.missing = true;
    EXPECT_EQ("", Get());
    ASSERT_EQ(1u, boxes.shown.size());
    EXPECT_EQ("The specified module could not be found.", boxes.shown[0].text);
    EXPECT_EQ("Quintel", boxes.shown[0].caption);
    EXPECT_EQ(mb::OkOnly, boxes.shown[0].style);
}

}  // namespace
}  // namespace quintel
