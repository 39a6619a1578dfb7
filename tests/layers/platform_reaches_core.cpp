#include "core/tuning/TuningSettings.h"
