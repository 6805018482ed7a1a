// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc's usage errors: one line in the chosen language that names the
// option, quotes the text given and says what was expected. The text given is
// quoted as it stands, never read as a place marker of the message.

#include <QString>
#include <QStringList>

#include "text/language.h"

namespace ringfeld::cli {

// "Invalid value for --diameter: 'abc'; expected a plain number ...". `option`
// carries its dashes.
QString UsageError(Language lang, const QString& option, const QString& given, const QString& expected);

// "one of Kreis, Quadrat, ..." for options that take a list entry.
QString OneOf(Language lang, const QStringList& entries);

QString UnknownOption(Language lang, const QString& option);
QString NoValueExpected(Language lang, const QString& option);
QString UnexpectedArgument(Language lang, const QString& argument);

}  // namespace ringfeld::cli
