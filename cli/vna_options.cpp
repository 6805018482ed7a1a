// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/vna_options.h"

#include <filesystem>

#include "cli/option_table.h"
#include "platform/qt_text.h"
#include "text/vna_messages.h"

namespace ringfeld::cli {

VnaParse ParseVnaOptions(const QCommandLineParser& parser, const tuning::FieldTexts& tuningFields, Language lang) {
    VnaParse out;
    out.usageError = RunMisused(parser, kVnaRun, lang);
    const CalcOption& option = Option("vna");
    if (!IsSet(parser, option) || !out.usageError.isEmpty()) return out;
    VnaOptions o;
    o.file = Value(parser, option).toStdString();
    const std::string shown = std::filesystem::path(o.file).filename().string();
    vna::TouchstoneRead read = vna::ReadTouchstoneFile(o.file);
    if (!read.sweep) {
        out.usageError = qs(vna::LeseMeldung(shown, *read.refusal, lang));
        return out;
    }
    const vna::FitOutcome fitted = vna::FitResonance(*read.sweep);
    if (!fitted.fit) {
        out.usageError = qs(vna::FitMeldung(shown, *fitted.refusal, lang));
        return out;
    }
    o.sweep = std::move(*read.sweep);
    o.fit = *fitted.fit;
    if (const tuning::ReadOptions sheet = tuning::LiesOptionen(tuningFields, lang); sheet.options) {
        o.sheet.capacitorQ = sheet.options->capacitorQ;
        o.sheet.groundRatio = sheet.options->groundRatio;
        o.sheet.strayPf = sheet.options->strayPf;
    }
    out.options = std::move(o);
    return out;
}

}  // namespace ringfeld::cli
