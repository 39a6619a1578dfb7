// Ping.cfg as any bytes, and ping settings built from any bytes: a loaded
// file formats and loads back to the same settings, a rejected one gives
// the defaults with the sound kept, and every host the tab would save
// reads back exactly.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/ping/PingSettings.h"

using namespace quintel;

namespace {

const std::string Path = "C:\\Quintel\\Ping.cfg";

PingSettings Reload(const PingSettings& settings, const PingSettings& current) {
    fuzz::MemoryFiles files;
    files.files[Path] = FormatPingFile(settings);
    return LoadPingSettingsFile(files, Path, current);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the sound in use before the load.
    const PingSettings current{false, "old.host", "7", (data[0] & 1) != 0};
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    // 1. The bytes as the file.
    fuzz::MemoryFiles files;
    files.files[Path] = text;
    const PingSettings loaded = LoadPingSettingsFile(files, Path, current);
    if (loaded == DefaultPingSettings(current.PingSound)) {
        // Either rejected or holding exactly the defaults: nothing more to say.
    } else {
        FUZZ_CHECK(Reload(loaded, current) == loaded);
    }

    // 2. The bytes as the fields of settings the tab could hold: a host of
    // one line, an interval of digits.
    const std::size_t cut = text.find('\0');
    PingSettings typed;
    typed.PingAutomatic = (data[0] & 2) != 0;
    typed.PingSound = (data[0] & 4) != 0;
    typed.PingHost = text.substr(0, cut);
    typed.PingInterval = std::to_string(data[0] % 60 + 1);
    if (HostReadsBack(typed.PingHost)) {
        FUZZ_CHECK(Reload(typed, current) == typed);
    }
    // Any interval text a file holds gives an entry of the list or none,
    // and the tab's own intervals their entry.
    const int index = PingIntervalIndex(loaded.PingInterval, 60);
    FUZZ_CHECK(index >= -1 && index < 60);
    FUZZ_CHECK(PingIntervalIndex(text, 60) >= -1 && PingIntervalIndex(text, 60) < 60);
    FUZZ_CHECK(PingIntervalIndex(typed.PingInterval, 60) == data[0] % 60);

    // A missing file gives the defaults, with the sound in use kept.
    fuzz::MemoryFiles none;
    FUZZ_CHECK(LoadPingSettingsFile(none, Path, current) == DefaultPingSettings(current.PingSound));
    return 0;
}
