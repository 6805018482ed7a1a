// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// Numbers as texts both ways: field texts read as numbers, numbers written by
// format patterns, and which pattern each result label uses.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/fault.h"
#include "presentation/result_labels.h"
#include "text/language.h"
#include "text/number_format.h"
#include "text/text_zu_zahl.h"

using namespace ringfeld;

TEST(TextZuZahl, ReadsTheLeadingNumber) {
    struct {
        std::string text;
        double value;
    } const faelle[] = {
        {"2,25", 2.25},
        {"2.25", 2.25},
        {"1,234,5", 1.234},  // only the first comma becomes a point; the second stops the reading
        {"1,5.5", 1.5},
        {"12 mm", 12},
        {".5", 0.5},
        {"7e", 7},
        {"", 0},
        {"abc", 0},
        {"--5", 0},
        {"1 234", 1234},
        {" \t- 3", -3},
        {"1\n0", 10},  // blanks, tabs and line feeds anywhere
        {"+5", 5},
        {"1e3", 1000},
        {"2,5E-1", 0.25},
        {"1D2", 100},
        {"1d+2", 100},
        {"&HFF", 255},
        {"&hff", 255},
        {"&O17", 15},
        {"&X1", 0},
        {"&O18", 1},
        {"&O19", 1},  // 8 and 9 are no octal digits
        {"1e-999", 0},
        {"123e-99999999999", 0},  // too small is zero
        {"1,7976931348623157e308", 1.7976931348623157e308},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
        {"0" + std::string(500, '0') + "7", 7},
        // 2^53 + 1 hundredths: the mantissa is not a double, so one division would round twice.
        {"90071992547409,93", 90071992547409.93},
    };
    for (const auto& f : faelle) EXPECT_EQ(TextZuZahl(f.text), f.value) << f.text;
}

// A number written by the program takes the language's separator; a text with no
// or two separators stays as typed, and the value read back never changes.
TEST(MitTrenner, OneSeparatorPerLanguageSameValue) {
    using enum Language;
    struct {
        std::string text;
        Language lang;
        std::string written;
    } const faelle[] = {
        {"0.96", German, "0,96"},
        {"0.004", French, "0,004"},
        {"0,05", English, "0.05"},
        {"2,25", German, "2,25"},
        {"7.069", None, "7,069"},
        {"10000", German, "10000"},
        {"1,5.2", English, "1,5.2"},
        {"6, 8, 10", English, "6, 8, 10"},
        {"2.5e-3", German, "2,5e-3"},
        {"3' 4.5\"", French, "3' 4,5\""},
        {"", German, ""},
    };
    for (const auto& f : faelle) {
        const std::string written = MitTrenner(f.text, f.lang);
        EXPECT_EQ(written, f.written) << f.text;
        EXPECT_EQ(TextZuZahl(written), TextZuZahl(f.text)) << f.text;
    }
}

TEST(TextZuZahl, TooLargeIsAnOverflow) {
    for (const std::string& text : {std::string("1e999"), std::string(400, '9'), std::string("0,00001e320"),
                                    std::string("&HFFFFFFFFFFFFFFFFFF")}) {
        try {
            TextZuZahl(text);
            ADD_FAILURE() << "no overflow for " << text.substr(0, 40);
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.kind(), Fault::Overflow) << text.substr(0, 40);
        }
    }
}

TEST(FormatZahl, RoundsTheExactBinaryValueHalvesAwayFromZero) {
    struct {
        double value;
        std::string_view pattern, separator, text;
    } const faelle[] = {
        // trailing zeros go down to the zero placeholders
        {90.231, "#0.0#", ".", "90.23"},
        {90.2, "#0.0#", ".", "90.2"},
        {90, "#0.0#", ".", "90.0"},
        {1.5, muster::Seite, ".", "1.50"},
        {0.4, "###0.0", ".", "0.4"},
        {1e20, "###0", ".", "100000000000000000000"},
        // the binary value decides: 7.069 / 4 lies just below 1.76725, 1.005 below 1.005
        {7.069 / 4, muster::Seite, ".", "1.767"},
        {1.005, "0.0#", ".", "1.0"},
        {0.15, "0.0", ".", "0.1"},
        // exact halves round away from zero
        {0.125, "0.0#", ".", "0.13"},
        {0.375, "0.0#", ".", "0.38"},
        {2.5, "####0", ".", "3"},
        {-2.5, "0", ".", "-3"},
        {9.5, "##0 cm", ".", "10 cm"},
        {999.5, "###0", ".", "1000"},
        {99.95, "#0.0", ".", "100.0"},
        {0x1p-11, "0.0#########", ".", "0.0004882813"},
        // sections, sign and separator
        {-0.4464, muster::Gewinn, ",", "- 0,45"},
        {0, muster::Gewinn, ".", "0.0"},
        {-3.25, muster::Ohm, ".", "-3.25"},
        {-0.0001, muster::Gewinn, ".", "0.0"},
        {-0.0001, "0.0", ".", "0.0"},  // rounding to zero drops the sign
        {1.5, "0.0", "٫", "1٫5"},
        {0.1633, muster::Milliohm, ".", "0.1633 m"},
        {std::numeric_limits<double>::quiet_NaN(), "0.0", ".", ""},
        {-std::numeric_limits<double>::infinity(), "0.0", ".", ""},
        {std::numeric_limits<double>::denorm_min(), muster::ProzentFein, ".", "0.0"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(FormatZahl(f.value, Muster(f.pattern), f.separator), f.text) << f.value << " " << f.pattern;
}

namespace {
std::string Zeigt(std::optional<double> LoopWerte::*wert, double value, ResultLabel label, double prozent = 0,
                  std::string_view sep = ".") {
    LoopWerte w;
    w.*wert = value;
    w.prozent = prozent;
    return ErgebnisDarstellen(w, Language::German, sep).texte[static_cast<std::size_t>(label)].value_or("<unset>");
}
}  // namespace

TEST(Darstellung, EachLabelSwitchesItsPatternOnTheValue) {
    using W = LoopWerte;
    using L = ResultLabel;
    // The efficiency's precision switches at 10 %: shown from `prozent`, decided on `wirkungsgrad`.
    EXPECT_EQ(Zeigt(&W::wirkungsgrad, 0.1, L::lbEta, 10.12345), "10.12");
    EXPECT_EQ(Zeigt(&W::wirkungsgrad, 0.0999999, L::lbEta, 9.99999), "9.99999");
    EXPECT_EQ(Zeigt(&W::wirkungsgrad, 5e-11, L::lbEta, 5e-9), "0.000000005");
    EXPECT_EQ(Zeigt(&W::kapazitaet, 999.96, L::lbC), "1000.0");
    EXPECT_EQ(Zeigt(&W::kapazitaet, 1000, L::lbC), "1000");
    EXPECT_EQ(Zeigt(&W::eigenkapazitaet, 99.99, L::lbCL), "100.0");
    EXPECT_EQ(Zeigt(&W::eigenkapazitaet, 100, L::lbCL), "100");
    // The radiation resistance goes to milliohm when it would show as 0.0.
    EXPECT_EQ(Zeigt(&W::strahlung, 0.0001633, L::lbRr, 0, ","), "0,1633 m");
    EXPECT_EQ(Zeigt(&W::strahlung, 0.0098, L::lbRr), "0.01");
    EXPECT_EQ(Zeigt(&W::strahlung, 0.0098, L::lbRr, 0, "٫"), "9٫8 m");  // reads back as 9 only
    EXPECT_EQ(Zeigt(&W::bandbreite, 61.4321, L::lbB), "61.43");
    EXPECT_EQ(Zeigt(&W::guete, 2000, L::lbKu), "2000.0");
    EXPECT_EQ(Zeigt(&W::guete, 1, L::lbB), "<unset>");  // nothing but the given value is written
}

TEST(Darstellung, CapacitorTooltipPerLanguage) {
    LoopWerte w;
    w.kapazitaet = 16.26;
    EXPECT_EQ(ErgebnisDarstellen(w, Language::German, ",").tooltipC, " Schwingkreiskondensator 16,3 pF ");
    EXPECT_EQ(ErgebnisDarstellen(w, Language::French, ".").tooltipC, " Condensateur du circuit d'oscillation 16.3 pF ");
    EXPECT_EQ(ErgebnisDarstellen(w, Language::English, ".").tooltipC, " Voltage dinder 16.3 pF ");
    EXPECT_FALSE(ErgebnisDarstellen(w, Language::None, ".").tooltipC);
}
