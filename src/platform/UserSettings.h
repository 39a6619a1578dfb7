// A per-user settings store addressed by application name, section and
// key; values are text.
#pragma once

#include <string>

#include "platform/Result.h"

namespace quintel {

class UserSettings {
public:
    virtual ~UserSettings() = default;
    virtual std::string GetSetting(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& fallback) = 0;
    // The system's error when the value could not be stored.
    virtual Result<> SaveSetting(const std::string& app, const std::string& section,
                                 const std::string& key, const std::string& value) = 0;
};

}  // namespace quintel
