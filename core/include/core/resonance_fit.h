// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The resonance of a built loop from its swept reflection coefficient: the loaded Q,
// the coupling and the unloaded Q by a fit of the one-port resonator's reflection
// (a circle in the reflection plane) through the measuring cable, whose delay the fit
// removes. The method and its sources are in resonance_fit.cpp.

#include <complex>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "core/touchstone.h"

namespace ringfeld::vna {

// Under-coupled: beta < 1, the reflection at resonance lies on the near side of the
// circle's centre; over-coupled: beta >= 1.
enum class Coupling { Under, Over };
constexpr std::string_view CouplingKey(Coupling coupling) { return coupling == Coupling::Under ? "under" : "over"; }

// The fitted model, Gamma(f) = exp(-j phaseSlope t) (a1 t + a2) / (a3 t + 1) with
// t = 2 (f - referenceHz) / referenceHz; FittedGamma evaluates it.
struct FittedModel {
    double referenceHz = 0;
    std::complex<double> a1, a2, a3;
    double phaseSlope = 0;  // rad per unit of t: the cable's delay
};

struct ResonanceFit {
    double f0Hz = 0;     // resonant frequency
    double loadedQ = 0;  // QL
    double beta = 0;     // coupling coefficient
    Coupling coupling = Coupling::Under;
    double unloadedQ = 0;    // Q0 = QL (1 + beta)
    double rmsResidual = 0;  // of the points used, in units of |Gamma|
    std::size_t pointsUsed = 0;
    std::size_t firstPoint = 0, lastPoint = 0;  // the sweep's points the fit used, both included
    double delaySeconds = 0;                    // the cable's round-trip delay the fit removed
    // Without the cable's delay (DelayRemoved): the reflection far from resonance, the
    // circle's centre and radius, and its diameter over |detuned| (2 beta / (1 + beta)).
    std::complex<double> detuned, centre;
    double radius = 0;
    double diameter = 0;
    // From the fitted model, at the analyser with the coupling as measured (a cable's
    // loss included, as a transmitter in the analyser's place sees it): the least VSWR
    // and the width of the band with a VSWR of at most 2 (none where it never falls to 2).
    double vswrMin = 0;
    std::optional<double> bandwidthVswr2Hz;
    // The loop's own half-power bandwidth f0 / Q0, as the tuning sheet's column gives
    // it for the model; the loaded bandwidth f0 / QL is twice that at critical coupling.
    double bandwidthHalfPowerHz = 0;
    FittedModel model;
};

enum class FitReason {
    NoResonance,    // no dip stands out of the noise, or the fit finds no resonance
    AtSweepEdge,    // value: f0 in Hz where known: the resonance or its bandwidth is cut by the sweep's end
    TooFewPoints,   // value: the points within the loaded bandwidth, bound: the fewest the fit takes
    ModelMismatch,  // value: the rms residual over the circle's radius, bound: the most accepted
};
inline constexpr FitReason kLastFitReason = FitReason::ModelMismatch;

struct FitRefusal {
    FitReason reason = FitReason::NoResonance;
    double value = 0;
    double bound = 0;
    friend bool operator==(const FitRefusal&, const FitRefusal&) = default;
};

// Exactly one of the two is set.
struct FitOutcome {
    std::optional<ResonanceFit> fit;
    std::optional<FitRefusal> refusal;
};

// Fits the deepest resonance of a sweep (as ReadTouchstone gives it: ascending
// frequencies, at least kFewestSweepPoints of them, finite reflections).
FitOutcome FitResonance(const Sweep& sweep);

// The fitted model at any frequency, the cable's delay included: the curve drawn
// through the measured points.
std::complex<double> FittedGamma(const FittedModel& model, double frequencyHz);
// A measured reflection with the cable's delay taken off, to be drawn beside the
// fitted circle (ResonanceFit::centre, ::radius).
std::complex<double> DelayRemoved(const FittedModel& model, double frequencyHz, std::complex<double> gamma);

// The reflection of a resonator of unloaded Q `unloadedQ` at `f0Hz` coupled with
// `beta` and no cable, Gamma = (beta - 1 - j Q0 t) / (beta + 1 + j Q0 t): for
// comparison, the loop's model at the measured f0 with a matched coupling (beta = 1).
std::complex<double> ResonatorGamma(double f0Hz, double unloadedQ, double beta, double frequencyHz);

// VSWR of a reflection coefficient's magnitude below 1; infinite from 1 on.
double Vswr(double magnitude);

}  // namespace ringfeld::vna
