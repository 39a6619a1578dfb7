// IP Helper's GetIpAddrTable. The library is missing on old Windows; an
// implementation reports that by throwing PlatformError.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace quintel {

class PlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IpHelper {
public:
    virtual ~IpHelper() = default;
    // Same contract as the Win32 call: with buffer null or size too small it
    // stores the size needed in `size`; `sorted` asks for ascending order.
    virtual std::uint32_t GetIpAddrTable(std::uint8_t* buffer, std::uint32_t& size,
                                         bool sorted) = 0;
};

}  // namespace quintel
