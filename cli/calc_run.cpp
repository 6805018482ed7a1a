// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/calc_run.h"

#include <QString>

#include <cerrno>

#include "cli/calc_options.h"
#include "cli/calc_output.h"
#include "cli/exposure_output.h"
#include "cli/find_output.h"
#include "cli/tuning_output.h"
#include "cli/vna_output.h"
#include "design/design_file.h"
#include "text/catalog/cli_texts.h"

namespace ringfeld::cli {

namespace {

int Run(const QStringList& arguments, const std::string& storedLanguage, std::string_view localeSeparator, Output& out,
        Output& err, Language& lang) {
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
    lang = SpracheVon(options.sprache);
    if (options.entwurf) {
        const auto fehler = design::EntwurfSchreiben(options.entwurfDatei, *options.entwurf, lang);
        if (fehler) err.write("ringfeld-calc: " + *fehler + '\n');
        return fehler ? 1 : 0;
    }
    // The sheets write one separator per language; the rows per frequency keep the locale's.
    const std::string_view sep = Dezimaltrenner(lang);
    if (options.vna) return WriteVna(options.felder, *options.vna, options.format, lang, sep, out, options.einheiten);
    if (options.exposure) return WriteExposure(options, sep, out);
    if (options.find) return WriteFind(*options.find, options.format, lang, sep, out, err);
    if (options.tuning)
        return WriteTuning(options.felder, *options.tuning, options.format, lang, sep, out, options.einheiten);
    return WriteRows(options, localeSeparator, out);
}

}  // namespace

int RunCalc(const QStringList& arguments, const std::string& storedLanguage, std::string_view localeSeparator,
            Output& out, Output& err) {
    Language lang = SpracheVon(storedLanguage);
    const int status = Run(arguments, storedLanguage, localeSeparator, out, err, lang);
    // A reader that closed the pipe wanted no more; any other failed write lost output.
    const int error = out.finish();
    if (error == 0 || error == EPIPE) return status;
    const Language shown = lang == Language::None ? kStandardSprache : lang;
    err.write("ringfeld-calc: " +
              QString::fromUtf8(texte::kAusgabeVerloren.in(shown)).arg(qt_error_string(error)).toStdString() + '\n');
    return status == 0 ? 1 : status;
}

}  // namespace ringfeld::cli
