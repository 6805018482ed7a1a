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

// Every entry names each of its fields (designated initializers). A field left out
// does not compile: the texts and the pattern have no default, and the build's
// -Wmissing-field-initializers (an error with -Werror) covers the rest; the table's
// check below catches a missing key, value function, view or place under any compiler.
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
        {.kind = K::Frequency,
         .key = "frequency_MHz",
         .unit = "MHz",
         .value = frequency,
         .heading = {"f (MHz)", "f (MHz)", "f (MHz)"},
         .explanation = {"Frequenz der Zeile in MHz", "fréquence de la ligne en MHz", "the row's frequency in MHz"},
         .decimals = 4,
         .shortHeading = {"f", "f", "f"},
         .pattern = kMhz,
         .marks = 0,
         .views = W | R | T | E,
         .windowPlace = 0},
        {.kind = K::Number,
         .key = "L_uH",
         .unit = "µH",
         .value = number<&RowValues::L_uH>,
         .heading = {"L (µH)", "L (µH)", "L (µH)"},
         .explanation = {"Induktivität der Schleife in µH, wie im Hauptfenster",
                         "inductance de la boucle en µH, comme dans la "
                         "fenêtre principale",
                         "the loop's inductance in µH, as in the main window"},
         .decimals = 3,
         .shortHeading = kNone,
         .pattern = kNoPattern,
         .marks = 0,
         .views = W | E,
         .windowPlace = 3},
        {.kind = K::Number,
         .key = "C_total_pF",
         .unit = "pF",
         .value = number<&RowValues::C_total_pF>,
         .heading = kNone,
         .explanation = kNone,
         .decimals = 0,
         .shortHeading = kNone,
         .pattern = kNoPattern,
         .marks = 0,
         .views = E,
         .windowPlace = -1},
        {.kind = K::Number,
         .key = "C_self_pF",
         .unit = "pF",
         .value = number<&RowValues::C_self_pF>,
         .heading = {"C Eigen (pF)", "C propre (pF)", "C self (pF)"},
         .explanation = {"Eigenkapazität der Schleife in pF, wie im Hauptfenster",
                         "capacité propre de la boucle en pF, comme dans "
                         "la fenêtre principale",
                         "the loop's self-capacitance in pF, as in the main window"},
         .decimals = 2,
         .shortHeading = kNone,
         .pattern = kNoPattern,
         .marks = FlagBit(Flag::SelfCapacitance),
         .views = W | E,
         .windowPlace = 2},
        {.kind = K::Number,
         .key = "C_tune_pF",
         .unit = "pF",
         .value = number<&RowValues::C_tune_pF>,
         .heading = {"C Kond. (pF)", "C accord (pF)", "C tune (pF)"},
         .explanation =
             {"Kapazität, die der Abstimmkondensator selbst haben muss, in pF: Gesamtkapazität minus Eigen- und "
              "Streukapazität",
              "capacité que doit avoir le condensateur d'accord lui-même, en pF : capacité totale moins capacités "
              "propre et parasite",
              "the capacitance the tuning capacitor itself must have, in pF: the total less the self and stray "
              "capacitance"},
         .decimals = 1,
         .shortHeading = {"C Kond.", "C cond.", "C tune"},
         .pattern = kOne,
         .marks = FlagBit(Flag::NoCapacitorFits) | FlagBit(Flag::SelfCapacitance) | FlagBit(Flag::CapacitorRange),
         .views = W | R | T | E,
         .windowPlace = 1},
        {.kind = K::Number,
         .key = "X_ohm",
         .unit = "Ohm",
         .value = number<&RowValues::X_ohm>,
         .heading = kNone,
         .explanation = kNone,
         .decimals = 0,
         .shortHeading = {"X", "X", "X"},
         .pattern = kOne,
         .marks = 0,
         .views = T | E,
         .windowPlace = -1},
        {.kind = K::Number,
         .key = "R_radiation_ohm",
         .unit = "Ohm",
         .value = number<&RowValues::R_radiation_ohm>,
         .heading = {"Rr (Ω)", "Rr (Ω)", "Rr (Ω)"},
         .explanation = {"Strahlungswiderstand in Ω", "résistance de rayonnement en Ω", "radiation resistance in Ω"},
         .decimals = 5,
         .shortHeading = {"Rr", "Rr", "Rr"},
         .pattern = kOhm,
         .marks = FlagBit(Flag::RrFormulaRange),
         .views = W | kReportWideView | T | E,
         .windowPlace = 4},
        {.kind = K::Number,
         .key = "R_skin_ohm",
         .unit = "Ohm",
         .value = number<&RowValues::R_skin_ohm>,
         .heading = {"R Leiter (Ω)", "R peau (Ω)", "R skin (Ω)"},
         .explanation = {"Verlustwiderstand des Leiters durch den Skineffekt in Ω, wie im Hauptfenster",
                         "résistance de pertes du conducteur par effet de peau en Ω, comme dans la fenêtre principale",
                         "the conductor's loss resistance from the skin effect in Ω, as in the main window"},
         .decimals = 4,
         .shortHeading = {"Rv", "Rv", "Rskin"},
         .pattern = kOhm,
         .marks = 0,
         .views = W | kReportWideView | T | E,
         .windowPlace = 5},
        {.kind = K::Number,
         .key = "R_proximity_ohm",
         .unit = "Ohm",
         .value = number<&RowValues::R_proximity_ohm>,
         .heading = {"R Nähe (Ω)", "R prox. (Ω)", "R prox. (Ω)"},
         .explanation = {"zusätzlicher Leiterverlust nah beieinander liegender Windungen (Proximity-Effekt) in Ω",
                         "perte supplémentaire du conducteur par la proximité des spires en Ω",
                         "extra conductor loss of turns close together (proximity effect) in Ω"},
         .decimals = 4,
         .shortHeading = {"R Prox.", "R prox.", "R prox"},
         .pattern = kOhm,
         .marks = FlagBit(Flag::ProximityClamped),
         .views = W | kReportWideView | T | E,
         .windowPlace = 6},
        {.kind = K::Number,
         .key = "R_ground_ohm",
         .unit = "Ohm",
         .value = number<&RowValues::R_ground_ohm>,
         .heading = {"R Erde (Ω)", "R sol (Ω)", "R ground (Ω)"},
         .explanation = {"Erdverlust in Ω: das eingegebene Vielfache des Strahlungswiderstands",
                         "perte du sol en Ω : le multiple indiqué de la résistance de rayonnement",
                         "ground loss in Ω: the multiple of the radiation resistance given"},
         .decimals = 4,
         .shortHeading = {"R Erde", "R sol", "R ground"},
         .pattern = kOhm,
         .marks = 0,
         .views = W | kReportWideView | T | E,
         .windowPlace = 7},
        {.kind = K::Number,
         .key = "R_capacitor_ohm",
         .unit = "Ohm",
         .value = number<&RowValues::R_capacitor_ohm>,
         .heading = {"R Kond. (Ω)", "R condens. (Ω)", "R cap. (Ω)"},
         .explanation = {"Verlustwiderstand des Kondensators 1/(2π f C Q) in Ω; 0 ohne Güte (verlustfrei)",
                         "résistance de pertes du condensateur 1/(2π f C Q) en Ω ; 0 sans Q (sans pertes)",
                         "the capacitor's loss resistance 1/(2π f C Q) in Ω; 0 without a Q (lossless)"},
         .decimals = 4,
         .shortHeading = {"R Kond.", "R cond.", "R cap"},
         .pattern = kOhm,
         .marks = 0,
         .views = W | kReportWideView | T | E,
         .windowPlace = 8},
        {.kind = K::Number,
         .key = "R_series_ohm",
         .unit = "Ohm",
         .value = number<&RowValues::R_series_ohm>,
         .heading = kNone,
         .explanation = kNone,
         .decimals = 0,
         .shortHeading = kNone,
         .pattern = kNoPattern,
         .marks = 0,
         .views = E,
         .windowPlace = -1},
        {.kind = K::Number,
         .key = "R_total_ohm",
         .unit = "Ohm",
         .value = number<&RowValues::R_total_ohm>,
         .heading = {"R gesamt (Ω)", "R totale (Ω)", "R total (Ω)"},
         .explanation = {"alle Verluste und Rr als ein Serienwiderstand in Ω, der Parallelverlust eingerechnet",
                         "toutes les pertes et Rr en une résistance série en Ω, perte parallèle comprise",
                         "every loss and Rr as one series resistance in Ω, the parallel loss folded in"},
         .decimals = 4,
         .shortHeading = {"R ges.", "R tot.", "R total"},
         .pattern = kOhm,
         .marks = 0,
         .views = W | R | T | E,
         .windowPlace = 9},
        // The efficiency heading says which definition it is: Rr over the whole loss,
        // not divided by the turns as in the main window.
        {.kind = K::Number,
         .key = "efficiency_percent",
         .unit = "%",
         .value = number<&RowValues::efficiency_percent>,
         .heading = {"η = Rr/R (%)", "η = Rr/R (%)", "η = Rr/R (%)"},
         .explanation = {"Wirkungsgrad Rr / R gesamt in %, physikalisch: nicht durch die Windungszahl geteilt",
                         "rendement Rr / R totale en %, physique : non divisé par le nombre de spires",
                         "efficiency Rr / R total in %, physical: not divided by the turns"},
         .decimals = 2,
         .shortHeading = {"η", "η", "η"},
         .pattern = kTwo,
         .marks = 0,
         .views = W | R | T | E,
         .windowPlace = 10},
        {.kind = K::Number,
         .key = "gain_dBi",
         .unit = "dBi",
         .value = number<&RowValues::gain_dBi>,
         .heading = {"Gewinn (dBi)", "Gain (dBi)", "Gain (dBi)"},
         .explanation = {"Gewinn über dem Kugelstrahler in dBi: 10 lg(1,5 η)",
                         "gain sur l'isotrope en dBi : 10 lg(1,5 η)", "gain over isotropic in dBi: 10 lg(1.5 η)"},
         .decimals = 2,
         .shortHeading = {"Gewinn", "Gain", "Gain"},
         .pattern = kSigned,
         .marks = 0,
         .views = W | R | T | E,
         .windowPlace = 11},
        {.kind = K::Number,
         .key = "Q",
         .unit = "",
         .value = number<&RowValues::Q>,
         .heading = {"Q", "Q", "Q"},
         .explanation = {"Güte X / R gesamt, ohne Einheit", "facteur de qualité X / R totale, sans unité",
                         "quality factor X / R total, no unit"},
         .decimals = 0,
         .shortHeading = {"Güte", "Q", "Q"},
         .pattern = kWhole,
         .marks = 0,
         .views = W | R | T | E,
         .windowPlace = 12},
        {.kind = K::Number,
         .key = "bandwidth_halfpower_kHz",
         .unit = "kHz",
         .value = number<&RowValues::bandwidth_halfpower_kHz>,
         .heading = {"B −3 dB (kHz)", "B −3 dB (kHz)", "B −3 dB (kHz)"},
         .explanation = {"Bandbreite zwischen den Halbleistungspunkten (SWR 2,618) in kHz: f / Q",
                         "bande passante entre les points de demi-puissance (ROS 2,618) en kHz : f / Q",
                         "bandwidth between the half-power points (VSWR 2.618) in kHz: f / Q"},
         .decimals = 2,
         .shortHeading = {"B 3 dB", "B 3 dB", "B 3 dB"},
         .pattern = kTwo,
         .marks = 0,
         .views = W | R | T | E,
         .windowPlace = 13},
        {.kind = K::Number,
         .key = "bandwidth_vswr2_kHz",
         .unit = "kHz",
         .value = number<&RowValues::bandwidth_vswr2_kHz>,
         .heading = {"B SWR 2 (kHz)", "B ROS 2 (kHz)", "B VSWR 2 (kHz)"},
         .explanation = {"Bandbreite zwischen den Punkten SWR 2 in kHz: f / (√2 Q)",
                         "bande passante entre les points ROS 2 en kHz : f / (√2 Q)",
                         "bandwidth between the VSWR 2 points in kHz: f / (√2 Q)"},
         .decimals = 2,
         .shortHeading = {"B SWR 2", "B ROS 2", "B VSWR 2"},
         .pattern = kTwo,
         .marks = 0,
         .views = W | kReportWideView | T | E,
         .windowPlace = 14},
        {.kind = K::Number,
         .key = "I_rms_A",
         .unit = "A",
         .value = maybe<&RowValues::I_rms_A>,
         .heading = {"I eff (A)", "I eff (A)", "I rms (A)"},
         .explanation = {"Effektivstrom in der Schleife bei der Sendeleistung in A",
                         "courant efficace dans la boucle à la puissance "
                         "d'émission en A",
                         "rms current in the loop at the transmitter power in A"},
         .decimals = 2,
         .shortHeading = {"I", "I", "I"},
         .pattern = kTwo,
         .marks = 0,
         .views = W | R | T | E,
         .windowPlace = 15},
        {.kind = K::Number,
         .key = "V_rms_V",
         .unit = "V",
         .value = maybe<&RowValues::V_rms_V>,
         .heading = kNone,
         .explanation = kNone,
         .decimals = 0,
         .shortHeading = kNone,
         .pattern = kNoPattern,
         .marks = 0,
         .views = E,
         .windowPlace = -1},
        {.kind = K::Number,
         .key = "V_peak_V",
         .unit = "V",
         .value = maybe<&RowValues::V_peak_V>,
         .heading = {"Û Kond. (V)", "Û condens. (V)", "V peak (V)"},
         .explanation =
             {"Spitzenspannung am Kondensator bei der Sendeleistung in V: dafür muss er ausgelegt sein",
              "tension de crête aux bornes du condensateur à la puissance d'émission en V : il doit la supporter",
              "peak voltage across the capacitor at the transmitter power in V: the capacitor must stand it"},
         .decimals = 0,
         .shortHeading = {"Uc Spitze", "Uc crête", "Vc peak"},
         .pattern = kWhole,
         .marks = FlagBit(Flag::CapacitorVoltage),
         .views = W | R | T | E,
         .windowPlace = 16},
        {.kind = K::Number,
         .key = "P_capacitor_W",
         .unit = "W",
         .value = maybe<&RowValues::P_capacitor_W>,
         .heading = {"P Kond. (W)", "P condens. (W)", "P cap. (W)"},
         .explanation = {"Leistung, die der Kondensator selbst in Wärme umsetzt, in W; 0 ohne Güte (verlustfrei)",
                         "puissance que le condensateur lui-même dissipe en chaleur, en W ; 0 sans Q (sans pertes)",
                         "power the capacitor itself turns into heat in W; 0 without a Q (lossless)"},
         .decimals = 2,
         .shortHeading = {"P Kond.", "P cond.", "P cap"},
         .pattern = kTwo,
         .marks = 0,
         .views = W | R | kTextViewWithCapQ | E,
         .windowPlace = 17},
        {.kind = K::Number,
         .key = "f_self_resonance_MHz",
         .unit = "MHz",
         .value = selfResonance,
         .heading = {"f Eigen (MHz)", "f propre (MHz)", "f self (MHz)"},
         .explanation = {"Eigenresonanz aus L und Eigenkapazität in MHz; leer, wo diese nicht positiv ist",
                         "résonance propre de L et de la capacité propre en MHz ; vide si celle-ci n'est pas positive",
                         "self-resonance of L with the self-capacitance in MHz; empty where that is not positive"},
         .decimals = 1,
         .shortHeading = kNone,
         .pattern = kNoPattern,
         .marks = 0,
         .views = W | E,
         .windowPlace = 18},
        {.kind = K::Number,
         .key = "proximity_factor",
         .unit = "",
         .value = number<&RowValues::proximity_factor>,
         .heading = kNone,
         .explanation = kNone,
         .decimals = 0,
         .shortHeading = kNone,
         .pattern = kNoPattern,
         .marks = 0,
         .views = E,
         .windowPlace = -1},
        {.kind = K::Flags,
         .key = "flags",
         .unit = "",
         .value = nullptr,
         .heading = {"Hinweis", "Remarque", "Note"},
         .explanation = {"Hinweise zur Zeile, oder warum sie verworfen wurde",
                         "remarques sur la ligne, ou pourquoi elle a été "
                         "refusée",
                         "notes on the row, or why it was refused"},
         .decimals = 0,
         .shortHeading = {"Hinweise", "Remarques", "Notes"},
         .pattern = kNoPattern,
         .marks = 0,
         .views = W | R | T | E,
         .windowPlace = 19},
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

// Every column has its own key, some view, and a value function unless it holds the
// flags; every window column has its own place, a heading and an explanation, the
// others none; the report shows only window columns; the text table's columns have a
// short heading (and a pattern for numbers), the others neither; the frequency comes
// first and the flags last in every view.
static_assert([] {
    std::array<int, kWindowColumnCount> taken{};
    for (std::size_t i = 0; i < kSheetColumns.size(); ++i) {
        const SheetColumn& c = kSheetColumns[i];
        if (c.key.empty() || c.views == 0 || (c.value == nullptr) != (c.kind == ColumnKind::Flags)) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (kSheetColumns[j].key == c.key) return false;
        const bool shown = c.views & kWindowView;
        if (shown != (c.windowPlace >= 0) || ((c.views & (kReportView | kReportWideView)) && !shown)) return false;
        if (shown == c.heading.in(Language::English).empty() || shown == c.explanation.in(Language::English).empty())
            return false;
        if (shown && (static_cast<std::size_t>(c.windowPlace) >= kWindowColumnCount || taken[c.windowPlace]++))
            return false;
        const bool text = c.views & (kTextView | kTextViewWithCapQ);
        if (text == c.shortHeading.in(Language::English).empty() ||
            (text && c.kind != ColumnKind::Flags) == std::string_view(c.pattern).empty())
            return false;
    }
    return kSheetColumns.front().kind == ColumnKind::Frequency && kSheetColumns.back().kind == ColumnKind::Flags &&
           WindowColumns().front()->kind == ColumnKind::Frequency && WindowColumns().back()->kind == ColumnKind::Flags;
}());

}  // namespace ringfeld::tuning
