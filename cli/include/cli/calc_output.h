// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc's rows of --frequency and --sweep: each through the engine, written
// as text, JSON (export/loop_export) or CSV while they are computed.

#include <cstddef>
#include <string_view>

#include "cli/calc_options.h"
#include "cli/output.h"
#include "export/loop_export.h"

namespace ringfeld::cli {

// One frequency, calculated as in a freshly started window.
using CalcRow = LoopRow;

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

}  // namespace ringfeld::cli
