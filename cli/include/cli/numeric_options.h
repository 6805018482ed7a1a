// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc's numeric options in one table: name, unit, range rule and help
// in the three languages. Every option here is read by the strict number rule
// (StrikteZahl) and checked against its range unless --as-typed is given; a new
// numeric option is one more row.

#include <QString>

#include <optional>
#include <string_view>

#include "text/language.h"

namespace ringfeld::cli {

enum class RangeRule {
    Positive,     // > 0
    NonNegative,  // >= 0
};

struct NumericOption {
    std::string_view name;       // without the leading dashes
    std::string_view valueName;  // placeholder in --help
    std::string_view unit;       // named in the usage error; empty for a pure number
    RangeRule rule;
    Tri help;
};

inline constexpr NumericOption kNumericOptions[] = {
    {"diameter", "m", "m", RangeRule::Positive,
     {"Durchmesser der Loop, bei quadratischer Loop die Seitenlänge, in m (> 0; Vorgabe 2,25).",
      "Diamètre de la boucle, ou côté d'une boucle carrée, en m (> 0 ; par défaut 2,25).",
      "Loop diameter, or side length of a square loop, in m (> 0; default 2,25)."}},
    {"circumference", "m", "m", RangeRule::Positive,
     {"Umfang einer Windung in m (> 0; Vorgabe 7,069). Allein angegeben, folgt Durchmesser oder Umfang "
      "aus dem anderen wie im Fenster.",
      "Périmètre d'une spire en m (> 0 ; par défaut 7,069). Donné seul, le diamètre ou le périmètre "
      "découle de l'autre comme dans la fenêtre.",
      "Circumference of one turn in m (> 0; default 7,069). Given alone, diameter or circumference is "
      "derived from the other as the window does."}},
    {"conductor", "mm", "mm", RangeRule::Positive,
     {"Leiterdurchmesser in mm (> 0; Vorgabe 12).", "Diamètre du conducteur en mm (> 0 ; par défaut 12).",
      "Conductor diameter in mm (> 0; default 12)."}},
    {"turns", "n", "", RangeRule::Positive,
     {"Anzahl der Windungen (> 0; Vorgabe 1).", "Nombre de spires (> 0 ; par défaut 1).",
      "Number of turns (> 0; default 1)."}},
    {"length", "mm", "mm", RangeRule::NonNegative,
     {"Spulenlänge in mm, Mitte der ersten bis Mitte der letzten Windung (>= 0; Vorgabe: wie im Fenster "
      "auf das Mindestmaß für die Windungen angehoben).",
      "Longueur de la bobine en mm, du centre de la première au centre de la dernière spire (>= 0 ; par "
      "défaut : portée au minimum pour les spires, comme dans la fenêtre).",
      "Coil length in mm, centre of the first to centre of the last turn (>= 0; default: raised to the "
      "minimum for the turns, as the window does)."}},
    {"frequency", "MHz", "MHz", RangeRule::Positive,
     {"Betriebsfrequenz in MHz (> 0; Vorgabe 14,4); auch mehrfach.",
      "Fréquence de travail en MHz (> 0 ; par défaut 14,4) ; peut être répétée.",
      "Operating frequency in MHz (> 0; default 14,4); may be given several times."}},
    {"power", "W", "W", RangeRule::Positive,
     {"Sendeleistung in W (> 0; Vorgabe 100).", "Puissance d'émission en W (> 0 ; par défaut 100).",
      "Transmitter power in W (> 0; default 100)."}},
    {"series-loss", "Ohm", "Ohm", RangeRule::NonNegative,
     {"Zusätzlicher Serienverlust in Ohm (>= 0; Vorgabe 0,05).",
      "Perte série supplémentaire en Ohm (>= 0 ; par défaut 0,05).",
      "Additional series loss in Ohm (>= 0; default 0,05)."}},
    {"parallel-loss", "kOhm", "kOhm", RangeRule::Positive,
     {"Zusätzlicher Parallelverlust in kOhm (> 0; Vorgabe 10000).",
      "Perte parallèle supplémentaire en kOhm (> 0 ; par défaut 10000).",
      "Additional parallel loss in kOhm (> 0; default 10000)."}},
    {"ratio", "k", "", RangeRule::Positive,
     {"Verhältnis von Hauptloop zu Koppelschleife (> 0; Vorgabe 4,05; 4,50 offener Balkon oder Garten; "
      "4,95 freistehend).",
      "Rapport de la boucle principale à la boucle de couplage (> 0 ; par défaut 4,05 ; 4,50 balcon ouvert "
      "ou jardin ; 4,95 dégagée).",
      "Ratio of main loop to coupling loop (> 0; default 4,05; 4,50 open balcony or garden; 4,95 "
      "free-standing)."}},
};

// The option's number when `text` is one plain number within its range.
std::optional<double> ReadNumber(const NumericOption& option, std::string_view text);

// Whether a number that passed the strict rule keeps the range rule.
bool InRange(RangeRule rule, double value);

// "a plain number greater than 0 in m, such as 2,25 or 1.5e3", in the language.
QString ExpectedNumber(const NumericOption& option, Language lang);

}  // namespace ringfeld::cli
