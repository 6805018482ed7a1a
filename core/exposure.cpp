// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The loop's current, moment and safety distances at one frequency of its sheet.

#include "core/exposure.h"

#include <algorithm>
#include <cmath>

#include "core/checked_value.h"
#include "core/constants.h"
#include "core/shapes.h"

namespace ringfeld::exposure {
namespace {

using namespace constants;

// Within this many loop radii of the centre the dipole model no longer holds (the
// issue's bound). Compared with the exact static field of a circular loop (Biot-Savart,
// integrated numerically), the dipole is 14 % low in the plane and 15 % high on the
// axis at 3 radii, 38 % low in the plane at 2 radii.
constexpr double kNearConductorRadii = 3;

// The radius that bounds the dipole model: that of the circle through the turn's corners
// (core/shapes.h), D/2 for a circle, half the diagonal a/sqrt(2) for a square of side a.
// The same static comparison puts the square's in-plane error at 3 half-diagonals at
// 9-10 %, at 3 equal-area radii a/sqrt(pi) at 14-16 %: the circumscribed radius is the
// larger and so the cautious choice.
Wert loopRadius(const LoopZahlen& loop) { return Circumradius(loop.form, loop.D.wert); }

// The area of one turn (core/shapes.h), here with pi to double precision: pi D^2 / 4 for a
// circle, a^2 for a square.
Wert turnArea(const LoopZahlen& loop) { return TurnArea(loop.D.wert, ShapeOf(loop.form).exactPerimeterPerSize); }

// "1 cm or less" cannot be told apart from the conductor: it counts as near.
bool near(const Distance& d, double radius) {
    return d.bound == Bound::LessThan1cm || (d.bound == Bound::Within && d.metres <= radius);
}

LimitResult limitResult(const MagneticDipole& dipole, std::optional<FieldLimits> limits, double nearRadius) {
    LimitResult out;
    out.limits = limits;
    if (!limits) {
        out.flags = kOutsideTable;
        return out;
    }
    // H on the axis and in the plane against the H limit, E in the plane against the E limit.
    const std::array<double, 3> limit{limits->H_Apm, limits->H_Apm, limits->E_Vpm};
    for (std::size_t i = 0; i < kComponents.size(); ++i) {
        out.distances[i] = LimitDistance(dipole, kComponents[i], limit[i]);
        if (i == 0 || ReachesFurther(out.distances[i], out.safety)) {
            out.safety = out.distances[i];
            out.governing = kComponents[i];
        }
    }
    if (near(out.safety, nearRadius)) out.flags |= kNearConductor;
    if (out.safety.bound == Bound::LessThan1cm) out.flags |= kLessThan1cm;
    if (out.safety.bound == Bound::MoreThan10km) out.flags |= kMoreThan10km;
    return out;
}

bool fraction(double x) { return x >= 0 && x <= 1; }

}  // namespace

bool SettingsUsable(const Settings& s) { return fraction(s.modeFactor) && fraction(s.transmitShare); }

std::optional<double> MeasuredRatio(const tuning::MeasuredResult& measured) {
    if (measured.ending != Ending::Ok) return std::nullopt;
    const double ratio = measured.R_total_ohm / measured.R_model_ohm;
    if (!(ratio > 0) || !std::isfinite(ratio)) return std::nullopt;
    return ratio;
}

Row Evaluate(const LoopZahlen& loop, const tuning::SheetRow& sheetRow, const Settings& s,
             std::optional<double> measuredRatio) {
    Row row;
    row.frequencyMHz = sheetRow.frequencyMHz;
    row.ending = sheetRow.ending;
    row.fault = sheetRow.fault;
    if (!sheetRow.values) return row;
    try {
        Result r;
        r.source =
            s.source == CurrentSource::Measured && measuredRatio ? CurrentSource::Measured : CurrentSource::Model;
        const Wert R = r.source == CurrentSource::Measured ? Wert(sheetRow.values->R_total_ohm) * *measuredRatio
                                                           : Wert(sheetRow.values->R_total_ohm);
        // P_avg = P * mode factor * transmit share; I_rms = sqrt(P_avg / R_total).
        const Wert P = loop.P.wert, N = loop.N.wert;
        const Wert Pavg = P * s.modeFactor * s.transmitShare;
        const Wert I = sqrt(Pavg / R);
        // The magnetic moment m = N I A (Balanis, 3rd ed., sec. 5.2.1, with N turns).
        const Wert m = N * I * turnArea(loop);
        r.P_avg_W = Pavg.zahl();
        r.R_total_ohm = R.zahl();
        r.I_rms_A = I.zahl();
        r.moment_Am2 = m.zahl();
        r.nearRadius_m = (kNearConductorRadii * loopRadius(loop)).zahl();
        r.V_peak_V = sheetRow.values->V_peak_V.value_or(0);  // none without power
        r.dipole = {m.zahl(), Wavenumber(row.frequencyMHz)};
        // A conductor longer than a tenth of the wavelength no longer carries the uniform
        // current of a small loop (the sheet's flag, from Kraus' bound on the Rr formula).
        const auto& flags = sheetRow.values->flags;
        const bool notSmall = std::find(flags.begin(), flags.end(), tuning::Flag::RrFormulaRange) != flags.end();
        for (Standard standard : kStandards)
            for (Population population : kPopulations) {
                LimitResult& l = r.limits[LimitIndex(standard, population)];
                l = limitResult(r.dipole, LimitsAt(standard, population, row.frequencyMHz), r.nearRadius_m);
                if (notSmall && l.limits) l.flags |= kLoopNotSmall;
            }
        row.result = r;
    } catch (const ArithmeticFault& fault) {
        row.ending = Ending::Fault;
        row.fault = fault.kind();
    }
    return row;
}

std::optional<std::array<double, 3>> FieldsAt(const Result& result, double r) {
    try {
        return std::array<double, 3>{HAxis(result.dipole, r), HPlane(result.dipole, r), EPlane(result.dipole, r)};
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

}  // namespace ringfeld::exposure
