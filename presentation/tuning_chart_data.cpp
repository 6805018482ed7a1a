// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "presentation/tuning_chart_data.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ringfeld::tuning {
namespace {

// At least this many tick intervals along an axis, at most two more: labels that
// still stand apart on a low chart.
constexpr double kIntervalle = 4;
constexpr double kFrequenzIntervalle = 8;  // the frequency axis is the chart's long one
// A value axis spans at least this fraction of its largest magnitude: a change of
// less than that is drawn as the small change it is.
constexpr double kMindestAnteil = 0.2;
// A single frequency gets this fraction of itself on either side.
constexpr double kEinzelRand = 1e-3;
constexpr double kProzentDecke = 100;
constexpr double kUnbegrenzt = std::numeric_limits<double>::infinity();
constexpr int kMeisteStellen = 9;

// The smallest of 1, 2, 2.5, 5 times a power of ten that is at least `roh`.
double rund(double roh) {
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * zehner >= roh * (1 - 1e-12)) return m * zehner;
    return 10 * zehner;
}

// The places a tick label needs for the interval.
int stellen(double intervall) {
    int d = 0;
    while (d < kMeisteStellen) {
        const double skaliert = intervall * std::pow(10.0, d);
        if (std::fabs(skaliert - std::round(skaliert)) < 1e-9 * skaliert) break;
        ++d;
    }
    return d;
}

// Every k-th row (and the last): a line needs no more points than the chart is wide.
template <typename Add>
void ausduennen(const Sheet& sheet, Add add) {
    const std::size_t n = sheet.rows.size();
    const std::size_t jede = n > kMaxPunkte ? (n + kMaxPunkte - 1) / kMaxPunkte : 1;
    for (std::size_t i = 0; i < n; ++i)
        if (i % jede == 0 || i + 1 == n) add(sheet.rows[i]);
}

struct Spanne {
    double lo = kUnbegrenzt, hi = -kUnbegrenzt;
    void add(double v) { lo = std::min(lo, v), hi = std::max(hi, v); }
};

}  // namespace

Achse WertAchse(double lo, double hi, double boden, double decke) {
    if (!(lo <= hi)) lo = boden, hi = boden + 1;  // no value: an empty axis from the floor
    const double mindest = kMindestAnteil * std::max(std::fabs(lo), std::fabs(hi));
    if (hi - lo < mindest) {
        const double mitte = (lo + hi) / 2;
        lo = mitte - mindest / 2, hi = mitte + mindest / 2;
    }
    if (!(hi > lo)) lo -= 0.5, hi += 0.5;  // every value 0
    Achse a;
    a.tickInterval = rund((hi - lo) / kIntervalle);
    a.min = std::max(boden, std::floor(lo / a.tickInterval) * a.tickInterval);
    a.max = std::min(decke, std::ceil(hi / a.tickInterval) * a.tickInterval);
    a.tickAnchor = a.min;
    a.decimals = stellen(a.tickInterval);
    return a;
}

Achse FrequenzAchse(double from, double to) {
    if (!(to > from)) {
        const double rand = std::max(std::fabs(from) * kEinzelRand, kEinzelRand);
        from -= rand, to += rand;
    }
    Achse a;
    a.min = from, a.max = to;
    a.tickInterval = rund((to - from) / kFrequenzIntervalle);
    a.tickAnchor = std::ceil(from / a.tickInterval) * a.tickInterval;
    a.decimals = stellen(a.tickInterval);
    return a;
}

DiagrammDaten DiagrammVon(const Sheet& sheet) {
    DiagrammDaten d;
    Spanne c, v, e;
    const SheetOptions& o = sheet.options;
    d.cmin = o.capMinPf, d.cmax = o.capMaxPf, d.festigkeit = o.capVPeakV;
    for (const auto& grenze : {d.cmin, d.cmax})
        if (grenze) c.add(*grenze);
    if (d.festigkeit) v.add(*d.festigkeit);
    ausduennen(sheet, [&](const SheetRow& row) {
        if (!row.values || OhneKondensator(row)) return;
        const RowValues& r = *row.values;
        const double f = row.frequencyMHz;
        if (std::isfinite(r.C_tune_pF)) d.kapazitaet.emplace_back(f, r.C_tune_pF), c.add(r.C_tune_pF);
        if (r.V_peak_V && std::isfinite(*r.V_peak_V)) d.spannung.emplace_back(f, *r.V_peak_V), v.add(*r.V_peak_V);
        if (std::isfinite(r.efficiency_percent))
            d.wirkungsgrad.emplace_back(f, r.efficiency_percent), e.add(r.efficiency_percent);
    });
    d.frequenz = FrequenzAchse(o.fromMHz, o.toMHz);
    d.kapazitaetAchse = WertAchse(c.lo, c.hi, 0, kUnbegrenzt);
    d.spannungAchse = WertAchse(v.lo, v.hi, 0, kUnbegrenzt);
    d.wirkungsgradAchse = WertAchse(e.lo, e.hi, 0, kProzentDecke);
    return d;
}

}  // namespace ringfeld::tuning
