// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/fault_text.h"

#include "text/catalog/loop_messages.h"

namespace ringfeld {

std::string_view FehlerBeschreibung(Fault fault, Language lang) {
    if (lang == Language::None) lang = kStandardSprache;
    switch (fault) {
        case Fault::DivisionByZero: return texte::kDivisionDurchNull.in(lang);
        case Fault::Overflow: return texte::kUeberlauf.in(lang);
        case Fault::InvalidOperation: return texte::kUngueltigeGleitkommaoperation.in(lang);
        case Fault::InvalidArgument: return texte::kUngueltigesArgument.in(lang);
    }
    return {};
}

}  // namespace ringfeld
