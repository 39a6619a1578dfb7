#include "core/tuning/SettingsFile.h"
#include "platform/Registry.h"
#include "ui/forms/Form.h"
