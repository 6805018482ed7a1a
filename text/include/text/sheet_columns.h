// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The tuning-range sheet's columns: one registry for every view of the sheet, the
// window's table, its printed report, ringfeld-calc's text table and the JSON and
// CSV exports. A column is one entry: its export key and unit, the number behind a
// row's cell, how the window and the text table head and write it in every
// language, which flags mark its cell, and which views show it.
//
// The entries stand in the exports' order, which the text table keeps too; the
// window and the report order their columns by `windowPlace` (they show C tune,
// C self and L the other way round).

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/tuning_sheet.h"
#include "text/language.h"
#include "text/number_format.h"

namespace ringfeld::tuning {

// The views that show a column, as bits.
enum SheetView : unsigned {
    kWindowView = 1u << 0,        // the window's table
    kReportView = 1u << 1,        // the printed report: the window's columns that fit a portrait page
    kTextView = 1u << 2,          // ringfeld-calc's text table
    kTextViewWithCapQ = 1u << 3,  // the same, only when the capacitor's Q is given
    kExportView = 1u << 4,        // JSON and CSV
};

// What a column's cells hold: the row's frequency (a refused row has one too), one
// number of an accepted row, or the accepted row's flags.
enum class ColumnKind { Frequency, Number, Flags };

constexpr unsigned FlagBit(Flag flag) { return 1u << static_cast<unsigned>(flag); }

struct SheetColumn {
    ColumnKind kind;
    std::string_view key;   // export key
    std::string_view unit;  // empty for a pure number
    // The cell's number; none for the flags, for a refused row's values and for
    // f_self_resonance_MHz where CL <= 0.
    std::optional<double> (*value)(const SheetRow&);
    Tri heading;       // the window's and the report's, unit included
    int decimals;      // the window's
    Tri shortHeading;  // the text table's; the unit stands in the line below
    Muster pattern;    // the text table's
    unsigned marks;    // FlagBit of each flag that marks the cell in the window
    unsigned views;    // SheetView bits
    int windowPlace;   // the column's place in the window, -1 where it is not shown
};

namespace sheet_columns {

template <double RowValues::*member>
constexpr std::optional<double> number(const SheetRow& row) {
    if (!row.values) return std::nullopt;
    return (*row.values).*member;
}
constexpr std::optional<double> frequency(const SheetRow& row) { return row.frequencyMHz; }
constexpr std::optional<double> selfResonance(const SheetRow& row) {
    return row.values ? row.values->f_self_resonance_MHz : std::nullopt;
}

inline constexpr Tri kNone{"", "", ""};
inline constexpr Muster kNoPattern{""};

}  // namespace sheet_columns

// The text table's number patterns; its summary lines use them too.
namespace sheet_patterns {
inline constexpr Muster kMhz{"0.0#####"};
inline constexpr Muster kOne{"0.0"};
inline constexpr Muster kTwo{"0.00"};
inline constexpr Muster kOhm{"0.00000"};
inline constexpr Muster kSigned{"0.00;-0.00"};
inline constexpr Muster kWhole{"0"};
}  // namespace sheet_patterns

inline constexpr std::array<SheetColumn, 25> kSheetColumns = [] {
    using namespace sheet_columns;
    using namespace sheet_patterns;
    using K = ColumnKind;
    constexpr unsigned W = kWindowView, R = kReportView, T = kTextView, E = kExportView;
    return std::array<SheetColumn, 25>{{
        {K::Frequency,
         "frequency_MHz",
         "MHz",
         frequency,
         {"f (MHz)", "f (MHz)", "f (MHz)"},
         4,
         {"f", "f", "f"},
         kMhz,
         0,
         W | R | T | E,
         0},
        {K::Number,
         "L_uH",
         "µH",
         number<&RowValues::L_uH>,
         {"L (µH)", "L (µH)", "L (µH)"},
         3,
         kNone,
         kNoPattern,
         0,
         W | E,
         3},
        {K::Number, "C_total_pF", "pF", number<&RowValues::C_total_pF>, kNone, 0, kNone, kNoPattern, 0, E, -1},
        {K::Number,
         "C_self_pF",
         "pF",
         number<&RowValues::C_self_pF>,
         {"C Eigen (pF)", "C propre (pF)", "C self (pF)"},
         2,
         kNone,
         kNoPattern,
         FlagBit(Flag::SelfCapacitance),
         W | E,
         2},
        {K::Number,
         "C_tune_pF",
         "pF",
         number<&RowValues::C_tune_pF>,
         {"C Kond. (pF)", "C cond. (pF)", "C tune (pF)"},
         1,
         {"C Kond.", "C cond.", "C tune"},
         kOne,
         FlagBit(Flag::NoCapacitorFits) | FlagBit(Flag::SelfCapacitance) | FlagBit(Flag::CapacitorRange),
         W | R | T | E,
         1},
        {K::Number, "X_ohm", "Ohm", number<&RowValues::X_ohm>, kNone, 0, {"X", "X", "X"}, kOne, 0, T | E, -1},
        {K::Number,
         "R_radiation_ohm",
         "Ohm",
         number<&RowValues::R_radiation_ohm>,
         {"Rr (Ω)", "Rr (Ω)", "Rr (Ω)"},
         5,
         {"Rr", "Rr", "Rr"},
         kOhm,
         FlagBit(Flag::RrFormulaRange),
         W | T | E,
         4},
        {K::Number,
         "R_skin_ohm",
         "Ohm",
         number<&RowValues::R_skin_ohm>,
         {"R Leiter (Ω)", "R cond. (Ω)", "R skin (Ω)"},
         4,
         {"Rv", "Rv", "Rskin"},
         kOhm,
         0,
         W | T | E,
         5},
        {K::Number,
         "R_proximity_ohm",
         "Ohm",
         number<&RowValues::R_proximity_ohm>,
         {"R Nähe (Ω)", "R prox. (Ω)", "R prox. (Ω)"},
         4,
         {"R Prox.", "R prox.", "R prox"},
         kOhm,
         FlagBit(Flag::ProximityClamped),
         W | T | E,
         6},
        {K::Number,
         "R_ground_ohm",
         "Ohm",
         number<&RowValues::R_ground_ohm>,
         {"R Erde (Ω)", "R sol (Ω)", "R ground (Ω)"},
         4,
         {"R Erde", "R sol", "R ground"},
         kOhm,
         0,
         W | T | E,
         7},
        {K::Number,
         "R_capacitor_ohm",
         "Ohm",
         number<&RowValues::R_capacitor_ohm>,
         {"R Kond. (Ω)", "R cond. C (Ω)", "R cap. (Ω)"},
         4,
         {"R Kond.", "R cond.", "R cap"},
         kOhm,
         0,
         W | T | E,
         8},
        {K::Number, "R_series_ohm", "Ohm", number<&RowValues::R_series_ohm>, kNone, 0, kNone, kNoPattern, 0, E, -1},
        {K::Number,
         "R_total_ohm",
         "Ohm",
         number<&RowValues::R_total_ohm>,
         {"R gesamt (Ω)", "R totale (Ω)", "R total (Ω)"},
         4,
         {"R ges.", "R tot.", "R total"},
         kOhm,
         0,
         W | R | T | E,
         9},
        // The efficiency heading says which definition it is: Rr over the whole loss,
        // not divided by the turns as in the main window.
        {K::Number,
         "efficiency_percent",
         "%",
         number<&RowValues::efficiency_percent>,
         {"η = Rr/R (%)", "η = Rr/R (%)", "η = Rr/R (%)"},
         2,
         {"η", "η", "η"},
         kTwo,
         0,
         W | R | T | E,
         10},
        {K::Number,
         "gain_dBi",
         "dBi",
         number<&RowValues::gain_dBi>,
         {"Gewinn (dBi)", "Gain (dBi)", "Gain (dBi)"},
         2,
         {"Gewinn", "Gain", "Gain"},
         kSigned,
         0,
         W | R | T | E,
         11},
        {K::Number,
         "Q",
         "",
         number<&RowValues::Q>,
         {"Q", "Q", "Q"},
         0,
         {"Güte", "Q", "Q"},
         kWhole,
         0,
         W | R | T | E,
         12},
        {K::Number,
         "bandwidth_halfpower_kHz",
         "kHz",
         number<&RowValues::bandwidth_halfpower_kHz>,
         {"B −3 dB (kHz)", "B −3 dB (kHz)", "B −3 dB (kHz)"},
         2,
         {"B 3 dB", "B 3 dB", "B 3 dB"},
         kTwo,
         0,
         W | R | T | E,
         13},
        {K::Number,
         "bandwidth_vswr2_kHz",
         "kHz",
         number<&RowValues::bandwidth_vswr2_kHz>,
         {"B SWR 2 (kHz)", "B ROS 2 (kHz)", "B VSWR 2 (kHz)"},
         2,
         {"B SWR 2", "B ROS 2", "B VSWR 2"},
         kTwo,
         0,
         W | T | E,
         14},
        {K::Number,
         "I_rms_A",
         "A",
         number<&RowValues::I_rms_A>,
         {"I eff (A)", "I eff (A)", "I rms (A)"},
         2,
         {"I", "I", "I"},
         kTwo,
         0,
         W | R | T | E,
         15},
        {K::Number, "V_rms_V", "V", number<&RowValues::V_rms_V>, kNone, 0, kNone, kNoPattern, 0, E, -1},
        {K::Number,
         "V_peak_V",
         "V",
         number<&RowValues::V_peak_V>,
         {"Û Kond. (V)", "Û cond. (V)", "V peak (V)"},
         0,
         {"Uc Spitze", "Uc crête", "Vc peak"},
         kWhole,
         FlagBit(Flag::CapacitorVoltage),
         W | R | T | E,
         16},
        {K::Number,
         "P_capacitor_W",
         "W",
         number<&RowValues::P_capacitor_W>,
         {"P Kond. (W)", "P cond. (W)", "P cap. (W)"},
         2,
         {"P Kond.", "P cond.", "P cap"},
         kTwo,
         0,
         W | R | kTextViewWithCapQ | E,
         17},
        {K::Number,
         "f_self_resonance_MHz",
         "MHz",
         selfResonance,
         {"f Eigen (MHz)", "f propre (MHz)", "f self (MHz)"},
         1,
         kNone,
         kNoPattern,
         0,
         W | E,
         18},
        {K::Number, "proximity_factor", "", number<&RowValues::proximity_factor>, kNone, 0, kNone, kNoPattern, 0, E,
         -1},
        {K::Flags,
         "flags",
         "",
         nullptr,
         {"Hinweis", "Remarque", "Note"},
         0,
         {"Hinweise", "Remarques", "Notes"},
         kNoPattern,
         0,
         W | R | T | E,
         19},
    }};
}();

// The window's columns in its order (the report shows those of them with kReportView).
inline constexpr std::size_t kWindowColumnCount = [] {
    std::size_t n = 0;
    for (const SheetColumn& c : kSheetColumns) n += (c.views & kWindowView) != 0;
    return n;
}();

constexpr std::array<const SheetColumn*, kWindowColumnCount> WindowColumns() {
    std::array<const SheetColumn*, kWindowColumnCount> out{};
    for (const SheetColumn& c : kSheetColumns)
        if (c.views & kWindowView) out[static_cast<std::size_t>(c.windowPlace)] = &c;
    return out;
}

// Every window column has its own place, the others none; the report shows only
// window columns; the frequency comes first and the flags last in every view.
static_assert([] {
    std::array<int, kWindowColumnCount> taken{};
    for (const SheetColumn& c : kSheetColumns) {
        const bool shown = c.views & kWindowView;
        if (shown != (c.windowPlace >= 0) || ((c.views & kReportView) && !shown)) return false;
        if (shown && (static_cast<std::size_t>(c.windowPlace) >= kWindowColumnCount || taken[c.windowPlace]++))
            return false;
    }
    return kSheetColumns.front().kind == ColumnKind::Frequency && kSheetColumns.back().kind == ColumnKind::Flags &&
           WindowColumns().front()->kind == ColumnKind::Frequency && WindowColumns().back()->kind == ColumnKind::Flags;
}());

}  // namespace ringfeld::tuning
