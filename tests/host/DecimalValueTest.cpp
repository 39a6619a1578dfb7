#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "core/text/DecimalValue.h"

namespace quintel {
namespace {

// The host's C library rounds decimal text correctly, so its strtod is the
// measure: the same double, bit for bit, sign of zero included.
void ExpectSameAsStrtod(const std::string& text) {
    const double expected = std::strtod(text.c_str(), nullptr);
    const double actual = DecimalValue(text);
    EXPECT_TRUE(actual == expected && std::signbit(actual) == std::signbit(expected))
        << text.substr(0, 120) << (text.size() > 120 ? "..." : "") << ": " << actual
        << " instead of " << expected;
}

// The exact decimal expansion of a long double, which holds every value
// halfway between two neighbouring doubles.
std::string ExactText(long double value) {
    char buffer[1400];
    std::snprintf(buffer, sizeof buffer, "%.1200Lf", value);
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

TEST(DecimalValue, ReadsWhatUsersTypeExactly) {
    EXPECT_EQ(12.5, DecimalValue("12.5"));
    EXPECT_EQ(-3, DecimalValue("-3"));
    EXPECT_EQ(1500, DecimalValue("+1500"));
    EXPECT_EQ(0.5, DecimalValue(".5"));
    EXPECT_EQ(7, DecimalValue("7."));
    EXPECT_EQ(0.1, DecimalValue("0.1"));
    EXPECT_TRUE(std::signbit(DecimalValue("-0.000")));
    for (const char* text : {"0", "1", "0.3", "2.675", "1460", "65535", "4294967295",
                             "2147483647.5", "0.000001", "1.7976931348623157"})
        ExpectSameAsStrtod(text);
}

TEST(DecimalValue, RoundsHalvesToEvenAndLongTextsLikeTheCRuntime) {
    // 2^53 + 1 and the halves above it: the last bit decides.
    ExpectSameAsStrtod("9007199254740993");
    ExpectSameAsStrtod("9007199254740995");
    ExpectSameAsStrtod("9007199254740993.0000000000000000000000000000001");
    ExpectSameAsStrtod("9007199254740992.9999999999999999999999999999999");
    // More digits than any double needs, the decisive one far behind.
    ExpectSameAsStrtod("1." + std::string(900, '0') + "1");
    ExpectSameAsStrtod(std::string(300, '9') + "." + std::string(700, '9'));
    ExpectSameAsStrtod("0." + std::string(1500, '9'));
    std::mt19937_64 random(15);
    for (int i = 0; i < 5000; ++i) {
        const double low = std::ldexp(static_cast<double>(random() >> 11),
                                      static_cast<int>(random() % 240) - 180);
        const double high = std::nextafter(low, 1e300);
        const long double half = (static_cast<long double>(low) + high) / 2;
        ExpectSameAsStrtod(ExactText(half));
        ExpectSameAsStrtod(ExactText(low));
    }
    for (int i = 0; i < 5000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        const int whole = static_cast<int>(random() % 20), fraction = static_cast<int>(random() % 25);
        for (int k = 0; k < whole; ++k) text += static_cast<char>('0' + random() % 10);
        text += '.';
        for (int k = 0; k < fraction; ++k) text += static_cast<char>('0' + random() % 10);
        text += '1';
        ExpectSameAsStrtod(text);
    }
}

TEST(DecimalValue, GoesToInfinityAndZeroWhereTheCRuntimeDoes) {
    const std::string max = "17976931348623157" + std::string(292, '0');
    ExpectSameAsStrtod(max);
    // Just below and at the half step above the largest double.
    ExpectSameAsStrtod("179769313486231580793728971405303415079934132710037826936173778980444968"
                       "292764750946649017977587207096330286416692887910946555547851940402630657"
                       "488671505820681908902000708383676273854845817711531764475730270069855571"
                       "366959622842914819860834936475292719074168444365510704342711559699508093"
                       "042880177904174497791");
    ExpectSameAsStrtod("179769313486231580793728971405303415079934132710037826936173778980444968"
                       "292764750946649017977587207096330286416692887910946555547851940402630657"
                       "488671505820681908902000708383676273854845817711531764475730270069855571"
                       "366959622842914819860834936475292719074168444365510704342711559699508093"
                       "042880177904174497792");
    EXPECT_TRUE(std::isinf(DecimalValue("1" + std::string(400, '0'))));
    EXPECT_TRUE(std::isinf(DecimalValue("-" + std::string(2000, '9'))));
    // The subnormals, the smallest of them and the half of it.
    ExpectSameAsStrtod("0." + std::string(323, '0') + "4940656458412465441765687928682213723651");
    ExpectSameAsStrtod(ExactText(std::ldexp(1.0L, -1075)));
    ExpectSameAsStrtod(ExactText(std::ldexp(3.0L, -1076)));
    ExpectSameAsStrtod("0." + std::string(310, '0') + "123456789");
    EXPECT_EQ(0, DecimalValue("0." + std::string(400, '0') + "1"));
}

}  // namespace
}  // namespace quintel
