// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/messages.h"
#include "text/catalog/loop_messages.h"
#include "text/fault_text.h"
#include "text/text_lines.h"

#include <string_view>

namespace ringfeld {

std::string PruefMeldung(Ending check, Language lang, bool severalTurns, const std::string& nl) {
    if (lang == Language::None) return {};
    switch (check) {
        case Ending::Input: return ZeilenVerbinden(texte::kUnrealeEingabe.in(lang), nl);
        case Ending::Length: return ZeilenVerbinden(texte::kLeiterZuLang.in(lang), nl);
        case Ending::Inductance: return std::string(texte::kUnrealeInduktivitaet.in(lang));
        case Ending::Capacitance: {
            std::string text = ZeilenVerbinden(texte::kEigenkapazitaetZuGross.in(lang), nl);
            if (severalTurns) text += nl + nl + ZeilenVerbinden(texte::kWindungsabstandHinweis.in(lang), nl);
            return text;
        }
        case Ending::Ok:
        case Ending::Fault: break;
    }
    return {};
}

namespace {

// A message of several lines as one line: lines trimmed, empty ones dropped, joined by a blank.
std::string oneLine(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\r')) line.remove_prefix(1);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.remove_suffix(1);
        if (line.empty()) continue;
        if (!out.empty()) out += ' ';
        out += line;
    }
    return out;
}

}  // namespace

std::string AbbruchZeile(Ending ending, std::optional<Fault> fault, double turns, Language lang) {
    if (ending == Ending::Fault) return oneLine(FehlerBeschreibung(*fault, lang));
    return oneLine(PruefMeldung(ending, lang, ending == Ending::Capacitance && turns > 1, "\n"));
}

}  // namespace ringfeld
