// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// Touchstone files: a known sweep written in every format, unit and version and read
// back, what the format documents allow, a table of bad files, files on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "vna_sweeps.h"

using namespace ringfeld::vna;
using namespace ringfeld::vna::testing;

// Every format, unit and version read back to the written points, against 50 Ohm and
// renormalised from another reference; the fit of what was read holds Q0 within 2 %.
TEST(Touchstone, RoundTrips) {
    const Sweep sweep = Measure(kLoop, kAroundLoop);
    for (int version : {1, 2})
        for (Format format : {Format::RI, Format::MA, Format::DB})
            for (const Unit& unit : kUnits)
                for (double ohm : {50.0, 75.0}) {
                    SCOPED_TRACE(Write(sweep, version, format, unit, ohm).substr(0, 80));
                    const TouchstoneRead read = ReadTouchstone(Write(sweep, version, format, unit, ohm));
                    ASSERT_TRUE(read.sweep);
                    EXPECT_EQ(read.sweep->version, version);
                    EXPECT_EQ(read.sweep->fileReferenceOhm, ohm);
                    ASSERT_EQ(read.sweep->gamma.size(), sweep.gamma.size());
                    for (std::size_t i = 0; i < sweep.gamma.size(); i += 50) {
                        EXPECT_NEAR(read.sweep->frequencyHz[i] / sweep.frequencyHz[i], 1, 1e-15);
                        EXPECT_LT(std::abs(read.sweep->gamma[i] - sweep.gamma[i]), 1e-13);
                    }
                    EXPECT_NEAR(Fitted(FitResonance(*read.sweep)).unloadedQ / kLoop.Q0, 1, 0.02);
                }
}

// What the two format documents allow: comments, blanks, tabs and CR LF, option words in
// any order and case or left out (GHz S MA R 50), later option lines ignored, signs,
// and in version 2.0 the reference on its own line, information blocks and a point's
// numbers split across lines.
TEST(Touchstone, ReadsWhatTheFormatAllows) {
    std::string tenPoints, tenSplit;
    for (int i = 1; i <= 10; ++i) tenPoints += std::to_string(i) + " +0.5 -90\n";
    for (int i = 1; i <= 10; ++i) tenSplit += std::to_string(i) + "\n 0.5\t-90 ! split\n";
    struct Case {
        const char* what;
        std::string text;
        double firstHz;
        Complex first;
    } cases[] = {
        {"defaults", "#\n" + tenPoints, 1e9, {0, -0.5}},
        {"words in any order and case", "!c\n\n#  r 50 ma s mHz  ! note\n" + tenPoints, 1e6, {0, -0.5}},
        {"later option lines ignored", "# kHz RI\n# GHz DB\n" + tenPoints, 1e3, {0.5, -90}},
        {"CR LF and tabs", "#\tHz\tRI\r\n" + tenPoints, 1, {0.5, -90}},
        {"version 2.0",
         "[Version] 2.0\n# Hz RI\n[Number of Ports] 1\n[Reference]\n50\n[Begin Information]\n[x y\n"
         "[End Information]\n[Number of Frequencies] 10\n[Matrix Format] Full\n[Network Data]\n" +
             tenSplit + "[End]\nafter the end\n",
         1,
         {0.5, -90}},
    };
    for (const Case& c : cases) {
        const TouchstoneRead read = ReadTouchstone(c.text);
        ASSERT_TRUE(read.sweep) << c.what << " " << static_cast<int>(read.refusal->reason);
        EXPECT_EQ(read.sweep->gamma.size(), 10u) << c.what;
        EXPECT_EQ(read.sweep->frequencyHz[0], c.firstHz) << c.what;
        EXPECT_LT(std::abs(read.sweep->gamma[0] - c.first), 1e-15) << c.what;
    }
}

TEST(Touchstone, RefusesBadFiles) {
    using R = TouchstoneReason;
    const auto points = [](int n, const char* pair = "0.5 -90") {
        std::string text;
        for (int i = 1; i <= n; ++i) text += std::to_string(i) + " " + pair + "\n";
        return text;
    };
    const std::string v2 = "[Version] 2.0\n# Hz RI\n[Number of Ports] 1\n[Number of Frequencies] 10\n[Network Data]\n";
    struct Case {
        const char* what;
        std::string text;
        TouchstoneRefusal refusal;
    } cases[] = {
        {"empty", "", {R::NotTouchstone, 0}},
        {"a CSV file", "f,re,im\n1,0.5,0\n", {R::NotTouchstone, 1}},
        {"data before the option line", "1 0.5 0\n# Hz\n", {R::NotTouchstone, 1}},
        {"two-port", "# Hz\n1 0.5 0 0.1 0 0.1 0 0.5 0\n", {R::MultiPort, 2}},
        {"two-port 2.0", "[Version] 2.0\n# Hz\n[Number of Ports] 2\n", {R::MultiPort, 3, 2}},
        {"Z parameters", "# Hz Z RI\n", {R::NotScattering, 1}},
        {"unknown option", "# Hz S XY\n", {R::BadOptionLine, 1}},
        {"R zero", "# Hz R 0\n", {R::BadOptionLine, 1}},
        {"decimal comma", "# Hz\n1 0,5 0\n", {R::BadNumber, 2}},
        {"plus and minus", "# Hz\n1 +-0.5 0\n", {R::BadNumber, 2}},
        {"NaN", "# Hz\n" + points(3) + "4 nan 0\n", {R::NonFinite, 5}},
        {"beyond a double", "# Hz\n1 1e999 0\n", {R::NonFinite, 2}},
        {"overflow in dB", "# Hz DB\n1 1e6 0\n", {R::NonFinite, 2}},
        {"overflow in GHz", "# GHz\n1e300 0.5 0\n", {R::NonFinite, 2}},
        {"four numbers", "# Hz\n1 0.5 0 7\n", {R::BadDataLine, 2, 4}},
        {"negative frequency", "# Hz\n-1 0.5 0\n", {R::NegativeFrequency, 2}},
        {"repeated", "# Hz\n2 0.5 0\n2 0.5 0\n", {R::NotAscending, 3}},
        {"9 points", "# Hz\n" + points(9), {R::TooFewPoints, 0, 9, 10}},
        {"100,001 points", "# Hz\n" + points(100001), {R::TooManyPoints, 100002, 100001, 100000}},
        {"over 16 MiB",
         std::string(16 * 1024 * 1024 + 1, ' '),
         {R::TooLarge, 0, 16 * 1024 * 1024 + 1, 16 * 1024 * 1024}},
        {"an open renormalised to a pole", "# Hz RI R 75\n1 -5 0\n", {R::NonFinite, 2}},
        {"keyword in 1.x", "# Hz\n[Number of Ports] 1\n", {R::BadKeyword, 2}},
        {"version 3", "[Version] 3.0\n", {R::BadKeyword, 1}},
        {"unknown keyword", "[Version] 2.0\n[Colour] red\n", {R::BadKeyword, 2}},
        {"reference zero", "[Version] 2.0\n# Hz\n[Reference] 0\n", {R::BadKeyword, 3}},
        {"too many announced",
         "[Version] 2.0\n[Number of Frequencies] 100001\n",
         {R::TooManyPoints, 2, 100001, 100000}},
        {"no [Number of Ports]",
         "[Version] 2.0\n# Hz\n[Number of Frequencies] 10\n[Network Data]\n",
         {R::MissingKeyword, 4}},
        {"no [End]", v2 + points(10), {R::MissingKeyword, 0}},
        {"fewer than announced", v2 + points(11) + "[End]\n", {R::CountMismatch, 0, 11, 10}},
        {"a point cut short", v2 + points(9) + "10 0.5\n[End]\n", {R::IncompletePoint, 15}},
        {"noise data", v2 + points(10) + "[Noise Data]\n", {R::BadKeyword, 16}},
    };
    for (const Case& c : cases) {
        const TouchstoneRead read = ReadTouchstone(c.text);
        EXPECT_FALSE(read.sweep) << c.what;
        EXPECT_EQ(read.refusal.value_or(TouchstoneRefusal{}), c.refusal) << c.what;
    }
}

TEST(Touchstone, ReadsFiles) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "ringfeld_vna_test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "loop.s1p") << Write(Measure(kLoop, kAroundLoop), 1, Format::DB, kUnits[2]);
    EXPECT_EQ(ReadTouchstoneFile(dir / "loop.s1p").sweep.value_or(Sweep{}).gamma.size(), 401u);
    EXPECT_EQ(ReadTouchstoneFile(dir / "gone.s1p").refusal->reason, TouchstoneReason::FileMissing);
    EXPECT_EQ(ReadTouchstoneFile(dir).refusal->reason, TouchstoneReason::FileUnreadable);
    std::filesystem::remove_all(dir);
}
