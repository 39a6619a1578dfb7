#include "core/tuning/SettingsFile.h"
#include "platform/Registry.h"
