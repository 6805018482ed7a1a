// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// Reading and fitting a 10,001-point sweep of a loop (Touchstone 1.x, RI, written here
// from a resonator behind 10 m of cable): the analyser's sweep narrowed to the
// resonance, where every point lies in the fitting window, and a wide one.
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <string>

#include "core/resonance_fit.h"
#include "core/touchstone.h"

namespace {

// A loop at 7.1 MHz, Q0 400, critically coupled, through 10 m of coax (101 ns round trip).
std::string SweepText(double fromHz, double toHz) {
    constexpr double kPi = 3.14159265358979323846, f0 = 7.1e6, Q0 = 400, delay = 101e-9;
    constexpr int kPoints = 10001;
    std::string text = "! 10,001 points\n# Hz S RI R 50\n";
    char line[100];
    for (int i = 0; i < kPoints; ++i) {
        const double f = fromHz + (toHz - fromHz) * i / (kPoints - 1);
        const std::complex<double> detuning(0, Q0 * 2 * (f - f0) / f0);
        const auto g = -detuning / (2.0 + detuning) * std::polar(1.0, -2 * kPi * f * delay);
        std::snprintf(line, sizeof line, "%.1f %.9f %.9f\n", f, g.real(), g.imag());
        text += line;
    }
    return text;
}

void ReadAndFit(benchmark::State& state, double fromHz, double toHz) {
    const std::string text = SweepText(fromHz, toHz);
    for (auto _ : state) {
        const auto read = ringfeld::vna::ReadTouchstone(text);
        const auto fit = ringfeld::vna::FitResonance(*read.sweep);
        benchmark::DoNotOptimize(fit);
    }
}

// +- 2 loaded bandwidths: all 10,001 points are fitted.
void ReadAndFitNarrow10001(benchmark::State& state) { ReadAndFit(state, 7.029e6, 7.171e6); }
BENCHMARK(ReadAndFitNarrow10001)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
// 1 to 30 MHz: the cable turns the locus 3 times, 49 points are fitted.
void ReadAndFitWide10001(benchmark::State& state) { ReadAndFit(state, 1e6, 30e6); }
BENCHMARK(ReadAndFitWide10001)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void ReadOnly10001(benchmark::State& state) {
    const std::string text = SweepText(7.029e6, 7.171e6);
    for (auto _ : state) benchmark::DoNotOptimize(ringfeld::vna::ReadTouchstone(text));
}
BENCHMARK(ReadOnly10001)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace

BENCHMARK_MAIN();
