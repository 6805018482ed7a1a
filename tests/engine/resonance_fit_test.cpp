// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The resonance fit on sweeps of a known resonator: Q0, beta, the delay, the VSWR and
// bandwidths recovered for every coupling and cable; the sweeps it refuses; the fitted
// Q0 carried on to the loop's losses.
#include <gtest/gtest.h>

#include "core/tuning_sheet.h"
#include "text/loop_fields.h"
#include "vna_sweeps.h"

using namespace ringfeld;
using namespace ringfeld::vna;
using namespace ringfeld::vna::testing;

// Q0 and beta within 2 % for every coupling, through cables that turn the locus many
// times over the sweep or of the opposite sign (a port extension set too long), with
// noise, an offset and loss; within 0.1 % without noise (left in, the cable's phase
// slope reads QL 5 % high through 10 m at 7 MHz). At the analyser, behind a lossless
// coupling and a cable that passes l = 10^(-dB/20) there and back,
// |Gamma|^2 = l^2 ((beta-1)^2 + y^2) / ((beta+1)^2 + y^2) with y = Q0 * 2 df / f0: the
// least VSWR is at y = 0, and |Gamma| = 1/3 (VSWR 2) at
// y^2 = ((beta+1)^2 - 9 l^2 (beta-1)^2) / (9 l^2 - 1), the bandwidth being f0 y / Q0.
TEST(ResonanceFit, RecoversTheResonator) {
    struct Case {
        const char* what;
        Resonator r;
        Span span;
    } cases[] = {
        {"under-coupled", {7.1, 400, 0.6, 10, 0, 0.005}, kAroundLoop},
        {"critical", kLoop, kAroundLoop},
        {"over-coupled", {7.1, 400, 2.5, 10, 0, 0.005}, kAroundLoop},
        {"no cable, no noise", {7.1, 400, 1, 0, 0, 0}, kAroundLoop},
        {"40 m of cable, no noise", {7.1, 400, 1, 40, 0, 0}, kAroundLoop},
        {"port extension 3 m too long", {7.1, 400, 0.7, -3, 0, 0}, kAroundLoop},
        {"9 turns of the cable over 1-30 MHz", {7.1, 400, 1, 30, 0, 0.005}, {1, 30, 10001}},
        {"80 m, high Q, over-coupled, 20 m", {3.6, 900, 1.5, 20, 0, 0.005}, {3.55, 3.65, 801}},
        {"10 m band, low Q, 50 m", {28.5, 150, 0.8, 50, 0, 0.005}, {27, 30, 1001}},
        {"0.5 % offset", {14.2, 300, 1.2, 5, Complex(0.003, -0.004), 0.005}, {14, 14.4, 401}},
        {"1 dB of cable loss", {7.1, 400, 0.7, 25, 0, 0.005, 1}, kAroundLoop},
        {"few points", {7.1, 400, 1, 10, 0, 0.005}, {6.9, 7.3, 201}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Sweep s = Measure(c.r, c.span), bare = Measure({c.r.f0MHz, c.r.Q0, c.r.beta}, c.span);
        const ResonanceFit fit = Fitted(FitResonance(s));
        const double b = c.r.beta, f0 = c.r.f0MHz * 1e6;
        EXPECT_NEAR(fit.unloadedQ / c.r.Q0, 1, c.r.noise == 0 ? 1e-3 : 0.02);
        EXPECT_NEAR(fit.beta / b, 1, 0.02);
        EXPECT_NEAR(fit.f0Hz / f0, 1, 1e-4);
        if (std::abs(b - 1) > 0.05) {
            EXPECT_EQ(fit.coupling, b < 1 ? Coupling::Under : Coupling::Over);
        }
        EXPECT_NEAR(fit.delaySeconds * kVelocityFactor * kLight / 2, c.r.cableM, 0.2 + 0.05 * std::abs(c.r.cableM));
        const double l = std::pow(10, -c.r.lossDb / 20), rho = l * std::abs(b - 1) / (b + 1);
        EXPECT_NEAR(fit.vswrMin, (1 + rho) / (1 - rho), 0.02 * b + 0.02);
        EXPECT_NEAR(fit.bandwidthHalfPowerHz * c.r.Q0 / f0, 1, 0.02);
        EXPECT_LT(fit.rmsResidual, 2 * c.r.noise + 0.002);
        const double y2 = ((b + 1) * (b + 1) - 9 * l * l * (b - 1) * (b - 1)) / (9 * l * l - 1);
        if (y2 > 0.05) {
            EXPECT_NEAR(fit.bandwidthVswr2Hz.value_or(0) * c.r.Q0 / f0 / std::sqrt(y2), 1, 0.03);
        } else if (y2 < 0) {
            EXPECT_FALSE(fit.bandwidthVswr2Hz);
        }
        // The fitted curve runs through the points, the circle through them without the
        // delay, and the comparison curve through the resonator's own reflection.
        const std::size_t mid = (fit.firstPoint + fit.lastPoint) / 2;
        const double f = s.frequencyHz[mid], near = 5 * c.r.noise + 1e-6;
        EXPECT_LT(std::abs(FittedGamma(fit.model, f) - s.gamma[mid]), near);
        EXPECT_NEAR(std::abs(DelayRemoved(fit.model, f, s.gamma[mid]) - fit.centre), fit.radius, near);
        EXPECT_LT(std::abs(ResonatorGamma(f0, c.r.Q0, b, f) - bare.gamma[mid]), 2e-3);
    }
}

TEST(ResonanceFit, RefusesWhatItCannotMeasure) {
    Sweep flat = Measure(kLoop, kAroundLoop);
    for (Complex& g : flat.gamma) g = std::polar(0.98, std::arg(g) * 0.1);
    Sweep twin = Measure(kLoop, kAroundLoop);
    const Sweep second = Measure({7.14, 400, 1, 10, 0, 0}, kAroundLoop);
    for (std::size_t i = 0; i < twin.gamma.size(); ++i) twin.gamma[i] = (twin.gamma[i] + second.gamma[i]) / 2.0;
    struct Case {
        const char* what;
        Sweep sweep;
        FitReason reason;
    } cases[] = {
        {"no dip", flat, FitReason::NoResonance},
        {"pure noise", Measure({7.1, 400, 0.001, 10, 0, 0.005}, kAroundLoop), FitReason::NoResonance},
        {"dip at the start", Measure(kLoop, {7.1, 7.3, 401}), FitReason::AtSweepEdge},
        {"bandwidth cut by the end", Measure(kLoop, {7.0, 7.105, 401}), FitReason::AtSweepEdge},
        {"sweep narrower than the bandwidth", Measure(kLoop, {7.09, 7.11, 401}), FitReason::AtSweepEdge},
        {"3 points within the bandwidth", Measure({3.6, 800, 0.3, 20, 0, 0.005}, {3.5, 3.7, 101}),
         FitReason::TooFewPoints},
        {"two resonances", twin, FitReason::ModelMismatch},
        {"5 % noise on a shallow dip", Measure({7.1, 400, 0.25, 10, 0, 0.05}, kAroundLoop), FitReason::ModelMismatch},
    };
    for (const Case& c : cases) {
        const FitOutcome out = FitResonance(c.sweep);
        EXPECT_FALSE(out.fit) << c.what;
        EXPECT_EQ(out.refusal.value_or(FitRefusal{}).reason, c.reason) << c.what;
    }
}

// The fitted Q0 carried to the loop as the measured bandwidth is: a loop that measures
// at 80 % of its model's Q has 80 % of its efficiency and R_total / 0.8 - R_total of
// loss the model does not explain; the equivalent bandwidth gives the same block.
TEST(ResonanceFit, CarriesOnToTheLoop) {
    const LoopZahlen loop = LoopLesen({"1", "3,1416", "20", "1", "", "100", "0,05", "20", "10000", "Kreis", "Cu"});
    tuning::SheetOptions options{7.1, 7.1, 1, {}, 0, 0, {}, {}, {}, {}};
    const tuning::RowValues model = *tuning::BerechneZeile(loop, 7.1, options).values;
    const ResonanceFit fit = Fitted(FitResonance(Measure({7.1, 0.8 * model.Q, 1, 10, 0, 0.005}, {7.09, 7.11, 401})));
    const tuning::MeasuredResult m = tuning::BerechneMessungAusGuete(loop, options, fit.f0Hz / 1e6, fit.unloadedQ);
    EXPECT_NEAR(m.efficiency_percent / model.efficiency_percent, 0.8, 0.016);
    EXPECT_NEAR(m.R_unexplained_ohm / (model.R_total_ohm * 0.25), 1, 0.08);
    EXPECT_NEAR(m.gain_dBi - model.gain_dBi, 10 * std::log10(0.8), 0.1);
    options.measured = m.input;
    const tuning::MeasuredResult same = tuning::BerechneMessung(loop, options);
    EXPECT_NEAR(same.R_total_ohm / m.R_total_ohm, 1, 1e-12);
    EXPECT_NEAR(same.bandwidth_halfpower_kHz / m.bandwidth_halfpower_kHz, 1, 1e-12);
}
