// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/messages.h"
#include "text/fault_text.h"
#include "text/text_lines.h"

#include <string_view>

namespace ringfeld {
namespace {

std::string inputMessage(Language lang, const std::string& nl) {
    switch (lang) {
        case Language::German: return ZeilenVerbinden({"Unreale Werte!", "oder unvollständige Eingabe!"}, nl);
        case Language::French: return ZeilenVerbinden({"Valeurs impossibles!", "ou données d'entrée incomplètes."}, nl);
        case Language::English: return ZeilenVerbinden({"Value unreal!", "or incomplete input!"}, nl);
        case Language::None: break;
    }
    return {};
}

std::string lengthMessage(Language lang, const std::string& nl) {
    switch (lang) {
        case Language::German:
            return ZeilenVerbinden({"Unreale Werte!", "", "Die Länge des Leiters ist zu nahe an oder",
                         "über der Länge eines Halbwellen-Dipols."}, nl);
        case Language::French:
            return ZeilenVerbinden({"Valeurs impossibles!", "", "La longueur du conducteur est trop proche ou supérieure",
                         "à la longueur d'un dipôle demi-onde."}, nl);
        case Language::English:
            return ZeilenVerbinden({"Unrealistic datal!", "", "The length of the conductor is too close to",
                         "or longer than a half-wave dipole."}, nl);
        case Language::None: break;
    }
    return {};
}

std::string inductanceMessage(Language lang) {
    return std::string(Tri{"Unreale Werte!", "Valeurs impossibles! ", "Unrealistic data!"}.in(lang));
}

std::string capacitanceMessage(Language lang, bool severalTurns, const std::string& nl) {
    std::string text;
    switch (lang) {
        case Language::German:
            text = ZeilenVerbinden({"Unreale Werte!", "", "Die Frequenz für diese Berechnung ist zu hoch angesetzt! ",
                         "Die Eigenkapazität der Loop erreicht oder überschreitet die ",
                         "Größe der Gesamtkapazität. Dabei sind Schaltkapazitäten ",
                         "noch nicht berücksichtigt."}, nl);
            if (severalTurns)
                text += nl + nl + ZeilenVerbinden({"Es besteht auch die Möglichkeit den Abstand der Windungen   ",
                                        "(Länge) zu vergrößern."}, nl);
            break;
        case Language::French:
            text = ZeilenVerbinden({"Valeurs impossibles!", "", "La fréquence pour le calcul est trop élevée! La capacité",
                         "propre de la Loop atteind ou dépasse la valeur ",
                         "de la capacité de l'ensemble. De plus, les capacités ",
                         "de connection ne sont pas encore prises en compte."}, nl);
            if (severalTurns)
                text += nl + nl + ZeilenVerbinden({"Il est également possible d'augmenter la distance  ",
                                        "de séparation des boucles (longueur)"}, nl);
            break;
        case Language::English:
            text = ZeilenVerbinden({"Unrealistic data!", "", "The frequency for this calculation is exeedingly high! ",
                         "The inherent capacitence of the loop reaches ", "Exeeds teh total capacity."}, nl);
            if (severalTurns)
                text += nl + nl + ZeilenVerbinden({"There is also the possibilty to increase the distance between   ",
                                        "the turns of the wire."}, nl);
            break;
        case Language::None: break;
    }
    return text;
}

}  // namespace

std::string PruefMeldung(Ending check, Language lang, bool severalTurns, const std::string& nl) {
    switch (check) {
        case Ending::Input: return inputMessage(lang, nl);
        case Ending::Length: return lengthMessage(lang, nl);
        case Ending::Inductance: return inductanceMessage(lang);
        case Ending::Capacitance: return capacitanceMessage(lang, severalTurns, nl);
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
