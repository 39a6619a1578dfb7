// Undo.reg as any bytes: the reader either refuses it with a reason on one
// line, or what it read is what the writer writes back, and reading that
// gives the same entries again (so an undo never puts back anything other
// than what was recorded).
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/tuning/RegFile.h"

using namespace quintel;

namespace {

bool SameEntries(const RegFileContents& a, const RegFileContents& b) {
    if (a.Flavour != b.Flavour || a.Comments != b.Comments || a.Entries.size() != b.Entries.size())
        return false;
    for (std::size_t i = 0; i < a.Entries.size(); ++i) {
        const RegFileEntry& x = a.Entries[i];
        const RegFileEntry& y = b.Entries[i];
        if (x.Key != y.Key || x.ValueName != y.ValueName || x.Value.has_value() != y.Value.has_value())
            return false;
        if (x.Value && (x.Value->type != y.Value->type || x.Value->data != y.Value->data)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseRegFile(bytes);
    if (!parsed) {
        FUZZ_CHECK(!parsed.Error().Reason.empty());
        FUZZ_CHECK(parsed.Error().Reason.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(parsed.Error().Line >= 0);  // 0: the file as a whole (an odd UTF-16 length)
        return 0;
    }
    const auto written = FormatRegFile(parsed.Value());
    FUZZ_CHECK(written.Ok());
    const auto again = ParseRegFile(written.Value());
    FUZZ_CHECK(again.Ok());
    FUZZ_CHECK(SameEntries(parsed.Value(), again.Value()));
    // The writer's text is a fixed point.
    const auto twice = FormatRegFile(again.Value());
    FUZZ_CHECK(twice.Ok() && twice.Value() == written.Value());
    return 0;
}
