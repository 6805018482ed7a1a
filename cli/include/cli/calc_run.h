// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Runs ringfeld-calc's rows through the engine and renders them as text, JSON or CSV.

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "cli/calc_options.h"
#include "text/ankopplung_rechnen.h"
#include "text/loop_rechnen.h"

namespace ringfeld::cli {

// One frequency, calculated as in a freshly started window.
struct CalcRow {
    LoopEingaben eingaben;
    DesignRecord record;
    LoopAusgang ausgang;
    // Only for a calculation that ended "ok": the coupling window after its calculate button.
    std::optional<ResonanzText> resonanz;
    std::optional<AnkopplungAusgang> ankopplung;
};

// `decimalSeparator` is used for every shown number.
std::vector<CalcRow> RunRows(const CalcOptions& options, std::string_view decimalSeparator);

// JSON: shown numbers with a decimal point, whatever the locale.
QByteArray RenderJson(const CalcOptions& options, const std::vector<CalcRow>& rows);
// RFC 4180: a header line, then per row the frequency in MHz, the ending, the
// values (empty cells where the row has none) and the message, quoted.
QByteArray RenderCsv(const std::vector<CalcRow>& rows);
// A table in the chosen language, one row per frequency.
QString RenderText(const CalcOptions& options, const std::vector<CalcRow>& rows);

// Exit status for the rows: 0 when every row ended "ok" and its coupling loop was
// computed, else 1.
int RowsExitCode(const std::vector<CalcRow>& rows);

// The whole command: parse, run, render. Returns the exit status; output goes to `out`,
// usage errors to `err`.
int RunCalc(const QStringList& arguments, const std::string& storedLanguage, std::string_view localeSeparator,
            QByteArray& out, QByteArray& err);

}  // namespace ringfeld::cli
