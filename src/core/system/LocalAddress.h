// ModIP: the computer's IPv4 address for the status bar.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/IpHelper.h"
#include "platform/MessageBoxes.h"

namespace quintel {

// The four bytes as they lie in memory (network order), "10.0.0.1".
std::string FormatDottedAddress(const std::array<std::uint8_t, 4>& address);

// The address of the first row of the system's address table, or the empty
// text when there is none. A missing IP Helper library is reported in a
// message box titled `title`, and the result is then empty as well.
std::string GetIPAddress(IpHelper& ipHelper, MessageBoxes& boxes, const std::string& title);

}  // namespace quintel
