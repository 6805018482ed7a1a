// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Command-line options of ringfeld-calc: the main window's field texts, each a plain
// number within its range (or, with --as-typed, any text the window would take).

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "text/loop_fields.h"
#include "core/tuning_sheet.h"

namespace ringfeld::cli {

enum class OutputFormat { Text, Json, Csv };

struct CalcOptions {
    LoopEingaben felder;                  // Text5 is replaced per row by the frequencies below
    std::vector<std::string> frequenzen;  // field texts, one row each
    std::string verhaeltnis = "4,05";     // coupling window's ratio field
    std::string sprache;                  // language code
    OutputFormat format = OutputFormat::Text;
    // --as-typed: values read as the window reads its fields, no range rules,
    // text and JSON exactly as before the strict rule (JSON without values).
    bool asTyped = false;
    // --tuning: the tuning-range sheet of the loop instead of the rows above.
    std::optional<tuning::SheetOptions> tuning;
};

struct ParseOutcome {
    std::optional<CalcOptions> options;  // set when the arguments are usable
    QString usageError;                  // one line naming the option, when they are not
    bool infoShown = false;              // --help or --version: print infoText, exit 0
    QString infoText;
};

// Reads the arguments (without the program name). `storedLanguage` is the language
// the settings store holds, used when --lang is absent or unusable; help and usage
// errors are written in the chosen language. Field texts the program
// derives (the other of diameter and circumference, the coil length) are written
// with `textSeparator` for the text table, as the window would on this system,
// and with a point for JSON.
ParseOutcome ParseCalcArgs(const QStringList& arguments, const std::string& storedLanguage,
                           std::string_view textSeparator = ".");

// The most rows a sweep may produce.
inline constexpr long long kMaxRows = 1'000'000;

}  // namespace ringfeld::cli
