#include "core/system/LocalAddress.h"

namespace quintel {

std::string FormatDottedAddress(const Ipv4Address& address) {
    std::string text;
    for (std::uint8_t byte : address) {
        text += std::to_string(byte);
        text += '.';
    }
    text.pop_back();
    return text;
}

std::string GetIPAddress(IpHelper& ipHelper, MessageBoxes& boxes, const std::string& title) {
    const auto address = ipHelper.LocalIPv4();
    if (!address) {
        boxes.Show(address.Error().Text, title, mb::OkOnly);
        return {};
    }
    return address.Value() ? FormatDottedAddress(*address.Value()) : std::string();
}

}  // namespace quintel
