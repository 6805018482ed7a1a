// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "app/about_text.h"

#include <string_view>

#include "text/catalog/about_texts.h"

namespace ringfeld {

std::string VersionsText(const ProgramFacts& facts) {
    return facts.productName + "  V" + std::to_string(facts.major) + "." + std::to_string(facts.minor) + "." +
           std::to_string(facts.revision);
}

std::string InfoText(const ProgramFacts& facts, Language lang, const std::string& nl) {
    std::string version = VersionsText(facts);
    if (lang == Language::None) return version;
    return version + std::string(texte::kPlattform.in(lang)) + nl + facts.legalNotice + " " + nl + nl +
           std::string(texte::kNutzungsbedingungen.in(lang));
}

void InfoAnzeigen(DesktopServices& dienste, const DesignRecord& rec) {
    const std::string text = InfoText(dienste.programFacts(), SpracheVon(rec.Sprache), rec.NL);
    dienste.messageBox(Meldung{text, rec.ProgrammTitel, BoxIcon::Information});
}

}  // namespace ringfeld
