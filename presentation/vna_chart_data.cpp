// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "presentation/vna_chart_data.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/constants.h"

namespace ringfeld::vna {
namespace {

using namespace constants;

double vswrShown(std::complex<double> gamma) { return std::min(Vswr(std::abs(gamma)), kVswrAxisTop); }

// Every k-th index of [first, last] so that at most kMostDrawnPoints remain.
std::size_t stride(std::size_t first, std::size_t last) { return (last - first) / kMostDrawnPoints + 1; }

}  // namespace

VswrChartData VswrKurven(const Sweep& sweep, const LoopMeasurement& m) {
    VswrChartData out;
    const double f0 = m.fit.f0Hz, half = kShownBandwidths * f0 / m.fit.loadedQ;
    const double from = std::max(sweep.frequencyHz.front(), f0 - half);
    const double to = std::min(sweep.frequencyHz.back(), f0 + half);
    out.fromMHz = from / kHertzPerMegahertz;
    out.toMHz = to / kHertzPerMegahertz;
    const auto begin = std::lower_bound(sweep.frequencyHz.begin(), sweep.frequencyHz.end(), from);
    const auto end = std::upper_bound(begin, sweep.frequencyHz.end(), to);
    const auto first = static_cast<std::size_t>(begin - sweep.frequencyHz.begin());
    const auto last = static_cast<std::size_t>(end - sweep.frequencyHz.begin());
    for (std::size_t i = first; i < last; i += stride(first, last))
        out.measured.push_back({sweep.frequencyHz[i] / kHertzPerMegahertz, vswrShown(sweep.gamma[i])});
    const std::optional<double> modelQ = m.modelQ();
    for (std::size_t i = 0; i < kCurvePoints; ++i) {
        const double f = from + (to - from) * static_cast<double>(i) / (kCurvePoints - 1);
        out.fitted.push_back({f / kHertzPerMegahertz, vswrShown(FittedGamma(m.fit.model, f))});
        if (modelQ) out.model.push_back({f / kHertzPerMegahertz, vswrShown(ResonatorGamma(f0, *modelQ, 1, f))});
    }
    return out;
}

SmithChartData SmithKurven(const Sweep& sweep, const LoopMeasurement& m) {
    SmithChartData out;
    const std::size_t first = m.fit.firstPoint, last = std::min(m.fit.lastPoint + 1, sweep.gamma.size());
    for (std::size_t i = first; i < last; i += stride(first, last)) {
        const std::complex<double> g = DelayRemoved(m.fit.model, sweep.frequencyHz[i], sweep.gamma[i]);
        out.measured.push_back({g.real(), g.imag()});
    }
    for (std::size_t i = 0; i <= kCurvePoints; ++i) {
        const std::complex<double> p =
            m.fit.centre + std::polar(m.fit.radius, 2 * std::numbers::pi * static_cast<double>(i) / kCurvePoints);
        out.circle.push_back({p.real(), p.imag()});
    }
    const std::complex<double> r = DelayRemoved(m.fit.model, m.fit.f0Hz, FittedGamma(m.fit.model, m.fit.f0Hz));
    out.resonance = {r.real(), r.imag()};
    return out;
}

}  // namespace ringfeld::vna
