// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The tuning-range sheet's rows: the loop model at each frequency, then the losses
// it leaves out (capacitor, ground, proximity of the turns) added as series resistances.
//
// Sources: radiation efficiency Rr / R_total and the small loop's directivity 3/2, so
// gain = 1.5 * efficiency: C. A. Balanis, "Antenna Theory", 3rd ed., Wiley 2005,
// sec. 2.14 and 5.2. A capacitor of quality Q as the series resistance 1 / (omega C Q).
// Bandwidth between the points of VSWR s of a tuned, matched antenna, Q = (s - 1) /
// (sqrt(s) * fractional bandwidth): A. D. Yaghjian and S. R. Best, "Impedance, bandwidth,
// and Q of antennas", IEEE Trans. Antennas Propag., vol. 53, no. 4, Apr. 2005; s = 2.618
// gives the half-power bandwidth f / Q, s = 2 the bandwidth f / (sqrt(2) Q).

#include "core/tuning_sheet.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/frequency_steps.h"
#include "core/proximity_factor.h"

namespace ringfeld::tuning {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSqrt2 = 1.41421356237309504880;
constexpr double kSmallLoopDirectivity = 1.5;  // gain over isotropic of a lossless small loop
constexpr double kRrFormulaLimit = 0.1;        // N U / lambda up to which the small-loop Rr holds
constexpr double kPicofarad = 1e-12;
constexpr double kMega = 1e6;

// 1 / (2 pi sqrt(L C)) in MHz, with L in H and C in pF; none for C <= 0 or on overflow.
std::optional<double> resonanceMHz(double henry, double picofarad) {
    using namespace checked;
    if (!(picofarad > 0)) return std::nullopt;
    try {
        return div(div(1, mul(2 * kPi, sqrt(mul(henry, mul(picofarad, kPicofarad))))), kMega);
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

double gainDbi(double efficiency) {
    using namespace checked;
    return mul(10, div(ln(mul(kSmallLoopDirectivity, efficiency)), ln(10)));
}

// The sheet's numbers for a row the model accepted. Throws ArithmeticFault where a
// number cannot be computed.
RowValues rowValues(const LoopZahlen& in, const LoopRecord& rec, const LoopWerte& w, const SheetOptions& o) {
    using namespace checked;
    RowValues v;
    // The inputs as the model read them (an accepted row read every one).
    const double N = rec.Windungen, f = rec.Frequenz;
    const double d = in.d.wert;   // mm
    const double l = in.l.wert;   // mm
    const double P = in.P.wert;   // W
    const double Rp = mul(in.RpKOhm.wert, 1000);
    const double L = rec.Induktivitaet, X = rec.XL, Rv = rec.RVerlust;
    const double C = rec.Kapazitaet, CL = *w.eigenkapazitaet, Rr = *w.strahlung;

    v.L_uH = mul(L, kMega);
    v.C_total_pF = C;
    v.C_self_pF = CL;
    v.C_tune_pF = sub(sub(C, CL), o.strayPf);
    v.X_ohm = X;
    v.R_radiation_ohm = Rr;
    v.R_skin_ohm = Rv;
    v.R_series_ohm = in.Rs.wert;

    ProximityFactor prox;
    if (N > 1) prox = ProximityFactorSmith(N, div(div(l, sub(N, 1)), d));  // centre spacing / diameter
    v.proximity_factor = prox.factor;
    v.R_proximity_ohm = mul(Rv, prox.factor);
    v.R_ground_ohm = mul(o.groundRatio, Rr);
    if (o.capacitorQ && v.C_tune_pF > 0)
        v.R_capacitor_ohm = div(1, mul(mul(mul(2 * kPi, mul(f, kMega)), mul(v.C_tune_pF, kPicofarad)), *o.capacitorQ));

    // Series losses, with the parallel loss folded in as X^2 / Rp as the model does.
    v.R_total_ohm = add(add(add(add(add(add(Rv, v.R_proximity_ohm), Rr), v.R_ground_ohm), v.R_capacitor_ohm),
                            v.R_series_ohm), div(mul(X, X), Rp));
    const double efficiency = div(Rr, v.R_total_ohm);
    v.efficiency_percent = mul(efficiency, 100);
    v.gain_dBi = gainDbi(efficiency);
    v.Q = div(X, v.R_total_ohm);
    v.bandwidth_halfpower_kHz = div(mul(f, 1000), v.Q);
    v.bandwidth_vswr2_kHz = div(v.bandwidth_halfpower_kHz, kSqrt2);

    v.I_rms_A = sqrt(div(P, v.R_total_ohm));
    v.V_rms_V = mul(v.I_rms_A, X);
    v.V_peak_V = mul(kSqrt2, v.V_rms_V);
    v.P_capacitor_W = mul(mul(v.I_rms_A, v.I_rms_A), v.R_capacitor_ohm);
    v.f_self_resonance_MHz = resonanceMHz(L, CL);

    if (w.lambdaAnteil && *w.lambdaAnteil > kRrFormulaLimit) v.flags.push_back(Flag::RrFormulaRange);
    if (v.C_tune_pF > 0 && CL >= v.C_tune_pF) v.flags.push_back(Flag::SelfCapacitance);
    if (v.C_tune_pF <= 0) v.flags.push_back(Flag::NoCapacitorFits);
    if (prox.clamped) v.flags.push_back(Flag::ProximityClamped);
    if (o.capMinPf && o.capMaxPf && (v.C_tune_pF < *o.capMinPf || v.C_tune_pF > *o.capMaxPf))
        v.flags.push_back(Flag::CapacitorRange);
    if (o.capVPeakV && v.V_peak_V > *o.capVPeakV) v.flags.push_back(Flag::CapacitorVoltage);
    return v;
}

void keepExtreme(std::optional<double>& best, std::optional<double>& at, double value, std::optional<double> mhz,
                 bool largest) {
    if (!best || (largest ? value > *best : value < *best)) {
        best = value;
        at = mhz;
    }
}

bool finite(double x) { return std::isfinite(x); }

}  // namespace

const char* FlagName(Flag flag) {
    switch (flag) {
        case Flag::RrFormulaRange: return "rr_formula_range";
        case Flag::SelfCapacitance: return "self_capacitance";
        case Flag::NoCapacitorFits: return "no_capacitor_fits";
        case Flag::ProximityClamped: return "proximity_clamped";
        case Flag::CapacitorRange: return "capacitor_range";
        case Flag::CapacitorVoltage: return "capacitor_voltage";
        case Flag::NarrowerThanModel: return "narrower_than_model";
    }
    return "";
}

OptionFault PruefeOptionen(const SheetOptions& o) {
    if (!FrequenzAnzahl(o.fromMHz, o.toMHz, o.stepMHz, kMaxSheetRows)) return OptionFault::Range;
    if (o.capacitorQ && !(finite(*o.capacitorQ) && *o.capacitorQ > 0)) return OptionFault::CapacitorQ;
    if (!(finite(o.groundRatio) && o.groundRatio >= 0)) return OptionFault::GroundRatio;
    if (!(finite(o.strayPf) && o.strayPf >= 0)) return OptionFault::Stray;
    if (o.capMinPf.has_value() != o.capMaxPf.has_value()) return OptionFault::CapacitorRange;
    if (o.capMinPf && !(finite(*o.capMaxPf) && *o.capMinPf > 0 && *o.capMinPf <= *o.capMaxPf))
        return OptionFault::CapacitorRange;
    if (o.capVPeakV && !(finite(*o.capVPeakV) && *o.capVPeakV > 0)) return OptionFault::CapacitorVoltage;
    if (o.measured) {
        const Messung& m = *o.measured;
        if (!(finite(m.frequencyMHz) && m.frequencyMHz > 0 && finite(m.bandwidthKHz) && m.bandwidthKHz > 0 &&
              finite(m.vswr) && m.vswr > 1))
            return OptionFault::Measured;
    }
    return OptionFault::None;
}

std::vector<double> SheetFrequencies(double fromMHz, double toMHz, double stepMHz) {
    return FrequenzSchritte(fromMHz, toMHz, stepMHz, kMaxSheetRows).value_or(std::vector<double>{});
}

SheetRow BerechneZeile(const LoopZahlen& loop, double mhz, const SheetOptions& o) {
    SheetRow row;
    row.frequencyMHz = mhz;
    LoopZahlen eingaben = loop;
    eingaben.f = Feldzahl{mhz, std::nullopt};
    LoopRecord rec;
    const LoopErgebnis result = LoopModell(eingaben, rec);
    row.ending = result.ending;
    row.fault = result.fault;
    if (result.ending == Ending::Ok) {
        try {
            row.values = rowValues(eingaben, rec, result.werte, o);
        } catch (const ArithmeticFault& fault) {
            row.ending = Ending::Fault;
            row.fault = fault.kind();
        }
    }
    return row;
}

void SummaryAccumulator::add(const SheetRow& row) {
    Summary& s = s_;
    if (!row.values) {
        ++s.rows_refused;
        return;
    }
    ++s.rows_ok;
    const RowValues& v = *row.values;
    if (!firstLuH_) firstLuH_ = v.L_uH, firstCSelfPf_ = v.C_self_pF;
    keepExtreme(s.C_tune_max_pF, s.C_tune_max_at_MHz, v.C_tune_pF, row.frequencyMHz, true);
    keepExtreme(s.C_tune_min_pF, s.C_tune_min_at_MHz, v.C_tune_pF, row.frequencyMHz, false);
    keepExtreme(s.V_peak_max_V, s.V_peak_max_at_MHz, v.V_peak_V, row.frequencyMHz, true);
    std::optional<double> unused;
    keepExtreme(s.I_rms_max_A, unused, v.I_rms_A, row.frequencyMHz, true);
    keepExtreme(s.P_capacitor_max_W, unused, v.P_capacitor_W, row.frequencyMHz, true);
}

void SummaryAccumulator::add(const SummaryAccumulator& later) {
    Summary& s = s_;
    const Summary& l = later.s_;
    s.rows_ok += l.rows_ok;
    s.rows_refused += l.rows_refused;
    if (!firstLuH_) firstLuH_ = later.firstLuH_, firstCSelfPf_ = later.firstCSelfPf_;
    if (l.rows_ok == 0) return;
    // An extreme of the later rows wins only when it beats the earlier one, as row by row.
    keepExtreme(s.C_tune_max_pF, s.C_tune_max_at_MHz, *l.C_tune_max_pF, l.C_tune_max_at_MHz, true);
    keepExtreme(s.C_tune_min_pF, s.C_tune_min_at_MHz, *l.C_tune_min_pF, l.C_tune_min_at_MHz, false);
    keepExtreme(s.V_peak_max_V, s.V_peak_max_at_MHz, *l.V_peak_max_V, l.V_peak_max_at_MHz, true);
    std::optional<double> unused;
    keepExtreme(s.I_rms_max_A, unused, *l.I_rms_max_A, std::nullopt, true);
    keepExtreme(s.P_capacitor_max_W, unused, *l.P_capacitor_max_W, std::nullopt, true);
}

Summary SummaryAccumulator::summary(const SheetOptions& o) const {
    Summary s = s_;
    s.hasCapacitorCover = o.capMinPf && o.capMaxPf;
    // L and CL do not depend on the frequency: any accepted row gives them.
    if (s.hasCapacitorCover && firstLuH_) {
        const double henry = *firstLuH_ / kMega, extra = *firstCSelfPf_ + o.strayPf;
        s.capacitor_covers_from_MHz = resonanceMHz(henry, *o.capMaxPf + extra);
        s.capacitor_covers_to_MHz = resonanceMHz(henry, *o.capMinPf + extra);
    }
    return s;
}

MeasuredResult BerechneMessung(const LoopZahlen& loop, const SheetOptions& o) {
    using namespace checked;
    MeasuredResult m;
    m.input = *o.measured;
    const SheetRow row = BerechneZeile(loop, m.input.frequencyMHz, o);
    m.ending = row.ending;
    m.fault = row.fault;
    if (!row.values) return m;
    try {
        // Bandwidth between the points of VSWR s to the half-power bandwidth: B sqrt(s) / (s - 1).
        const double s = m.input.vswr;
        m.bandwidth_halfpower_kHz = div(mul(m.input.bandwidthKHz, sqrt(s)), sub(s, 1));
        m.Q = div(mul(m.input.frequencyMHz, 1000), m.bandwidth_halfpower_kHz);
        m.R_total_ohm = div(row.values->X_ohm, m.Q);
        const double efficiency = div(row.values->R_radiation_ohm, m.R_total_ohm);
        m.efficiency_percent = mul(efficiency, 100);
        m.gain_dBi = gainDbi(efficiency);
        m.R_model_ohm = row.values->R_total_ohm;
        m.R_unexplained_ohm = sub(m.R_total_ohm, m.R_model_ohm);
        if (m.R_unexplained_ohm < 0) m.flags.push_back(Flag::NarrowerThanModel);
    } catch (const ArithmeticFault& fault) {
        m = MeasuredResult{};
        m.input = *o.measured;
        m.ending = Ending::Fault;
        m.fault = fault.kind();
    }
    return m;
}

Sheet BerechneAbstimmbereich(const LoopZahlen& loop, const SheetOptions& options) {
    Sheet sheet;
    sheet.loop = loop;
    sheet.options = options;
    const std::vector<double> frequencies = SheetFrequencies(options.fromMHz, options.toMHz, options.stepMHz);
    sheet.rows.reserve(frequencies.size());
    SummaryAccumulator summary;
    for (double mhz : frequencies) {
        sheet.rows.push_back(BerechneZeile(loop, mhz, options));
        summary.add(sheet.rows.back());
    }
    sheet.summary = summary.summary(options);
    if (options.measured) sheet.measured = BerechneMessung(loop, options);
    return sheet;
}

}  // namespace ringfeld::tuning
