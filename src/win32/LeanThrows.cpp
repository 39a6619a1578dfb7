// Linked into Quintel.exe and Korvet.exe only. The C++ runtime's string
// and container code reports misuse through std::__throw_length_error and
// its siblings; the runtime's own versions construct std::logic_error and
// the like, whose old reference-counted string drags a second string
// implementation, its random device and the whole of the runtime's string
// instantiations into the program: about a third of Korvet.exe. These
// stand in for all of them. The exceptions without a text are thrown as
// the runtime throws them; those with a text become one exception type
// derived from std::exception with the same text, which is all the
// programs' handlers look at (they catch std::exception or anything).
#include <bits/functexcept.h>

#include <cstdarg>
#include <cstddef>
#include <exception>
#include <new>
#include <typeinfo>

namespace {

class RuntimeError final : public std::exception {
public:
    explicit RuntimeError(const char* text) { Append(text ? text : ""); }

    // The runtime's own formats know %s, %zu, %lu and %%; so does this.
    RuntimeError(const char* format, std::va_list arguments) {
        for (const char* p = format; *p; ++p) {
            if (*p != '%') {
                Append(*p);
            } else if (p[1] == 's') {
                const char* text = va_arg(arguments, const char*);
                Append(text ? text : "");
                ++p;
            } else if (p[1] == 'z' && p[2] == 'u') {
                AppendNumber(va_arg(arguments, std::size_t));
                p += 2;
            } else if (p[1] == 'l' && p[2] == 'u') {
                AppendNumber(va_arg(arguments, unsigned long));
                p += 2;
            } else if (p[1] == '%') {
                Append('%');
                ++p;
            } else {
                Append('%');
            }
        }
    }

    const char* what() const noexcept override { return text_; }

private:
    void Append(char c) {
        // A text too long for the buffer is cut, never overrun.
        if (length_ + 1 < sizeof text_) text_[length_++] = c;
        text_[length_] = '\0';
    }
    void Append(const char* text) {
        while (*text) Append(*text++);
    }
    void AppendNumber(unsigned long long value) {
        char digits[24];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value);
        while (count) Append(digits[--count]);
    }

    char text_[256] = {};
    std::size_t length_ = 0;
};

}  // namespace

namespace std {

void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_logic_error(const char* text) { throw RuntimeError(text); }
void __throw_domain_error(const char* text) { throw RuntimeError(text); }
void __throw_invalid_argument(const char* text) { throw RuntimeError(text); }
void __throw_length_error(const char* text) { throw RuntimeError(text); }
void __throw_out_of_range(const char* text) { throw RuntimeError(text); }
void __throw_runtime_error(const char* text) { throw RuntimeError(text); }
void __throw_range_error(const char* text) { throw RuntimeError(text); }
void __throw_overflow_error(const char* text) { throw RuntimeError(text); }
void __throw_underflow_error(const char* text) { throw RuntimeError(text); }

void __throw_out_of_range_fmt(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    RuntimeError error(format, arguments);
    va_end(arguments);
    throw error;
}

}  // namespace std
