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

#include "core/checked_value.h"
#include "core/constants.h"
#include "core/frequency_steps.h"
#include "core/proximity_factor.h"

namespace ringfeld::tuning {
namespace {

using namespace constants;

constexpr double kSqrt2 = 1.41421356237309504880;
// Directivity of a small loop, D0 = 3/2 as for the short dipole (Balanis, 3rd ed., sec. 5.2);
// gain = efficiency * D0 (sec. 2.9).
constexpr double kSmallLoopDirectivity = 1.5;
// N U / lambda up to which the sheet trusts the small-loop Rr (uniform current): the
// program's own limit, well inside lambda / 3, where Kraus ("Antennas", 2nd ed., 1988)
// puts the error at about 2 %.
constexpr double kRrFormulaLimit = 0.1;
// A measured Q below a tenth of the model's (a bandwidth ten times the model's) is
// taken for a wrong unit rather than for losses the model misses: the program's own
// bound, far beyond the spread of the loss estimates (the model's ground and contact
// losses are rough, but not by a factor of ten for a loop above ground).
constexpr double kImplausibleQRatio = 10;
// The largest efficiency a measurement can give: Rr / R cannot exceed 1.
constexpr double kMostEfficiencyPercent = 100;

// A fault of a row's arithmetic and the sheet input that caused it, where one did.
struct RowFault {
    Fault kind;
    std::optional<SheetInput> cause;
};

// f = 1 / (2 pi sqrt(L C)) in MHz, with L in H and C in pF; none for C <= 0 or on overflow.
std::optional<double> resonanceMHz(double henry, double picofarad) {
    if (!(picofarad > 0)) return std::nullopt;
    try {
        const Wert L = henry, C = picofarad;
        return (1 / (kTwoPi * sqrt(L * (C * kFaradsPerPicofarad))) / kHertzPerMegahertz).zahl();
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

// Gain over isotropic, 10 lg(D0 efficiency) dBi.
Wert gainDbi(Wert efficiency) { return kDecibelsPerBel * lg(kSmallLoopDirectivity * efficiency); }

// The sheet's numbers for a row the model accepted. Throws RowFault where a number
// cannot be computed.
RowValues rowValues(const LoopZahlen& in, const LoopRecord& rec, const LoopWerte& w, const SheetOptions& o) {
    RowValues v;
    // The inputs as the model read them (an accepted row read every one).
    const Wert N = rec.Windungen, f = rec.Frequenz;  // MHz
    const Wert d = in.d.wert;                        // mm
    const Wert l = in.l.wert;                        // mm
    const Wert Rp = Wert(in.RpKOhm.wert) * kOhmsPerKiloohm;
    const Wert L = rec.Induktivitaet, X = rec.XL, Rv = rec.RVerlust;            // H, Ohm, Ohm
    const Wert C = rec.Kapazitaet, CL = *w.eigenkapazitaet, Rr = *w.strahlung;  // pF, pF, Ohm
    const Wert Rs = in.Rs.wert;

    v.L_uH = (L * kMicrohenriesPerHenry).zahl();
    v.C_total_pF = C.zahl();
    v.C_self_pF = CL.zahl();
    const Wert Ctune = C - CL - o.strayPf;
    v.C_tune_pF = Ctune.zahl();
    v.X_ohm = X.zahl();
    v.R_radiation_ohm = Rr.zahl();
    v.R_skin_ohm = Rv.zahl();
    v.R_series_ohm = Rs.zahl();

    // Proximity loss of the turns: Smith's factor at centre spacing / conductor diameter.
    ProximityFactor prox;
    if (N > 1) prox = ProximityFactorSmith(N.zahl(), (l / (N - 1) / d).zahl());
    const Wert Rprox = Rv * prox.factor;
    v.proximity_factor = prox.factor;
    v.R_proximity_ohm = Rprox.zahl();
    // A fault in a loss of the sheet's own is that input's doing.
    auto blamed = [](SheetInput input, auto compute) {
        try {
            return compute();
        } catch (const ArithmeticFault& fault) {
            throw RowFault{fault.kind(), input};
        }
    };
    const Wert Rground = blamed(SheetInput::GroundRatio, [&] { return o.groundRatio * Rr; });
    v.R_ground_ohm = Rground.zahl();
    // A capacitor of quality Q is the series resistance 1 / (omega C Q).
    const Wert Rcap = blamed(SheetInput::CapacitorQ, [&] {
        if (!o.capacitorQ || !(Ctune > 0)) return Wert(0);
        return 1 / (kTwoPi * (f * kHertzPerMegahertz) * (Ctune * kFaradsPerPicofarad) * *o.capacitorQ);
    });
    v.R_capacitor_ohm = Rcap.zahl();

    // A later fault is the doing of the ground or capacitor loss when it outweighs all the others.
    const double others = (Rv + Rprox + Rr + Rs).zahl() + (X * X / Rp).zahl();
    std::optional<SheetInput> cause;
    if (Rcap.zahl() > others + Rground.zahl()) cause = SheetInput::CapacitorQ;
    if (Rground.zahl() > others + Rcap.zahl()) cause = SheetInput::GroundRatio;
    try {
        // Series losses, with the parallel loss folded in as X^2 / Rp as the model does.
        const Wert R = Rv + Rprox + Rr + Rground + Rcap + Rs + X * X / Rp;
        v.R_total_ohm = R.zahl();
        // Radiation efficiency Rr / R (Balanis, 3rd ed., sec. 2.14), not divided by the turns.
        const Wert efficiency = Rr / R;
        v.efficiency_percent = (efficiency * kPercentPerUnit).zahl();
        v.gain_dBi = gainDbi(efficiency).zahl();
        const Wert Q = X / R;
        v.Q = Q.zahl();
        // Half-power bandwidth f / Q; between the points of VSWR 2, f / (sqrt(2) Q) (see the top).
        const Wert bandwidth = f * kKilohertzPerMegahertz / Q;
        v.bandwidth_halfpower_kHz = bandwidth.zahl();
        v.bandwidth_vswr2_kHz = (bandwidth / kSqrt2).zahl();

        // At power P: I = sqrt(P / R), V = I X, peak sqrt(2) V, capacitor loss I^2 Rcap.
        // Without a power there is no current: no voltage, current or capacitor loss.
        if (in.P.wert > 0) {
            const Wert P = in.P.wert;  // W
            const Wert I = sqrt(P / R);
            const Wert V = I * X;
            v.I_rms_A = I.zahl();
            v.V_rms_V = V.zahl();
            v.V_peak_V = (kSqrt2 * V).zahl();
            v.P_capacitor_W = (I * I * Rcap).zahl();
        }
    } catch (const ArithmeticFault& fault) {
        throw RowFault{fault.kind(), cause};
    }
    v.f_self_resonance_MHz = resonanceMHz(L.zahl(), CL.zahl());
    v.conductor_wavelengths = w.lambdaAnteil.value_or(0);

    if (w.lambdaAnteil && *w.lambdaAnteil > kRrFormulaLimit) v.flags.push_back(Flag::RrFormulaRange);
    if (v.C_tune_pF > 0 && CL >= v.C_tune_pF) v.flags.push_back(Flag::SelfCapacitance);
    if (v.C_tune_pF <= 0) v.flags.push_back(Flag::NoCapacitorFits);
    if (prox.clamped) v.flags.push_back(Flag::ProximityClamped);
    if (o.capMinPf && o.capMaxPf && (v.C_tune_pF < *o.capMinPf || v.C_tune_pF > *o.capMaxPf))
        v.flags.push_back(Flag::CapacitorRange);
    if (o.capVPeakV && v.V_peak_V && *v.V_peak_V > *o.capVPeakV) v.flags.push_back(Flag::CapacitorVoltage);
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
        case Flag::EfficiencyAbove100: return "efficiency_above_100";
        case Flag::QFarBelowModel: return "q_far_below_model";
    }
    return "";
}

OptionFault PruefeOptionen(const SheetOptions& o) {
    if (!SheetRowCount(o.fromMHz, o.toMHz, o.stepMHz)) return OptionFault::Range;
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

std::optional<long long> SheetRowCount(double fromMHz, double toMHz, double stepMHz, long long maxRows) {
    const auto steps = FrequenzAnzahl(fromMHz, toMHz, stepMHz, maxRows);
    if (!steps) return std::nullopt;
    // TO, rounded as every row is, follows the last step that falls short of it.
    const bool extra = FrequenzSchritt(toMHz, 0, 0) > FrequenzSchritt(fromMHz, stepMHz, *steps - 1);
    if (extra && *steps + 1 > maxRows) return std::nullopt;
    return *steps + (extra ? 1 : 0);
}

double SheetFrequency(const SheetOptions& o, long long index, long long count) {
    return index + 1 == count ? FrequenzSchritt(o.toMHz, 0, 0) : FrequenzSchritt(o.fromMHz, o.stepMHz, index);
}

bool SheetEndsOffStep(const SheetOptions& o) {
    const auto steps = FrequenzAnzahl(o.fromMHz, o.toMHz, o.stepMHz, kMaxSheetRows);
    const auto rows = SheetRowCount(o.fromMHz, o.toMHz, o.stepMHz);
    return steps && rows && *rows > *steps;
}

std::vector<double> SheetFrequencies(double fromMHz, double toMHz, double stepMHz) {
    const long long count = SheetRowCount(fromMHz, toMHz, stepMHz).value_or(0);
    const SheetOptions o{fromMHz, toMHz, stepMHz, {}, 0, 0, {}, {}, {}, {}};
    std::vector<double> out;
    out.reserve(static_cast<std::size_t>(count));
    for (long long i = 0; i < count; ++i) out.push_back(SheetFrequency(o, i, count));
    return out;
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
        } catch (const RowFault& fault) {
            row.ending = Ending::Fault;
            row.fault = fault.kind;
            row.cause = fault.cause;
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
    const RowValues& v = *row.values;
    if (!firstLuH_) firstLuH_ = v.L_uH, firstCSelfPf_ = v.C_self_pF;
    if (!v.I_rms_A) s.without_power = true;
    if (OhneKondensator(row)) {
        ++s.rows_no_capacitor;
        return;
    }
    ++s.rows_ok;
    keepExtreme(s.C_tune_max_pF, s.C_tune_max_at_MHz, v.C_tune_pF, row.frequencyMHz, true);
    keepExtreme(s.C_tune_min_pF, s.C_tune_min_at_MHz, v.C_tune_pF, row.frequencyMHz, false);
    if (!v.I_rms_A) return;
    keepExtreme(s.V_peak_max_V, s.V_peak_max_at_MHz, *v.V_peak_V, row.frequencyMHz, true);
    std::optional<double> unused;
    keepExtreme(s.I_rms_max_A, unused, *v.I_rms_A, row.frequencyMHz, true);
    keepExtreme(s.P_capacitor_max_W, unused, *v.P_capacitor_W, row.frequencyMHz, true);
}

void SummaryAccumulator::add(const SummaryAccumulator& later) {
    Summary& s = s_;
    const Summary& l = later.s_;
    s.rows_ok += l.rows_ok;
    s.rows_no_capacitor += l.rows_no_capacitor;
    s.rows_refused += l.rows_refused;
    s.without_power = s.without_power || l.without_power;
    if (!firstLuH_) firstLuH_ = later.firstLuH_, firstCSelfPf_ = later.firstCSelfPf_;
    if (l.rows_ok == 0) return;
    // An extreme of the later rows wins only when it beats the earlier one, as row by row.
    keepExtreme(s.C_tune_max_pF, s.C_tune_max_at_MHz, *l.C_tune_max_pF, l.C_tune_max_at_MHz, true);
    keepExtreme(s.C_tune_min_pF, s.C_tune_min_at_MHz, *l.C_tune_min_pF, l.C_tune_min_at_MHz, false);
    if (!l.V_peak_max_V) return;
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
        const double henry = *firstLuH_ / kMicrohenriesPerHenry, extra = *firstCSelfPf_ + o.strayPf;
        s.capacitor_covers_from_MHz = resonanceMHz(henry, *o.capMaxPf + extra);
        s.capacitor_covers_to_MHz = resonanceMHz(henry, *o.capMinPf + extra);
    }
    return s;
}

MeasuredResult BerechneMessung(const LoopZahlen& loop, const SheetOptions& o) {
    MeasuredResult m;
    m.input = *o.measured;
    const SheetRow row = BerechneZeile(loop, m.input.frequencyMHz, o);
    m.ending = row.ending;
    m.fault = row.fault;
    m.cause = row.cause;
    if (!row.values) return m;
    try {
        // A bandwidth B between the points of VSWR s is the half-power bandwidth
        // B sqrt(s) / (s - 1) (Yaghjian & Best, see the top); Q = f / B, R = X / Q.
        const Wert f = m.input.frequencyMHz, B = m.input.bandwidthKHz, s = m.input.vswr;
        const Wert halfpower = B * sqrt(s) / (s - 1);
        const Wert Q = f * kKilohertzPerMegahertz / halfpower;
        const Wert R = row.values->X_ohm / Q;
        const Wert efficiency = row.values->R_radiation_ohm / R;
        const Wert Rmodel = row.values->R_total_ohm;
        m.bandwidth_halfpower_kHz = halfpower.zahl();
        m.Q = Q.zahl();
        m.R_total_ohm = R.zahl();
        m.efficiency_percent = (efficiency * kPercentPerUnit).zahl();
        m.gain_dBi = gainDbi(efficiency).zahl();
        m.R_model_ohm = Rmodel.zahl();
        m.R_unexplained_ohm = (R - Rmodel).zahl();
        if (m.R_unexplained_ohm < 0) m.flags.push_back(Flag::NarrowerThanModel);
        // Rr / R above 1, or a Q far below the model's: the bandwidth was given in another unit.
        if (m.efficiency_percent > kMostEfficiencyPercent) m.flags.push_back(Flag::EfficiencyAbove100);
        if (m.Q * kImplausibleQRatio < row.values->Q) m.flags.push_back(Flag::QFarBelowModel);
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
    sheet.voltageCover = CapacitorVoltageCover(loop, options, sheet.summary);
    if (options.measured) sheet.measured = BerechneMessung(loop, options);
    return sheet;
}

}  // namespace ringfeld::tuning
