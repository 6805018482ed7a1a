// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc --vna FILE: the sweep read and its resonance fitted while the
// arguments are read, so that a file that cannot be read or fitted is a usage
// error with the window's message (the writing is vna_output).

#include <QCommandLineParser>
#include <QString>

#include <optional>
#include <string>

#include "core/resonance_fit.h"
#include "core/touchstone.h"
#include "core/tuning_sheet.h"
#include "presentation/tuning_inputs.h"
#include "text/language.h"

namespace ringfeld::cli {

struct VnaOptions {
    std::string file;  // as given
    vna::Sweep sweep;
    vna::ResonanceFit fit;
    // The capacitor's and the ground's losses the loop's model takes at f0: the
    // design file's tuning range where it gives usable ones, else none.
    tuning::SheetOptions sheet;
};

struct VnaParse {
    std::optional<VnaOptions> options;  // set when --vna is given and its file reads and fits
    QString usageError;
};

// `tuningFields` are the design's tuning-range fields (the start values without --design).
VnaParse ParseVnaOptions(const QCommandLineParser& parser, const tuning::FieldTexts& tuningFields, Language lang);

}  // namespace ringfeld::cli
