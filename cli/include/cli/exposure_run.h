// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc --exposure: the safety distances of the loop against the exposure
// limits, per frequency of --frequency, --sweep or --tuning, as text, JSON or CSV.

#include <QCommandLineParser>
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

#include "cli/output.h"
#include "core/exposure.h"
#include "text/language.h"

namespace ringfeld::cli {

struct CalcOptions;

struct ExposureOptions {
    exposure::Standard standard = exposure::Standard::Icnirp1998;  // what the text shows
    exposure::Population population = exposure::Population::Public;
    exposure::Settings settings;
    std::vector<double> distances;  // m, --distance in the order given
};

// Adds --exposure and its options, described in `lang`.
void DefineExposureOptions(QCommandLineParser& parser, Language lang);

// What the option `name` (without dashes) takes, for its usage error; empty for any other.
QString ExposureExpected(const QString& name, Language lang);

struct ExposureParse {
    std::optional<ExposureOptions> options;  // set when --exposure is given and every value is usable
    QString usageError;                      // one line naming the option, when one is not
};

// Reads --exposure and its options; they without --exposure, and --current-source
// measured without a sheet's measured bandwidth (`sheet`), are usage errors.
ExposureParse ParseExposureOptions(const QCommandLineParser& parser, Language lang,
                                   const std::optional<tuning::SheetOptions>& sheet);

// Computes the rows of `options` (its frequencies, or its sheet) and writes them while
// they are computed. Returns the exit status: 0 when every row (and a measured
// frequency) was computed, else 1.
int WriteExposure(const CalcOptions& options, std::string_view localeSeparator, Output& out);

}  // namespace ringfeld::cli
