#include "ui/mainwindow/PingIntervalList.h"

#include <string>
#include <vector>

namespace quintel {

void FillPingIntervalList(forms::ComboBox& list) {
    std::vector<std::string> entries;
    for (int minutes = 1; minutes <= 60; ++minutes) entries.push_back(std::to_string(minutes) + " min.");
    list.SetItems(std::move(entries));
}

}  // namespace quintel
