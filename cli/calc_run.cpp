// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/calc_run.h"

#include "cli/calc_options.h"
#include "cli/calc_output.h"
#include "cli/exposure_output.h"
#include "cli/find_output.h"
#include "cli/tuning_output.h"
#include "cli/vna_output.h"
#include "design/design_file.h"

namespace ringfeld::cli {

int RunCalc(const QStringList& arguments, const std::string& storedLanguage, std::string_view localeSeparator,
            Output& out, Output& err) {
    const ParseOutcome parsed = ParseCalcArgs(arguments, storedLanguage, localeSeparator);
    if (parsed.infoShown) {
        out.write(parsed.infoText.toUtf8().toStdString());
        return 0;
    }
    if (!parsed.options) {
        err.write(("ringfeld-calc: " + parsed.usageError.toUtf8() + '\n').toStdString());
        return 2;
    }
    const CalcOptions& options = *parsed.options;
    const Language lang = SpracheVon(options.sprache);
    if (options.entwurf) {
        const auto fehler = design::EntwurfSchreiben(options.entwurfDatei, *options.entwurf, lang);
        if (fehler) err.write("ringfeld-calc: " + *fehler + '\n');
        return fehler ? 1 : 0;
    }
    if (options.vna) return WriteVna(options.felder, *options.vna, options.format, lang, localeSeparator, out);
    if (options.exposure) return WriteExposure(options, localeSeparator, out);
    if (options.find) return WriteFind(*options.find, options.format, lang, localeSeparator, out, err);
    if (options.tuning) return WriteTuning(options.felder, *options.tuning, options.format, lang, localeSeparator, out);
    return WriteRows(options, localeSeparator, out);
}

}  // namespace ringfeld::cli
