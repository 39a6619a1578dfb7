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

// Serves a fixed address table; `reportedSize` overrides the size the
// first call reports, to model a table that changed between the calls.
class FakeIpHelper : public IpHelper {
public:
    std::vector<std::uint8_t> table;
    std::optional<std::uint32_t> reportedSize;
    bool missing = false;  // the library is absent
    std::vector<bool> sortedFlags;

    std::uint32_t GetIpAddrTable(std::uint8_t* buffer, std::uint32_t& size, bool sorted) override;

    // A table of whole rows with these addresses (bytes in memory order).
    static std::vector<std::uint8_t> Table(const std::vector<std::array<std::uint8_t, 4>>& rows);
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
