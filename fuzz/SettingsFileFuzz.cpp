// VarOderudi.cfg as any bytes: whatever the loader accepts survives a save
// and a second load unchanged; whatever it rejects leaves the Windows
// defaults in use, and those survive a save and a load too.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/tuning/SettingsFile.h"
#include "core/text/Paths.h"

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
        if (parsed.OptiMode == mode::Manual) {
            // Whatever the custom flags say, the writer writes these.
            using namespace limits;
            FUZZ_CHECK(parsed.MTU >= MinMtu && parsed.MTU <= MaxMtu);
            FUZZ_CHECK(parsed.RWIN >= MinRwin && parsed.RWIN <= MaxRwin);
            FUZZ_CHECK(parsed.TTL >= MinTtl && parsed.TTL <= MaxTtl);
            FUZZ_CHECK(parsed.SKA >= MinSka && parsed.SKA <= MaxSka);
            FUZZ_CHECK(parsed.NDI >= MinNdi && parsed.NDI <= MaxNdi);
            FUZZ_CHECK(parsed.MSCPS0 >= MinMscps && parsed.MSCPS0 <= MaxMscps);
            FUZZ_CHECK(parsed.MSCPS1 >= MinMscps && parsed.MSCPS1 <= MaxMscps);
        }
    } else {
        SettingsFileError error;
        TuningSettings again{};
        FUZZ_CHECK(!ParseSettingsFile(text, state, again, error));
        // The switches show a line number, its key and what is wrong.
        FUZZ_CHECK(error.Line >= 1 && !error.Name.empty() && !error.Reason.empty());
        FUZZ_CHECK(error.Reason.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(state.CurrentSettings == state.WindowsDefaults);
    }

    // Save what is in use, as Apply does, and read it back.
    const TuningSettings inUse = state.CurrentSettings;
    fuzz::NullRegistry registry;
    const WindowsFamily family = FamilyFromDetection(static_cast<std::int16_t>(size % 15));
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
