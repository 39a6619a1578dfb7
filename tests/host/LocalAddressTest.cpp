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

TEST_F(Address, TakesTheFirstRowAsItComesEvenLoopback) {
    ip.table = test::FakeIpHelper::Table({{127, 0, 0, 1}, {192, 168, 0, 10}});
    EXPECT_EQ("127.0.0.1", Get());
    // Asked sorted for the size, then in the system's own order.
    EXPECT_EQ((std::vector<bool>{true, false}), ip.sortedFlags);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Address, ASizeOfZeroGivesEmptyTextWithoutAMessage) {
    ip.table.clear();
    ip.reportedSize = 0;
    EXPECT_EQ("", Get());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Address, ATableTooSmallForOneRowIsNeverReadPast) {
    for (std::uint32_t size : {1u, 4u, 27u}) {
        ip.table.assign(size, 0xAB);
        ip.reportedSize.reset();
        EXPECT_EQ("", Get()) << size;
    }
}

TEST_F(Address, ATableWithNoRowsGivesEmptyText) {
    ip.table = test::FakeIpHelper::Table({});
    ip.table.resize(28, 0);  // room for a row, but the count says none
    EXPECT_EQ("", Get());
}

TEST_F(Address, ATableThatGrewBetweenTheCallsGivesEmptyText) {
    ip.table = test::FakeIpHelper::Table({{10, 0, 0, 1}, {10, 0, 0, 2}});
    ip.reportedSize = 28;  // the size of one row, asked before the table grew
    EXPECT_EQ("", Get());
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
