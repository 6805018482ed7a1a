// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc --tuning: the tuning-range sheet's options read into the sheet's
// options (the writing is tuning_output).

#include <QCommandLineParser>
#include <QString>

#include <optional>

#include "core/tuning_sheet.h"
#include "text/language.h"

namespace ringfeld::cli {

struct TuningParse {
    std::optional<tuning::SheetOptions> options;  // set when --tuning is given and every value is usable
    QString usageError;                           // one line naming the option, when one is not
};

// Reads --tuning and the sheet's options (the table's options with fields of the
// tuning-range window): plain numbers (StrikteZahl) separated by colons, within the
// sheet's ranges. The sheet's options without --tuning (or --find, for those the
// finder shares), and --tuning with an option it does not go with, are usage errors.
TuningParse ParseTuningOptions(const QCommandLineParser& parser, Language lang);

}  // namespace ringfeld::cli
