// VarOderudi.cfg as any bytes: whatever the loader accepts survives a save
// and a second load unchanged; whatever it rejects leaves the Windows
// defaults in use, and those survive a save and a load too.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "engine/SettingsFile.h"

using namespace quintel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string path = AppFilePath("C:\\Quintel", SettingsFileName);

    TuningState state;
    state.LoadPresets();
    TuningSettings parsed{};
    const bool accepted = ParseSettingsFile(text, state, parsed);

    fuzz::MemoryFiles files;
    files.files[path] = text;
    state.CurrentSettings.MTU = 12345;  // something no load leaves behind
    LoadSettingsFile(state, files, path);
    if (accepted) {
        FUZZ_CHECK(state.CurrentSettings == parsed);
        FUZZ_CHECK(parsed.ConnectionType >= 0 && parsed.ConnectionType < listsize::ConnectionTypes);
        FUZZ_CHECK(parsed.OptiMode >= 0 && parsed.OptiMode < listsize::OptimizationModes);
    } else {
        FUZZ_CHECK(state.CurrentSettings == state.WindowsDefaults);
    }

    // Save what is in use, as Apply does, and read it back.
    const TuningSettings inUse = state.CurrentSettings;
    fuzz::NullRegistry registry;
    const WindowsFamily family = FamilyFromDetection(static_cast<std::int16_t>(size % 7));
    const SaveResult saved = SaveSettingsFile(state, files, path, registry, family);
    FUZZ_CHECK(saved.FileWritten);
    FUZZ_CHECK(files.files[path] == FormatSettingsFile(inUse));

    state.CurrentSettings = TuningSettings{};
    LoadSettingsFile(state, files, path);
    FUZZ_CHECK(state.CurrentSettings == inUse);

    // The saved text is what the loader reads, byte for byte, on a second save.
    FUZZ_CHECK(FormatSettingsFile(state.CurrentSettings) == files.files[path]);
    return 0;
}
