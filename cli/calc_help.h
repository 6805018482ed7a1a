// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc's options as the parser knows them, its --help in the three
// languages and its --version.

#include <QCommandLineParser>
#include <QString>

#include <array>
#include <string_view>

#include "engine/language.h"

namespace ringfeld::cli {

// The shape list's entries in every language; --shape takes any, in any case.
inline constexpr std::array<std::string_view, 6> kShapeEntries{"Kreis", "Quadrat", "circulaire",
                                                               "carrée", "Circle", "Square"};

// Adds every option, described in `lang`.
void DefineCalcOptions(QCommandLineParser& parser, Language lang);

// Usage, description, options, exit statuses and where to report bugs.
QString CalcHelpText(Language lang);

// "ringfeld-calc 1.1.1"
QString CalcVersionText();

}  // namespace ringfeld::cli
