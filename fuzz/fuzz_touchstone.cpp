// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The Touchstone reader and the resonance fit on arbitrary bytes: every input is
// either refused with a reason the catalogue knows, on a line the input has, or read
// to a sweep of finite points with ascending frequencies within the limits; such a
// sweep is fitted, and the fit either refuses with a reason or gives finite, positive
// results with Q0 = QL (1 + beta).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "core/resonance_fit.h"
#include "core/touchstone.h"
#include "fuzz_support.h"

using namespace ringfeld;
using namespace ringfeld::vna;
using namespace ringfeld::fuzz;

namespace {

bool finite(std::complex<double> z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }

void checkSweep(const Sweep& s) {
    require(s.frequencyHz.size() == s.gamma.size(), "a frequency without its reflection");
    require(s.gamma.size() >= kFewestSweepPoints && s.gamma.size() <= kMostSweepPoints, "a sweep outside the limits");
    require(std::isfinite(s.fileReferenceOhm) && s.fileReferenceOhm > 0, "an unusable reference impedance");
    for (std::size_t i = 0; i < s.gamma.size(); ++i) {
        require(std::isfinite(s.frequencyHz[i]) && s.frequencyHz[i] >= 0, "an unusable frequency");
        require(i == 0 || s.frequencyHz[i] > s.frequencyHz[i - 1], "frequencies not ascending");
        require(finite(s.gamma[i]), "a reflection that is not finite");
    }
}

void checkFit(const FitOutcome& out) {
    require(out.fit.has_value() != out.refusal.has_value(), "a fit both refused and given, or neither");
    if (out.refusal) {
        require(out.refusal->reason <= kLastFitReason, "a fit refusal without a text");
        return;
    }
    const ResonanceFit& f = *out.fit;
    for (double v : {f.f0Hz, f.loadedQ, f.unloadedQ, f.vswrMin, f.bandwidthHalfPowerHz})
        require(std::isfinite(v) && v > 0, "a fitted result that is not finite and positive");
    require(std::isfinite(f.beta) && f.beta >= 0 && std::isfinite(f.rmsResidual), "an unusable coupling or residual");
    require(std::abs(f.unloadedQ - f.loadedQ * (1 + f.beta)) <= 1e-9 * f.unloadedQ, "Q0 other than QL (1 + beta)");
    require(f.pointsUsed == f.lastPoint - f.firstPoint + 1, "points used other than the window's");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TouchstoneRead read = ReadTouchstone(bytes);
    require(read.sweep.has_value() != read.refusal.has_value(), "a file both refused and read, or neither");
    if (read.refusal) {
        const TouchstoneRefusal& r = *read.refusal;
        require(r.reason <= kLastTouchstoneReason, "a refusal without a text");
        const std::size_t lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
        require(r.line <= lines, "a refusal on a line the file does not have");
        return 0;
    }
    checkSweep(*read.sweep);
    checkFit(FitResonance(*read.sweep));
    return 0;
}
