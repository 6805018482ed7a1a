// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "core/frequency_steps.h"

#include <cmath>

#include "core/constants.h"

namespace ringfeld {
namespace {

using constants::kHertzPerMegahertz;

// A span this close to a whole number of steps includes TO.
constexpr double kWholeStepTolerance = 1e-6;

// Rounded to 1 Hz; above about 1e302 MHz the scaling overflows, and whole hertz are
// far below any step there anyway.
double roundedToHertz(double mhz) {
    const double hertz = mhz * kHertzPerMegahertz;
    return std::isfinite(hertz) ? std::round(hertz) / kHertzPerMegahertz : mhz;
}

}  // namespace

std::optional<long long> FrequenzAnzahl(double from, double to, double step, long long maxRows) {
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step) || !(step > 0) || to < from)
        return std::nullopt;
    const double span = (to - from) / step;
    if (!(span < static_cast<double>(maxRows))) return std::nullopt;
    const double whole = std::round(span);
    const auto count =
        static_cast<long long>(std::fabs(span - whole) < kWholeStepTolerance ? whole : std::floor(span)) + 1;
    if (count > maxRows) return std::nullopt;
    if (!std::isfinite(roundedToHertz(from + static_cast<double>(count - 1) * step))) return std::nullopt;
    return count;
}

std::optional<std::vector<double>> FrequenzSchritte(double from, double to, double step, long long maxRows) {
    const auto count = FrequenzAnzahl(from, to, step, maxRows);
    if (!count) return std::nullopt;
    std::vector<double> out;
    out.reserve(static_cast<std::size_t>(*count));
    for (long long i = 0; i < *count; ++i) out.push_back(FrequenzSchritt(from, step, i));
    return out;
}

double FrequenzSchritt(double from, double step, long long index) {
    return roundedToHertz(from + static_cast<double>(index) * step);
}

}  // namespace ringfeld
