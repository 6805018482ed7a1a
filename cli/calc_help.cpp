// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/calc_help.h"

#include "cli/option_table.h"
#include "platform/qt_text.h"
#include "text/catalog/cli_texts.h"

namespace ringfeld::cli {

void DefineCalcOptions(QCommandLineParser& parser, Language lang) {
    parser.setApplicationDescription(qs(texte::kDescription, lang));
    DefineOptions(parser, lang);
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
