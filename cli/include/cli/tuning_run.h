// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc --tuning: the tuning-range sheet's options, and the sheet written as
// text, JSON or CSV.

#include <QCommandLineParser>
#include <QString>

#include <optional>
#include <string_view>

#include "cli/output.h"
#include "core/tuning_sheet.h"
#include "text/language.h"
#include "text/loop_fields.h"

namespace ringfeld::cli {

// Adds --tuning and the sheet's options, described in `lang`.
void DefineTuningOptions(QCommandLineParser& parser, Language lang);

// What the sheet's option `name` (without dashes) takes, for its usage error; empty
// for any other option.
QString TuningExpected(const QString& name, Language lang);

struct TuningParse {
    std::optional<tuning::SheetOptions> options;  // set when --tuning is given and every value is usable
    QString usageError;                           // one line naming the option, when one is not
};

// Reads --tuning and the sheet's options: plain numbers (StrikteZahl) within their
// ranges. The sheet's options without --tuning, and --tuning with --frequency or
// --sweep, are usage errors.
TuningParse ParseTuningOptions(const QCommandLineParser& parser, Language lang);

// Computes the sheet of the loop with these field texts and writes it in the format
// while its rows are computed; text as a table in `lang` with `decimalSeparator`.
// Returns the exit status: 0 when every row and the measured frequency were
// computed, else 1. The options must have passed ParseTuningOptions.
enum class TuningFormat { Text, Json, Csv };
int WriteTuning(const LoopEingaben& loop, const tuning::SheetOptions& options, TuningFormat format, Language lang,
                std::string_view decimalSeparator, Output& out);

}  // namespace ringfeld::cli
