// Scripted stand-ins for the small system services.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

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
