// TIPs.TXT as any bytes: no tip holds a line break, and the tips written
// back one per CR LF line read as the same tips.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/text/TipLines.h"

using namespace quintel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string contents(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = TipLines(contents);

    std::string joined;
    std::size_t bytes = 0;
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        joined += line + "\r\n";
        bytes += line.size();
    }
    FUZZ_CHECK(TipLines(joined) == lines);
    // Only line breaks are dropped: every other byte is in some tip.
    std::size_t breaksDropped = 0;
    for (char c : contents) breaksDropped += (c == '\r' || c == '\n');
    FUZZ_CHECK(bytes + breaksDropped == contents.size());
    // Text without a break is one tip (or none when empty).
    if (breaksDropped == 0) FUZZ_CHECK(lines.size() == (contents.empty() ? 0u : 1u));
    return 0;
}
