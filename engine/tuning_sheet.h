// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The tuning-range sheet: the loop of the main window's fields computed over a
// range of frequencies, with the capacitor, ground and proximity losses that the
// single-frequency model leaves out. The single-frequency model is run unchanged
// for every row; everything here is added on top of its numbers.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fault.h"
#include "language.h"
#include "loop_model.h"
#include "messages.h"

namespace ringfeld::tuning {

// A measured bandwidth: B in kHz between the points of the given VSWR, at one frequency.
struct Messung {
    double frequencyMHz = 0;
    double bandwidthKHz = 0;
    double vswr = 2;
};

// The sheet's own inputs beside the loop's field texts.
struct SheetOptions {
    double fromMHz = 0;
    double toMHz = 0;
    double stepMHz = 0;
    std::optional<double> capacitorQ;    // unset: lossless capacitor
    double groundRatio = 0;              // K: ground loss as a multiple of Rr
    double strayPf = 0;                  // stray and wiring capacitance
    std::optional<double> capMinPf;      // the capacitor's range, both or neither
    std::optional<double> capMaxPf;
    std::optional<double> capVPeakV;     // the capacitor's peak-voltage rating
    std::optional<Messung> measured;
};

// Flags of a row or of the measured block; the strings are the export names.
enum class Flag {
    RrFormulaRange,     // "rr_formula_range"
    SelfCapacitance,    // "self_capacitance"
    NoCapacitorFits,    // "no_capacitor_fits"
    ProximityClamped,   // "proximity_clamped"
    CapacitorRange,     // "capacitor_range"
    CapacitorVoltage,   // "capacitor_voltage"
    NarrowerThanModel,  // "narrower_than_model"
};
const char* FlagName(Flag flag);

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
    double efficiency_percent = 0;   // Rr / R_total, not divided by the turns
    double gain_dBi = 0;
    double Q = 0;
    double bandwidth_halfpower_kHz = 0;
    double bandwidth_vswr2_kHz = 0;
    double I_rms_A = 0;
    double V_rms_V = 0;
    double V_peak_V = 0;
    double P_capacitor_W = 0;
    std::optional<double> f_self_resonance_MHz;  // unset when CL <= 0
    double proximity_factor = 0;
    std::vector<Flag> flags;
};

// The numeric columns of a row in export order, with their export keys ("L_uH", ...);
// a value is unset where the sheet has none (f_self_resonance_MHz for CL <= 0).
struct RowColumn {
    std::string_view key;
    std::optional<double> (*value)(const RowValues&);
};
std::span<const RowColumn> RowColumns();

struct SheetRow {
    double frequencyMHz = 0;
    LoopEingaben eingaben;         // the field texts this row was computed from
    Ending ending = Ending::Ok;
    std::optional<Fault> fault;    // set when ending == Fault
    std::string message;           // the refusal or fault text in the sheet's language, one line
    std::optional<RowValues> values;  // set exactly when ending == Ok
};

struct Summary {
    int rows_ok = 0;
    int rows_refused = 0;
    // Unset when no row is ok.
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
    Ending ending = Ending::Ok;       // the model's ending at the measured frequency
    std::string message;              // its refusal text when not ok
    double bandwidth_halfpower_kHz = 0;
    double Q = 0;
    double R_total_ohm = 0;
    double efficiency_percent = 0;
    double gain_dBi = 0;
    double R_model_ohm = 0;
    double R_unexplained_ohm = 0;
    std::vector<Flag> flags;
};

struct Sheet {
    LoopEingaben loop;        // the loop's field texts as given (Text5 unused)
    SheetOptions options;
    std::vector<SheetRow> rows;
    Summary summary;
    std::optional<MeasuredResult> measured;
};

// Which sheet option is unusable, if any: step <= 0 or from > to or too many rows,
// Q <= 0, K < 0, stray < 0, Cmin > Cmax or a bound <= 0, rating <= 0, measured
// frequency or bandwidth <= 0, VSWR <= 1, or any of them not finite.
enum class OptionFault { None, Range, CapacitorQ, GroundRatio, Stray, CapacitorRange, CapacitorVoltage, Measured };
OptionFault PruefeOptionen(const SheetOptions& options);

// The most rows one sheet may have.
inline constexpr long long kMaxSheetRows = 1'000'000;

// The frequencies from..to (to included where the step lands on it within rounding).
std::vector<double> SheetFrequencies(double fromMHz, double toMHz, double stepMHz);

// Computes the sheet. `loop` holds the main window's field texts; each row replaces
// Text5 by its frequency. Messages are in `lang`. Options must have passed PruefeOptionen.
Sheet BerechneAbstimmbereich(const LoopEingaben& loop, const SheetOptions& options, Language lang);

// Exports, numbers at full precision (shortest text that reads back exactly):
// JSON {"inputs", "options", "rows", "summary", "measured"}; a row's "message" is null
// when it is ok, and only ok rows (and an ok measured block) carry numbers and "flags".
// CSV: a header of the row keys (frequency_MHz, Text5 as the row's input, ending,
// message, the RowColumns, flags separated by blanks), one line per row, RFC 4180
// quoting and CRLF line ends; fields a row has no value for are empty.
std::string SheetJson(const Sheet& sheet);
std::string SheetCsv(const Sheet& sheet);

}  // namespace ringfeld::tuning
