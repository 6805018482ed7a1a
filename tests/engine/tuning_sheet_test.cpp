// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The tuning-range sheet against published figures, Smith's table, rows worked by hand and round trips.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/proximity_factor.h"
#include "core/tuning_sheet.h"
#include "presentation/tuning_chart_data.h"
#include "presentation/tuning_display.h"
#include "presentation/tuning_report_inputs.h"
#include "presentation/tuning_row_texts.h"
#include "text/design_record.h"
#include "text/input_rules.h"
#include "text/loop_fields.h"
#include "text/number_format.h"

using namespace ringfeld;
using namespace ringfeld::tuning;

namespace {

// Circle of 1 m, one turn of 20 mm copper tube, 100 W, 0,05 Ohm series loss, Rp 10 MOhm.
const LoopEingaben kMeterLoop{"1", "3,1416", "20", "1", "", "100", "0,05", "20", "10000", "Kreis", "Cu"};
// Circle, copper, D = 1 m, three turns 60 mm long, 10 mm conductor, no series loss.
const LoopEingaben kThreeTurns{"1", "3,1416", "10", "3", "", "100", "0", "60", "10000", "Kreis", "Cu"};
// Circle of 4 m perimeter, 12,7 mm tube.
const LoopEingaben kFourMetre{"1,2732", "4", "12,7", "1", "", "100", "0", "12,7", "10000", "Kreis", "Cu"};

SheetOptions Bereich(double from, double to, double step) { return {from, to, step, {}, 0, 0, {}, {}, {}, {}}; }

SheetOptions At(double mhz, const std::function<void(SheetOptions&)>& change = {}) {
    SheetOptions o = Bereich(mhz, mhz, 1);
    if (change) change(o);
    return o;
}

Sheet Compute(const LoopEingaben& loop, const SheetOptions& o) {
    EXPECT_EQ(PruefeOptionen(o), OptionFault::None);
    return BerechneAbstimmbereich(LoopLesen(loop), o);
}

const RowValues& First(const Sheet& s) {
    static const RowValues none;  // a refused first row fails the test instead of crashing it
    return s.rows.empty() || !s.rows[0].values ? none : *s.rows[0].values;
}

}  // namespace

TEST(TuningSheet, PublishedFiguresLandInside) {
    struct Case {
        const char* what;
        LoopEingaben loop;
        SheetOptions options;
        std::function<double(const Sheet&)> value;
        double expected, tolerance;
    } cases[] = {
        // NEC-4.2 model of a 1 m loop of 20 mm tube: 197 pF of Q 1000 at 7.1 MHz lose about 0.112 Ohm.
        {"C_tune", kMeterLoop, At(7.1), [](auto& s) { return First(s).C_tune_pF; }, 197, 1},
        {"R_cap", kMeterLoop, At(7.1, [](auto& o) { o.capacitorQ = 1000; }),
         [](auto& s) { return First(s).R_capacitor_ohm; }, 0.112, 0.002},
        // Measured 3.15 kHz between the VSWR 2.618 points at 7.028 MHz: about 11.7 %.
        {"measured 1 m", kMeterLoop,
         At(7.028,
            [](auto& o) {
                o.measured = Messung{7.028, 3.15, 2.618};
            }),
         [](auto& s) { return s.measured->efficiency_percent; }, 11.7, 0.1},
        // 80 kHz between the VSWR 2 points at 14 MHz: about 9 % (8.5 % published from the measurement).
        {"measured 4 m", kFourMetre,
         At(14,
            [](auto& o) {
                o.measured = Messung{14, 80, 2};
            }),
         [](auto& s) { return s.measured->efficiency_percent; }, 9, 0.1},
        // Three turns 60 mm long of 10 mm tube: x = 30 / 10 = 3, F(3, 3) = 0.085, Rv 0.1496, R_prox 0.0127.
        {"F", kThreeTurns, At(3.6), [](auto& s) { return First(s).proximity_factor; }, 0.085, 1e-12},
        {"Rv", kThreeTurns, At(3.6), [](auto& s) { return First(s).R_skin_ohm; }, 0.1496, 1e-4},
        {"R_prox", kThreeTurns, At(3.6), [](auto& s) { return First(s).R_proximity_ohm; }, 0.0127, 1e-4},
    };
    for (const Case& c : cases) EXPECT_NEAR(c.value(Compute(c.loop, c.options)), c.expected, c.tolerance) << c.what;
}

TEST(ProximityFactor, SmithsTableInterpolatedAndClamped) {
    struct Case {
        double turns, x, factor;
        bool clamped;
    } cases[] = {
        {2, 2.4, 0.083, false},                  // the entry some copies misread as 0.032
        {3, 1.35, (0.455 + 0.395) / 2, false},   // halfway between the columns 1.3 and 1.4
        {4, 1.0, 0.997, true},                   // below the table: read at 1.1
        {2, 8, 0.031 * 0.25, false},             // above x = 4: F(2, 4) (4 / 8)^2
        {2.5, 3.0, (0.054 + 0.085) / 2, false},  // halfway between the rows 2 and 3
        {1.5, 2.0, 0.116 / 2, false},            // between row 1 (all zero) and row 2
        {10, 2.0, 0.382, true},                  // more turns than the table: row 8
    };
    for (const Case& c : cases) {
        const ProximityFactor f = ProximityFactorSmith(c.turns, c.x);
        EXPECT_NEAR(f.factor, c.factor, 1e-12) << c.turns << " turns, x " << c.x;
        EXPECT_EQ(f.clamped, c.clamped) << c.turns << " turns, x " << c.x;
    }
}

TEST(TuningSheet, RowWorkedByHand) {
    // 1 m circle at 7.1 MHz, stray 10 pF, capacitor Q 500, ground 2 Rr, 100 W, by hand:
    // L = mu0 r (ln(8 r / a) - 2) = 4e-7 pi 0.5 (ln 400 - 2) = 2.50791 uH; X = 2 pi f L = 111.879 Ohm;
    // C = 1 / (omega^2 L) = 200.360 pF; CL = 0.886 * 3.1416 = 2.78346 pF; C_tune = 187.577 pF;
    // R_cap = 1 / (omega C_tune 500) = 0.239008; Rr = 320 pi^4 A^2 / lambda^4 = 0.00603222 (lambda 300 / 7.1);
    // Rv = sqrt(pi f mu0 / 57.1428e6) * 3.1416 / (pi 0.02) = 0.0350186; R_ground = 0.0120644;
    // X^2 / Rp = 0.00125170; R_total = 0.343375; efficiency 1.75674 %; gain 10 log(1.5 eta) = -15.7920 dBi;
    // Q = 325.823; B = f / Q = 21.7910 kHz, / sqrt 2 = 15.4086 kHz; I = sqrt(100 / R_total) = 17.0654 A;
    // V_peak = sqrt 2 I X = 2700.11 V; P_cap = I^2 R_cap = 69.6055 W; f_self = 1 / (2 pi sqrt(L CL)) = 60.2382 MHz.
    const Sheet s =
        Compute(kMeterLoop, At(7.1, [](auto& o) { o.strayPf = 10, o.capacitorQ = 500, o.groundRatio = 2; }));
    const RowValues& v = First(s);
    const std::pair<double, double> expected[] = {{v.L_uH, 2.50791},
                                                  {v.C_tune_pF, 187.577},
                                                  {v.R_capacitor_ohm, 0.239008},
                                                  {v.R_radiation_ohm, 0.00603222},
                                                  {v.R_ground_ohm, 0.0120644},
                                                  {v.R_total_ohm, 0.343375},
                                                  {v.efficiency_percent, 1.75674},
                                                  {v.gain_dBi, -15.7920},
                                                  {v.Q, 325.823},
                                                  {v.bandwidth_halfpower_kHz, 21.7910},
                                                  {v.bandwidth_vswr2_kHz, 15.4086},
                                                  {v.I_rms_A.value_or(0), 17.0654},
                                                  {v.V_peak_V.value_or(0), 2700.11},
                                                  {v.P_capacitor_W.value_or(0), 69.6055},
                                                  {*v.f_self_resonance_MHz, 60.2382}};
    for (const auto& [value, hand] : expected) EXPECT_NEAR(value, hand, std::abs(hand) * 1e-4);
}

TEST(TuningSheet, FlagsRefusalsAndSummary) {
    // Stray 10 pF, capacitor 10-50 pF of Q 1000 rated 3 kV. C = 25330.2 / (f^2 L), L = 2.50791 uH, CL = 2.78 pF:
    // 7 MHz: C_tune = 206.13 - 12.78 = 193.3 pF; R_total = 0.0348 + 0.0057 + 0.1176 + 0.05 + 0.0012 = 0.2093,
    //   V_peak = sqrt(2) sqrt(100 / 0.2093) 110.3 = 3410 V.  17 MHz: k = 3.1416 * 17 / 300 = 0.178 > 0.1.
    // 27 MHz: C_tune = 13.86 - 12.78 = 1.07 pF <= CL; R_total = 0.068 + 1.262 + 5.502 + 0.05 + 0.018 = 6.90,
    //   V_peak = sqrt(2) sqrt(100 / 6.90) 425.5 = 2291 V.  37 MHz: C_tune = 7.38 - 12.78 < 0.
    // 47 MHz: the conductor is 3.1416 * 47 / 300 = 0.49 wavelengths long.
    const Sheet s = Compute(kMeterLoop, SheetOptions{7, 47, 10, 1000, 0, 10, 10, 50, 3000, {}});
    ASSERT_EQ(s.rows.size(), 5u);
    using F = std::vector<Flag>;
    EXPECT_EQ(First(s).flags, (F{Flag::CapacitorRange, Flag::CapacitorVoltage}));
    EXPECT_EQ(s.rows[1].values->flags, (F{Flag::RrFormulaRange, Flag::CapacitorVoltage}));
    EXPECT_EQ(s.rows[2].values->flags, (F{Flag::RrFormulaRange, Flag::SelfCapacitance, Flag::CapacitorRange}));
    EXPECT_EQ(s.rows[3].values->flags,
              (F{Flag::RrFormulaRange, Flag::NoCapacitorFits, Flag::CapacitorRange, Flag::CapacitorVoltage}));
    EXPECT_TRUE(s.rows[4].ending == Ending::Length && !s.rows[4].values &&
                FrequenzText(s.rows[4].frequencyMHz) == "47.0");
    EXPECT_EQ(ZeilenMeldung(s, s.rows[4].ending, s.rows[4].fault, Language::English),
              "Unrealistic datal! The length of the conductor is too close to or longer than a half-wave dipole.");
    // Rows ok, refused and without a capacitor, where C_tune is largest and least, where V_peak is largest: the
    // 37 MHz row (C_tune < 0) is no design, counted apart and out of the extremes.
    const Summary& sum = s.summary;
    EXPECT_EQ((std::vector<double>{double(sum.rows_ok), double(sum.rows_refused), double(sum.rows_no_capacitor),
                                   *sum.C_tune_max_at_MHz, *sum.C_tune_min_at_MHz, *sum.V_peak_max_at_MHz}),
              (std::vector<double>{3, 1, 1, 7, 27, 17}));
}

TEST(TuningSheet, NumbersThatCannotBeComputedRefuseTheRow) {
    // R_cap = 1 / (omega C Q) overflows for Q = 1e-310.
    const Sheet s = Compute(kMeterLoop, At(7.1, [](auto& o) { o.capacitorQ = 1e-310; }));
    EXPECT_TRUE(s.rows[0].ending == Ending::Fault &&
                ZeilenMeldung(s, s.rows[0].ending, s.rows[0].fault, Language::English) == "Overflow" &&
                !s.rows[0].values);
}

TEST(TuningSheet, RoundTrips) {
    const Sheet model = Compute(kThreeTurns, At(3.6, [](auto& o) { o.capacitorQ = 800; }));
    const RowValues& v = First(model);
    // The model's own bandwidth as a measurement gives back its efficiency and no unexplained loss.
    const Sheet fed = Compute(kThreeTurns, At(3.6, [&](auto& o) {
                                  o.capacitorQ = 800, o.measured = Messung{3.6, v.bandwidth_vswr2_kHz, 2};
                              }));
    EXPECT_NEAR(fed.measured->efficiency_percent, v.efficiency_percent, 1e-9);
    EXPECT_NEAR(fed.measured->R_unexplained_ohm, 0, 1e-12);
    // A capacitor range of exactly the row's C_tune covers exactly the row's frequency.
    const Sheet covered =
        Compute(kThreeTurns, At(3.6, [&](auto& o) { o.strayPf = 5, o.capMinPf = o.capMaxPf = v.C_tune_pF - 5; }));
    EXPECT_NEAR(*covered.summary.capacitor_covers_from_MHz, 3.6, 1e-5);
    EXPECT_NEAR(*covered.summary.capacitor_covers_to_MHz, 3.6, 1e-5);
}

TEST(TuningSheet, OptionFaults) {
    const std::pair<std::function<void(SheetOptions&)>, OptionFault> cases[] = {
        {[](auto& o) { o.stepMHz = 0; }, OptionFault::Range},
        {[](auto& o) { o.toMHz = 8, o.stepMHz = 1e-7; }, OptionFault::Range},  // 1e7 rows
        {[](auto& o) { o.fromMHz = std::nan(""); }, OptionFault::Range},
        {[](auto& o) { o.capacitorQ = 0; }, OptionFault::CapacitorQ},
        {[](auto& o) { o.groundRatio = -0.1; }, OptionFault::GroundRatio},
        {[](auto& o) { o.capMinPf = 20, o.capMaxPf = 10; }, OptionFault::CapacitorRange},
        {[](auto& o) {
             o.measured = Messung{7, 3, 1};
         },
         OptionFault::Measured},
        {[](auto& o) {
             o.capMinPf = 10, o.capMaxPf = 10, o.measured = Messung{7, 3, 2};
         },
         OptionFault::None},
    };
    for (const auto& [change, fault] : cases) EXPECT_EQ(PruefeOptionen(At(7, change)), fault);
    // 1.8 + 4 * 0.0028 is 1.8112000000000001 before rounding to 1 Hz.
    EXPECT_EQ(SheetFrequencies(1.8, 1.8112, 0.0028), (std::vector<double>{1.8, 1.8028, 1.8056, 1.8084, 1.8112}));
    // The last row is TO, also where the steps do not land on it.
    EXPECT_EQ(SheetFrequencies(7, 7.2, 0.15), (std::vector<double>{7, 7.15, 7.2}));
}

// Smith's table, each row and column: the factor falls along a row (wider spacing), rises down a column (more
// turns), and falls ever more slowly (convex, within the table's rounding of 0.001): a digit transposed in a
// cell breaks one of them.
TEST(ProximityFactor, SmithsTableIsMonotoneAndConvex) {
    const double x[] = {1.1, 1.15, 1.2, 1.25, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8,
                        1.9, 2.0,  2.2, 2.4,  2.5, 2.6, 2.8, 3.0, 3.5, 4.0};  // Smith, Fig. 1
    for (int n = 2; n <= kProximityMaxTurns; ++n)
        for (std::size_t j = 0; j + 1 < std::size(x); ++j) {
            auto F = [](int turns, double at) { return ProximityFactorSmith(turns, at).factor; };
            EXPECT_GT(F(n, x[j]), F(n, x[j + 1])) << n << " turns, x " << x[j];
            if (n < kProximityMaxTurns) {
                EXPECT_LT(F(n, x[j]), F(n + 1, x[j])) << n << " turns, x " << x[j];
            }
            if (j + 2 >= std::size(x)) continue;
            const double slope = (F(n, x[j + 1]) - F(n, x[j])) / (x[j + 1] - x[j]);
            const double next = (F(n, x[j + 2]) - F(n, x[j + 1])) / (x[j + 2] - x[j + 1]);
            EXPECT_GE(next - slope, -0.001 / (x[j + 1] - x[j]) - 0.001 / (x[j + 2] - x[j + 1])) << n << ", x " << x[j];
        }
}

// The flags' edges: the radiation formula's limit N U / lambda = 0.1 (U = 3.1416 m, lambda = 300 / f: 9.549 MHz),
// and a measured bandwidth against the model's (7.1 MHz: 4.14 kHz at VSWR 2, Q 1212, X / Rr = 18557): narrower,
// wider, far too wide (Q under 121) or too narrow for an efficiency below 100 % (Q over 18557).
TEST(TuningSheet, FlagEdgesAndMeasurementsThatCannotBeRight) {
    using F = std::vector<Flag>;
    auto rr = [](double mhz) { return First(Compute(kMeterLoop, At(mhz))).flags; };
    EXPECT_EQ(rr(9.50), F{});
    EXPECT_EQ(rr(9.60), F{Flag::RrFormulaRange});
    struct Case {
        double kHz;
        F flags;
    } cases[] = {
        {3, {Flag::NarrowerThanModel}},
        {10, {}},
        {150, {Flag::QFarBelowModel}},
        {0.008, {Flag::NarrowerThanModel, Flag::EfficiencyAbove100}},
    };
    for (const Case& c : cases) {
        const Sheet s = Compute(kMeterLoop, At(7.1, [&](auto& o) { o.measured = Messung{7.1, c.kHz, 2}; }));
        EXPECT_EQ(s.measured->flags, c.flags) << c.kHz;
    }
}

// Every flag reads as words in every language: not its export code, and no two flags alike.
TEST(TuningTexts, EveryFlagIsASentenceInEveryLanguage) {
    for (const SprachEintrag& sprache : kSprachen)
        for (const auto& a : texte::kFlagTexte) {
            const std::string_view text = texte::FlagText(a.flag).in(sprache.lang);
            EXPECT_NE(text.find(' '), std::string_view::npos) << FlagName(a.flag);
            for (const auto& b : texte::kFlagTexte)
                if (a.flag != b.flag) {
                    EXPECT_NE(text, b.text.in(sprache.lang));
                }
        }
    EXPECT_EQ(texte::kFlagTexte.size(), static_cast<std::size_t>(Flag::QFarBelowModel) + 1);
}

// The chart's axes for the default loop (2.25 m, 12 mm): the frequency from FROM to TO exactly, nothing below 0,
// the efficiency within 0..100 %, and a 5 V ripple on 8 kV (7.0 to 7.2 MHz) on an axis at least 1.6 kV wide.
TEST(TuningChart, AxesShowTheData) {
    const LoopEingaben kDefault{"2,25", "7,069", "12", "1", "", "100", "0,05", "12", "10000", "Kreis", "Cu"};
    struct Case {
        double from, to, step, min, max;
        std::function<bool(const DiagrammDaten&)> holds;
    } cases[] = {
        {7, 50, 0.5, 7, 50, [](auto& d) { return d.kapazitaetAchse.min >= 0 && d.wirkungsgradAchse.max <= 100; }},
        {1, 200.99, 1, 1, 200.99, [](auto& d) { return d.spannungAchse.min >= 0; }},
        {7, 7.2, 0.01, 7, 7.2, [](auto& d) { return d.spannungAchse.max - d.spannungAchse.min >= 1600; }},
    };
    for (const Case& c : cases) {
        const DiagrammDaten d = DiagrammVon(BerechneAbstimmbereich(LoopLesen(kDefault), Bereich(c.from, c.to, c.step)));
        EXPECT_EQ(d.frequenz.min, c.min);
        EXPECT_EQ(d.frequenz.max, c.max);
        EXPECT_TRUE(c.holds(d)) << c.from << " to " << c.to;
    }
    // With 40 pF of stray capacitance no capacitor tunes the loop above about 8.6 MHz (C total 65 pF at 7 MHz,
    // falling as 1 / f^2): those rows are no design and leave no point.
    SheetOptions stray = Bereich(7, 15, 0.5);
    stray.strayPf = 40;
    const DiagrammDaten d = DiagrammVon(BerechneAbstimmbereich(LoopLesen(kDefault), stray));
    EXPECT_FALSE(d.kapazitaet.empty());
    EXPECT_TRUE(std::ranges::all_of(d.kapazitaet, [](const auto& p) { return p.second > 0; }));
}

// A number too wide for a cell is written compactly, three significant digits; one that is no number not at all.
TEST(TuningTexts, WideNumbersAreCompact) {
    const std::pair<double, const char*> cases[] = {
        {123456789.123, "123456789,12"}, {1.46e307, "1,46×10³⁰⁷"}, {-9.996e9, "-1,00×10¹⁰"}, {INFINITY, ""}, {NAN, ""}};
    for (const auto& [value, text] : cases) EXPECT_EQ(FensterZahl(value, 2, ","), text);
}

TEST(TuningSheet, CapacitorCoverUnderItsRating) {
    // A circle of 1 m, one turn of 22 mm copper (U 3.142 m), 100 W, a 10-250 pF capacitor,
    // worked by hand: L = r mu0 (ln(8 r / a) - 2) = 2.448026 uH and CL = 0.886 U = 2.7838 pF
    // tune it from 6.397901 MHz (250 pF) to 28.449978 MHz (10 pF), f = 1 / (2 pi sqrt(L C)). V = sqrt(2 P / R) X rises
    // from 4768.8 V to 6979.898 V at 13.68045 MHz and falls to 4763.2 V: 5000 V hold up to
    // 6.790578 and from 26.871006 MHz; the whole range holds up to 100 W (rating / 6979.898)^2.
    // The sentence rounds the parts inwards to the kilohertz and the power down to 0.1 W.
    const LoopEingaben loop{"1", "3,142", "22", "1", "", "100", "0,05", "22", "10000", "Kreis", "Cu"};
    const double von = 6.397901, bis = 28.449978;
    struct Fall {
        std::optional<double> rating;
        std::vector<VoltageCover::Part> holds;
        double powerW;
        const char* satz;
    } faelle[] = {
        {7000, {{von, bis}}, 100.57683, "; at 100 W it keeps the 7000 V rating over the whole range"},
        {5000,
         {{von, 6.790578}, {26.871006, bis}},
         51.314710,
         "; at 100 W it keeps the 5000 V rating only from 6.398 to 6.790 MHz and from 26.872 to 28.449 MHz; over "
         "the whole range up to 51.3 W"},
        {4000,
         {},
         32.841414,
         "; at 100 W the voltage exceeds the 4000 V rating over the whole range; over the whole range up to 32.8 W"},
        {std::nullopt, {}, 0, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.rating.value_or(0));
        const Sheet s =
            Compute(loop, At(7.1, [&](auto& o) { o.capMinPf = 10, o.capMaxPf = 250, o.capVPeakV = f.rating; }));
        ASSERT_EQ(s.voltageCover.has_value(), f.rating.has_value());
        EXPECT_EQ(DecktSpannung(s, Language::English, "."), f.satz);
        if (!f.rating) continue;
        const VoltageCover& c = *s.voltageCover;
        ASSERT_EQ(c.holds.size(), f.holds.size());
        for (std::size_t i = 0; i < f.holds.size(); ++i) {
            EXPECT_NEAR(c.holds[i].fromMHz, f.holds[i].fromMHz, 1e-6);
            EXPECT_NEAR(c.holds[i].toMHz, f.holds[i].toMHz, 1e-6);
        }
        EXPECT_NEAR(c.vPeakMaxV, 6979.8978, 1e-3);
        EXPECT_NEAR(c.vPeakMaxAtMHz, 13.68045, 1e-3);
        EXPECT_NEAR(c.holdsAllPowerW, f.powerW, 1e-5);
        EXPECT_TRUE(c.complete);
    }
    // 4766 V: the low end (4768.8 V) is above it, the top end (4763.2 V) within: one part
    // up to the top, not the whole range; 100 W (4766 / 6979.898)^2 = 46.62 W over it.
    const Sheet s = Compute(loop, At(7.1, [](auto& o) { o.capMinPf = 10, o.capMaxPf = 250, o.capVPeakV = 4766; }));
    ASSERT_EQ(s.voltageCover->holds.size(), 1U);
    const std::string satz = DecktSpannung(s, Language::English, ".");
    EXPECT_TRUE(satz.starts_with("; at 100 W it keeps the 4766 V rating only from ")) << satz;
    EXPECT_TRUE(satz.ends_with(" to 28.449 MHz; over the whole range up to 46.6 W")) << satz;
}

// The loop in words above the sheet and the report's size caption name each shape by its
// own measure: the polygons across flats, circle and square as they always were.
TEST(TuningDisplay, EachShapeNamedWithItsMeasure) {
    const struct {
        const char* entry;
        Language lang;
        const char *words, *caption;
    } cases[] = {
        {"Kreis", Language::German, "Kreis von 1 m Durchmesser, Leiter 22 mm Cu", "Durchmesser (m)"},
        {"Square", Language::English, "square of 1 m side, conductor 22 mm Cu", "Side length (m)"},
        {"Achteck", Language::English, "octagon of 1 m across flats, conductor 22 mm Cu", "Width across flats (m)"},
        {"hexagone", Language::French, "hexagone de 1 m de largeur sur plats, conducteur 22 mm Cu",
         "Largeur sur plats (m)"},
    };
    for (const auto& c : cases) {
        const LoopEingaben loop{"1", "3", "22", "1", "", "100", "0", "22", "10000", c.entry, "Cu"};
        EXPECT_TRUE(SchleifenZeile(LoopLesen(loop), c.lang, ",", Units::Metric).starts_with(c.words)) << c.entry;
        const auto groups = BerichtEingaben(loop, kFieldDefaults, "", c.lang, Units::Metric);
        ASSERT_FALSE(groups.empty() || groups.front().zeilen.size() < 3);
        EXPECT_EQ(groups.front().zeilen[2].beschriftung, c.caption) << c.entry;
    }
}
