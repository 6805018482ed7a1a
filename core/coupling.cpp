// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The coupling loop: with R = Q^2 Rs the main loop's resistance at resonance, a coupling
// loop of mutual inductance M = L / n, n = sqrt(R / 50 Ohm), feeds it from a 50 Ohm cable.
// The centre-field estimate M = mu0 pi b^2 / (2 r) gives the circumference ratio
// Uk / U = sqrt(2 (ln(8 r / a) - 2) / pi) / sqrt(n), which is the 7.792 / k below with
// 7.792 = 2 (ln(8 r / a) - 2) of a 1 m loop of 22 mm tube and k = 4.95 = sqrt(7.792 pi)
// (own derivation; no published source of 7.792 or 4.95 was found). The contact length
// Lka = (U / n)(N/2 + 1)(4.95 / k) is empirical, no published source found.
//
// The window works in single precision: R, n and the two lengths are rounded to float
// where it stores them, the rest is double. Each step below keeps its type.

#include "core/coupling.h"

#include <cmath>

#include "core/checked_value.h"
#include "core/constants.h"
#include "core/fault.h"
#include "core/shapes.h"

namespace ringfeld {
namespace {

using namespace constants;

constexpr double kKabelimpedanz = 50;           // Ohm, the feeder cable
constexpr double kCircumferenceFactor = 7.792;  // 2 (ln(8 r / a) - 2) of the reference loop
constexpr double kContactFactor = 4.95;         // k of a free-standing loop

}  // namespace

std::optional<float> Resonanzwiderstand(const LoopRecord& rec) {
    try {
        const Wert Q = rec.Guete, RGesamt = rec.RGesamt;
        return single(Q * Q * RGesamt);
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

Kopplung KopplungBerechnen(float k, const LoopRecord& rec) {
    Kopplung out;
    const auto R = Resonanzwiderstand(rec);
    if (!R || !(*R > 0)) {
        out.grund = KopplungsGrund::KeineLoop;
        return out;
    }
    if (!(k > 0)) {
        out.grund = KopplungsGrund::Verhaeltnis;
        return out;
    }

    // Transformation ratio n = sqrt(R / 50): the quotient in float, n rounded to float.
    const float n = static_cast<float>(std::sqrt(static_cast<double>(*R / static_cast<float>(kKabelimpedanz))));
    const double wurzelN = std::sqrt(static_cast<double>(n));
    // The circumference to size from (core/shapes.h: a polygon's is that of the circle of its area).
    const double U = CouplingCircumference(rec.form, rec.Umfang), N = rec.Windungen;  // m
    // In double, each rounded to float at the end; k (float) is widened exactly.
    const float Uk = static_cast<float>((kCentimetresPerMetre * U / wurzelN) * (kCircumferenceFactor / k));     // cm
    const float Lka = static_cast<float>((kCentimetresPerMetre * U / n) * (N / 2 + 1) * (kContactFactor / k));  // cm
    const float halbUmfang = 0.5f * Uk;
    const float lkaDoppelt = 2.0f * Lka;
    if (!std::isfinite(Uk) || !std::isfinite(Lka) || !std::isfinite(lkaDoppelt) || !(Uk > 0) || !(Lka > 0)) {
        out.grund = KopplungsGrund::NichtBerechenbar;
        return out;
    }
    out.umfangCm = Uk;
    out.lkaCm = Lka;
    out.resonanzOhm = *R;
    // The coupling loop would lie against the main loop over more than half its
    // own circumference: a range up to twice the contact length is shown.
    out.art = halbUmfang < Lka ? KopplungsArt::Bereich : KopplungsArt::Normal;
    return out;
}

}  // namespace ringfeld
