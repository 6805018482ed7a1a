// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/usage_errors.h"
#include "platform/qt_text.h"
#include "text/catalog/cli_texts.h"

namespace ringfeld::cli {
QString UsageError(Language lang, const QString& option, const QString& given, const QString& expected) {
    // One pass of arg() with all three, so a "%1" the user typed stays as typed.
    return qs(texte::kInvalidValue, lang).arg(option, given, expected);
}

QString OneOf(Language lang, const QStringList& entries) { return qs(texte::kOneOf, lang) + entries.join(", "); }

QString UnknownOption(Language lang, const QString& option) { return qs(texte::kUnknownOption, lang).arg(option); }

QString NoValueExpected(Language lang, const QString& option) { return qs(texte::kNoValueExpected, lang).arg(option); }

QString UnexpectedArgument(Language lang, const QString& argument) {
    return qs(texte::kUnexpectedArgument, lang).arg(argument);
}

}  // namespace ringfeld::cli
