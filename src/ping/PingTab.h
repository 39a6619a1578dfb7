// The keep-alive ping settings and the ping tab's interval list.
#pragma once

#include <string>

#include "forms/ValueControls.h"

namespace quintel {

struct PingSettings {
    bool PingAutomatic = false;
    std::string PingHost;
    std::string PingInterval;  // whole minutes as decimal digits
    bool PingSound = false;
};

// Empties the list and fills it with "1 min." to "60 min.".
void FillPingIntervalList(forms::ComboBox& list);

}  // namespace quintel
