// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// Where a capacitor of given range and rating tunes the loop and keeps its voltage:
// the sheet's row computed at any frequency of the capacitor's range.
//
// The peak voltage V = sqrt(2 P / R) X is smooth in the frequency: it grows with X
// where the conductor loss rules and falls where the radiation resistance (~ f^4)
// does, so it rises to one maximum and falls again, and the rating may hold at
// either end of the range, at both or nowhere. The range is sampled at kProben
// frequencies spaced evenly on a log scale, the maximum refined between its
// neighbours by golden-section search, and each change between holding and not
// holding found by halving to the last bits of a double.

#include <algorithm>
#include <cmath>

#include "core/tuning_sheet.h"

namespace ringfeld::tuning {
namespace {

constexpr int kProben = 256;
constexpr int kHalbierungen = 64;
// 1 / golden ratio: the interval kept at each step of the golden-section search.
constexpr double kGoldenerSchnitt = 0.61803398874989484820;

}  // namespace

std::optional<VoltageCover> CapacitorVoltageCover(const LoopZahlen& loop, const SheetOptions& o, const Summary& s) {
    if (!o.capVPeakV || !s.capacitor_covers_from_MHz || !s.capacitor_covers_to_MHz || !(loop.P.wert > 0))
        return std::nullopt;
    const double rating = *o.capVPeakV, von = *s.capacitor_covers_from_MHz, bis = *s.capacitor_covers_to_MHz;
    // The peak voltage at f; none where the model refuses the row.
    auto spannung = [&](double mhz) -> std::optional<double> {
        const SheetRow row = BerechneZeile(loop, mhz, o);
        return row.values ? row.values->V_peak_V : std::nullopt;
    };
    auto haelt = [&](double mhz) {
        const auto v = spannung(mhz);
        return v && *v <= rating;
    };

    VoltageCover out;
    std::vector<double> f(kProben);
    std::vector<std::optional<double>> v(kProben);
    int hoechste = -1;
    for (int i = 0; i < kProben; ++i) {
        f[i] = i + 1 == kProben ? bis : von * std::pow(bis / von, static_cast<double>(i) / (kProben - 1));
        v[i] = spannung(f[i]);
        out.complete = out.complete && v[i];
        if (v[i] && (hoechste < 0 || *v[i] > *v[hoechste])) hoechste = i;
    }
    if (hoechste < 0) return std::nullopt;

    // The maximum between the neighbours of the highest sample.
    double a = f[std::max(hoechste - 1, 0)], b = f[std::min(hoechste + 1, kProben - 1)];
    out.vPeakMaxV = *v[hoechste];
    out.vPeakMaxAtMHz = f[hoechste];
    for (int i = 0; i < kHalbierungen && b - a > 0; ++i) {
        const double c = b - kGoldenerSchnitt * (b - a), d = a + kGoldenerSchnitt * (b - a);
        const auto vc = spannung(c), vd = spannung(d);
        if (!vc || !vd) break;
        for (const auto& [mhz, volt] : {std::pair{c, *vc}, std::pair{d, *vd}})
            if (volt > out.vPeakMaxV) out.vPeakMaxV = volt, out.vPeakMaxAtMHz = mhz;
        (*vc > *vd ? b : a) = *vc > *vd ? d : c;
    }
    out.holdsAllPowerW = loop.P.wert * (rating / out.vPeakMaxV) * (rating / out.vPeakMaxV);

    // The samples with the maximum among them, then each change found by halving.
    std::vector<double> punkte(f);
    punkte.insert(std::upper_bound(punkte.begin(), punkte.end(), out.vPeakMaxAtMHz), out.vPeakMaxAtMHz);
    bool drin = haelt(punkte.front());
    double start = punkte.front();
    for (std::size_t i = 1; i < punkte.size(); ++i) {
        if (haelt(punkte[i]) == drin) continue;
        double x = punkte[i - 1], y = punkte[i];  // haelt(x) == drin, haelt(y) != drin
        for (int k = 0; k < kHalbierungen; ++k) {
            const double m = x + (y - x) / 2;
            if (m <= x || m >= y) break;
            (haelt(m) == drin ? x : y) = m;
        }
        if (drin) out.holds.push_back({start, x});
        drin = !drin;
        start = y;
    }
    if (drin) out.holds.push_back({start, punkte.back()});
    return out;
}

}  // namespace ringfeld::tuning
