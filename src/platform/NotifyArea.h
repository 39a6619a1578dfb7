// The taskbar's notification area (the tray): a window's icon there, with
// its tip, and what the user does to it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Result.h"

namespace quintel {

// What the user did to the icon; the window's form hears it.
enum class TrayEvent { LeftClick, DoubleClick, RightClick };

struct TrayIconInfo {
    // The window the icon belongs to, whose form hears its events, and the
    // icon shown: the platform's handles, carried as numbers.
    std::uintptr_t Window = 0;
    std::uintptr_t Icon = 0;
    // Any length: the notification area shows as much as it holds.
    std::string Tip;
};

class NotifyArea {
public:
    virtual ~NotifyArea() = default;
    // Puts the window's icon into the area.
    virtual Result<> Add(const TrayIconInfo& icon) = 0;
    // Gives the window's icon there a new picture and tip.
    virtual Result<> Modify(const TrayIconInfo& icon) = 0;
    // Takes the window's icon out.
    virtual Result<> Remove(const TrayIconInfo& icon) = 0;
};

}  // namespace quintel
