// Reading field texts as numbers, whatever decimal separator the user typed.
#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <string>

#include "engine/fault.h"
#include "engine/text_zu_zahl.h"

using ringfeld::ArithmeticFault;
using ringfeld::Fault;
using ringfeld::TextZuZahl;

TEST(TextZuZahl, ReadsCommaAndPointAlike) {
    EXPECT_DOUBLE_EQ(TextZuZahl("2,25"), 2.25);
    EXPECT_DOUBLE_EQ(TextZuZahl("2.25"), 2.25);
    // Only the first comma becomes a point; the second stops the reading.
    EXPECT_DOUBLE_EQ(TextZuZahl("1,234,5"), 1.234);
    // A point after the converted comma is a second point and stops too.
    EXPECT_DOUBLE_EQ(TextZuZahl("1,5.5"), 1.5);
}

TEST(TextZuZahl, ReadsTheLeadingNumberOnly) {
    EXPECT_DOUBLE_EQ(TextZuZahl("12 mm"), 12);
    EXPECT_DOUBLE_EQ(TextZuZahl("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(TextZuZahl(".5"), 0.5);
    EXPECT_DOUBLE_EQ(TextZuZahl("7e"), 7);  // exponent without digits
    EXPECT_EQ(TextZuZahl(""), 0);
    EXPECT_EQ(TextZuZahl("abc"), 0);
    EXPECT_EQ(TextZuZahl("."), 0);
    EXPECT_EQ(TextZuZahl("--5"), 0);
}

TEST(TextZuZahl, SkipsBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_DOUBLE_EQ(TextZuZahl("1 234"), 1234);
    EXPECT_DOUBLE_EQ(TextZuZahl(" \t- 3"), -3);
    EXPECT_DOUBLE_EQ(TextZuZahl("1\n0"), 10);
}

TEST(TextZuZahl, SignsExponentsAndRadixPrefixes) {
    EXPECT_DOUBLE_EQ(TextZuZahl("-3"), -3);
    EXPECT_DOUBLE_EQ(TextZuZahl("+5"), 5);
    EXPECT_DOUBLE_EQ(TextZuZahl("1e3"), 1000);
    EXPECT_DOUBLE_EQ(TextZuZahl("2,5E-1"), 0.25);
    EXPECT_DOUBLE_EQ(TextZuZahl("1D2"), 100);
    EXPECT_DOUBLE_EQ(TextZuZahl("1d+2"), 100);
    EXPECT_DOUBLE_EQ(TextZuZahl("&HFF"), 255);
    EXPECT_DOUBLE_EQ(TextZuZahl("&hff"), 255);
    EXPECT_DOUBLE_EQ(TextZuZahl("&O17"), 15);
    EXPECT_DOUBLE_EQ(TextZuZahl("&O19"), 1);  // 9 is no octal digit
    EXPECT_EQ(TextZuZahl("&X1"), 0);
}

TEST(TextZuZahl, TooLargeIsAnOverflowTooSmallIsZero) {
    auto expectOverflow = [](const std::string& text) {
        try {
            TextZuZahl(text);
            ADD_FAILURE() << "no overflow for " << text.substr(0, 40);
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.kind(), Fault::Overflow) << text.substr(0, 40);
        }
    };
    expectOverflow("1e999");
    expectOverflow("1e400");
    expectOverflow(std::string(400, '9'));
    expectOverflow("0,00001e320");
    expectOverflow("&HFFFFFFFFFFFFFFFFFF");
    expectOverflow("1e99999999999999999999");

    EXPECT_EQ(TextZuZahl("1e-999"), 0);
    EXPECT_EQ(TextZuZahl("123e-99999999999"), 0);
    EXPECT_DOUBLE_EQ(TextZuZahl("1,7976931348623157e308"), 1.7976931348623157e308);
    EXPECT_DOUBLE_EQ(TextZuZahl("&HFFFFFFFFFFFFFFFF"), 18446744073709551615.0);
    EXPECT_DOUBLE_EQ(TextZuZahl("0" + std::string(500, '0') + "7"), 7);
}

TEST(TextZuZahl, AgreesWithCorrectlyRoundedConversionOnRandomTexts) {
    std::mt19937_64 random(7069);
    std::uniform_int_distribution<int> digit(0, 9), length(1, 22), exponent(-40, 40), coin(0, 1);
    for (int n = 0; n < 100000; ++n) {
        std::string text;
        const int whole = length(random), fraction = length(random) % 12;
        for (int i = 0; i < whole; ++i) text += static_cast<char>('0' + digit(random));
        if (fraction) text += '.';
        for (int i = 0; i < fraction; ++i) text += static_cast<char>('0' + digit(random));
        if (coin(random)) text += "e" + std::to_string(exponent(random));
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        ASSERT_EQ(TextZuZahl(text), expected) << text;
    }
}
