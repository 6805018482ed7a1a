// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// Lengths in feet and inches: the texts the reader takes and refuses, the
// units table against hand values, and the main window's texts carried to the
// calculation's units.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "text/length_reader.h"
#include "text/length_units.h"

using namespace ringfeld;

TEST(ReadImperialLength, TakesDecimalsFractionsAndMarks) {
    struct {
        std::string text;
        ImperialUnit plain;
        double value;
    } const faelle[] = {
        {"7/8", ImperialUnit::Inches, 0.875},
        {"1 1/8", ImperialUnit::Inches, 1.125},
        {" 1\t1/8 ", ImperialUnit::Inches, 1.125},
        {"9/8", ImperialUnit::Inches, 1.125},  // an improper fraction alone is still a number
        {"2.5", ImperialUnit::Inches, 2.5},
        {"2,5", ImperialUnit::Feet, 2.5},
        {",75", ImperialUnit::Inches, 0.75},
        {"3.", ImperialUnit::Feet, 3},
        {"0", ImperialUnit::Feet, 0},
        {"42\"", ImperialUnit::Feet, 3.5},
        {"42 \"", ImperialUnit::Inches, 42},
        {"3'", ImperialUnit::Inches, 36},
        {"3'", ImperialUnit::Feet, 3},
        {"3' 6\"", ImperialUnit::Feet, 3.5},
        {"3'6\"", ImperialUnit::Inches, 42},
        {"3' 6", ImperialUnit::Feet, 3.5},  // the inches' mark may be left out after feet
        {"2' 7 1/2\"", ImperialUnit::Inches, 31.5},
        {"1 1/2'", ImperialUnit::Inches, 18},
        {"0.5'", ImperialUnit::Inches, 6},
        {"10' 0\"", ImperialUnit::Feet, 10},
    };
    for (const auto& f : faelle) {
        const auto value = ReadImperialLength(f.text, f.plain);
        ASSERT_TRUE(value) << f.text;
        EXPECT_DOUBLE_EQ(*value, f.value) << f.text;
    }
}

TEST(ReadImperialLength, RefusesNonsense) {
    const char* const faelle[] = {
        "",     " ",    "1/0",   "1 1/0",   "3'' 6",    "3''",     "-1",      "+1",      "1e3",    "1/",       "/8",
        "1 /8", "1/ 8", "1 9/8", "1 1/8/2", "7/8.5",    "1.5 1/2", "3' 12\"", "3' 6'",   "6\" 3'", "3' -6",    "1 2",
        ".",    ",",    "1.2.3", "1,2,3",   "3' 6\"\"", "abc",     "3m",      "1 1/2 3", "1e999",  "3' 6\" x", "2 ' '",
    };
    for (const char* text : faelle) {
        EXPECT_FALSE(ReadImperialLength(text, ImperialUnit::Inches)) << text;
        EXPECT_FALSE(ReadImperialLength(text, ImperialUnit::Feet)) << text;
    }
    // A value too large for a double is no length.
    EXPECT_FALSE(ReadImperialLength(std::string(400, '9') + "'", ImperialUnit::Inches));
}
