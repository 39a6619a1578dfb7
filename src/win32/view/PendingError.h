// An exception caught where Windows called the view (a window procedure),
// kept until the program's own code can raise it again: the message loop,
// after DispatchMessage returns.
#pragma once

#include <exception>
#include <utility>

namespace quintel::win32 {

class PendingError {
public:
    // The first one wins: later ones are usually its consequences.
    void Keep(std::exception_ptr error) noexcept {
        if (!error_) error_ = std::move(error);
    }
    void RethrowIfAny() {
        if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
    }

private:
    std::exception_ptr error_;
};

}  // namespace quintel::win32
