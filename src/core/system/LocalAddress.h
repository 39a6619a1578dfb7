// ModIP: the computer's IPv4 address for the status bar.
#pragma once

#include <string>

#include "platform/IpHelper.h"
#include "platform/MessageBoxes.h"

namespace quintel {

// The four bytes in memory order, "10.0.0.1".
std::string FormatDottedAddress(const Ipv4Address& address);

// The computer's address, or the empty text when it has none. A system
// that cannot be asked is reported in a message box titled `title`, and
// the result is then empty as well.
std::string GetIPAddress(IpHelper& ipHelper, MessageBoxes& boxes, const std::string& title);

}  // namespace quintel
