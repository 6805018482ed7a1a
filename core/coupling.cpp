// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "core/coupling.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/fault.h"

namespace ringfeld {
namespace {

constexpr double kKabelimpedanz = 50;  // Ohm, the feeder cable

}  // namespace

std::optional<float> Resonanzwiderstand(const LoopRecord& rec) {
    try {
        return checked::single(checked::mul(checked::mul(rec.Guete, rec.Guete), rec.RGesamt));
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

    // Transformation ratio: the square root of the impedance ratio R / 50.
    const float n = static_cast<float>(std::sqrt(static_cast<double>(*R / static_cast<float>(kKabelimpedanz))));
    const double m = std::sqrt(static_cast<double>(n));
    const double U = rec.Umfang, N = rec.Windungen;
    const float Uk = static_cast<float>((100 * U / m) * (7.792 / k));              // cm
    const float Lka = static_cast<float>((100 * U / n) * (N / 2 + 1) * (4.95 / k)); // cm
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
