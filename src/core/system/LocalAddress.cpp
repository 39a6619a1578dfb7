#include "core/system/LocalAddress.h"

#include <cstring>
#include <vector>

namespace quintel {

namespace {
// MIB_IPADDRTABLE: a 4-byte entry count, then 24-byte MIB_IPADDRROWs whose
// first field is the address.
constexpr std::size_t TableHeaderSize = 4;
constexpr std::size_t RowSize = 24;
}  // namespace

std::string FormatDottedAddress(const std::array<std::uint8_t, 4>& address) {
    std::string text;
    for (std::uint8_t byte : address) {
        text += std::to_string(byte);
        text += '.';
    }
    text.pop_back();
    return text;
}

std::string GetIPAddress(IpHelper& ipHelper, MessageBoxes& boxes, const std::string& title) {
    try {
        std::uint32_t size = 0;
        ipHelper.GetIpAddrTable(nullptr, size, true);
        if (size == 0 || size > 0x7fffffffu) return {};
        // Too small for the header and one row: there is no first row to
        // show, and reading one would leave the buffer.
        if (size < TableHeaderSize + RowSize) return {};

        std::vector<std::uint8_t> buffer(size, 0);
        ipHelper.GetIpAddrTable(buffer.data(), size, false);

        std::uint32_t rows = 0;
        std::memcpy(&rows, buffer.data(), sizeof rows);
        if (rows == 0) return {};

        std::array<std::uint8_t, 4> address{};
        std::memcpy(address.data(), buffer.data() + TableHeaderSize, address.size());
        return FormatDottedAddress(address);
    } catch (const PlatformError& e) {
        boxes.Show(e.what(), title, mb::OkOnly);
        return {};
    }
}

}  // namespace quintel
