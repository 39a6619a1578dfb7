#include "core/text/NumberText.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <string_view>

#include "core/text/DecimalValue.h"

namespace quintel {

namespace {

// The length of the number at `start`: an optional sign, digits and a
// fraction, at least one digit; 0 when there is none.
std::size_t NumberLength(const std::string& text, std::size_t start) {
    std::size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    }
    return digits ? i - start : 0;
}

}  // namespace

double LeadingNumber(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    const std::size_t length = NumberLength(text, start);
    if (length == 0) return 0;
    const double value = DecimalValue(std::string_view(text).substr(start, length));
    return std::isfinite(value) ? value : std::numeric_limits<double>::max();
}

bool ReadWholeNumber(const std::string& text, double& value) {
    if (text.empty() || NumberLength(text, 0) != text.size()) return false;
    value = DecimalValue(text);
    return std::isfinite(value);
}

std::int32_t RoundToInt32(double value) {
    constexpr double High = std::numeric_limits<std::int32_t>::max();
    constexpr double Low = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded >= High) return std::numeric_limits<std::int32_t>::max();
    if (rounded <= Low) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(rounded);
}

}  // namespace quintel
