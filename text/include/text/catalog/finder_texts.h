// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Catalogue: the loop finder's texts, those of its window and those ringfeld-calc
// --find shares with it: the columns of the designs, the search's counts, why
// nothing qualifies, and the reasons beside a field. The window's captions and
// tooltips are rows of the caption table (text/window_texts.cpp); the command
// line's option help and usage errors are in cli_texts.h. "%1" ... are place markers.

#include <array>
#include <string_view>

#include "text/language.h"
#include "text/plural.h"

namespace ringfeld::finder::texte {

// ---- the columns of a design: export key, unit, the window's heading (unit
// included) and the text table's (its unit stands in the line below)

struct SpaltenText {
    std::string_view key;
    std::string_view unit;  // empty for a pure number or a name
    Tri heading;
    Tri shortHeading;
};
inline constexpr std::array<SpaltenText, 20> kSpalten{{
    {"rank", "", {"Rang", "Rang", "Rank"}, {"#", "#", "#"}},
    {"shape", "", {"Form", "Forme", "Shape"}, {"Form", "Forme", "Shape"}},
    {"material", "", {"Material", "Matériau", "Material"}, {"Mat.", "Mat.", "Mat."}},
    {"conductor_mm", "mm", {"Leiter (mm)", "Conducteur (mm)", "Conductor (mm)"}, {"d", "d", "d"}},
    {"turns", "", {"Wdg.", "Spires", "Turns"}, {"N", "N", "N"}},
    {"size_m", "m", {"Größe (m)", "Taille (m)", "Size (m)"}, {"D", "D", "D"}},
    {"length_mm", "mm", {"Spulenlänge (mm)", "Longueur bobine (mm)", "Coil length (mm)"}, {"l", "l", "l"}},
    {"conductor_length_m",
     "m",
     {"Leiterlänge N·U (m)", "Long. conducteur N·U (m)", "Conductor N·U (m)"},
     {"N·U", "N·U", "N·U"}},
    {"efficiency_from_percent", "%", {"η von (%)", "η de (%)", "η from (%)"}, {"η von", "η de", "η from"}},
    {"efficiency_to_percent", "%", {"η bis (%)", "η à (%)", "η to (%)"}, {"η bis", "η à", "η to"}},
    {"efficiency_worst_percent", "%", {"η min (%)", "η min (%)", "η worst (%)"}, {"η min", "η min", "η worst"}},
    {"gain_worst_dBi", "dBi", {"Gewinn min (dBi)", "Gain min (dBi)", "Gain worst (dBi)"}, {"Gewinn", "Gain", "Gain"}},
    {"bandwidth_from_kHz", "kHz", {"B von (kHz)", "B de (kHz)", "B from (kHz)"}, {"B von", "B de", "B from"}},
    {"bandwidth_to_kHz", "kHz", {"B bis (kHz)", "B à (kHz)", "B to (kHz)"}, {"B bis", "B à", "B to"}},
    {"C_tune_from_pF", "pF", {"C von (pF)", "C de (pF)", "C from (pF)"}, {"C von", "C de", "C from"}},
    {"C_tune_to_pF", "pF", {"C bis (pF)", "C à (pF)", "C to (pF)"}, {"C bis", "C à", "C to"}},
    {"V_peak_max_V", "V", {"Û max (V)", "Û max (V)", "V peak max (V)"}, {"Û", "Û", "Vpeak"}},
    {"I_rms_max_A", "A", {"I eff max (A)", "I eff max (A)", "I rms max (A)"}, {"I", "I", "I"}},
    {"P_capacitor_max_W",
     "W",
     {"P Kond. max (W)", "P cond. max (W)", "P cap. max (W)"},
     {"P Kond.", "P cond.", "P cap"}},
    {"rows_rr_formula_range",
     "",
     {"Zeilen Rr-Formel außerhalb", "Lignes formule Rr hors domaine", "Rows Rr formula out of range"},
     {"Rr>0,1", "Rr>0,1", "Rr>0.1"}},
}};

// ---- the search's counts (window and command line): the candidates, those that
// qualify and the designs (best of each combination), joined by kZwischenZahl, then
// the exclusions
inline constexpr Zaehltext kKandidatenZahl{Formen{"%1 Kandidat", "%1 Kandidaten"},
                                           Formen{"%1 candidat", "%1 candidats"},
                                           Formen{"%1 candidate", "%1 candidates"}};
inline constexpr Zaehltext kErfuellenZahl{Formen{"%1 erfüllt die Bedingungen", "%1 erfüllen die Bedingungen"},
                                          Formen{"%1 convient", "%1 conviennent"},
                                          Formen{"%1 qualifies", "%1 qualify"}};
inline constexpr Zaehltext kEntwuerfeZahl{
    Formen{"%1 Entwurf (je Kombination der beste)", "%1 Entwürfe (je Kombination der beste)"},
    Formen{"%1 modèle (le meilleur de chaque combinaison)", "%1 modèles (le meilleur de chaque combinaison)"},
    Formen{"%1 design (the best of each combination)", "%1 designs (the best of each combination)"}};
inline constexpr Tri kZwischenZahl{", ", ", ", ", "};
inline constexpr Tri kAusgeschlossen{
    "ausgeschlossen: von der Berechnung abgelehnt %1, kein Kondensator passt %2, Eigenkapazität %3, "
    "Kondensatorbereich %4, Kondensatorspannung %5",
    "exclus : refusés par le calcul %1, aucun condensateur ne convient %2, capacité propre %3, "
    "plage du condensateur %4, tension du condensateur %5",
    "excluded: refused by the calculation %1, no capacitor fits %2, self-capacitance %3, "
    "capacitor range %4, capacitor voltage %5"};

// The command line's head line: %1 from, %2 to (MHz), %3 Cmin, %4 Cmax (pF), %5 P (W),
// %6 Rs (Ohm), %7 Rp (kOhm).
inline constexpr Tri kKopf{"Loop finden: %1 bis %2 MHz, Kondensator %3–%4 pF, P %5 W, Rs %6 Ohm, Rp %7 kOhm",
                           "Trouver une boucle : %1 à %2 MHz, condensateur %3–%4 pF, P %5 W, Rs %6 Ohm, Rp %7 kOhm",
                           "Loop finder: %1 to %2 MHz, capacitor %3–%4 pF, P %5 W, Rs %6 Ohm, Rp %7 kOhm"};
// After kKopf when a rating, a Q or a stray capacitance is given.
inline constexpr Tri kKopfSpannung{", Festigkeit %1 V", ", tension admissible %1 V", ", rating %1 V"};
inline constexpr Tri kKopfGuete{", Güte %1", ", Q %1", ", Q %1"};
inline constexpr Tri kKopfStreu{", Streu-C %1 pF", ", C parasite %1 pF", ", stray C %1 pF"};
inline constexpr Tri kKopfErde{", Erdverlust %1 × Rr", ", perte de sol %1 × Rr", ", ground loss %1 × Rr"};
// Under the table: how the columns are meant.
inline constexpr Tri kFussnote{
    "η = Rr / R ges. wie im Abstimmbereich (nicht durch die Windungszahl geteilt), an 51 Frequenzen "
    "von VON bis BIS; B 3 dB; Höchstwerte über die Zeilen",
    "η = Rr / R tot. comme dans la plage d'accord (non divisé par le nombre de spires), à 51 fréquences "
    "de DE à À ; B 3 dB ; maximums sur les lignes",
    "η = Rr / R total as in the tuning range (not divided by the turns), at 51 frequencies from FROM "
    "to TO; B 3 dB; maxima over the rows"};

// ---- why nothing qualifies: kKeine, then a clause per condition that excluded
// candidates (joined by "; "), then a full stop. In each clause %1 is how many
// (kKandidatenZahl), the other markers as said above it.

// %1 the number of candidates.
inline constexpr Zaehltext kKeine{
    Formen{"Keine Loop erfüllt die Bedingungen unter %1 Kandidaten: ",
           "Keine Loop erfüllt die Bedingungen unter %1 Kandidaten: "},
    Formen{"Aucune boucle ne convient parmi %1 candidat : ", "Aucune boucle ne convient parmi %1 candidats : "},
    Formen{"No loop qualifies among %1 candidate: ", "No loop qualifies among %1 candidates: "}};
// %2 TO (MHz), %3 the longest conductor N U within the length (m).
inline constexpr Tri kGrundLaenge{
    "der Leiter N·U ist bei %2 MHz länger als 0,41 λ für jede Loop mit N·U über %3 m, die Berechnung lehnt ab "
    "(%1): eine kleinere Loop oder weniger Windungen",
    "le conducteur N·U dépasse 0,41 λ à %2 MHz pour toute boucle dont N·U dépasse %3 m, le calcul refuse (%1) : "
    "une boucle plus petite ou moins de spires",
    "the conductor N·U is longer than 0.41 λ at %2 MHz for every loop with N·U above %3 m, the calculation "
    "refuses (%1): a smaller loop or fewer turns"};
// The same when no loop of the search stays within the length: %2 TO.
inline constexpr Tri kGrundLaengeAlle{
    "der Leiter N·U ist bei %2 MHz länger als 0,41 λ für jede Loop der Suche, die Berechnung lehnt ab (%1): "
    "eine kleinere Loop oder weniger Windungen",
    "le conducteur N·U dépasse 0,41 λ à %2 MHz pour toute boucle de la recherche, le calcul refuse (%1) : "
    "une boucle plus petite ou moins de spires",
    "the conductor N·U is longer than 0.41 λ at %2 MHz for every loop of the search, the calculation refuses (%1): "
    "a smaller loop or fewer turns"};
// %2 TO (MHz).
inline constexpr Tri kGrundKapazitaet{
    "die Eigenkapazität erreicht bei %2 MHz die nötige Kapazität, die Berechnung lehnt ab (%1): eine kleinere "
    "Loop, weniger Windungen oder ein größerer Windungsabstand",
    "la capacité propre atteint à %2 MHz la capacité nécessaire, le calcul refuse (%1) : une boucle plus petite, "
    "moins de spires ou un écartement plus grand",
    "the self-capacitance reaches the capacitance needed at %2 MHz, the calculation refuses (%1): a smaller loop, "
    "fewer turns or a wider spacing"};
// %2 the calculation's own refusal of the first of them, on one line.
inline constexpr Tri kGrundAbgelehnt{"die Berechnung lehnt ab (%1): %2", "le calcul refuse (%1) : %2",
                                     "the calculation refuses (%1): %2"};
// %2 TO (MHz).
inline constexpr Tri kGrundKeinKondensator{
    "Eigen- und Streukapazität übersteigen bei %2 MHz schon die nötige Kapazität (%1): eine kleinere Loop, "
    "weniger Windungen oder weniger Streukapazität",
    "capacité propre et capacité parasite dépassent déjà à %2 MHz la capacité nécessaire (%1) : une boucle "
    "plus petite, moins de spires ou moins de capacité parasite",
    "the self-capacitance and the stray capacitance alone exceed the capacitance needed at %2 MHz (%1): "
    "a smaller loop, fewer turns or less stray capacitance"};
inline constexpr Tri kGrundEigenkapazitaet{
    "die Eigenkapazität ist bei %2 MHz mindestens so groß wie C Kond. (%1): eine kleinere Loop, "
    "weniger Windungen oder ein größerer Windungsabstand",
    "la capacité propre atteint au moins C cond. à %2 MHz (%1) : une boucle plus petite, moins de spires "
    "ou un écartement plus grand",
    "the self-capacitance is at least C tune at %2 MHz (%1): a smaller loop, fewer turns or a wider spacing"};
// The issue's example: %2 Cmin (pF), %3 TO (MHz), %4 the largest size within (m).
inline constexpr Tri kGrundMinimum{
    "das Minimum %2 pF des Kondensators liegt über C Kond. bei %3 MHz für jede Loop größer als %4 m (%1): "
    "eine kleinere Loop oder ein Kondensator mit kleinerem Minimum",
    "le minimum %2 pF du condensateur dépasse C cond. à %3 MHz pour toute boucle plus grande que %4 m (%1) : "
    "une boucle plus petite ou un condensateur au minimum plus bas",
    "the capacitor's minimum %2 pF is above C tune at %3 MHz for every loop larger than %4 m (%1): "
    "a smaller loop or a capacitor with a lower minimum"};
// The same when no loop of the search reaches it: %2, %3.
inline constexpr Tri kGrundMinimumAlle{
    "das Minimum %2 pF des Kondensators liegt über C Kond. bei %3 MHz für jede Loop der Suche (%1): "
    "eine kleinere Loop oder ein Kondensator mit kleinerem Minimum",
    "le minimum %2 pF du condensateur dépasse C cond. à %3 MHz pour toute boucle de la recherche (%1) : "
    "une boucle plus petite ou un condensateur au minimum plus bas",
    "the capacitor's minimum %2 pF is above C tune at %3 MHz for every loop of the search (%1): "
    "a smaller loop or a capacitor with a lower minimum"};
// When some loops of every size reach it: %2, %3, %4 the smallest size below it (m).
inline constexpr Tri kGrundMinimumAb{
    "das Minimum %2 pF des Kondensators liegt über C Kond. bei %3 MHz für Loops ab %4 m, je nach Windungen und "
    "Leiter (%1): eine kleinere Loop oder ein Kondensator mit kleinerem Minimum",
    "le minimum %2 pF du condensateur dépasse C cond. à %3 MHz pour des boucles dès %4 m, selon les spires et le "
    "conducteur (%1) : une boucle plus petite ou un condensateur au minimum plus bas",
    "the capacitor's minimum %2 pF is above C tune at %3 MHz for loops from %4 m on, depending on the turns and "
    "the conductor (%1): a smaller loop or a capacitor with a lower minimum"};
// %2 Cmax (pF), %3 FROM (MHz), %4 the smallest size within (m).
inline constexpr Tri kGrundMaximum{
    "das Maximum %2 pF des Kondensators liegt unter C Kond. bei %3 MHz für jede Loop kleiner als %4 m (%1): "
    "eine größere Loop, mehr Windungen oder ein Kondensator mit größerem Maximum",
    "le maximum %2 pF du condensateur est sous C cond. à %3 MHz pour toute boucle plus petite que %4 m (%1) : "
    "une boucle plus grande, plus de spires ou un condensateur au maximum plus élevé",
    "the capacitor's maximum %2 pF is below C tune at %3 MHz for every loop smaller than %4 m (%1): "
    "a larger loop, more turns or a capacitor with a higher maximum"};
inline constexpr Tri kGrundMaximumAlle{
    "das Maximum %2 pF des Kondensators liegt unter C Kond. bei %3 MHz für jede Loop der Suche (%1): "
    "eine größere Loop, mehr Windungen oder ein Kondensator mit größerem Maximum",
    "le maximum %2 pF du condensateur est sous C cond. à %3 MHz pour toute boucle de la recherche (%1) : "
    "une boucle plus grande, plus de spires ou un condensateur au maximum plus élevé",
    "the capacitor's maximum %2 pF is below C tune at %3 MHz for every loop of the search (%1): "
    "a larger loop, more turns or a capacitor with a higher maximum"};
// When some loops of every size reach it: %2, %3, %4 the largest size above it (m).
inline constexpr Tri kGrundMaximumBis{
    "das Maximum %2 pF des Kondensators liegt unter C Kond. bei %3 MHz für Loops bis %4 m, je nach Windungen und "
    "Leiter (%1): eine größere Loop, mehr Windungen oder ein Kondensator mit größerem Maximum",
    "le maximum %2 pF du condensateur est sous C cond. à %3 MHz pour des boucles jusqu'à %4 m, selon les spires "
    "et le conducteur (%1) : une boucle plus grande, plus de spires ou un condensateur au maximum plus élevé",
    "the capacitor's maximum %2 pF is below C tune at %3 MHz for loops up to %4 m, depending on the turns and the "
    "conductor (%1): a larger loop, more turns or a capacitor with a higher maximum"};
// %2 the rating (V), %3 the lowest peak voltage among them (V), %4 the power that keeps it (W).
inline constexpr Tri kGrundSpannung{
    "die Spitzenspannung übersteigt die Festigkeit %2 V, die kleinste ist %3 V (%1): ein Kondensator mit "
    "höherer Festigkeit oder höchstens %4 W",
    "la tension de crête dépasse la tension admissible %2 V, la plus basse étant %3 V (%1) : un condensateur "
    "plus résistant ou au plus %4 W",
    "the peak voltage exceeds the rating %2 V, the lowest being %3 V (%1): a capacitor with a higher rating "
    "or at most %4 W"};
inline constexpr Tri kZwischen{"; ", " ; ", "; "};  // between two clauses

// ---- the window

inline constexpr Tri kSucht{"Suche: %p %", "Recherche : %p %", "Searching: %p %"};  // the progress bar
inline constexpr Tri kAbgebrochen{"Suche abgebrochen.", "Recherche annulée.", "Search cancelled."};
// Reasons beside a field, after those the tuning window shares (tuning_texts.h).
inline constexpr Tri kGanzeZahlen{"ganze Zahlen von 1 bis 1000", "des entiers de 1 à 1000",
                                  "whole numbers from 1 to 1000"};
inline constexpr Tri kMindestensEins{"mindestens 1", "au moins 1", "at least 1"};
inline constexpr Tri kEineWaehlen{"mindestens eine wählen", "en choisir au moins une", "choose at least one"};
inline constexpr Tri kUnbekannt{"unbekannt: %1", "inconnu : %1", "unknown: %1"};
inline constexpr Tri kZuVieleKandidaten{"zu viele Kandidaten (höchstens 1 000 000)",
                                        "trop de candidats (1 000 000 au plus)",
                                        "too many candidates (1,000,000 at most)"};

}  // namespace ringfeld::finder::texte
