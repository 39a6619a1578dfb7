// Reading the first address out of the table GetIpAddrTable fills: a
// 4-byte row count, then 24-byte MIB_IPADDRROWs whose first field is the
// address. Kept apart from the call so a table of any shape can be tried.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/IpHelper.h"

namespace quintel::win32 {

// The call's own contract: with `buffer` null or `size` too small it stores
// the size needed in `size`; `sorted` asks for ascending order. Answers the
// system's error code, 0 for a table stored.
using AddressTableCall =
    std::function<std::uint32_t(std::uint8_t* buffer, std::uint32_t& size, bool sorted)>;

// The address of the table's first row as the system orders it; nothing
// for an empty table, one too small for a row, or one that grew between
// asking its size and reading it.
std::optional<Ipv4Address> FirstTableAddress(const AddressTableCall& call);

}  // namespace quintel::win32
