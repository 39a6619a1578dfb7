#include "core/ping/CompanionPingSettings.h"

#include "core/tuning/RenameReplace.h"

namespace quintel {

PingSettings CompanionPingSettings::Load(FileSystem& files, const std::string& path) {
    PingSettings read;
    switch (ReadPingSettingsFile(files, path, read)) {
    case PingFileRead::Loaded:
        lastGood_ = read;
        return read;
    case PingFileRead::Missing:
        if (lastGood_ && ReplaceUnderway(files, path)) return *lastGood_;
        lastGood_ = DefaultPingSettings(lastGood_ ? lastGood_->PingSound : false);
        return *lastGood_;
    case PingFileRead::Unusable:
        break;
    }
    if (lastGood_) return *lastGood_;
    return DefaultPingSettings(false);
}

}  // namespace quintel
