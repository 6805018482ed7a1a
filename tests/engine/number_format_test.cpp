// Number format patterns: rounding on the exact binary value, halves away from zero.
#include <gtest/gtest.h>

#include <cmath>
#include <charconv>
#include <limits>
#include <random>
#include <string>

#include "engine/number_format.h"

using ringfeld::FormatZahl;
namespace muster = ringfeld::muster;

TEST(FormatZahl, DropsTrailingZerosDownToTheZeroPlaceholders) {
    EXPECT_EQ(FormatZahl(90.231, "#0.0#"), "90.23");
    EXPECT_EQ(FormatZahl(90.2, "#0.0#"), "90.2");
    EXPECT_EQ(FormatZahl(90, "#0.0#"), "90.0");
    EXPECT_EQ(FormatZahl(0.3393, muster::Lamda), "0.3393");
    EXPECT_EQ(FormatZahl(2000, muster::Guete), "2000.0");
    EXPECT_EQ(FormatZahl(1.5, muster::Seite), "1.50");  // "##0.00#" keeps two decimals
    EXPECT_EQ(FormatZahl(0.05, muster::Induktivitaet), "0.05");
}

TEST(FormatZahl, WholePartShowsAllDigitsAndOneLeadingZero) {
    EXPECT_EQ(FormatZahl(0.4, "###0.0"), "0.4");
    EXPECT_EQ(FormatZahl(123456.7, "#0.0#"), "123456.7");
    EXPECT_EQ(FormatZahl(1e20, "###0"), "100000000000000000000");
    EXPECT_EQ(FormatZahl(999.96, muster::KapazitaetKlein), "1000.0");
    EXPECT_EQ(FormatZahl(1000, muster::KapazitaetGross), "1000");
}

TEST(FormatZahl, RoundsTheExactBinaryValue) {
    // 7.069 / 4 lies just below 1.76725 as a double.
    EXPECT_EQ(FormatZahl(7.069 / 4, muster::Seite), "1.767");
    EXPECT_EQ(FormatZahl(7.069 / 3.14159265358979, muster::Seite), "2.25");
    // 1.005 is stored as 1.00499999999999989...
    EXPECT_EQ(FormatZahl(1.005, "0.0#"), "1.0");
    // 0.15 is stored as 0.1499999999999999944...
    EXPECT_EQ(FormatZahl(0.15, "0.0"), "0.1");
}

TEST(FormatZahl, ExactHalvesRoundAwayFromZero) {
    EXPECT_EQ(FormatZahl(0.125, "0.0#"), "0.13");
    EXPECT_EQ(FormatZahl(0.375, "0.0#"), "0.38");
    EXPECT_EQ(FormatZahl(2.5, "####0"), "3");
    EXPECT_EQ(FormatZahl(3.5, "####0"), "4");
    EXPECT_EQ(FormatZahl(0.5, "###0"), "1");
    EXPECT_EQ(FormatZahl(9.5, "##0 cm"), "10 cm");
    EXPECT_EQ(FormatZahl(99.95, "#0.0"), "100.0");  // not exact: 99.9500000000000028...
    EXPECT_EQ(FormatZahl(999.5, "###0"), "1000");
    EXPECT_EQ(FormatZahl(-2.5, "0"), "-3");
    EXPECT_EQ(FormatZahl(0.0000000005, "0.0########"), "0.000000001");  // not exact, but above the half
    EXPECT_EQ(FormatZahl(std::ldexp(1.0, -11), "0.0#########"), "0.0004882813");
}

TEST(FormatZahl, NegativeSectionAndSign) {
    EXPECT_EQ(FormatZahl(-0.4464, muster::Gewinn), "- 0.45");
    EXPECT_EQ(FormatZahl(-12.5354, muster::Gewinn), "- 12.54");
    EXPECT_EQ(FormatZahl(0, muster::Gewinn), "0.0");
    EXPECT_EQ(FormatZahl(1.5, muster::Gewinn), "1.5");
    EXPECT_EQ(FormatZahl(-3.25, muster::Ohm), "-3.25");
    // A value that rounds to zero shows no sign.
    EXPECT_EQ(FormatZahl(-0.0001, muster::Gewinn), "0.0");
    EXPECT_EQ(FormatZahl(-0.0001, "0.0"), "0.0");
}

TEST(FormatZahl, LiteralsAndDecimalSeparator) {
    EXPECT_EQ(FormatZahl(0.1633, muster::Milliohm), "0.1633 m");
    EXPECT_EQ(FormatZahl(289.88, muster::Zentimeter), "290 cm");
    EXPECT_EQ(FormatZahl(90.231, "#0.0#", ","), "90,23");
    EXPECT_EQ(FormatZahl(-0.4464, muster::Gewinn, ","), "- 0,45");
    EXPECT_EQ(FormatZahl(1.5, "0.0", "٫"), "1٫5");
}

TEST(FormatZahl, ExtremeValues) {
    EXPECT_EQ(FormatZahl(std::numeric_limits<double>::quiet_NaN(), "0.0"), "");
    EXPECT_EQ(FormatZahl(-std::numeric_limits<double>::infinity(), "0.0"), "");
    EXPECT_EQ(FormatZahl(std::numeric_limits<double>::denorm_min(), muster::ProzentFein), "0.0");
    const std::string largest = FormatZahl(std::numeric_limits<double>::max(), muster::Ohm);
    EXPECT_EQ(largest.size(), 309u + 2u);
    EXPECT_EQ(largest.substr(0, 6), "179769");
}

namespace {

// Reference rounding: the exact decimal expansion of the double, rounded by hand.
std::string ExactRounded(double value, int decimals) {
    static char buffer[2000];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 1100);
    std::string digits(buffer, r.ptr);
    const std::size_t point = digits.find('.');
    const bool up = digits[point + 1 + decimals] >= '5';
    digits.resize(point + 1 + decimals);
    if (decimals == 0) digits.pop_back();
    if (up) {
        int i = static_cast<int>(digits.size());
        while (--i >= 0) {
            if (digits[i] == '.') continue;
            if (digits[i] != '9') { ++digits[i]; break; }
            digits[i] = '0';
        }
        if (i < 0) digits.insert(digits.begin(), '1');
    }
    return digits;
}

}  // namespace

TEST(FormatZahl, AgreesWithTheExactExpansionOnRandomValues) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(0, 10);
    std::uniform_int_distribution<int> exponent(-12, 17), places(0, 10);
    for (int n = 0; n < 200000; ++n) {
        const int decimals = places(random);
        double value = mantissa(random) * std::pow(10.0, exponent(random));
        // Every few values, a near-half of the last place.
        if (n % 4 == 0) value = (std::floor(value * std::pow(10.0, decimals)) + 0.5) / std::pow(10.0, decimals);
        const std::string pattern = decimals ? "0." + std::string(decimals, '0') : "0";
        ASSERT_EQ(FormatZahl(value, pattern), ExactRounded(value, decimals)) << std::hexfloat << value << " " << pattern;
    }
}
