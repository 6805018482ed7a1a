// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The main window's calculation, one row per frequency, as JSON and CSV, piece by
// piece for rows written while they are computed. Besides what the windows show (the
// labels' texts, the record, the coupling window) each row carries its numbers for
// scripts: English keys with units, full precision, one fixed order for JSON and CSV.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "presentation/coupling_results.h"
#include "presentation/loop_rechnen.h"

namespace ringfeld {

// One frequency, calculated as in a freshly started window.
struct LoopRow {
    std::string frequenz;  // the row's Text5; the other fields are the export's
    DesignRecord record;
    LoopAusgang ausgang;
    // Only for a calculation that ended "ok": the coupling window after its calculate button.
    std::optional<ResonanzText> resonanz;
    std::optional<AnkopplungAusgang> ankopplung;
};

// What the rows were computed from.
struct LoopExport {
    const LoopEingaben& loop;  // the main window's fields (Text5 stands in each row's frequency)
    const std::string& ratio;  // the coupling window's ratio field
    bool values;               // whether "ok" rows carry "values" (not when read as typed)
};

inline constexpr std::array<std::string_view, 16> kValueKeys{"wavelength_fraction",
                                                             "L_uH",
                                                             "C_total_pF",
                                                             "C_self_pF",
                                                             "R_radiation_ohm",
                                                             "R_loss_ohm",
                                                             "R_total_ohm",
                                                             "X_ohm",
                                                             "efficiency_percent",
                                                             "gain_dB",
                                                             "Q",
                                                             "bandwidth_kHz",
                                                             "V_capacitor_rms_V",
                                                             "coupling_circumference_m",
                                                             "coupling_Lka_m",
                                                             "R_resonance_ohm"};

// The coupling loop's values come last, from here on.
inline constexpr std::size_t kFirstCouplingValue = 13;
static_assert(kValueKeys[kFirstCouplingValue] == "coupling_circumference_m");

using LoopValues = std::array<std::optional<double>, kValueKeys.size()>;

// Every value for an "ok" row (the coupling ones when the coupling loop was
// computed); none for a refused or faulted row.
LoopValues ValuesOf(const LoopRow& row);

// A message's lines trimmed and joined by one blank.
std::string MessageLine(std::string_view text);

// The message of a refused row, else of its refused coupling loop, on one line.
std::string RowMessage(const LoopRow& row);

// JSON: an array of one object a line, {"inputs" (the field texts by the fields'
// names, Text1 ... Combo2, and "ratio"), "ending", "message", "shown" (the result
// labels by name), "tooltip_lbC", "record", "coupling", "values"}: the start, each row
// in order (`index` from 0), the end.
void LoopJsonStart(std::string& out);
void LoopJsonRow(std::string& out, const LoopExport& e, const LoopRow& row, std::size_t index);
void LoopJsonEnd(std::string& out);

// CSV (RFC 4180, CRLF): a header, then per row the frequency in MHz, the ending, the
// values (empty cells where the row has none) and the message, quoted.
void LoopCsvHeader(std::string& out);
void LoopCsvRow(std::string& out, const LoopRow& row);

}  // namespace ringfeld
