// The nearest double to a decimal number written as an optional sign,
// digits and a fraction (no exponent), rounded as strtod rounds: to the
// nearest, halves to the even neighbour, in the subnormal range too. It
// is exact by big-integer arithmetic, so the result is the same on every
// machine and with every C runtime; the runtime's own strtod, which also
// reads hexadecimal, infinities and not-numbers, is a large part of a
// small program.
#pragma once

#include <string_view>

namespace quintel {

// `text` must be such a number, with at least one digit. A value beyond
// the range of double is infinite, one below half the smallest subnormal
// is zero, both with the text's sign.
double DecimalValue(std::string_view text);

}  // namespace quintel
