// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc's options as the parser knows them (option_table), its --help in the three
// languages and its --version.

#include <QCommandLineParser>
#include <QString>

#include <string_view>

#include "text/language.h"

namespace ringfeld::cli {

// Adds every option, described in `lang`.
void DefineCalcOptions(QCommandLineParser& parser, Language lang);

// Usage, description, options, exit statuses and where to report bugs.
QString CalcHelpText(Language lang);

// "ringfeld-calc 1.1.1"
QString CalcVersionText();

}  // namespace ringfeld::cli
