// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/fault_text.h"

namespace ringfeld {

std::string_view FehlerBeschreibung(Fault fault, Language lang) {
    if (lang == Language::None) lang = Language::German;
    switch (fault) {
        case Fault::DivisionByZero:
            return Tri{"Division durch Null", "Division par zéro", "Division by zero"}.in(lang);
        case Fault::Overflow:
            return Tri{"Überlauf", "Dépassement de capacité", "Overflow"}.in(lang);
        case Fault::InvalidOperation:
            return Tri{"Ungültige Gleitkommaoperation", "Opération en virgule flottante non valide",
                       "Invalid floating-point operation"}.in(lang);
        case Fault::InvalidArgument:
            return Tri{"Unzulässiger Prozeduraufruf oder ungültiges Argument",
                       "Appel de procédure ou argument incorrect",
                       "Invalid procedure call or argument"}.in(lang);
    }
    return {};
}

}  // namespace ringfeld
