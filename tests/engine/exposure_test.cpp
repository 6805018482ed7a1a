// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// Exposure: the limit tables at every published edge, the dipole's fields against values
// worked by hand, the distance search, and a published near-field example.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "core/exposure.h"
#include "core/exposure_summary.h"
#include "core/station.h"
#include "presentation/exposure_inputs.h"

using namespace ringfeld;
using namespace ringfeld::exposure;

namespace {

constexpr double kNone = -1;  // no limit at this frequency
constexpr auto k98 = Standard::Icnirp1998, k20 = Standard::Icnirp2020, kFcc = Standard::Fcc;
constexpr auto kPub = Population::Public, kOcc = Population::Occupational;

// A loop of diameter (or side) D m, N turns, P W, and one row of its sheet at f with R_total.
LoopZahlen Loop(double D, double N, double P, Form form = Form::Kreis) {
    LoopZahlen l;
    l.D.wert = D, l.N.wert = N, l.P.wert = P, l.form = form;
    return l;
}
tuning::SheetRow SheetRowAt(double f, double R) {
    tuning::SheetRow row;
    row.frequencyMHz = f;
    if (R < 0) {  // a row the sheet refused
        row.ending = Ending::Fault;
        row.fault = Fault::Overflow;
        return row;
    }
    row.values = tuning::RowValues{};
    row.values->R_total_ohm = R;
    return row;
}
constexpr double kRefused = -1;

}  // namespace

TEST(ExposureLimits, ValuesAndOwnerAtEachPublishedEdge) {
    // Typed from the published tables; powers by hand: 0.1^-0.7 = 5.0118723, 30^0.7 = 10.813963.
    struct Case {
        Standard s;
        Population p;
        double f, e, h, minutes;
    } cases[] = {
        {k98, kPub, 0.0029, kNone, kNone, 0},
        {k98, kPub, 0.003, 87, 5, 0},          // the first row owns its lower edge; not averaged below 100 kHz
        {k98, kPub, 0.1, 87, 5, 6},            // averaged from 100 kHz (Tables 6 and 7, note 2)
        {k98, kPub, 0.15, 87, 5, 6},           // 3-150 kHz owns 150 kHz
        {k98, kPub, 0.1501, 87, 4.863424, 6},  // 0.73 / 0.1501
        {k98, kPub, 1, 87, 0.73, 6},           // 87 / 1^0.5
        {k98, kPub, 10, 27.511816, 0.073, 6},  // 1-10 MHz owns 10: 87 / sqrt(10)
        {k98, kPub, 10.001, 28, 0.073, 6},
        {k98, kPub, 400, 28, 0.073, 6},
        {k98, kPub, 400.001, kNone, kNone, 0},
        {k98, kOcc, 0.0649, kNone, kNone, 0},
        {k98, kOcc, 0.065, 610, 24.615385, 0},  // 1.6 / 0.065
        {k98, kOcc, 10, 61, 0.16, 6},           // 610 / 10, 1.6 / 10
        {k98, kOcc, 10.001, 61, 0.16, 6},
        {k20, kPub, 0.0999, kNone, kNone, 0},
        {k20, kPub, 0.1, 1503.5617, 22, 30},       // 300 * 5.0118723, 2.2 / 0.1
        {k20, kPub, 30, 27.741911, 0.073333, 30},  // ">30-400": 30 MHz is the lower row's
        {k20, kPub, 30.001, 27.7, 0.073, 30},
        {k20, kOcc, 0.1, 3307.8357, 49, 30},       // 660 * 5.0118723, 4.9 / 0.1
        {k20, kOcc, 30, 61.032205, 0.163333, 30},  // 660 / 10.813963, 4.9 / 30
        {k20, kOcc, 30.001, 61, 0.16, 30},
        {kFcc, kPub, 0.2999, kNone, kNone, 0},
        {kFcc, kPub, 1.34, 614, 1.63, 30},              // 0.3-1.34 owns 1.34
        {kFcc, kPub, 1.3401, 614.87949, 1.634206, 30},  // 824 / 1.3401, 2.19 / 1.3401
        {kFcc, kPub, 30, 27.466667, 0.073, 30},         // 824 / 30, 2.19 / 30
        {kFcc, kPub, 30.001, 27.5, 0.073, 30},
        {kFcc, kPub, 300.001, kNone, kNone, 0},
        {kFcc, kOcc, 3, 614, 1.63, 6},
        {kFcc, kOcc, 3.001, 613.7954, 1.629457, 6},  // 1842 / 3.001, 4.89 / 3.001
        {kFcc, kOcc, 30.001, 61.4, 0.163, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << StandardKey(c.s) << ' ' << PopulationKey(c.p) << ' ' << c.f << " MHz");
        const auto limits = LimitsAt(c.s, c.p, c.f);
        ASSERT_EQ(limits.has_value(), c.e != kNone);
        if (!limits) continue;
        EXPECT_NEAR(limits->E_Vpm, c.e, 1e-6 * c.e);
        EXPECT_NEAR(limits->H_Apm, c.h, 1e-5 * c.h);
        EXPECT_EQ(limits->averagingMinutes, c.minutes);
    }
}

TEST(ExposureLimits, TheTablesBesideTheStandardsAndTheirAveraging) {
    // ICNIRP 2010, Tables 3 and 4: 83 V/m and 27 uT (= 21.485917 A/m), 170 V/m and 100 uT
    // (= 79.577472 A/m), not averaged; ICNIRP 2020, Table 6, 6 min: 671 and 1504 / f^0.7,
    // 4.9 and 10.8 / f (0.1^-0.7 = 5.0118723, 30^0.7 = 10.813963); ICNIRP 1998 from 100 kHz.
    using T = LimitTable;
    using A = Averaging;
    struct Case {
        LimitTable t;
        Population p;
        double f, e, h;
        Averaging averaging;
    } cases[] = {
        {T::Icnirp2010, kPub, 0.0029, kNone, kNone, A::None},
        {T::Icnirp2010, kPub, 0.003, 83, 21.485917, A::None},
        {T::Icnirp2010, kPub, 10, 83, 21.485917, A::None},
        {T::Icnirp2010, kPub, 10.001, kNone, kNone, A::None},
        {T::Icnirp2010, kOcc, 1.9, 170, 79.577472, A::None},
        {T::Icnirp2020Local, kPub, 0.0999, kNone, kNone, A::None},
        {T::Icnirp2020Local, kPub, 0.1, 3362.9663, 49, A::Minutes6},
        {T::Icnirp2020Local, kOcc, 30, 139.07945, 0.36, A::Minutes6},
        {T::Icnirp2020Local, kPub, 30.001, 62, 0.163, A::Minutes6},
        {T::Icnirp2020Local, kOcc, 400, 139, 0.36, A::Minutes6},
        {T::Icnirp1998, kPub, 0.0999, 87, 5, A::None},
        {T::Icnirp1998, kPub, 0.1, 87, 5, A::Minutes6},
        {T::Icnirp2020WholeBody, kPub, 7, 76.833856, 0.3142857, A::Minutes30},  // 300 / 7^0.7, 2.2 / 7
        {T::Fcc, kOcc, 7, 263.14286, 0.6985714, A::Minutes6},                   // 1842 / 7, 4.89 / 7
        {T::Fcc, kPub, 7, 117.71429, 0.3128571, A::Minutes30},                  // 824 / 7, 2.19 / 7
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << LimitTableKey(c.t) << ' ' << PopulationKey(c.p) << ' ' << c.f << " MHz");
        const auto limits = LimitsAt(c.t, c.p, c.f);
        ASSERT_EQ(limits.has_value(), c.e != kNone);
        if (!limits) continue;
        EXPECT_NEAR(limits->E_Vpm, c.e, 1e-6 * c.e);
        EXPECT_NEAR(limits->H_Apm, c.h, 1e-6 * c.h);
        EXPECT_EQ(limits->averaging, c.averaging);
    }
}

// The modes offered, against FCC OET Bulletin 65 Supplement B (97-01), Table 2 (duty
// factors of modes commonly used by amateurs); the carrier is the conservative 1.
TEST(ExposureModes, FactorsAsPublished) {
    const std::pair<std::string_view, double> published[] = {
        {"ssb", 0.2}, {"ssb_processed", 0.4}, {"cw", 0.4}, {"fm", 1.0}, {"rtty", 1.0}, {"data", 1.0}, {"carrier", 1.0}};
    ASSERT_EQ(std::size(published), kModeFactors.size());
    for (std::size_t i = 0; i < kModeFactors.size(); ++i) {
        EXPECT_EQ(kModeFactors[i].key, published[i].first);
        EXPECT_EQ(kModeFactors[i].factor, published[i].second) << published[i].first;
    }
}

TEST(ExposureLimits, ContinuousExceptWhereThePublishedTablesStep) {
    // Steps of more than 0.1 % that the published tables have, listed by hand.
    using T = LimitTable;
    struct Table {
        LimitTable s;
        Population p;
        double from, to;
        std::vector<double> steps;
    } tables[] = {
        {T::Icnirp1998, kPub, 0.003, 400, {0.15, 10}},  {T::Icnirp1998, kOcc, 0.065, 400, {}},
        {T::Icnirp2020WholeBody, kPub, 0.1, 400, {30}}, {T::Icnirp2020WholeBody, kOcc, 0.1, 400, {30}},
        {T::Icnirp2020Local, kPub, 0.1, 400, {30}},  // H 4.9 / 30 = 0.1633, then 0.163
        {T::Icnirp2020Local, kOcc, 0.1, 400, {}},    // 1504 / 30^0.7 = 139.08, then 139
        {T::Icnirp2010, kPub, 0.003, 10, {}},           {T::Icnirp2010, kOcc, 0.003, 10, {}},
        {T::Fcc, kPub, 0.3, 300, {1.34, 30}},           {T::Fcc, kOcc, 0.3, 300, {}},
    };
    for (const Table& t : tables) {
        auto before = *LimitsAt(t.s, t.p, t.from);
        for (double f = t.from * 1.0005; f <= t.to; f *= 1.0005) {
            const auto now = *LimitsAt(t.s, t.p, f);
            bool step = false;
            for (double s : t.steps) step |= f / 1.0005 <= s && s < f;
            if (!step) {
                EXPECT_NEAR(now.E_Vpm / before.E_Vpm, 1, 1e-3) << LimitTableKey(t.s) << ' ' << f;
                EXPECT_NEAR(now.H_Apm / before.H_Apm, 1, 1e-3) << LimitTableKey(t.s) << ' ' << f;
            }
            before = now;
        }
    }
}

TEST(DipoleFields, HandValuesNearTransitionAndFar) {
    // k = 1 rad/m (f = c / 2 pi = 47.713452 MHz) and m = 1 A m^2, so kr = r; eta0 / 4 pi = 29.979246 Ohm.
    const MagneticDipole dipole{1, Wavenumber(47.713452)};
    struct Case {
        double r, hAxis, hPlane, ePlane;
    } cases[] = {
        // kr = 0.01: axis 1 / (2 pi 1e-4) sqrt(1 + 1e4) = 1591.5494 * 100.005 = 159162.90,
        // plane 1 / (4 pi 0.01) sqrt((1 - 1e4)^2 + 1e4) = 7.9577472 * 9999.5 = 79573.493,
        // E 29.979246 / 0.01 * 100.005 = 299807.45 (the static dipole: 159154.9 and 79577.5).
        {0.01, 159162.90, 79573.493, 299807.45},
        // kr = 1: sqrt(2) / (2 pi) = 0.2250791, 1 / (4 pi) = 0.0795775, 29.979246 sqrt(2) = 42.397056.
        {1, 0.2250791, 0.0795775, 42.397056},
        // kr = 10: sqrt(1.01) / (200 pi) = 0.0015994874, sqrt(0.99^2 + 0.01) / (40 pi) = 0.0079182583,
        // 2.9979246 sqrt(1.01) = 3.0128769.
        {10, 0.0015994874, 0.0079182583, 3.0128769},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(HAxis(dipole, c.r), c.hAxis, 1e-6 * c.hAxis) << c.r;
        EXPECT_NEAR(HPlane(dipole, c.r), c.hPlane, 1e-6 * c.hPlane) << c.r;
        EXPECT_NEAR(EPlane(dipole, c.r), c.ePlane, 1e-6 * c.ePlane) << c.r;
    }
}

TEST(DipoleFields, SearchFindsTheLimitJustOutsideItAndTheEndsOfItsRange) {
    const double k = Wavenumber(47.713452);  // 1 rad/m, as above
    struct Case {
        double f, moment, limit;
        Component component;
    } cases[] = {
        // The hand values above, read backwards: the limit is met at r = 1 m and 10 m.
        {47.713452, 1, 0.2250791, Component::HAxis},  {47.713452, 1, 0.0079182583, Component::HPlane},
        {47.713452, 1, 42.397056, Component::EPlane}, {1.83, 5, 0.4, Component::HAxis},
        {7.1, 10.4, 0.104, Component::HPlane},        {28.5, 20, 27.5, Component::EPlane},
        {0.475, 400, 1.63, Component::HAxis},
    };
    const double expected[] = {1, 10, 1};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const MagneticDipole dipole{c.moment, Wavenumber(c.f)};
        const Distance d = LimitDistance(dipole, c.component, c.limit);
        ASSERT_EQ(d.bound, Bound::Within) << i;
        // The hand values carry 8 digits: the place they give is good to 1e-7.
        if (i < std::size(expected)) {
            EXPECT_NEAR(d.metres, expected[i], 1e-7 * expected[i]) << i;
        }
        EXPECT_LE(Field(dipole, c.component, d.metres), c.limit) << i;
        EXPECT_GT(Field(dipole, c.component, d.metres * (1 - 2 * kRelativeResolution)), c.limit) << i;
    }
    EXPECT_EQ(LimitDistance({1e-9, k}, Component::HAxis, 0.1).bound, Bound::LessThan1cm);
    EXPECT_EQ(LimitDistance({1e10, k}, Component::HAxis, 0.1).bound, Bound::MoreThan10km);
}

TEST(Exposure, CurrentMomentAndTheResistanceUsed) {
    struct Case {
        double P, factor, share, R;
        CurrentSource wanted;
        std::optional<double> ratio;
        double Pavg, I, Rused, moment;
        CurrentSource used;
    } cases[] = {
        // FCC OET Bulletin 65, Supplement B, worked example: "500 W X 0.4 (40% ...) X 0.125 (45 of
        // 360 seconds) = 25 W"; sqrt(25 / 0.25) = 10 A; m = 2 turns * 10 A * pi / 4 = 15.707963.
        {500, 0.4, 45.0 / 360, 0.25, CurrentSource::Model, 2.0, 25, 10, 0.25, 15.707963, CurrentSource::Model},
        // The measured R_total, twice the model's: sqrt(25 / 0.5) = 7.0710678 A, m = 11.107207.
        {500, 0.4, 0.125, 0.25, CurrentSource::Measured, 2.0, 25, 7.0710678, 0.5, 11.107207, CurrentSource::Measured},
        // Measured asked for, but the sheet has none: the model's, and it says so.
        {500, 0.4, 0.125, 0.25, CurrentSource::Measured, {}, 25, 10, 0.25, 15.707963, CurrentSource::Model},
    };
    for (const Case& c : cases) {
        const Row row = Evaluate(Loop(1, 2, c.P), SheetRowAt(7, c.R), {c.factor, c.share, c.share, c.wanted}, c.ratio);
        ASSERT_TRUE(row.result);
        EXPECT_NEAR(row.result->P_avg_W, c.Pavg, 1e-9);
        EXPECT_NEAR(row.result->I_rms_A, c.I, 1e-6);
        EXPECT_NEAR(row.result->R_total_ohm, c.Rused, 1e-12);
        EXPECT_NEAR(row.result->moment_Am2, c.moment, 1e-5);
        EXPECT_EQ(row.result->source, c.used);
    }
    // The sheet's measured block: R 0.3 Ohm measured where the model has 0.1 Ohm.
    tuning::MeasuredResult measured;
    measured.R_total_ohm = 0.3, measured.R_model_ohm = 0.1;
    EXPECT_NEAR(MeasuredRatio(measured).value_or(0), 3, 1e-12);
    // A square of side 0.5 m: A = 0.25 m^2, and the dipole model's bound 3 a / sqrt(2) = 1.0606602 m.
    const Row square = Evaluate(Loop(0.5, 1, 100, Form::Quadrat), SheetRowAt(7, 1), {}, {});
    EXPECT_NEAR(square.result->moment_Am2, 10 * 0.25, 1e-9);
    EXPECT_NEAR(square.result->nearRadius_m, 1.0606602, 1e-7);
}

TEST(Exposure, PublishedNecExampleLosslessOneMetreLoopAt7MHz) {
    // O. Duffy, "Small transmitting loop EMR safety", owenduffy.net/blog/?p=1887 (2014): a
    // lossless loop 1 m across at 7 MHz radiating 1 W, modelled with NEC-4 (method of moments):
    // H falls to 0.104 A/m (0.73 / 7, ICNIRP 1998 public) 1.45 m above the top conductor,
    // 0.5 + 1.45 = 1.95 m from the centre in the loop's plane. Lossless, R_total = R_rad =
    // eta0 k^4 A^2 / (6 pi) (Balanis, 3rd ed., eq. (5-24)): k = 0.14670915 rad/m, A = pi / 4,
    // R = 5.711340e-3 Ohm, I = sqrt(1 / R) = 13.2322 A, m = 10.3925 A m^2.
    const Row row = Evaluate(Loop(1, 1, 1), SheetRowAt(7, 5.711340e-3), {}, {});
    ASSERT_TRUE(row.result);
    EXPECT_NEAR(row.result->moment_Am2, 10.3925, 1e-3);
    // The dipole at 1.95 m: 0.0912831 sqrt((1 - 12.21846)^2 + 12.21846) = 0.10726 A/m, 3 % above NEC.
    EXPECT_NEAR(HPlane(row.result->dipole, 1.95), 0.104, 0.05 * 0.104);
    const LimitResult& icnirp = row.result->limits[LimitIndex(k98, kPub)];
    EXPECT_NEAR(icnirp.distances[1].metres, 1.95, 0.06);  // H in the plane
    // NEC puts E = 32 V/m 1.15 m above the top-mounted capacitor (1.65 m from the centre); the
    // dipole, without a capacitor, stops within 3 radii (1.5 m): its E must not be trusted there.
    EXPECT_LT(icnirp.distances[2].metres, 1.5);
    EXPECT_EQ(row.result->nearRadius_m, 1.5);
    // On the axis the field reaches further (2.58 m by the same formulas): it governs, clear of the loop.
    EXPECT_EQ(icnirp.governing, Component::HAxis);
    EXPECT_FALSE(icnirp.flags & kNearConductor);
    EXPECT_EQ(icnirp.nearConductor, (std::array{false, false, true}));  // each distance its own mark
}

TEST(Exposure, BeyondTheSafetyDistanceEveryFieldKeepsTheLimitOfEveryTable) {
    const LoopZahlen loop = Loop(0.8, 2, 400, Form::Quadrat);
    Settings settings{0.4, 0.9, 0.5, CurrentSource::Model, true};
    for (double f : {0.0475, 0.1357, 1.84, 7.1, 29.6, 52.0, 145.0}) {
        const Row row = Evaluate(loop, SheetRowAt(f, 0.05), settings, {});
        ASSERT_TRUE(row.result);
        for (Standard s : kStandards)
            for (Population p : kPopulations) {
                const LimitResult& e = row.result->limits[LimitIndex(s, p)];
                SCOPED_TRACE(testing::Message() << f << " MHz " << StandardKey(s) << ' ' << PopulationKey(p));
                const TableResults tables = TablesAt(row, s, p);
                if (!e.limits) {
                    EXPECT_EQ(e.flags, unsigned{kOutsideTable});
                    EXPECT_EQ(tables.count, 0u);
                    continue;
                }
                const double r = e.safety.metres;
                bool reached = false;
                for (std::size_t t = 0; t < tables.count; ++t) {
                    const TableResult& table = tables.tables[t];
                    const MagneticDipole& dipole = DriveFor(*row.result, table.limits.averaging).dipole;
                    const double limit[] = {table.limits.H_Apm, table.limits.H_Apm, table.limits.E_Vpm};
                    for (std::size_t c = 0; c < 3; ++c) EXPECT_LE(Field(dipole, kComponents[c], r), limit[c]) << c;
                    const auto g = static_cast<std::size_t>(e.governing);
                    reached |= Field(dipole, e.governing, r * (1 - 2 * kRelativeResolution)) > limit[g];
                }
                EXPECT_TRUE(reached) << "some table's field reaches the safety distance";
                if (e.safety.bound == Bound::Within) {
                    EXPECT_NEAR(CheckPlace(row, s, p, r).worstPercent, 100, 1e-6);  // a place there: at its limit
                }
                EXPECT_EQ((e.flags & kNearConductor) != 0, r <= 3 * 0.8 / std::sqrt(2.0));
            }
    }
    // Below 0.3 MHz the FCC table has no limit, ICNIRP 1998 has.
    const Row low = Evaluate(loop, SheetRowAt(0.1357, 0.05), {}, {});
    EXPECT_FALSE(low.result->limits[LimitIndex(kFcc, kPub)].limits);
    EXPECT_TRUE(low.result->limits[LimitIndex(k98, kPub)].limits);
}

TEST(ExposureRounding, AShownDistanceIsNeverInsideTheExactOne) {
    // At 10 kHz (kr < 6e-4 up to 2.5 m) H on the axis is the static m / (2 pi r^3) within
    // 2e-7; with m = 2 pi A m^2 a limit of 1 / r0^3 A/m is met at r0 (within 1e-7 relative).
    // In feet to the tenth, outwards likewise (1 ft = 0.3048 m).
    struct Case {
        double exactM, shownM;
        const char *text, *feet;
    } cases[] = {
        {1.00999, 1.01, "1,01 m", "3,4 ft"},  // just inside a centimetre: up to it; 3.3136 ft
        {1.01001, 1.02, "1,02 m", "3,4 ft"},  // just outside: the next one, never 1.01
        {2.49999, 2.50, "2,50 m", "8,3 ft"}, {2.50001, 2.51, "2,51 m", "8,3 ft"},
        {0.91437, 0.92, "0,92 m", "3,0 ft"},  // 2.9999 ft
        {0.91443, 0.92, "0,92 m", "3,1 ft"},  // 3.0001 ft
    };
    const MagneticDipole dipole{2 * std::numbers::pi, Wavenumber(0.01)};
    for (const Case& c : cases) {
        const Distance d = LimitDistance(dipole, Component::HAxis, 1 / (c.exactM * c.exactM * c.exactM));
        EXPECT_NEAR(d.metres, c.exactM, 1e-6) << c.exactM;
        EXPECT_NEAR(RoundOutwardsToCm(d.metres), c.shownM, 1e-12) << c.exactM;
        EXPECT_EQ(AbstandText(d, Language::German, Units::Metric, ","), c.text);
        EXPECT_EQ(AbstandText(d, Language::English, Units::Imperial, ","), c.feet);
    }
    // The case: 4.063 m exact is shown 4.07; a whole centimetre stays.
    EXPECT_NEAR(RoundOutwardsToCm(4.063), 4.07, 1e-12);
    EXPECT_NEAR(RoundOutwardsToCm(4.07), 4.07, 1e-12);
    EXPECT_NEAR(RoundOutwardsToCm(0.07), 0.07, 1e-12);  // 7.000000000000001 cm as a double
    EXPECT_NEAR(RoundOutwardsToCm(4.0701), 4.08, 1e-12);
}

TEST(ExposureSummary, WorstCaseAndRowsThatShowTheSame) {
    // ICNIRP 1998, public, 0.15-1 MHz: H limit 0.73 / f. Near the loop H on the axis is
    // m / (2 pi r^3), so r^3 = m f / (2 pi 0.73): 0.5 MHz with R 1 Ohm and 0.25 MHz with
    // R 0.25 Ohm (twice the current) need the same 0.9455 m (P 97.47 W, m 7.754 A m^2),
    // shown 0.95 m; R 0.01 Ohm needs 2.04 m.
    const LoopZahlen loop = Loop(1, 1, 97.47);
    const std::vector<std::pair<double, double>> sheet = {{0.25, 0.25},    {0.5, 1},        {0.5, 1},
                                                          {0.6, kRefused}, {0.7, kRefused}, {0.5, 0.01}};
    std::vector<Row> rows;
    for (const auto& [f, R] : sheet) rows.push_back(Evaluate(loop, SheetRowAt(f, R), {}, {}));
    const std::size_t slot = LimitIndex(k98, kPub);
    struct Group {
        std::size_t first, last;
        double fromMHz, toMHz, shownM;  // 0: refused
    } expected[] = {{0, 2, 0.25, 0.5, 0.95}, {3, 4, 0.6, 0.7, 0}, {5, 5, 0.5, 0.5, 2.04}};
    const auto groups = GroupRows(rows, slot);
    ASSERT_EQ(groups.size(), std::size(expected));
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const Group& e = expected[i];
        EXPECT_EQ(groups[i].first, e.first) << i;
        EXPECT_EQ(groups[i].last, e.last) << i;
        EXPECT_EQ(groups[i].fromMHz, e.fromMHz) << i;
        EXPECT_EQ(groups[i].toMHz, e.toMHz) << i;
        EXPECT_NEAR(groups[i].limit ? RoundOutwardsToCm(groups[i].limit->safety.metres) : 0, e.shownM, 1e-9) << i;
    }
    // The largest distance: R 0.01 Ohm, the last row; no row with a result, no worst case.
    const auto worst = WorstCaseOf(rows, slot);
    ASSERT_TRUE(worst);
    EXPECT_EQ(worst->row, 5u);
    EXPECT_NEAR(worst->safety.metres, 2.0372, 1e-3);
    EXPECT_FALSE(WorstCaseOf(std::span(rows).subspan(3, 2), slot));
}

TEST(ExposurePlaces, EachFieldAsAPercentageOfItsLimitAndTheVerdict) {
    // 10 kHz, a 0.2 m loop at 10 A: m = 0.1 pi A m^2, H on the axis 0.05 / d^3 A/m (static).
    // ICNIRP 1998 public: 5 A/m; ICNIRP 2020 (ICNIRP 2010 below 100 kHz): 21.485917 A/m
    // public, 79.577472 occupational; ICNIRP 1998 occupational starts at 65 kHz, FCC at
    // 300 kHz. Not averaged here: the mode factor 0.2 changes nothing.
    const Row row = Evaluate(Loop(0.2, 1, 100), SheetRowAt(0.01, 1), {0.2, 0.5, 0.5, CurrentSource::Model}, {});
    struct Case {
        double d;
        Standard s;
        Population p;
        bool hasLimits;
        double percent;  // H on the axis
        bool within, near;
    } cases[] = {
        {0.5, k98, kPub, true, 8, true, false},          {0.5, k20, kPub, true, 1.8616845, true, false},
        {0.5, k20, kOcc, true, 0.50265483, true, false}, {0.5, k98, kOcc, false, 0, false, false},
        {0.5, kFcc, kPub, false, 0, false, false},       {0.2, k98, kPub, true, 125, false, true},
        {0.2, k20, kPub, true, 29.088821, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.d << " m " << StandardKey(c.s) << ' ' << PopulationKey(c.p));
        const PlaceCheck place = CheckPlace(row, c.s, c.p, c.d);
        ASSERT_EQ(place.hasLimits, c.hasLimits);
        if (!c.hasLimits) continue;
        EXPECT_NEAR(place.percent[0], c.percent, 1e-5 * c.percent);
        EXPECT_NEAR(place.percent[1], c.percent / 2, 1e-5 * c.percent);  // in the plane: half
        EXPECT_EQ(place.worst, Component::HAxis);
        EXPECT_EQ(place.within, c.within);
        EXPECT_EQ(place.nearConductor, c.near);
    }
    // Over two rows the one with R 0.25 Ohm (twice the current) is the worst: 16 %.
    const std::vector<Row> rows{row, Evaluate(Loop(0.2, 1, 100), SheetRowAt(0.01, 0.25), {}, {})};
    const PlaceOverRows over = CheckPlaceOverRows(rows, 0.5);
    EXPECT_EQ(over.row[LimitIndex(k98, kPub)], 1u);
    EXPECT_NEAR(over.worst[LimitIndex(k98, kPub)].worstPercent, 16, 1e-4);
    EXPECT_FALSE(over.worst[LimitIndex(kFcc, kPub)].hasLimits);
}

TEST(ExposureAveraging, EachTableTakesTheShareOfItsOwnAveragingTime) {
    // 100 W, mode factor 0.5, 80 % of any 6 minutes and 20 % of any 30 minutes: 40 W over
    // 6 min, 10 W over 30 min, 100 W where a table is not averaged; ICNIRP 2010 asked for
    // with ICNIRP 1998 as well.
    const Row row = Evaluate(Loop(1, 1, 100), SheetRowAt(7, 0.1), {0.5, 0.8, 0.2, CurrentSource::Model, true}, {});
    struct Case {
        Standard s;
        Population p;
        std::vector<double> watts;  // by table, in TablesOf's order
    } cases[] = {
        {k98, kPub, {40, 100}},     {k98, kOcc, {40, 100}}, {k20, kPub, {10, 40, 100}},
        {k20, kOcc, {10, 40, 100}}, {kFcc, kPub, {10}},     {kFcc, kOcc, {40}},
    };
    for (const Case& c : cases) {
        const TableResults t = TablesAt(row, c.s, c.p);
        ASSERT_EQ(t.count, c.watts.size()) << StandardKey(c.s);
        for (std::size_t i = 0; i < t.count; ++i) EXPECT_NEAR(t.tables[i].P_W, c.watts[i], 1e-9) << StandardKey(c.s);
    }
    // ICNIRP 2020, public, 7 MHz: the local H limit 4.9 / f over 6 min binds before the whole
    // body's 2.2 / f over 30 min when share30 / share6 < (2.2 / 4.9)^2 = 0.2016.
    struct Shares {
        double six, thirty;
        LimitTable governing;
    } shares[] = {{1, 0.1, LimitTable::Icnirp2020Local},
                  {1, 0.19, LimitTable::Icnirp2020Local},
                  {1, 0.21, LimitTable::Icnirp2020WholeBody},
                  {0.5, 0.5, LimitTable::Icnirp2020WholeBody}};
    for (const Shares& sh : shares) {
        const Row r = Evaluate(Loop(1, 1, 100), SheetRowAt(7, 0.1), {1, sh.six, sh.thirty, CurrentSource::Model}, {});
        EXPECT_EQ(r.result->limits[LimitIndex(k20, kPub)].table, sh.governing) << sh.thirty;
    }
}

TEST(ExposureAveraging, Icnirp2010AtThePeakPowerWhateverTheModeFactor) {
    // 1.9 MHz: ICNIRP 2010 (83 V/m) is held against 100 W PEP with the mode factor 1 and
    // 0.2 alike, while ICNIRP 2020's whole-body table takes 100 and 20 W. With 0.2 the
    // E plane's distance is ICNIRP 2010's: the whole body's 300 / 1.9^0.7 = 191.5 V/m at
    // sqrt(0.2) of the field is as 428 V/m at the peak.
    const auto tablesWith = [](double modeFactor) {
        const Row row = Evaluate(Loop(1, 1, 100), SheetRowAt(1.9, 0.1), {modeFactor, 1, 1, CurrentSource::Model}, {});
        return std::pair{TablesAt(row, k20, kPub), row.result->limits[LimitIndex(k20, kPub)]};
    };
    const auto [full, fullLimit] = tablesWith(1);
    const auto [ssb, ssbLimit] = tablesWith(0.2);
    ASSERT_EQ(ssb.count, 3u);
    const TableResult& low = ssb.tables[2];
    ASSERT_EQ(low.table, LimitTable::Icnirp2010);
    EXPECT_EQ(low.P_W, 100);
    EXPECT_NEAR(low.limits.E_Vpm, 83, 1e-12);
    EXPECT_NEAR(low.limits.H_Apm, 21.485917, 1e-6);
    for (std::size_t c = 0; c < 3; ++c) EXPECT_EQ(low.distances[c].metres, full.tables[2].distances[c].metres);
    EXPECT_EQ(ssb.tables[0].P_W, 20);
    EXPECT_EQ(full.tables[0].P_W, 100);
    EXPECT_EQ(ssbLimit.distances[2].metres, low.distances[2].metres);
    // H on the axis follows the whole body's table: r goes with m^(1/3), m with sqrt(P): 0.2^(1/6).
    EXPECT_NEAR(ssbLimit.distances[0].metres / fullLimit.distances[0].metres, std::pow(0.2, 1.0 / 6), 0.01);
}

TEST(ExposureAveraging, Icnirp2010WithIcnirp1998OnlyWhereAskedAndBelow10MHz) {
    // Mode factor 0.2: ICNIRP 1998 takes 20 W, ICNIRP 2010 100 W. At 1.9 MHz the E limits are
    // 87 / sqrt(1.9) = 63.117 V/m at 20 W, as 141.1 V/m at the peak, and 83 V/m at the peak:
    // asked for, ICNIRP 2010 sets the E plane's percentage, sqrt(5) 63.117 / 83 = 1.7004 times
    // ICNIRP 1998's. H stays ICNIRP 1998's (0.384 A/m against 21.5). Above 10 MHz 2010 has no
    // table; with another standard chosen the window does not ask for it.
    struct Case {
        Standard chosen;
        bool asked;
        double f;
        LimitTable eTable;
        double eRatio;  // the E plane's percentage over ICNIRP 1998's alone
    } cases[] = {
        {k98, true, 1.9, LimitTable::Icnirp2010, 1.7004},
        {k98, true, 14, LimitTable::Icnirp1998, 1},
        {k98, false, 1.9, LimitTable::Icnirp1998, 1},
        {kFcc, true, 1.9, LimitTable::Icnirp1998, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << StandardKey(c.chosen) << ' ' << c.asked << ' ' << c.f);
        Eingaben e;
        e.modeFactor = "0.2";
        e.standard = c.chosen;
        e.icnirp2010With1998 = c.asked;
        const auto settings = LiesEingaben(AusSchluesseln(ZuSchluesseln(e)), Language::English, Units::Metric).settings;
        ASSERT_TRUE(settings);
        const auto check = [&](const Settings& s) {
            return CheckPlace(Evaluate(Loop(1, 1, 100), SheetRowAt(c.f, 0.1), s, {}), k98, kPub, 20);
        };
        const PlaceCheck with = check(*settings), alone = check({0.2, 1, 1, CurrentSource::Model});
        EXPECT_EQ(with.tables[2], c.eTable);
        EXPECT_EQ(with.tables[0], LimitTable::Icnirp1998);
        EXPECT_NEAR(with.percent[2] / alone.percent[2], c.eRatio, 1e-4);
        EXPECT_EQ(with.percent[0], alone.percent[0]);
    }
}

TEST(ExposureStation, PrintedOnlyWhenAFieldIsFilled) {
    EXPECT_FALSE(StationFilled({}));
    EXPECT_FALSE(StationFilled({.site = " ", .note = "\t "}));  // blanks are nothing
    EXPECT_TRUE(StationFilled({.height = "6"}));
}

TEST(ExposureSummary, GatheredInBlocksAsRowByRow) {
    // The command line gathers the worst case and the places block by block; any cut
    // gives what one pass gives, ties keeping the first row. Rows: equal pairs, a refusal.
    const LoopZahlen loop = Loop(1, 1, 100);
    const std::vector<std::pair<double, double>> sheet = {{7, 0.1},     {7.1, 0.05},  {7.1, 0.05}, {7.2, kRefused},
                                                          {0.05, 0.02}, {0.05, 0.02}, {14, 0.2}};
    std::vector<Row> rows;
    for (const auto& [f, R] : sheet) rows.push_back(Evaluate(loop, SheetRowAt(f, R), {}, {}));
    const std::vector<NamedDistance> places{{"a", 2}, {"", 0.3}, {"b", 40}};
    const Summary whole = SummaryOf(rows, places);
    for (std::size_t cut = 0; cut <= rows.size(); ++cut) {
        SCOPED_TRACE(cut);
        Summary first = SummaryOf(std::span(rows).first(cut), places);
        Summary rest;
        for (std::size_t i = cut; i < rows.size(); ++i) rest.add(rows[i], i, CheckPlaces(rows[i], places));
        first.add(rest);
        for (std::size_t slot = 0; slot < kLimitCount; ++slot) {
            ASSERT_EQ(first.worst[slot].has_value(), whole.worst[slot].has_value()) << slot;
            if (whole.worst[slot]) {
                EXPECT_EQ(first.worst[slot]->row, whole.worst[slot]->row) << slot;
            }
            for (std::size_t p = 0; p < places.size(); ++p) {
                EXPECT_EQ(first.places[p].row[slot], whole.places[p].row[slot]) << slot << ' ' << p;
                EXPECT_EQ(first.places[p].worst[slot].worstPercent, whole.places[p].worst[slot].worstPercent);
            }
        }
    }
    // Of two equal rows never the second (rows 2 and 5 repeat 1 and 4).
    for (std::size_t slot = 0; slot < kLimitCount; ++slot) {
        EXPECT_NE(whole.worst[slot]->row % 3, 2u) << slot;
        for (const PlaceOverRows& p : whole.places) EXPECT_NE(p.row[slot] % 3, 2u) << slot;
    }
}

TEST(ExposurePresentation, PercentagesRoundUpwardsAndPlacesComeBackFromTheirKeys) {
    const std::pair<double, const char*> percents[] = {
        {100.0004, "100.1"}, {99.96, "100.0"}, {100, "100.0"}, {33.21, "33.3"}, {0.0001, "0.1"}};
    for (const auto& [value, text] : percents) EXPECT_EQ(ProzentText(value, "."), text) << value;

    Eingaben e;
    e.txShare6 = "50";
    e.txShare30 = "10";
    e.places = {{"Nachbars Balkon", "5"}, {"", "2,5"}, {"a=b", "x"}, {"Straße", "0,001"}};
    e.station = {.callsign = "DL1ABC", .height = "6", .note = "SSB, CW"};
    e.icnirp2010With1998 = true;
    const Eingaben back = AusSchluesseln(ZuSchluesseln(e));
    EXPECT_TRUE(back.icnirp2010With1998);
    EXPECT_EQ(back.txShare6, "50");
    EXPECT_EQ(back.txShare30, "10");
    EXPECT_EQ(back.places, e.places);
    for (const StationField& f : kStationFields) EXPECT_EQ(back.station.*f.text, e.station.*f.text) << f.key;
    // An older file's one share gives both; the places with a usable distance count.
    const Eingaben old = AusSchluesseln({{"tx_share", "40"}});
    EXPECT_EQ(old.txShare6, "40");
    EXPECT_EQ(old.txShare30, "40");
    const GeleseneEingaben read = LiesEingaben(back, Language::English, Units::Metric);
    ASSERT_TRUE(read.settings);
    EXPECT_DOUBLE_EQ(read.settings->share30min, 0.1);
    ASSERT_EQ(read.places.size(), 2u);
    EXPECT_DOUBLE_EQ(read.places[1].metres, 2.5);
    EXPECT_EQ(read.placeReasons[2].empty(), false);
    EXPECT_EQ(read.placeReasons[3].empty(), false);  // under 1 cm
    // A place's verdict says its distance once, with or without a name.
    const PlaceCheck kept{.hasLimits = true, .percent = {40, 20, 10}, .worstPercent = 40, .within = true};
    const struct {
        const char* name;
        Language lang;
        const char* shown;
    } verdicts[] = {
        {"", Language::English,
         "place at 2.00 m: ICNIRP 1998, general public at 40.0 % of its limit (H axis), "
         "limit kept"},
        {" ", Language::German,
         "Ort in 2,00 m: ICNIRP 1998, Allgemeinbevölkerung zu 40,0 % ausgeschöpft (H Achse), "
         "Grenze eingehalten"},
        {"", Language::French, "lieu à 2,00 m : ICNIRP 1998, public atteinte à 40,0 % (H axe), limite respectée"},
        {"Balkon", Language::German,
         "Balkon (2,00 m): ICNIRP 1998, Allgemeinbevölkerung zu 40,0 % ausgeschöpft "
         "(H Achse), Grenze eingehalten"},
    };
    for (const auto& v : verdicts)
        EXPECT_EQ(
            OrtUrteil({v.name, 2}, kept, k98, kPub, v.lang, Units::Metric, v.lang == Language::English ? "." : ","),
            v.shown);
    Eingaben over;
    over.txShare30 = "101";
    EXPECT_FALSE(LiesEingaben(over, Language::English, Units::Metric).settings);
}
