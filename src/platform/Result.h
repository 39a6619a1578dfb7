// What every platform service answers: success (with its value, if it has
// one) or the system's error, its code and its text for the user. The code
// is the system's own, so callers keep the system's rules readable: the
// registry's 2 for a missing key or value, 259 at the end of a list.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace quintel {

struct SystemError {
    long Code = 0;
    std::string Text;  // the system's description, ready for a message
};

// Result<> is success or an error; Result<T> a value or an error.
template <typename T = void>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(SystemError error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool Ok() const { return state_.index() == 0; }
    explicit operator bool() const { return Ok(); }
    // Only for a result that is Ok().
    const T& Value() const { return std::get<0>(state_); }
    T& Value() { return std::get<0>(state_); }
    // Only for a result that is not Ok().
    const SystemError& Error() const { return std::get<1>(state_); }
    // 0 for success, else the system's code.
    long Code() const { return Ok() ? 0 : Error().Code; }

private:
    std::variant<T, SystemError> state_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(SystemError error) : failed_(true), error_(std::move(error)) {}

    bool Ok() const { return !failed_; }
    explicit operator bool() const { return Ok(); }
    const SystemError& Error() const { return error_; }
    long Code() const { return failed_ ? error_.Code : 0; }

private:
    bool failed_ = false;
    SystemError error_;
};

}  // namespace quintel
