// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/usage_errors.h"
#include "platform/qt_text.h"

namespace ringfeld::cli {
QString UsageError(Language lang, const QString& option, const QString& given, const QString& expected) {
    static constexpr Tri kText{"Ungültiger Wert für %1: '%2'; erwartet wird %3.",
                               "Valeur invalide pour %1 : '%2' ; attendu : %3.",
                               "Invalid value for %1: '%2'; expected %3."};
    // One pass of arg() with all three, so a "%1" the user typed stays as typed.
    return qs(kText, lang).arg(option, given, expected);
}

QString OneOf(Language lang, const QStringList& entries) {
    static constexpr Tri kText{"eines von: ", "l'un de : ", "one of: "};
    return qs(kText, lang) + entries.join(", ");
}

QString UnknownOption(Language lang, const QString& option) {
    static constexpr Tri kText{"Unbekannte Option '%1'; ringfeld-calc --help zeigt alle Optionen.",
                               "Option inconnue '%1' ; ringfeld-calc --help affiche toutes les options.",
                               "Unknown option '%1'; ringfeld-calc --help lists every option."};
    return qs(kText, lang).arg(option);
}

QString NoValueExpected(Language lang, const QString& option) {
    static constexpr Tri kText{"Die Option '%1' nimmt keinen Wert.", "L'option '%1' ne prend pas de valeur.",
                               "Option '%1' takes no value."};
    return qs(kText, lang).arg(option);
}

QString UnexpectedArgument(Language lang, const QString& argument) {
    static constexpr Tri kText{"Unerwartetes Argument '%1'; Optionen beginnen mit --.",
                               "Argument inattendu '%1' ; les options commencent par --.",
                               "Unexpected argument '%1'; options begin with --."};
    return qs(kText, lang).arg(argument);
}

}  // namespace ringfeld::cli
