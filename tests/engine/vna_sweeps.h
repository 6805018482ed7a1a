// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Sweeps of a known resonator for the tests: a parallel RLC seen through an ideal
// transformer, then a cable (delay and loss), an offset at the analyser and noise
// from a fixed seed, and the same sweep written as Touchstone text.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <random>
#include <string>

#include "core/resonance_fit.h"
#include "core/touchstone.h"

namespace ringfeld::vna::testing {

using Complex = std::complex<double>;

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kVelocityFactor = 0.66;  // solid polyethylene coax
inline constexpr double kLight = 299792458;      // m/s

struct Resonator {
    double f0MHz, Q0, beta;
    double cableM = 0;   // the line between the analyser and the loop
    Complex offset = 0;  // added at the analyser, as a residual directivity error
    double noise = 0;    // of |Gamma|, complex Gaussian, fixed seed
    double lossDb = 0;   // the cable's loss, there and back
};

struct Span {
    double fromMHz, toMHz;
    int points;
};

// The resonator's reflection against 50 Ohm: Y = 1/R + j w C + 1/(j w L) with
// Q0 = R / (w0 L) and an impedance ratio m = beta * 50 / R, so that beta = m R / 50.
inline Sweep Measure(const Resonator& r, const Span& s) {
    const double R = 2000, w0 = 2 * kPi * r.f0MHz * 1e6;
    const double L = R / (w0 * r.Q0), C = 1 / (w0 * w0 * L), m = r.beta * 50 / R;
    const double delay = 2 * r.cableM / (kVelocityFactor * kLight);
    std::mt19937 random(29);
    std::normal_distribution<double> normal(0, 1 / std::sqrt(2.0));
    Sweep out;
    for (int i = 0; i < s.points; ++i) {
        const double f = (s.fromMHz + (s.toMHz - s.fromMHz) * i / (s.points - 1)) * 1e6, w = 2 * kPi * f;
        const Complex Z = m / (1 / R + Complex(0, w * C) + 1.0 / Complex(0, w * L));
        const double loss = std::pow(10, -r.lossDb / 20);
        Complex g = (Z - 50.0) / (Z + 50.0) * std::polar(loss, -w * delay) + r.offset;
        g += r.noise * std::abs(g) * Complex(normal(random), normal(random));
        out.frequencyHz.push_back(f);
        out.gamma.push_back(g);
    }
    return out;
}

enum class Format { RI, MA, DB };
struct Unit {
    const char* word;
    double hertz;
};
inline constexpr Unit kUnits[] = {{"Hz", 1}, {"kHz", 1e3}, {"MHz", 1e6}, {"GHz", 1e9}};

// The sweep as a file of the given version, format and unit, against `ohm`.
inline std::string Write(const Sweep& s, int version, Format format, Unit unit, double ohm = 50) {
    const char* formats[] = {"RI", "MA", "DB"};
    char line[200];
    std::string text = "! made by the test\n";
    // Version 2.0 gives the reference as a keyword, the option line the default R 50.
    if (version == 2) text += "[Version] 2.0\n";
    std::snprintf(line, sizeof line, version == 1 ? "# %s S %s R %.17g\n" : "# %s S %s\n[Reference] %.17g\n", unit.word,
                  formats[static_cast<int>(format)], ohm);
    text += line;
    if (version == 2)
        text += "[Number of Ports] 1\n[Number of Frequencies] " + std::to_string(s.gamma.size()) + "\n[Network Data]\n";
    for (std::size_t i = 0; i < s.gamma.size(); ++i) {
        const Complex z = 50.0 * (1.0 + s.gamma[i]) / (1.0 - s.gamma[i]);
        const Complex g = (z - ohm) / (z + ohm);
        double a = g.real(), b = g.imag();
        if (format != Format::RI) a = std::abs(g), b = std::arg(g) * 180 / kPi;
        if (format == Format::DB) a = 20 * std::log10(a);
        std::snprintf(line, sizeof line, "%.17g %.17g %.17g\n", s.frequencyHz[i] / unit.hertz, a, b);
        text += line;
    }
    if (version == 2) text += "[End]\n";
    return text;
}

inline ResonanceFit Fitted(const FitOutcome& out) {
    EXPECT_TRUE(out.fit) << (out.refusal ? static_cast<int>(out.refusal->reason) : -1);
    return out.fit.value_or(ResonanceFit{});
}

// 40 m band, Q0 400, 10 m of cable, 0.5 % noise: a loop as builders sweep it.
inline constexpr Resonator kLoop{7.1, 400, 1, 10, 0, 0.005};
inline constexpr Span kAroundLoop{7.0, 7.2, 401};

}  // namespace ringfeld::vna::testing
