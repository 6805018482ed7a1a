// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc --exposure: its options read into a plain struct (the writing is
// exposure_output).

#include <QCommandLineParser>
#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "core/exposure.h"
#include "core/exposure_summary.h"
#include "core/tuning_sheet.h"
#include "text/language.h"
#include "text/length_units.h"

namespace ringfeld::cli {

struct ExposureOptions {
    exposure::Standard standard = exposure::Standard::Icnirp1998;  // what the text shows
    exposure::Population population = exposure::Population::Public;
    exposure::Settings settings;
    std::vector<exposure::NamedDistance> places;  // --distance in the order given
};

// What --current-source names.
inline constexpr std::array kCurrentSources{exposure::CurrentSource::Model, exposure::CurrentSource::Measured};

struct ExposureParse {
    std::optional<ExposureOptions> options;  // set when --exposure is given and every value is usable
    QString usageError;                      // one line naming the option, when one is not
};

// A place as --distance gives it: "D" or "NAME=D" (the name up to the last "=", blanks
// around it dropped), D a length in `units` (metres, or feet and inches) within the
// search's range; none when it is not.
std::optional<exposure::NamedDistance> ReadPlace(const QString& text, Units units);

// Reads --exposure and its options; --tx-share sets both shares, --share-6min and
// --share-30min each one (after it); they without --exposure, and --current-source
// measured without a sheet's measured bandwidth (`sheet`), are usage errors. The
// distances are read in `units`.
ExposureParse ParseExposureOptions(const QCommandLineParser& parser, Language lang, Units units,
                                   const std::optional<tuning::SheetOptions>& sheet);

}  // namespace ringfeld::cli
