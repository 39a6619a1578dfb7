#include "core/system/TipSetting.h"

#include "core/text/NumberText.h"

namespace quintel {

bool ShowTipsAtStartup(UserSettings& settings, const std::string& appName) {
    return LeadingNumber(settings.GetSetting(appName, TipSection, TipKey, "1")) == 1;
}

}  // namespace quintel
