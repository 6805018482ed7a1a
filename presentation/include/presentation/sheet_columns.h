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
    kReportWideView = 1u << 5,    // the report's further columns on a landscape page
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
    Tri explanation;   // the heading's tooltip: the column in a sentence, with its unit
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
template <std::optional<double> RowValues::*member>
constexpr std::optional<double> maybe(const SheetRow& row) {
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
         {"Frequenz der Zeile in MHz", "fréquence de la ligne en MHz", "the row's frequency in MHz"},
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
         {"Induktivität der Schleife in µH, wie im Hauptfenster",
          "inductance de la boucle en µH, comme dans la "
          "fenêtre principale",
          "the loop's inductance in µH, as in the main window"},
         3,
         kNone,
         kNoPattern,
         0,
         W | E,
         3},
        {K::Number, "C_total_pF", "pF", number<&RowValues::C_total_pF>, kNone, kNone, 0, kNone, kNoPattern, 0, E, -1},
        {K::Number,
         "C_self_pF",
         "pF",
         number<&RowValues::C_self_pF>,
         {"C Eigen (pF)", "C propre (pF)", "C self (pF)"},
         {"Eigenkapazität der Schleife in pF, wie im Hauptfenster",
          "capacité propre de la boucle en pF, comme dans "
          "la fenêtre principale",
          "the loop's self-capacitance in pF, as in the main window"},
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
         {"C Kond. (pF)", "C accord (pF)", "C tune (pF)"},
         {"Kapazität, die der Abstimmkondensator selbst haben muss, in pF: Gesamtkapazität minus Eigen- und "
          "Streukapazität",
          "capacité que doit avoir le condensateur d'accord lui-même, en pF : capacité totale moins capacités "
          "propre et parasite",
          "the capacitance the tuning capacitor itself must have, in pF: the total less the self and stray "
          "capacitance"},
         1,
         {"C Kond.", "C cond.", "C tune"},
         kOne,
         FlagBit(Flag::NoCapacitorFits) | FlagBit(Flag::SelfCapacitance) | FlagBit(Flag::CapacitorRange),
         W | R | T | E,
         1},
        {K::Number, "X_ohm", "Ohm", number<&RowValues::X_ohm>, kNone, kNone, 0, {"X", "X", "X"}, kOne, 0, T | E, -1},
        {K::Number,
         "R_radiation_ohm",
         "Ohm",
         number<&RowValues::R_radiation_ohm>,
         {"Rr (Ω)", "Rr (Ω)", "Rr (Ω)"},
         {"Strahlungswiderstand in Ω", "résistance de rayonnement en Ω", "radiation resistance in Ω"},
         5,
         {"Rr", "Rr", "Rr"},
         kOhm,
         FlagBit(Flag::RrFormulaRange),
         W | kReportWideView | T | E,
         4},
        {K::Number,
         "R_skin_ohm",
         "Ohm",
         number<&RowValues::R_skin_ohm>,
         {"R Leiter (Ω)", "R peau (Ω)", "R skin (Ω)"},
         {"Verlustwiderstand des Leiters durch den Skineffekt in Ω, wie im Hauptfenster",
          "résistance de pertes du conducteur par effet de peau en Ω, comme dans la fenêtre principale",
          "the conductor's loss resistance from the skin effect in Ω, as in the main window"},
         4,
         {"Rv", "Rv", "Rskin"},
         kOhm,
         0,
         W | kReportWideView | T | E,
         5},
        {K::Number,
         "R_proximity_ohm",
         "Ohm",
         number<&RowValues::R_proximity_ohm>,
         {"R Nähe (Ω)", "R prox. (Ω)", "R prox. (Ω)"},
         {"zusätzlicher Leiterverlust nah beieinander liegender Windungen (Proximity-Effekt) in Ω",
          "perte supplémentaire du conducteur par la proximité des spires en Ω",
          "extra conductor loss of turns close together (proximity effect) in Ω"},
         4,
         {"R Prox.", "R prox.", "R prox"},
         kOhm,
         FlagBit(Flag::ProximityClamped),
         W | kReportWideView | T | E,
         6},
        {K::Number,
         "R_ground_ohm",
         "Ohm",
         number<&RowValues::R_ground_ohm>,
         {"R Erde (Ω)", "R sol (Ω)", "R ground (Ω)"},
         {"Erdverlust in Ω: das eingegebene Vielfache des Strahlungswiderstands",
          "perte du sol en Ω : le multiple indiqué de la résistance de rayonnement",
          "ground loss in Ω: the multiple of the radiation resistance given"},
         4,
         {"R Erde", "R sol", "R ground"},
         kOhm,
         0,
         W | kReportWideView | T | E,
         7},
        {K::Number,
         "R_capacitor_ohm",
         "Ohm",
         number<&RowValues::R_capacitor_ohm>,
         {"R Kond. (Ω)", "R condens. (Ω)", "R cap. (Ω)"},
         {"Verlustwiderstand des Kondensators 1/(2π f C Q) in Ω; 0 ohne Güte (verlustfrei)",
          "résistance de pertes du condensateur 1/(2π f C Q) en Ω ; 0 sans Q (sans pertes)",
          "the capacitor's loss resistance 1/(2π f C Q) in Ω; 0 without a Q (lossless)"},
         4,
         {"R Kond.", "R cond.", "R cap"},
         kOhm,
         0,
         W | kReportWideView | T | E,
         8},
        {K::Number, "R_series_ohm", "Ohm", number<&RowValues::R_series_ohm>, kNone, kNone, 0, kNone, kNoPattern, 0, E,
         -1},
        {K::Number,
         "R_total_ohm",
         "Ohm",
         number<&RowValues::R_total_ohm>,
         {"R gesamt (Ω)", "R totale (Ω)", "R total (Ω)"},
         {"alle Verluste und Rr als ein Serienwiderstand in Ω, der Parallelverlust eingerechnet",
          "toutes les pertes et Rr en une résistance série en Ω, perte parallèle comprise",
          "every loss and Rr as one series resistance in Ω, the parallel loss folded in"},
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
         {"Wirkungsgrad Rr / R gesamt in %, physikalisch: nicht durch die Windungszahl geteilt",
          "rendement Rr / R totale en %, physique : non divisé par le nombre de spires",
          "efficiency Rr / R total in %, physical: not divided by the turns"},
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
         {"Gewinn über dem Kugelstrahler in dBi: 10 lg(1,5 η)", "gain sur l'isotrope en dBi : 10 lg(1,5 η)",
          "gain over isotropic in dBi: 10 lg(1.5 η)"},
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
         {"Güte X / R gesamt, ohne Einheit", "facteur de qualité X / R totale, sans unité",
          "quality factor X / R total, no unit"},
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
         {"Bandbreite zwischen den Halbleistungspunkten (SWR 2,618) in kHz: f / Q",
          "bande passante entre les points de demi-puissance (ROS 2,618) en kHz : f / Q",
          "bandwidth between the half-power points (VSWR 2.618) in kHz: f / Q"},
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
         {"Bandbreite zwischen den Punkten SWR 2 in kHz: f / (√2 Q)",
          "bande passante entre les points ROS 2 en kHz : f / (√2 Q)",
          "bandwidth between the VSWR 2 points in kHz: f / (√2 Q)"},
         2,
         {"B SWR 2", "B ROS 2", "B VSWR 2"},
         kTwo,
         0,
         W | kReportWideView | T | E,
         14},
        {K::Number,
         "I_rms_A",
         "A",
         maybe<&RowValues::I_rms_A>,
         {"I eff (A)", "I eff (A)", "I rms (A)"},
         {"Effektivstrom in der Schleife bei der Sendeleistung in A",
          "courant efficace dans la boucle à la puissance "
          "d'émission en A",
          "rms current in the loop at the transmitter power in A"},
         2,
         {"I", "I", "I"},
         kTwo,
         0,
         W | R | T | E,
         15},
        {K::Number, "V_rms_V", "V", maybe<&RowValues::V_rms_V>, kNone, kNone, 0, kNone, kNoPattern, 0, E, -1},
        {K::Number,
         "V_peak_V",
         "V",
         maybe<&RowValues::V_peak_V>,
         {"Û Kond. (V)", "Û condens. (V)", "V peak (V)"},
         {"Spitzenspannung am Kondensator bei der Sendeleistung in V: dafür muss er ausgelegt sein",
          "tension de crête aux bornes du condensateur à la puissance d'émission en V : il doit la supporter",
          "peak voltage across the capacitor at the transmitter power in V: the capacitor must stand it"},
         0,
         {"Uc Spitze", "Uc crête", "Vc peak"},
         kWhole,
         FlagBit(Flag::CapacitorVoltage),
         W | R | T | E,
         16},
        {K::Number,
         "P_capacitor_W",
         "W",
         maybe<&RowValues::P_capacitor_W>,
         {"P Kond. (W)", "P condens. (W)", "P cap. (W)"},
         {"Leistung, die der Kondensator selbst in Wärme umsetzt, in W; 0 ohne Güte (verlustfrei)",
          "puissance que le condensateur lui-même dissipe en chaleur, en W ; 0 sans Q (sans pertes)",
          "power the capacitor itself turns into heat in W; 0 without a Q (lossless)"},
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
         {"Eigenresonanz aus L und Eigenkapazität in MHz; leer, wo diese nicht positiv ist",
          "résonance propre de L et de la capacité propre en MHz ; vide si celle-ci n'est pas positive",
          "self-resonance of L with the self-capacitance in MHz; empty where that is not positive"},
         1,
         kNone,
         kNoPattern,
         0,
         W | E,
         18},
        {K::Number, "proximity_factor", "", number<&RowValues::proximity_factor>, kNone, kNone, 0, kNone, kNoPattern, 0,
         E, -1},
        {K::Flags,
         "flags",
         "",
         nullptr,
         {"Hinweis", "Remarque", "Note"},
         {"Hinweise zur Zeile, oder warum sie verworfen wurde",
          "remarques sur la ligne, ou pourquoi elle a été "
          "refusée",
          "notes on the row, or why it was refused"},
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
// window columns, each with an explanation; the frequency comes first and the flags
// last in every view.
static_assert([] {
    std::array<int, kWindowColumnCount> taken{};
    for (const SheetColumn& c : kSheetColumns) {
        const bool shown = c.views & kWindowView;
        if (shown != (c.windowPlace >= 0) || ((c.views & (kReportView | kReportWideView)) && !shown)) return false;
        if (shown && c.explanation.in(Language::English).empty()) return false;
        if (shown && (static_cast<std::size_t>(c.windowPlace) >= kWindowColumnCount || taken[c.windowPlace]++))
            return false;
    }
    return kSheetColumns.front().kind == ColumnKind::Frequency && kSheetColumns.back().kind == ColumnKind::Flags &&
           WindowColumns().front()->kind == ColumnKind::Frequency && WindowColumns().back()->kind == ColumnKind::Flags;
}());

}  // namespace ringfeld::tuning
