// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/calc_help.h"

#include "cli/exposure_run.h"
#include "cli/find_run.h"
#include "cli/numeric_options.h"
#include "cli/tuning_run.h"
#include "platform/qt_text.h"
#include "text/catalog/cli_texts.h"

namespace ringfeld::cli {
namespace {

struct OtherOption {
    std::string_view name, valueName;  // no value name: a switch
    const Tri& help;
};

// Ahead of the numeric options.
constexpr OtherOption kHelp{"help", "", texte::kHelpHelp};
constexpr OtherOption kVersion{"version", "", texte::kHelpVersion};
// After them.
constexpr std::array<OtherOption, 8> kOtherOptions{{
    {"sweep", "from:to:step", texte::kHelpSweep},
    {"shape", "text", texte::kHelpShape},
    {"material", "text", texte::kHelpMaterial},
    {"lang", "language", texte::kHelpLang},
    {"format", "format", texte::kHelpFormat},
    {"as-typed", "", texte::kHelpAsTyped},
    {"design", "file", texte::kHelpDesign},
    {"save-design", "file", texte::kHelpSaveDesign},
}};

void add(QCommandLineParser& parser, std::string_view name, std::string_view valueName, const Tri& help,
         Language lang) {
    parser.addOption(QCommandLineOption(qs(name), qs(help, lang), qs(valueName)));
}

}  // namespace

void DefineCalcOptions(QCommandLineParser& parser, Language lang) {
    parser.setApplicationDescription(qs(texte::kDescription, lang));
    parser.addOption(QCommandLineOption({"h", qs(kHelp.name)}, qs(kHelp.help, lang)));
    add(parser, kVersion.name, kVersion.valueName, kVersion.help, lang);
    for (const NumericOption& o : kNumericOptions) add(parser, o.name, o.valueName, o.help, lang);
    for (const OtherOption& o : kOtherOptions) add(parser, o.name, o.valueName, o.help, lang);
    DefineTuningOptions(parser, lang);
    DefineExposureOptions(parser, lang);
    DefineFindOptions(parser, lang);
}

QString CalcHelpText(Language lang) {
    QCommandLineParser parser;
    DefineCalcOptions(parser, lang);
    // Qt's first line names the program by the path it was started with, and its
    // headings are English: both are replaced.
    QString text = parser.helpText();
    text = qs(texte::kUsage, lang) + text.mid(text.indexOf('\n'));
    text.replace(QStringLiteral("\nOptions:\n"), '\n' + qs(texte::kOptionsHeading, lang) + '\n');
    return text + '\n' + qs(texte::kExitStatus, lang) + '\n' + qs(texte::kBugs, lang);
}

QString CalcVersionText() { return QStringLiteral("ringfeld-calc " RINGFELD_VERSION "\n"); }

}  // namespace ringfeld::cli
