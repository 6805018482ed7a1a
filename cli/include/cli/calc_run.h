// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Runs ringfeld-calc's rows through the engine and writes them as text, JSON or CSV.

#include <QStringList>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "cli/calc_options.h"
#include "cli/output.h"
#include "presentation/coupling_results.h"
#include "presentation/loop_rechnen.h"

namespace ringfeld::cli {

// One frequency, calculated as in a freshly started window.
struct CalcRow {
    std::string frequenz;  // the row's Text5; the other fields are the options'
    DesignRecord record;
    LoopAusgang ausgang;
    // Only for a calculation that ended "ok": the coupling window after its calculate button.
    std::optional<ResonanzText> resonanz;
    std::optional<AnkopplungAusgang> ankopplung;
};

// Row `index` of the options' frequencies; `loop` is the options' fields read once
// (LoopLesen(options.felder)), `decimalSeparator` is used for every shown number.
CalcRow RunRow(const CalcOptions& options, const LoopZahlen& loop, std::size_t index,
               std::string_view decimalSeparator);

// Whether the row counts as computed: it ended "ok" and its coupling loop was computed.
bool RowComputed(const CalcRow& row);

// Computes the rows and writes them in the options' format while they are computed:
// JSON with shown numbers in points whatever the locale; CSV (RFC 4180) with a header
// line, then per row the frequency in MHz, the ending, the values (empty cells where the
// row has none) and the message, quoted; or a table in the chosen language with
// `localeSeparator`, one row per frequency. Returns the exit status: 0 when every row
// was computed, else 1.
int WriteRows(const CalcOptions& options, std::string_view localeSeparator, Output& out);

// The CSV's lines.
void CsvHeader(std::string& out);
void CsvRow(std::string& out, const CalcRow& row);

// The whole command: parse, run, write. Returns the exit status; output goes to `out`,
// usage errors to `err`.
int RunCalc(const QStringList& arguments, const std::string& storedLanguage, std::string_view localeSeparator,
            Output& out, Output& err);

}  // namespace ringfeld::cli
