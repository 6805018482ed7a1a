// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc --find: the loop finder's options read into a plain struct (the
// writing is find_output).

#include <QCommandLineParser>
#include <QString>

#include <optional>

#include "finder/finder_inputs.h"
#include "text/language.h"

namespace ringfeld::cli {

struct FindOptions {
    finder::FeldTexte texte;  // the search's inputs as the options gave them
    finder::FinderOptionen options;
    int top = 20;
    Units einheiten = Units::Metric;  // the text table's lengths; `texte` are metric whatever was typed
};

struct FindParse {
    std::optional<FindOptions> options;  // set when --find is given and every value is usable
    QString usageError;                  // one line naming the option, when one is not
};

// Reads --find and the options with fields of the finder (the capacitor's, the
// power's and the losses', the search space): each value into its fields as the
// finder's inputs, read by the finder's own rules (plain numbers within their ranges,
// lists separated by commas). The search's options without --find, and --find with an
// option it does not go with (the loop's own fields, --frequency, --sweep, --tuning,
// --measured), are usage errors. --sizes and --conductors are read in `units`.
FindParse ParseFindOptions(const QCommandLineParser& parser, Language lang, Units units);

}  // namespace ringfeld::cli
