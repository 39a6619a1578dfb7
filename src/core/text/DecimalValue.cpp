#include "core/text/DecimalValue.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace quintel {

namespace {

// More significant digits than any double needs to be told from its
// neighbours and from the halves between them (767 at most): the digits
// after these only count as "something more than zero".
constexpr std::size_t KeptDigits = 800;

// An unsigned whole number of any size, lowest 32 bits first.
using Big = std::vector<std::uint32_t>;

void MultiplyAdd(Big& a, std::uint32_t factor, std::uint32_t add) {
    std::uint64_t carry = add;
    for (std::uint32_t& limb : a) {
        carry += static_cast<std::uint64_t>(limb) * factor;
        limb = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    if (carry) a.push_back(static_cast<std::uint32_t>(carry));
}

void ShiftLeft(Big& a, int bits) {
    if (a.empty() || bits <= 0) return;
    a.insert(a.begin(), static_cast<std::size_t>(bits / 32), 0);
    const int rest = bits % 32;
    if (rest == 0) return;
    std::uint32_t carry = 0;
    for (std::uint32_t& limb : a) {
        const std::uint32_t next = limb >> (32 - rest);
        limb = (limb << rest) | carry;
        carry = next;
    }
    if (carry) a.push_back(carry);
}

void ShiftRightOne(Big& a) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] >>= 1;
        if (i + 1 < a.size()) a[i] |= a[i + 1] << 31;
    }
    while (!a.empty() && a.back() == 0) a.pop_back();
}

int BitLength(const Big& a) {
    if (a.empty()) return 0;
    int bits = static_cast<int>(a.size() - 1) * 32;
    for (std::uint32_t top = a.back(); top; top >>= 1) ++bits;
    return bits;
}

// Both without leading zero limbs.
int Compare(const Big& a, const Big& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

// a -= b, where a >= b.
void Subtract(Big& a, const Big& b) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t difference = static_cast<std::int64_t>(a[i]) - borrow -
                                  (i < b.size() ? static_cast<std::int64_t>(b[i]) : 0);
        borrow = difference < 0;
        if (borrow) difference += std::int64_t{1} << 32;
        a[i] = static_cast<std::uint32_t>(difference);
    }
    while (!a.empty() && a.back() == 0) a.pop_back();
}

Big PowerOfTen(int exponent) {
    Big power{1};
    for (; exponent >= 9; exponent -= 9) MultiplyAdd(power, 1000000000, 0);
    for (; exponent > 0; --exponent) MultiplyAdd(power, 10, 0);
    return power;
}

}  // namespace

double DecimalValue(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);

    // The value is digits * 10^exponent.
    std::string digits;
    int exponent = 0;
    bool fraction = false, dropped = false;
    for (char c : text) {
        if (c == '.') {
            fraction = true;
        } else if (digits.empty() && c == '0') {
            if (fraction) --exponent;
        } else if (digits.size() < KeptDigits) {
            digits += c;
            if (fraction) --exponent;
        } else {
            dropped = dropped || c != '0';
            if (!fraction) ++exponent;
        }
    }
    // A last digit that stands for what was dropped keeps the value strictly
    // between the same two neighbours and halves.
    if (dropped) {
        digits += '1';
        --exponent;
    }

    const double zero = negative ? -0.0 : 0.0;
    const double infinite = negative ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity();
    if (digits.empty()) return zero;
    // The value lies in [10^(top-1), 10^top).
    const int top = static_cast<int>(digits.size()) + exponent;
    if (top > 310) return infinite;
    if (top < -324) return zero;

    Big numerator;
    for (char c : digits) MultiplyAdd(numerator, 10, static_cast<std::uint32_t>(c - '0'));
    Big denominator{1};
    if (exponent >= 0) {
        for (int left = exponent; left > 0; left -= 9)
            MultiplyAdd(numerator, left >= 9 ? 1000000000 : PowerOfTen(left)[0], 0);
    } else {
        denominator = PowerOfTen(-exponent);
    }

    // quotient = floor(value * 2^scale) gets 54 bits: the 53 of a double and
    // the one that decides the rounding. Below the normal range the scale
    // stops at the smallest subnormal's, and the quotient has fewer.
    int scale = 53 - (BitLength(numerator) - BitLength(denominator));
    {
        // value * 2^scale is in (2^52, 2^54); below 2^53 it takes one more.
        Big left = numerator, right = denominator;
        ShiftLeft(left, std::max(scale, 0));
        ShiftLeft(right, 53 + std::max(-scale, 0));
        if (Compare(left, right) < 0) ++scale;
    }
    scale = std::min(scale, 1075);

    Big remainder = numerator;
    Big divisor = denominator;
    if (scale >= 0) ShiftLeft(remainder, scale);
    else ShiftLeft(divisor, -scale);
    ShiftLeft(divisor, 54);
    std::uint64_t quotient = 0;
    for (int bit = 54; bit >= 0; --bit) {
        if (Compare(remainder, divisor) >= 0) {
            Subtract(remainder, divisor);
            quotient |= std::uint64_t{1} << bit;
        }
        ShiftRightOne(divisor);
    }

    std::uint64_t mantissa = quotient >> 1;
    const bool half = (quotient & 1) != 0;
    const bool more = !remainder.empty();
    if (half && (more || (mantissa & 1))) ++mantissa;
    const double value = std::ldexp(static_cast<double>(mantissa), 1 - scale);
    return negative ? -value : value;
}

}  // namespace quintel
