#include "forms/NumberText.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace quintel {

double LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    }
    if (!digits) return 0;
    const double value = std::strtod(text.substr(start, i - start).c_str(), nullptr);
    return std::isfinite(value) ? value : std::numeric_limits<double>::max();
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
