// Reading numbers out of what the user typed: the leading number of a text
// (blanks skipped, then an optional sign, digits, and a fraction), and
// rounding that never overflows the record's 32-bit fields.
#pragma once

#include <cstdint>
#include <string>

namespace quintel {

// The value of the number the text begins with; 0 when there is none.
double LeadingNumber(const std::string& text);

// True when the whole text is one such number (no blanks around it) of
// finite value, which goes to `value`.
bool ReadWholeNumber(const std::string& text, double& value);

// Nearest whole number, halves to the even neighbour, held to the 32-bit
// range.
std::int32_t RoundToInt32(double value);

}  // namespace quintel
