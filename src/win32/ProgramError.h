// The exception the Windows side throws when a window, a window class or
// a drawing cannot be made. It derives from std::exception alone, so the
// entry points' handlers catch it as before: the standard's logic_error
// and runtime_error hold a string of the old reference-counted kind, and
// making one links a second whole string implementation into programs
// that otherwise have no use for it.
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace quintel::win32 {

class ProgramError : public std::exception {
public:
    explicit ProgramError(std::string text) : text_(std::move(text)) {}
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::string text_;
};

}  // namespace quintel::win32
