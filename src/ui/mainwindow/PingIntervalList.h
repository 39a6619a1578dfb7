// The ping tab's list of intervals.
#pragma once

#include "ui/forms/ValueControls.h"

namespace quintel {

// Empties the list and fills it with "1 min." to "60 min.".
void FillPingIntervalList(forms::ComboBox& list);

}  // namespace quintel
