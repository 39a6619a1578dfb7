#include "fakes/FakeSystem.h"

#include <algorithm>
#include <cstring>

namespace quintel::test {

std::uint32_t FakeIpHelper::GetIpAddrTable(std::uint8_t* buffer, std::uint32_t& size, bool sorted) {
    constexpr std::uint32_t ErrorInsufficientBuffer = 122;
    sortedFlags.push_back(sorted);
    if (missing) throw PlatformError("The specified module could not be found.");
    const auto needed = static_cast<std::uint32_t>(table.size());
    if (buffer == nullptr || size < needed) {
        size = reportedSize.value_or(needed);
        return ErrorInsufficientBuffer;
    }
    std::memcpy(buffer, table.data(), std::min<std::size_t>(size, table.size()));
    return 0;
}

std::vector<std::uint8_t> FakeIpHelper::Table(const std::vector<std::array<std::uint8_t, 4>>& rows) {
    std::vector<std::uint8_t> t(4 + rows.size() * 24, 0);
    const auto count = static_cast<std::uint32_t>(rows.size());
    std::memcpy(t.data(), &count, 4);
    for (std::size_t i = 0; i < rows.size(); ++i) std::memcpy(&t[4 + i * 24], rows[i].data(), 4);
    return t;
}

}  // namespace quintel::test
