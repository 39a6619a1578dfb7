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

// Result<> is success or an error; Result<T> a value or an error. A
// service whose errors must say more than the system's code and text (a
// file's path) names its own error type as E.
template <typename T = void, typename E = SystemError>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(E error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool Ok() const { return state_.index() == 0; }
    explicit operator bool() const { return Ok(); }
    // Only for a result that is Ok().
    const T& Value() const { return std::get<0>(state_); }
    T& Value() { return std::get<0>(state_); }
    // Only for a result that is not Ok().
    const E& Error() const { return std::get<1>(state_); }
    // 0 for success, else the system's code.
    long Code() const { return Ok() ? 0 : Error().Code; }

private:
    std::variant<T, E> state_;
};

template <typename E>
class [[nodiscard]] Result<void, E> {
public:
    Result() = default;
    Result(E error) : failed_(true), error_(std::move(error)) {}

    bool Ok() const { return !failed_; }
    explicit operator bool() const { return Ok(); }
    const E& Error() const { return error_; }
    long Code() const { return failed_ ? error_.Code : 0; }

private:
    bool failed_ = false;
    E error_;
};

}  // namespace quintel
