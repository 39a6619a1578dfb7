// What the program knows about itself: whether another copy runs, and its
// own version information.
#pragma once

#include <string>

namespace quintel {

class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // True when another instance of the program already runs. The answer
    // is taken once, at start-up.
    virtual bool AnotherInstanceRunning() = 0;
};

struct VersionInfo {
    int Major = 0;
    int Minor = 0;
    int Revision = 0;
    std::string ProductName;  // "Quintel"
    std::string ExeName;      // the executable's name without extension
};

}  // namespace quintel
