// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Titles of message boxes in the current language (their texts: text/catalog/main_texts.h).

#include "text/catalog/main_texts.h"
#include "text/design_record.h"
#include "text/language.h"

namespace ringfeld {

// Window caption of the main window: the callsign prefix, then the program title.
inline constexpr std::string_view kCallsignPrefix = "Kalvor  ";

// Sets ProgrammTitel and FehlerTitel for rec.Sprache; an unknown language keeps
// the titles it had. Returns whether the language was one of the three.
inline bool TitelSetzen(DesignRecord& rec) {
    Language lang = SpracheVon(rec.Sprache);
    if (lang == Language::None) return false;
    rec.ProgrammTitel = std::string(texte::kProgrammTitel.in(lang));
    rec.FehlerTitel = std::string(texte::kFehlerTitel.in(lang));
    return true;
}

}  // namespace ringfeld
