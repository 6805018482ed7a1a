// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// A measured bandwidth the model cannot stand by: read in the other unit only where that
// fits, otherwise a lossy loop or a number that cannot be right; what is shown of it and
// whether the safety distance may scale its current with it.
#include <gtest/gtest.h>

#include "core/exposure.h"
#include "core/measured_plausibility.h"
#include "export/tuning_export.h"
#include "presentation/tuning_display.h"

using namespace ringfeld;
using namespace ringfeld::tuning;

TEST(MeasuredPlausibility, AUnitHintOnlyWhereTheOtherUnitFitsTheModel) {
    using V = MeasuredVerdict;
    struct Case {
        double kHz, Q, R, Rmodel, efficiency;
        std::vector<Flag> flags;
        V verdict;
        double modelQ, otherKHz, otherQ;
        const char* shown;  // a piece of the English result
    } cases[] = {
        // As measured: Q 1000 where the model has 1000 (R alike).
        {5, 1000, 0.1, 0.1, 40, {}, V::Plausible, 1000, 0, 0, "η 40.00 %"},
        // The 0,008 (meant in MHz): Q 627557, R 0.00053 against 0.34716 Ohm, model Q
        // 627557 * 0.00053 / 0.34716 = 958.07; in MHz Q 627.6 and 28.95 %.
        {0.008,
         627557,
         0.00053,
         0.34716,
         28953.69,
         {Flag::EfficiencyAbove100},
         V::MeantInMHz,
         958.07,
         8,
         627.557,
         "meant in MHz? Read as 0.008 MHz it is 8 kHz wide and gives Q 628 (model: 958)"},
        // The 40 kHz on a 1 m two-turn loop: Q 126 against 2238 (R ratio 17.762); in Hz
        // Q 126000, far above twice the model's: a lossy loop, its efficiency stays.
        {40, 126, 1.7762, 0.1, 0.9, {Flag::QFarBelowModel}, V::Lossier, 2238.0, 0, 0, "the loop loses far more"},
        // 700 typed, meant in Hz: Q 1.5 against 1000; in Hz Q 1500 (within 100 to 2000) and 45 %.
        {700, 1.5, 66.667, 0.1, 0.045, {Flag::QFarBelowModel}, V::MeantInHz, 1000.0, 0.7, 1500, "meant in Hz?"},
        // The same Q, but in Hz the efficiency would be 200 %: no hint.
        {700, 1.5, 66.667, 0.1, 0.2, {Flag::QFarBelowModel}, V::Lossier, 1000.0, 0, 0, "loses far more"},
        // Q 3 against 1000: in Hz Q 3000, above twice the model's: a lossy loop.
        {700, 3, 33.333, 0.1, 0.01, {Flag::QFarBelowModel}, V::Lossier, 1000.0, 0, 0, "loses far more"},
        // Q 50000 at 120 %: in MHz Q 50, a twentieth of the model's 1000: nothing fits.
        {0.1, 50000, 0.002, 0.1, 120, {Flag::EfficiencyAbove100}, V::Impossible, 1000.0, 0, 0, "at most 41667"},
        // Q 2899 where the radiation alone allows 2899 / 1.3373 = 2167.8; in MHz Q 2.9: nothing fits.
        {1,
         2899,
         0.1156,
         0.34716,
         133.73,
         {Flag::EfficiencyAbove100},
         V::Impossible,
         965.34,
         0,
         0,
         "more than the radiation alone allows (at most 2168)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kHz);
        MeasuredResult m;
        m.input = {7.1, c.kHz, 2};
        m.Q = c.Q, m.R_total_ohm = c.R, m.R_model_ohm = c.Rmodel, m.efficiency_percent = c.efficiency;
        m.flags = c.flags;
        const auto j = JudgeMeasured(m);
        ASSERT_TRUE(j);
        EXPECT_EQ(j->verdict, c.verdict);
        EXPECT_NEAR(j->modelQ, c.modelQ, 1e-3 * c.modelQ);
        EXPECT_NEAR(j->otherBandwidthKHz, c.otherKHz, 1e-9);
        EXPECT_NEAR(j->otherQ, c.otherQ, 1e-6 * c.otherQ);
        // No efficiency or gain from a number in another unit or one that cannot be right.
        Sheet sheet;
        sheet.measured = m;
        const std::string shown = MessErgebnisText(sheet, Language::English, ".");
        EXPECT_NE(shown.find(c.shown), std::string::npos) << shown;
        EXPECT_EQ(shown.find("η") != std::string::npos, Believable(c.verdict)) << shown;
        EXPECT_EQ(exposure::MeasuredRatio(m).has_value(), Believable(c.verdict));
        // The sheet's JSON likewise: its efficiency only where believable, always the verdict.
        const LoopEingaben loop;
        std::string json;
        SheetJsonEnd(json, {loop, sheet, Language::English});
        const std::string efficiency = "\"efficiency_percent\":";
        const std::size_t at = json.find(efficiency);
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(json.compare(at + efficiency.size(), 4, "null") != 0, Believable(c.verdict)) << json;
        EXPECT_NE(json.find("\"verdict\":\"" + std::string(MeasuredVerdictKey(c.verdict)) + '"'), std::string::npos);
    }
    MeasuredResult refused;
    refused.ending = Ending::Fault;
    EXPECT_FALSE(JudgeMeasured(refused));
}
