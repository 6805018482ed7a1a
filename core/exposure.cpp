// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The loop's current, moment and safety distances at one frequency of its sheet.

#include "core/exposure.h"

#include <algorithm>
#include <cmath>

#include "core/checked_value.h"
#include "core/constants.h"
#include "core/shapes.h"
#include "core/measured_plausibility.h"

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

// The furthest a field reaches over the tables of a standard: each table's limits at
// the power its averaging takes. Keeps `limits` and `table` of the table that sets each field.
struct Furthest {
    std::array<Distance, 3> distances{};
    std::array<std::optional<FieldLimits>, 3> limits;
    std::array<LimitTable, 3> tables{};
};

// The distances of one table's limits for the dipole at its power.
std::array<Distance, 3> tableDistances(const MagneticDipole& dipole, const FieldLimits& limits) {
    // H on the axis and in the plane against the H limit, E in the plane against the E limit.
    const std::array<double, 3> limit{limits.H_Apm, limits.H_Apm, limits.E_Vpm};
    std::array<Distance, 3> out{};
    for (std::size_t i = 0; i < kComponents.size(); ++i) out[i] = LimitDistance(dipole, kComponents[i], limit[i]);
    return out;
}

// The furthest of the three fields: its index (the first of equals).
std::size_t furthestOf(const std::array<Distance, 3>& distances) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < distances.size(); ++i)
        if (ReachesFurther(distances[i], distances[best])) best = i;
    return best;
}

LimitResult limitResult(const Result& r, double frequencyMHz, Standard standard, Population population) {
    LimitResult out;
    Furthest f;
    for (LimitTable table : TablesOf(standard, r.settings.icnirp2010With1998)) {
        const auto limits = LimitsAt(table, population, frequencyMHz);
        if (!limits) continue;
        const auto distances = tableDistances(DriveFor(r, limits->averaging).dipole, *limits);
        for (std::size_t i = 0; i < distances.size(); ++i)
            if (!f.limits[i] || ReachesFurther(distances[i], f.distances[i]))
                f.distances[i] = distances[i], f.limits[i] = limits, f.tables[i] = table;
    }
    if (!f.limits[0]) {
        out.flags = kOutsideTable;
        return out;
    }
    const std::size_t g = furthestOf(f.distances);
    out.distances = f.distances;
    out.safety = f.distances[g];
    out.governing = kComponents[g];
    out.limits = f.limits[g];
    out.table = f.tables[g];
    for (std::size_t i = 0; i < out.distances.size(); ++i)
        out.nearConductor[i] = NearConductor(out.distances[i], r.nearRadius_m);
    if (out.nearConductor[g]) out.flags |= kNearConductor;
    if (out.safety.bound == Bound::LessThan1cm) out.flags |= kLessThan1cm;
    if (out.safety.bound == Bound::MoreThan10km) out.flags |= kMoreThan10km;
    if (r.loopNotSmall) out.flags |= kLoopNotSmall;
    return out;
}

bool fraction(double x) { return x >= 0 && x <= 1; }

}  // namespace

bool NearConductor(const Distance& d, double radius) {
    // "1 cm or less" cannot be told apart from the conductor: it counts as near.
    return d.bound == Bound::LessThan1cm || (d.bound == Bound::Within && d.metres <= radius);
}

bool SettingsUsable(const Settings& s) {
    return fraction(s.modeFactor) && fraction(s.share6min) && fraction(s.share30min);
}

double PowerFraction(const Settings& s, Averaging averaging) {
    switch (averaging) {
        case Averaging::None: return 1;
        case Averaging::Minutes6: return s.modeFactor * s.share6min;
        case Averaging::Minutes30: return s.modeFactor * s.share30min;
    }
    return 1;
}

const Drive& DriveFor(const Result& result, Averaging averaging) {
    return result.drives[static_cast<std::size_t>(averaging)];
}

std::optional<double> MeasuredRatio(const tuning::MeasuredResult& measured) {
    // A bandwidth probably given in another unit, or one that cannot be right, is no
    // measurement of the loop's losses (read in Hz for kHz it would cut the current).
    const auto judged = tuning::JudgeMeasured(measured);
    if (!judged || !tuning::Believable(judged->verdict)) return std::nullopt;
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
        r.settings = s;
        r.source =
            s.source == CurrentSource::Measured && measuredRatio ? CurrentSource::Measured : CurrentSource::Model;
        const Wert R = r.source == CurrentSource::Measured ? Wert(sheetRow.values->R_total_ohm) * *measuredRatio
                                                           : Wert(sheetRow.values->R_total_ohm);
        r.R_total_ohm = R.zahl();
        const Wert P = loop.P.wert, N = loop.N.wert;
        const double k = Wavenumber(row.frequencyMHz);
        for (Averaging averaging : kAveragings) {
            // P_avg = P * mode factor * share (P itself where not averaged); I_rms = sqrt(P_avg / R_total).
            const Wert Pavg = P * PowerFraction(s, averaging);
            const Wert I = sqrt(Pavg / R);
            // The magnetic moment m = N I A (Balanis, 3rd ed., sec. 5.2.1, with N turns).
            const Wert m = N * I * turnArea(loop);
            r.drives[static_cast<std::size_t>(averaging)] = {Pavg.zahl(), I.zahl(), m.zahl(), {m.zahl(), k}};
        }
        const Drive& sixMinutes = DriveFor(r, Averaging::Minutes6);
        r.P_avg_W = sixMinutes.P_W;
        r.I_rms_A = sixMinutes.I_rms_A;
        r.moment_Am2 = sixMinutes.moment_Am2;
        r.dipole = sixMinutes.dipole;
        r.nearRadius_m = (kNearConductorRadii * loopRadius(loop)).zahl();
        r.V_peak_V = sheetRow.values->V_peak_V.value_or(0);  // none without power
        // A conductor longer than a tenth of the wavelength no longer carries the uniform
        // current of a small loop (the sheet's flag, from Kraus' bound on the Rr formula).
        const auto& flags = sheetRow.values->flags;
        r.loopNotSmall = std::find(flags.begin(), flags.end(), tuning::Flag::RrFormulaRange) != flags.end();
        for (Standard standard : kStandards)
            for (Population population : kPopulations)
                r.limits[LimitIndex(standard, population)] = limitResult(r, row.frequencyMHz, standard, population);
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

TableResults TablesAt(const Row& row, Standard standard, Population population) {
    TableResults out;
    if (!row.result) return out;
    const Result& r = *row.result;
    // Evaluate searched the same distances without a fault, so none can arise here.
    for (LimitTable table : TablesOf(standard, r.settings.icnirp2010With1998))
        if (const auto limits = LimitsAt(table, population, row.frequencyMHz)) {
            const Drive& drive = DriveFor(r, limits->averaging);
            TableResult t{table, *limits, drive.P_W, tableDistances(drive.dipole, *limits), {}, {}};
            const std::size_t g = furthestOf(t.distances);
            t.safety = t.distances[g];
            t.governing = kComponents[g];
            out.tables[out.count++] = t;
        }
    return out;
}

}  // namespace ringfeld::exposure
