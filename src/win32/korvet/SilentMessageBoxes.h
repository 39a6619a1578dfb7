// Message boxes for a program that has no window to show them from: every
// box is answered at once, with the answer that changes nothing.
#pragma once

#include "platform/MessageBoxes.h"

namespace quintel::korvet {

class SilentMessageBoxes : public MessageBoxes {
public:
    int Show(const std::string&, const std::string&, unsigned style) override {
        return (style & 0x0F) == mb::YesNo ? mb::No : mb::Ok;
    }
};

}  // namespace quintel::korvet
