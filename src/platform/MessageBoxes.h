// Message boxes, with the style bits and answers of the Win32 call so the
// texts, buttons and icons each caller asks for can be checked exactly.
#pragma once

#include <string>

namespace quintel {

namespace mb {
constexpr unsigned OkOnly = 0x00;
constexpr unsigned YesNo = 0x04;
constexpr unsigned IconError = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconExclamation = 0x30;
constexpr unsigned IconInformation = 0x40;
constexpr unsigned DefaultButton2 = 0x100;

constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace mb

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual int Show(const std::string& text, const std::string& caption, unsigned style) = 0;
};

}  // namespace quintel
