#include "ui/mainwindow/PingIntervalList.h"

#include <string>

namespace quintel {

void FillPingIntervalList(forms::ComboBox& list) {
    list.Clear();
    for (int minutes = 1; minutes <= 60; ++minutes) list.AddItem(std::to_string(minutes) + " min.");
}

}  // namespace quintel
