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
#include "core/tuning_sheet.h"
#include "text/language.h"

namespace ringfeld::cli {

struct ExposureOptions {
    exposure::Standard standard = exposure::Standard::Icnirp1998;  // what the text shows
    exposure::Population population = exposure::Population::Public;
    exposure::Settings settings;
    std::vector<double> distances;  // m, --distance in the order given
};

// What --current-source names.
inline constexpr std::array kCurrentSources{exposure::CurrentSource::Model, exposure::CurrentSource::Measured};

struct ExposureParse {
    std::optional<ExposureOptions> options;  // set when --exposure is given and every value is usable
    QString usageError;                      // one line naming the option, when one is not
};

// Reads --exposure and its options; they without --exposure, and --current-source
// measured without a sheet's measured bandwidth (`sheet`), are usage errors.
ExposureParse ParseExposureOptions(const QCommandLineParser& parser, Language lang,
                                   const std::optional<tuning::SheetOptions>& sheet);

}  // namespace ringfeld::cli
