// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc --find: the loop finder's options, and its designs written as text,
// JSON or CSV.

#include <QCommandLineParser>
#include <QString>

#include <optional>
#include <string_view>

#include "cli/output.h"
#include "finder/finder_inputs.h"
#include "text/language.h"

namespace ringfeld::cli {

// Adds --find and the search's own options, described in `lang`.
void DefineFindOptions(QCommandLineParser& parser, Language lang);

// What the search's option `name` (without dashes) takes, for its usage error;
// empty for any other option.
QString FindExpected(const QString& name, Language lang);

struct FindOptions {
    finder::FeldTexte texte;  // the search's inputs as the options gave them
    finder::FinderOptionen options;
    int top = 20;
};

struct FindParse {
    std::optional<FindOptions> options;  // set when --find is given and every value is usable
    QString usageError;                  // one line naming the option, when one is not
};

// Reads --find with the capacitor's, the power's and the losses' options and the
// search space: plain numbers within their ranges, lists separated by commas. The
// search's options without --find, and --find with the loop's own fields,
// --frequency, --sweep, --tuning or --measured, are usage errors.
FindParse ParseFindOptions(const QCommandLineParser& parser, Language lang);

// Searches and writes the designs, best first, at most `top` of them: a table in
// `lang` with the decimal separator `sep` under the search's counts, JSON or CSV. When
// nothing qualifies the reason is written (CSV: to `err`) and the status is 1.
enum class FindFormat { Text, Json, Csv };
int WriteFind(const FindOptions& f, FindFormat format, Language lang, std::string_view sep, Output& out, Output& err);

}  // namespace ringfeld::cli
