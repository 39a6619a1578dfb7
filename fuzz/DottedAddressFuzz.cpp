// The ping's dotted-address reading: the dotted text of any 32-bit address
// gives that address back; any other text gives 0 (fewer than four
// parts), an address whose own dotted text reads the same, or the
// nothing (the text is no address), and never throws.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "core/ping/Pinger.h"

using namespace quintel;

namespace {

// The address as the dotted text the ping reads: the byte lowest in
// memory first.
std::string Dotted(std::uint32_t address) {
    return std::to_string(address & 0xFF) + "." + std::to_string(address >> 8 & 0xFF) + "." +
           std::to_string(address >> 16 & 0xFF) + "." + std::to_string(address >> 24 & 0xFF);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= 4) {
        std::uint32_t address = 0;
        std::memcpy(&address, data, 4);
        FUZZ_CHECK(ParseDottedAddress(Dotted(address)) == static_cast<std::int32_t>(address));
    }

    // The bytes as typed text, in a buffer of exactly their size so the
    // address sanitizer sees a read past the end.
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t dots = 0;
    for (char c : text) dots += c == '.';
    if (const auto parsed = ParseDottedAddress(text)) {
        const auto address = static_cast<std::uint32_t>(*parsed);
        FUZZ_CHECK(dots <= 3);
        if (dots < 3) FUZZ_CHECK(address == 0);
        else FUZZ_CHECK(ParseDottedAddress(Dotted(address)) == *parsed);
    } else {
        // A fifth part or a part that is not a number: what Ping turns into
        // "no answer".
        FUZZ_CHECK(dots >= 3);
    }
    return 0;
}
