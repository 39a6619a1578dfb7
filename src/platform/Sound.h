// The system beep that answers a refused key.
#pragma once

namespace quintel {

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

}  // namespace quintel
