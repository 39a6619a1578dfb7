#include "win32/AddressTable.h"

#include <cstring>
#include <vector>

namespace quintel::win32 {

namespace {
constexpr std::size_t TableHeaderSize = 4;
constexpr std::size_t RowSize = 24;
}  // namespace

std::optional<Ipv4Address> FirstTableAddress(const AddressTableCall& call) {
    std::uint32_t size = 0;
    call(nullptr, size, true);
    if (size == 0 || size > 0x7fffffffu) return std::nullopt;
    // Too small for the header and one row: there is no first row to show,
    // and reading one would leave the buffer.
    if (size < TableHeaderSize + RowSize) return std::nullopt;

    // Zeroed, so a call that stores nothing reads as a table of no rows.
    std::vector<std::uint8_t> buffer(size, 0);
    call(buffer.data(), size, false);

    std::uint32_t rows = 0;
    std::memcpy(&rows, buffer.data(), sizeof rows);
    if (rows == 0) return std::nullopt;

    Ipv4Address address{};
    std::memcpy(address.data(), buffer.data() + TableHeaderSize, address.size());
    return address;
}

}  // namespace quintel::win32
