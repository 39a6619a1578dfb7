// Scripted stand-ins for the small system services.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/IpHelper.h"
#include "platform/MessageBoxes.h"
#include "platform/VersionQuery.h"

namespace quintel::test {

class FakeVersionQuery : public VersionQuery {
public:
    OsVersion version;
    int calls = 0;
    OsVersion QueryVersion() override {
        ++calls;
        return version;
    }
};

// Answers with a fixed address, or with the error of a missing library.
class FakeIpHelper : public IpHelper {
public:
    std::optional<Ipv4Address> address;
    bool missing = false;  // the library is absent
    int calls = 0;

    Result<std::optional<Ipv4Address>> LocalIPv4() override {
        ++calls;
        if (missing) return SystemError{126, "The specified module could not be found."};
        return address;
    }
};

// A clock that stands where the test sets it; Windows started at `boot`,
// or cannot say when `bootUnknown`.
class FakeClock : public Clock {
public:
    UnixSeconds now = 1'800'000'000;
    UnixSeconds boot = 1'799'990'000;
    bool bootUnknown = false;

    UnixSeconds Now() override { return now; }
    Result<UnixSeconds> BootTime() override {
        if (bootUnknown) return SystemError{1, "Incorrect function."};
        return boot;
    }
};

struct ShownMessage {
    std::string text;
    std::string caption;
    unsigned style = 0;
};

// Records every message box and answers with the queued answers, or OK.
class FakeMessageBoxes : public MessageBoxes {
public:
    std::vector<ShownMessage> shown;
    std::vector<int> answers;

    int Show(const std::string& text, const std::string& caption, unsigned style) override {
        shown.push_back({text, caption, style});
        if (answers.empty()) return mb::Ok;
        const int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
};

}  // namespace quintel::test
