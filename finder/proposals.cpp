// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// What a builder can do when nothing qualifies, from the exhaustive scan's reasons:
// a higher rating or a lower power for the most efficient loop the capacitor tunes,
// or a narrower band. The peak voltage grows with the square root of the power
// (V = sqrt(2 P / R) X, as the sheet computes it, R and X not depending on P), so a
// loop of highest peak voltage V keeps the limit G = rating / margin up to
// P (G / V)^2, and needs a rating of V times the margin at P.

#include <algorithm>

#include "candidate.h"
#include "text/strict_number.h"

namespace ringfeld::finder::detail {
namespace {

// A proposal is pointed out when it brings less than this share of the best one's efficiency.
constexpr double kZehntel = 0.1;

}  // namespace

std::vector<Vorschlag> Vorschlaege(const Befund& b, const FinderOptionen& o) {
    std::vector<Vorschlag> out;
    if (b.besteSpannung && o.sheet.capVPeakV) {
        const Entwurf& loop = *b.besteSpannung;
        const double grenze = *o.sheet.capVPeakV / o.capMargin, power = StrikteZahl(o.power).value_or(0);
        Vorschlag festigkeit{VorschlagArt::Festigkeit, loop, 0, 0, loop.vPeakMaxV * o.capMargin, 0, false};
        Vorschlag leistung{VorschlagArt::Leistung,
                           loop,
                           0,
                           0,
                           0,
                           power * (grenze / loop.vPeakMaxV) * (grenze / loop.vPeakMaxV),
                           false};
        out.push_back(std::move(festigkeit));
        out.push_back(std::move(leistung));
    }
    // The widest part of the band that a loop of at least a tenth of the best efficiency
    // covers (the best: the loop above, else the best over any part); without one, the
    // widest part.
    double beste = b.besteSpannung ? b.besteSpannung->efficiencyWorstPercent : 0;
    if (!b.besteSpannung)
        for (const auto& t : b.teilbaender)
            if (t) beste = std::max(beste, t->loop.efficiencyWorstPercent);
    const Befund::Teilband* teil = nullptr;
    for (auto t = b.teilbaender.rbegin(); t != b.teilbaender.rend() && !teil; ++t)
        if (*t && (*t)->loop.efficiencyWorstPercent >= kZehntel * beste) teil = &**t;
    for (auto t = b.teilbaender.rbegin(); t != b.teilbaender.rend() && !teil; ++t)
        if (*t) teil = &**t;
    if (teil) out.push_back({VorschlagArt::Teilband, teil->loop, teil->fromMHz, teil->toMHz, 0, 0, false});
    // The most useful first: the higher efficiency; of equal ones the whole band first.
    std::stable_sort(out.begin(), out.end(), [](const Vorschlag& x, const Vorschlag& y) {
        return x.loop.efficiencyWorstPercent > y.loop.efficiencyWorstPercent;
    });
    for (Vorschlag& v : out)
        v.unterZehntel = v.loop.efficiencyWorstPercent < kZehntel * out.front().loop.efficiencyWorstPercent;
    return out;
}

}  // namespace ringfeld::finder::detail
