// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The tuning-range sheet: the loop of the main window's fields computed over a
// range of frequencies, with the capacitor, ground and proximity losses that the
// single-frequency model leaves out. The single-frequency model is run unchanged
// for every row; everything here is added on top of its numbers.

#include <optional>
#include <string_view>
#include <vector>

#include "core/ending.h"
#include "core/fault.h"
#include "core/loop_model.h"

namespace ringfeld::tuning {

// A measured bandwidth: B in kHz between the points of the given VSWR, at one frequency.
struct Messung {
    double frequencyMHz = 0;
    double bandwidthKHz = 0;
    double vswr = 2;
};

// The sheet's own inputs beside the loop's.
struct SheetOptions {
    double fromMHz = 0;
    double toMHz = 0;
    double stepMHz = 0;
    std::optional<double> capacitorQ;  // unset: lossless capacitor
    double groundRatio = 0;            // K: ground loss as a multiple of Rr
    double strayPf = 0;                // stray and wiring capacitance
    std::optional<double> capMinPf;    // the capacitor's range, both or neither
    std::optional<double> capMaxPf;
    std::optional<double> capVPeakV;  // the capacitor's peak-voltage rating
    std::optional<Messung> measured;
};

// Flags of a row or of the measured block; the strings are the export names.
enum class Flag {
    RrFormulaRange,      // "rr_formula_range"
    SelfCapacitance,     // "self_capacitance"
    NoCapacitorFits,     // "no_capacitor_fits"
    ProximityClamped,    // "proximity_clamped"
    CapacitorRange,      // "capacitor_range"
    CapacitorVoltage,    // "capacitor_voltage"
    NarrowerThanModel,   // "narrower_than_model"
    EfficiencyAbove100,  // "efficiency_above_100": measured, the bandwidth cannot be right
    QFarBelowModel,      // "q_far_below_model": measured Q under a tenth of the model's
};
const char* FlagName(Flag flag);

// The sheet's own input whose value made a row's number leave the finite range.
enum class SheetInput { CapacitorQ, GroundRatio };

// The numbers of one row that the model accepted, at full precision.
struct RowValues {
    double L_uH = 0;
    double C_total_pF = 0;
    double C_self_pF = 0;
    double C_tune_pF = 0;
    double X_ohm = 0;
    double R_radiation_ohm = 0;
    double R_skin_ohm = 0;
    double R_proximity_ohm = 0;
    double R_ground_ohm = 0;
    double R_capacitor_ohm = 0;
    double R_series_ohm = 0;
    double R_total_ohm = 0;
    double efficiency_percent = 0;  // Rr / R_total, not divided by the turns
    double gain_dBi = 0;
    double Q = 0;
    double bandwidth_halfpower_kHz = 0;
    double bandwidth_vswr2_kHz = 0;
    // At the transmitter power; unset when the power is not above 0.
    std::optional<double> I_rms_A;
    std::optional<double> V_rms_V;
    std::optional<double> V_peak_V;
    std::optional<double> P_capacitor_W;
    std::optional<double> f_self_resonance_MHz;  // unset when CL <= 0
    double proximity_factor = 0;
    double conductor_wavelengths = 0;  // N U / lambda, as the model computed it
    std::vector<Flag> flags;
};

struct SheetRow {
    double frequencyMHz = 0;
    Ending ending = Ending::Ok;
    std::optional<Fault> fault;       // set when ending == Fault
    std::optional<SheetInput> cause;  // the sheet's input that made the fault, where one did
    std::optional<RowValues> values;  // set exactly when ending == Ok
};

// A row the model accepted but whose tuning capacitance is not above 0: no capacitor
// tunes it (stray and self-capacitance exceed the capacitance needed).
inline bool OhneKondensator(const SheetRow& row) { return row.values && !(row.values->C_tune_pF > 0); }

struct Summary {
    int rows_ok = 0;            // accepted, with a capacitor
    int rows_no_capacitor = 0;  // accepted, but C_tune <= 0 (OhneKondensator): no design
    int rows_refused = 0;
    bool without_power = false;  // the rows have no current or voltage: the power is not above 0
    // Of the rows_ok rows only; unset when there is none (the voltage, current and
    // loss also without a power).
    std::optional<double> C_tune_max_pF, C_tune_max_at_MHz;
    std::optional<double> C_tune_min_pF, C_tune_min_at_MHz;
    std::optional<double> V_peak_max_V, V_peak_max_at_MHz;
    std::optional<double> I_rms_max_A;
    std::optional<double> P_capacitor_max_W;
    // With a capacitor range: [f at Cmax, f at Cmin]; each unset where undefined.
    bool hasCapacitorCover = false;
    std::optional<double> capacitor_covers_from_MHz, capacitor_covers_to_MHz;
};

struct MeasuredResult {
    Messung input;
    Ending ending = Ending::Ok;  // the model's ending at the measured frequency
    std::optional<Fault> fault;  // set when ending == Fault
    std::optional<SheetInput> cause;
    double bandwidth_halfpower_kHz = 0;
    double Q = 0;
    double R_total_ohm = 0;
    double efficiency_percent = 0;
    double gain_dBi = 0;
    double R_model_ohm = 0;
    double R_unexplained_ohm = 0;
    std::vector<Flag> flags;
};

// Where the capacitor both tunes the loop and keeps its peak-voltage rating at the
// loop's power: over the capacitor's range [capacitor_covers_from_MHz,
// capacitor_covers_to_MHz], the frequencies whose peak voltage is at most the rating.
struct VoltageCover {
    struct Part {
        double fromMHz = 0, toMHz = 0;
    };
    std::vector<Part> holds;                  // in order of frequency; empty: nowhere
    double vPeakMaxV = 0, vPeakMaxAtMHz = 0;  // the highest peak voltage over the range
    double holdsAllPowerW = 0;                // the power at which the rating holds over the whole range
    bool complete = true;                     // false: the model refuses part of the range, left out above
};

struct Sheet {
    LoopZahlen loop;  // the loop as given (its frequency unused)
    SheetOptions options;
    std::vector<SheetRow> rows;
    Summary summary;
    std::optional<MeasuredResult> measured;
    std::optional<VoltageCover> voltageCover;  // CapacitorVoltageCover's
};

// Which sheet option is unusable, if any: step <= 0 or from > to or too many rows (TO included),
// Q <= 0, K < 0, stray < 0, Cmin > Cmax or a bound <= 0, rating <= 0, measured
// frequency or bandwidth <= 0, VSWR <= 1, or any of them not finite.
enum class OptionFault { None, Range, CapacitorQ, GroundRatio, Stray, CapacitorRange, CapacitorVoltage, Measured };
OptionFault PruefeOptionen(const SheetOptions& options);

// The most rows one sheet may have.
inline constexpr long long kMaxSheetRows = 1'000'000;

// The sheet's rows: FROM, FROM + STEP, ... (each rounded to 1 Hz) and TO last, also
// where the steps do not land on it. None where the range is unusable or has more
// than `maxRows` rows.
std::optional<long long> SheetRowCount(double fromMHz, double toMHz, double stepMHz, long long maxRows = kMaxSheetRows);
// The frequency of row `index` of a sheet of `count` rows (SheetRowCount's).
double SheetFrequency(const SheetOptions& options, long long index, long long count);
// Whether the last row, TO, is less than a whole step after the one before.
bool SheetEndsOffStep(const SheetOptions& options);
std::vector<double> SheetFrequencies(double fromMHz, double toMHz, double stepMHz);

// Computes the sheet; each row replaces the loop's frequency by its own. Options
// must have passed PruefeOptionen.
Sheet BerechneAbstimmbereich(const LoopZahlen& loop, const SheetOptions& options);

// The same in parts, for a sheet written while it is computed: its frequencies are
// SheetFrequencies', the rows are independent of each other, the summary is taken
// row by row and the measured block is computed on its own.
SheetRow BerechneZeile(const LoopZahlen& loop, double mhz, const SheetOptions& options);
MeasuredResult BerechneMessung(const LoopZahlen& loop, const SheetOptions& options);  // options.measured set

// With a rating, a capacitor range that tunes the loop (summary's cover) and a power:
// where the capacitor keeps the rating (core/capacitor_cover.cpp); else none.
std::optional<VoltageCover> CapacitorVoltageCover(const LoopZahlen& loop, const SheetOptions& options,
                                                  const Summary& summary);

// The summary of rows taken in order. Rows taken in blocks apart give the same
// summary when the blocks are joined in their order. Rows without a capacitor
// (OhneKondensator) are counted apart and stay out of the extremes.
class SummaryAccumulator {
public:
    void add(const SheetRow& row);
    void add(const SummaryAccumulator& later);
    Summary summary(const SheetOptions& options) const;

private:
    Summary s_;
    // L and CL of the first accepted row: they do not depend on the frequency.
    std::optional<double> firstLuH_, firstCSelfPf_;
};

}  // namespace ringfeld::tuning
