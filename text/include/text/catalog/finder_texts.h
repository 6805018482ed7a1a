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

// In the texts below that give a length, "%9" stands for the unit of a loop's size
// and of its conductor N·U, "%8" for a conductor diameter's: the units table's
// captions in the units chosen (FinderOptionen::einheiten).

// ---- the columns of a design: export key, unit, the window's heading (unit
// included; "%1" for a length's, which the units table gives), the text table's
// (its unit stands in the line below), and the heading's tooltip: what the column
// holds, in a sentence with its unit (a length's stands in the heading)

struct SpaltenText {
    std::string_view key;
    std::string_view unit;  // empty for a pure number or a name
    Tri heading;
    Tri shortHeading;
    Tri tooltip;
};
inline constexpr std::array<SpaltenText, 22> kSpalten{{
    {"rank",
     "",
     {"Rang", "Rang", "Rank"},
     {"#", "#", "#"},
     {"Rang des Entwurfs: nach dem schlechtesten Wirkungsgrad über das Band geordnet, der beste zuerst.",
      "Rang du modèle : classé selon le plus mauvais rendement sur la bande, le meilleur d'abord.",
      "The design's rank: ordered by the worst efficiency over the band, the best first."}},
    {"shape",
     "",
     {"Form", "Forme", "Shape"},
     {"Form", "Forme", "Shape"},
     {"Form der Schleife: Kreis (Größe = Durchmesser) oder Quadrat (Größe = Seitenlänge).",
      "Forme de la boucle : cercle (taille = diamètre) ou carré (taille = côté).",
      "The loop's shape: circle (size = diameter) or square (size = side length)."}},
    {"material",
     "",
     {"Material", "Matériau", "Material"},
     {"Mat.", "Mat.", "Mat."},
     {"Werkstoff des Leiters.", "Matériau du conducteur.", "The conductor's material."}},
    {"conductor_mm",
     "mm",
     {"Leiter (%1)", "Conducteur (%1)", "Conductor (%1)"},
     {"d", "d", "d"},
     {"Außendurchmesser des Leiters (Rohr oder Draht).", "Diamètre extérieur du conducteur (tube ou fil).",
      "The conductor's outer diameter (tube or wire)."}},
    {"turns",
     "",
     {"Wdg.", "Spires", "Turns"},
     {"N", "N", "N"},
     {"Zahl der Windungen.", "Nombre de spires.", "The number of turns."}},
    {"size_m",
     "m",
     {"Größe (%1)", "Taille (%1)", "Size (%1)"},
     {"D", "D", "D"},
     {"Durchmesser des Kreises oder Seitenlänge des Quadrats.", "Diamètre du cercle ou côté du carré.",
      "The circle's diameter or the square's side."}},
    {"search_edge",
     "",
     {"Suchrand", "Bord de recherche", "Search edge"},
     {"Rand", "Bord", "Edge"},
     {"„max.“: die Größe ist die größte der Suche, „min.“: die kleinste; eine Suche darüber hinaus findet "
      "vielleicht eine bessere Schleife.",
      "« max. » : la taille est la plus grande de la recherche, « min. » : la plus petite ; une recherche au-delà "
      "trouvera peut-être une meilleure boucle.",
      "\"max\": the size is the search's largest, \"min\": its smallest; a search beyond it may find a better loop."}},
    {"length_mm",
     "mm",
     {"Spulenlänge (%1)", "Longueur bobine (%1)", "Coil length (%1)"},
     {"l", "l", "l"},
     {"Spulenlänge von der ersten bis zur letzten Windung (bei einer Windung der Leiterdurchmesser).",
      "Longueur de la bobine, de la première à la dernière spire (pour une spire, le diamètre du conducteur).",
      "The coil length, from the first turn to the last (for one turn the conductor's diameter)."}},
    {"conductor_length_m",
     "m",
     {"Leiterlänge N·U (%1)", "Long. conducteur N·U (%1)", "Conductor N·U (%1)"},
     {"N·U", "N·U", "N·U"},
     {"Länge des Leiters aller Windungen N·U, ohne Zuleitungen.",
      "Longueur du conducteur de toutes les spires N·U, sans les connexions.",
      "The length of the conductor of all turns N·U, without leads."}},
    {"efficiency_from_percent",
     "%",
     {"η von (%)", "η de (%)", "η from (%)"},
     {"η von", "η de", "η from"},
     {"Wirkungsgrad Rr/R in Prozent am unteren Bandende (VON).", "Rendement Rr/R en pour cent en bas de la bande (DE).",
      "The efficiency Rr/R in per cent at the band's lower end (FROM)."}},
    {"efficiency_to_percent",
     "%",
     {"η bis (%)", "η à (%)", "η to (%)"},
     {"η bis", "η à", "η to"},
     {"Wirkungsgrad Rr/R in Prozent am oberen Bandende (BIS).", "Rendement Rr/R en pour cent en haut de la bande (À).",
      "The efficiency Rr/R in per cent at the band's upper end (TO)."}},
    {"efficiency_worst_percent",
     "%",
     {"η min (%)", "η min (%)", "η worst (%)"},
     {"η min", "η min", "η worst"},
     {"Schlechtester Wirkungsgrad Rr/R in Prozent über die 51 Frequenzen des Bandes; nach ihm wird geordnet.",
      "Plus mauvais rendement Rr/R en pour cent sur les 51 fréquences de la bande ; le classement le suit.",
      "The worst efficiency Rr/R in per cent over the band's 51 frequencies; the ranking follows it."}},
    {"gain_worst_dBi",
     "dBi",
     {"Gewinn min (dBi)", "Gain min (dBi)", "Gain worst (dBi)"},
     {"Gewinn", "Gain", "Gain"},
     {"Gewinn in dBi an der Frequenz des schlechtesten Wirkungsgrads (Richtfaktor 1,5 mal Wirkungsgrad).",
      "Gain en dBi à la fréquence du plus mauvais rendement (directivité 1,5 fois le rendement).",
      "The gain in dBi at the frequency of the worst efficiency (directivity 1.5 times the efficiency)."}},
    {"bandwidth_from_kHz",
     "kHz",
     {"B von (kHz)", "B de (kHz)", "B from (kHz)"},
     {"B von", "B de", "B from"},
     {"3-dB-Bandbreite in Kilohertz am unteren Bandende.", "Bande passante à 3 dB en kilohertz en bas de la bande.",
      "The 3 dB bandwidth in kilohertz at the band's lower end."}},
    {"bandwidth_to_kHz",
     "kHz",
     {"B bis (kHz)", "B à (kHz)", "B to (kHz)"},
     {"B bis", "B à", "B to"},
     {"3-dB-Bandbreite in Kilohertz am oberen Bandende.", "Bande passante à 3 dB en kilohertz en haut de la bande.",
      "The 3 dB bandwidth in kilohertz at the band's upper end."}},
    {"C_tune_from_pF",
     "pF",
     {"C von (pF)", "C de (pF)", "C from (pF)"},
     {"C von", "C de", "C from"},
     {"Abstimmkapazität des Kondensators in Picofarad am unteren Bandende, die größte.",
      "Capacité d'accord du condensateur en picofarads en bas de la bande, la plus grande.",
      "The capacitor's tuning capacitance in picofarads at the band's lower end, the largest."}},
    {"C_tune_to_pF",
     "pF",
     {"C bis (pF)", "C à (pF)", "C to (pF)"},
     {"C bis", "C à", "C to"},
     {"Abstimmkapazität des Kondensators in Picofarad am oberen Bandende, die kleinste.",
      "Capacité d'accord du condensateur en picofarads en haut de la bande, la plus petite.",
      "The capacitor's tuning capacitance in picofarads at the band's upper end, the smallest."}},
    {"V_peak_max_V",
     "V",
     {"Û max (V)", "Û max (V)", "V peak max (V)"},
     {"Û", "Û", "Vpeak"},
     {"Höchste Spitzenspannung am Kondensator in Volt über das Band, bei der Sendeleistung.",
      "Tension de crête la plus haute aux bornes du condensateur en volts sur la bande, à la puissance d'émission.",
      "The highest peak voltage across the capacitor in volts over the band, at the transmitter power."}},
    {"headroom",
     "×",
     {"Reserve Û (×)", "Marge Û (×)", "Headroom (×)"},
     {"Res.", "Marge", "Head"},
     {"Spannungsreserve: Festigkeit des Kondensators geteilt durch die höchste Spitzenspannung, als Faktor; "
      "mindestens die verlangte Reserve, leer ohne Festigkeit.",
      "Marge de tension : tension admissible du condensateur divisée par la tension de crête la plus haute, en "
      "facteur ; au moins la marge demandée, vide sans tension admissible.",
      "The voltage headroom: the capacitor's rating divided by the highest peak voltage, as a factor; at least the "
      "margin asked for, empty without a rating."}},
    {"I_rms_max_A",
     "A",
     {"I eff max (A)", "I eff max (A)", "I rms max (A)"},
     {"I", "I", "I"},
     {"Höchster Effektivstrom in der Schleife in Ampere über das Band.",
      "Courant efficace le plus fort dans la boucle en ampères sur la bande.",
      "The highest rms current in the loop in amperes over the band."}},
    {"P_capacitor_max_W",
     "W",
     {"P Kond. max (W)", "P cond. max (W)", "P cap. max (W)"},
     {"P Kond.", "P cond.", "P cap"},
     {"Höchste Verlustleistung im Kondensator in Watt über das Band; null ohne Kondensator-Güte.",
      "Puissance dissipée la plus haute dans le condensateur en watts sur la bande ; nulle sans Q du condensateur.",
      "The highest power lost in the capacitor in watts over the band; zero without a capacitor Q."}},
    {"rows_rr_formula_range",
     "",
     {"Zeilen über 0,1 λ (Näherung)", "Lignes au-delà de 0,1 λ (approché)", "Rows above 0.1 λ (approximate)"},
     {">0,1λ", ">0,1λ", ">0.1λ"},
     {"Zahl der 51 Frequenzen, an denen der Leiter N·U länger als 0,1 λ ist: dort rechnen die Formeln für "
      "kleine Schleifen nur näherungsweise.",
      "Nombre des 51 fréquences où le conducteur N·U dépasse 0,1 λ : les formules des petites boucles n'y sont "
      "qu'approchées.",
      "How many of the 51 frequencies have a conductor N·U longer than 0.1 λ: there the small-loop formulas are "
      "approximate."}},
}};

// The search edge's cells: the size is the search's largest, or its smallest.
inline constexpr Tri kRandGroesste{"max.", "max.", "max"};
inline constexpr Tri kRandKleinste{"min.", "min.", "min"};

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
    "ausgeschlossen: von der Berechnung abgelehnt %1, keine kleine Loop %2, kein Kondensator passt %3, "
    "Eigenkapazität %4, Kondensatorbereich %5, Kondensatorspannung %6",
    "exclus : refusés par le calcul %1, pas une petite boucle %2, aucun condensateur ne convient %3, "
    "capacité propre %4, plage du condensateur %5, tension du condensateur %6",
    "excluded: refused by the calculation %1, not a small loop %2, no capacitor fits %3, self-capacitance %4, "
    "capacitor range %5, capacitor voltage %6"};

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
    "der Leiter N·U ist bei %2 MHz länger als 0,41 λ für jede Loop mit N·U über %3 %9, die Berechnung lehnt ab "
    "(%1): eine kleinere Loop oder weniger Windungen",
    "le conducteur N·U dépasse 0,41 λ à %2 MHz pour toute boucle dont N·U dépasse %3 %9, le calcul refuse (%1) : "
    "une boucle plus petite ou moins de spires",
    "the conductor N·U is longer than 0.41 λ at %2 MHz for every loop with N·U above %3 %9, the calculation "
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
    "das Minimum %2 pF des Kondensators liegt über C Kond. bei %3 MHz für jede Loop größer als %4 %9 (%1): "
    "eine kleinere Loop oder ein Kondensator mit kleinerem Minimum",
    "le minimum %2 pF du condensateur dépasse C cond. à %3 MHz pour toute boucle plus grande que %4 %9 (%1) : "
    "une boucle plus petite ou un condensateur au minimum plus bas",
    "the capacitor's minimum %2 pF is above C tune at %3 MHz for every loop larger than %4 %9 (%1): "
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
    "das Minimum %2 pF des Kondensators liegt über C Kond. bei %3 MHz für Loops ab %4 %9, je nach Windungen und "
    "Leiter (%1): eine kleinere Loop oder ein Kondensator mit kleinerem Minimum",
    "le minimum %2 pF du condensateur dépasse C cond. à %3 MHz pour des boucles dès %4 %9, selon les spires et le "
    "conducteur (%1) : une boucle plus petite ou un condensateur au minimum plus bas",
    "the capacitor's minimum %2 pF is above C tune at %3 MHz for loops from %4 %9 on, depending on the turns and "
    "the conductor (%1): a smaller loop or a capacitor with a lower minimum"};
// %2 Cmax (pF), %3 FROM (MHz), %4 the smallest size within (m).
inline constexpr Tri kGrundMaximum{
    "das Maximum %2 pF des Kondensators liegt unter C Kond. bei %3 MHz für jede Loop kleiner als %4 %9 (%1): "
    "eine größere Loop, mehr Windungen oder ein Kondensator mit größerem Maximum",
    "le maximum %2 pF du condensateur est sous C cond. à %3 MHz pour toute boucle plus petite que %4 %9 (%1) : "
    "une boucle plus grande, plus de spires ou un condensateur au maximum plus élevé",
    "the capacitor's maximum %2 pF is below C tune at %3 MHz for every loop smaller than %4 %9 (%1): "
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
    "das Maximum %2 pF des Kondensators liegt unter C Kond. bei %3 MHz für Loops bis %4 %9, je nach Windungen und "
    "Leiter (%1): eine größere Loop, mehr Windungen oder ein Kondensator mit größerem Maximum",
    "le maximum %2 pF du condensateur est sous C cond. à %3 MHz pour des boucles jusqu'à %4 %9, selon les spires "
    "et le conducteur (%1) : une boucle plus grande, plus de spires ou un condensateur au maximum plus élevé",
    "the capacitor's maximum %2 pF is below C tune at %3 MHz for loops up to %4 %9, depending on the turns and the "
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

// ---- the margin and the small-loop limit: reasons beside their fields
inline constexpr Tri kMargeBereich{"von 1 bis 5", "de 1 à 5", "from 1 to 5"};
inline constexpr Tri kWellenlaengenBereich{"von 0,1 bis 0,5", "de 0,1 à 0,5", "from 0.1 to 0.5"};

// ---- how the designs are ranked (the window, beside the table)
inline constexpr Tri kRangfolge{
    "Geordnet nach dem schlechtesten Wirkungsgrad über die 51 Frequenzen des Bandes, der beste zuerst; bei "
    "gleichem weniger Windungen, dann der dünnere Leiter, der Kreis vor dem Quadrat, dann die Werkstoffe in der "
    "gewählten Reihenfolge. Von jeder Kombination aus Form, Werkstoff, Leiter und Windungen steht nur die Größe "
    "mit dem besten schlechtesten Wirkungsgrad in der Liste.",
    "Classés selon le plus mauvais rendement sur les 51 fréquences de la bande, le meilleur d'abord ; à égalité, "
    "moins de spires, puis le conducteur le plus fin, le cercle avant le carré, puis les matériaux dans l'ordre "
    "choisi. De chaque combinaison de forme, matériau, conducteur et spires, seule la taille au meilleur rendement "
    "minimal figure dans la liste.",
    "Ranked by the worst efficiency over the band's 51 frequencies, the best first; of equal ones fewer turns, "
    "then the thinner conductor, the circle before the square, then the materials in the order chosen. Of each "
    "combination of shape, material, conductor and turns only the size with the best worst efficiency is listed."};

// ---- under the counts when designs were found
// Designs at the search's largest (Oben) or smallest (Unten) size: %1 how many,
// %2 that size, %9 its unit.
inline constexpr Zaehltext kRandOben{
    Formen{"%1 Entwurf liegt am oberen Rand der Suche (%2 %9): eine Suche mit größeren Loops findet vielleicht "
           "eine bessere.",
           "%1 Entwürfe liegen am oberen Rand der Suche (%2 %9): eine Suche mit größeren Loops findet vielleicht "
           "eine bessere."},
    Formen{"%1 modèle est à la plus grande taille de la recherche (%2 %9) : une recherche avec de plus grandes "
           "boucles en trouvera peut-être une meilleure.",
           "%1 modèles sont à la plus grande taille de la recherche (%2 %9) : une recherche avec de plus grandes "
           "boucles en trouvera peut-être une meilleure."},
    Formen{"%1 design is at the search's largest size (%2 %9): a search with larger loops may find a better one.",
           "%1 designs are at the search's largest size (%2 %9): a search with larger loops may find a better "
           "one."}};
inline constexpr Zaehltext kRandUnten{
    Formen{"%1 Entwurf liegt am unteren Rand der Suche (%2 %9): eine Suche mit kleineren Loops findet vielleicht "
           "eine bessere.",
           "%1 Entwürfe liegen am unteren Rand der Suche (%2 %9): eine Suche mit kleineren Loops findet vielleicht "
           "eine bessere."},
    Formen{"%1 modèle est à la plus petite taille de la recherche (%2 %9) : une recherche avec de plus petites "
           "boucles en trouvera peut-être une meilleure.",
           "%1 modèles sont à la plus petite taille de la recherche (%2 %9) : une recherche avec de plus petites "
           "boucles en trouvera peut-être une meilleure."},
    Formen{"%1 design is at the search's smallest size (%2 %9): a search with smaller loops may find a better "
           "one.",
           "%1 designs are at the search's smallest size (%2 %9): a search with smaller loops may find a better "
           "one."}};
// Of the candidates excluded by their voltage, %1 keep the rating %2 V but exceed
// %3 V, the rating divided by the margin %4.
inline constexpr Tri kUnterMarge{
    "Kondensatorspannung: %1 davon unter der Festigkeit %2 V, aber über %3 V (Festigkeit geteilt durch die "
    "Reserve %4).",
    "Tension du condensateur : %1 d'entre eux sous la tension admissible de %2 V, mais au-dessus de %3 V (tension "
    "admissible divisée par la marge %4).",
    "Capacitor voltage: %1 of them within the rating of %2 V but above %3 V (the rating divided by the margin "
    "%4)."};

// Designs were found, and %1 candidates were left out for a conductor N·U longer than
// %2 λ at TO, %3 MHz.
inline constexpr Zaehltext kNichtKleinHinweis{
    Formen{"Keine kleine Loop: %1 Kandidat mit einem Leiter N·U über %2 λ bei %3 MHz ausgeschlossen; dort gelten "
           "die Formeln kleiner Loops nicht mehr.",
           "Keine kleine Loop: %1 Kandidaten mit einem Leiter N·U über %2 λ bei %3 MHz ausgeschlossen; dort "
           "gelten die Formeln kleiner Loops nicht mehr."},
    Formen{"Pas une petite boucle : %1 candidat exclu, son conducteur N·U dépassant %2 λ à %3 MHz, où les "
           "formules des petites boucles ne valent plus.",
           "Pas une petite boucle : %1 candidats exclus, leur conducteur N·U dépassant %2 λ à %3 MHz, où les "
           "formules des petites boucles ne valent plus."},
    Formen{"Not a small loop: %1 candidate left out for a conductor N·U above %2 λ at %3 MHz, where the "
           "small-loop formulas no longer hold.",
           "Not a small loop: %1 candidates left out for a conductor N·U above %2 λ at %3 MHz, where the "
           "small-loop formulas no longer hold."}};

// ---- when nothing qualifies: what would help, then why (kWarum and the clauses
// above). A sentence of its own when there is something to propose:
inline constexpr Zaehltext kKeineSatz{
    Formen{"Keine Loop erfüllt die Bedingungen unter %1 Kandidaten.",
           "Keine Loop erfüllt die Bedingungen unter %1 Kandidaten."},
    Formen{"Aucune boucle ne convient parmi %1 candidat.", "Aucune boucle ne convient parmi %1 candidats."},
    Formen{"No loop qualifies among %1 candidate.", "No loop qualifies among %1 candidates."}};
// In place of kKeine and kKeineSatz when the search has one candidate.
inline constexpr Tri kKeineEiner{"Der einzige Kandidat erfüllt die Bedingungen nicht: ",
                                 "Le seul candidat ne convient pas : ", "The only candidate does not qualify: "};
inline constexpr Tri kKeineEinerSatz{"Der einzige Kandidat erfüllt die Bedingungen nicht.",
                                     "Le seul candidat ne convient pas.", "The only candidate does not qualify."};
inline constexpr Tri kHilft{" Was helfen würde: ", " Ce qui aiderait : ", " What would help: "};
inline constexpr Tri kOder{"; oder ", " ; ou ", "; or "};
inline constexpr Tri kWarum{" Warum: ", " Pourquoi : ", " Why: "};
// The proposals: %1 the rating (V), the power (W) or FROM of the part (MHz); %2 the
// loop (kLoop or kDieselbeLoop); %3 its efficiency (%); %4 TO of the part (MHz); %5
// kUnterZehntel or nothing. The part is the widest that a loop of at least a tenth
// of the best efficiency covers, else the widest.
inline constexpr Tri kVorschlagFestigkeit{"ein Kondensator mit mindestens %1 V Festigkeit (%2; η %3 %%5)",
                                          "un condensateur d'au moins %1 V de tension admissible (%2 ; η %3 %%5)",
                                          "a capacitor rated at least %1 V (%2; η %3 %%5)"};
inline constexpr Tri kVorschlagLeistung{"höchstens %1 W (%2; η %3 %%5)", "au plus %1 W (%2 ; η %3 %%5)",
                                        "at most %1 W (%2; η %3 %%5)"};
inline constexpr Tri kVorschlagTeilband{"nur ein Teil des Bandes: %1 bis %4 MHz (%2; η %3 %%5)",
                                        "une partie de la bande seulement : %1 à %4 MHz (%2 ; η %3 %%5)",
                                        "only part of the band: %1 to %4 MHz (%2; η %3 %%5)"};
// %1 the shape (kKreis, kQuadrat), %2 the size (m), %3 the conductor (mm), %4 the
// material, %5 the turns.
inline constexpr Tri kKreis{"Kreis", "cercle", "circle"};
inline constexpr Tri kQuadrat{"Quadrat", "carré", "square"};
inline constexpr Tri kLoop{"Loop: %1 %2 %9, %3 %8 %4, %5", "boucle : %1 %2 %9, %3 %8 %4, %5",
                           "loop: %1 %2 %9, %3 %8 %4, %5"};
inline constexpr Tri kDieselbeLoop{"dieselbe Loop", "la même boucle", "the same loop"};
inline constexpr Zaehltext kWindungenZahl{Formen{"%1 Windung", "%1 Windungen"}, Formen{"%1 spire", "%1 spires"},
                                          Formen{"%1 turn", "%1 turns"}};
// %1 the best proposal's efficiency (%).
inline constexpr Tri kUnterZehntel{", weniger als ein Zehntel der besten, %1 %",
                                   ", moins d'un dixième de la meilleure, %1 %",
                                   ", less than a tenth of the best, %1 %"};
// The small-loop limit: %2 TO (MHz), %3 the limit (wavelengths), %4 the longest
// conductor N U within it (m).
inline constexpr Tri kGrundNichtKlein{
    "der Leiter N·U ist bei %2 MHz länger als %3 λ, wo die Formeln für kleine Loops nicht mehr gelten, für jede "
    "Loop mit N·U über %4 %9 (%1): eine kleinere Loop oder weniger Windungen",
    "le conducteur N·U dépasse %3 λ à %2 MHz, où les formules des petites boucles ne valent plus, pour toute "
    "boucle dont N·U dépasse %4 %9 (%1) : une boucle plus petite ou moins de spires",
    "the conductor N·U is longer than %3 λ at %2 MHz, where the small-loop formulas no longer hold, for every "
    "loop with N·U above %4 %9 (%1): a smaller loop or fewer turns"};
inline constexpr Tri kGrundNichtKleinAlle{
    "der Leiter N·U ist bei %2 MHz länger als %3 λ, wo die Formeln für kleine Loops nicht mehr gelten, für jede "
    "Loop der Suche (%1): eine kleinere Loop oder weniger Windungen",
    "le conducteur N·U dépasse %3 λ à %2 MHz, où les formules des petites boucles ne valent plus, pour toute "
    "boucle de la recherche (%1) : une boucle plus petite ou moins de spires",
    "the conductor N·U is longer than %3 λ at %2 MHz, where the small-loop formulas no longer hold, for every "
    "loop of the search (%1): a smaller loop or fewer turns"};
// kGrundSpannung with a margin above 1: %5 the rating divided by the margin (V), %6 the margin.
inline constexpr Tri kGrundSpannungMarge{
    "die Spitzenspannung übersteigt %5 V, die Festigkeit %2 V geteilt durch die Reserve %6, die kleinste ist %3 V "
    "(%1): ein Kondensator mit höherer Festigkeit oder höchstens %4 W",
    "la tension de crête dépasse %5 V, la tension admissible %2 V divisée par la marge %6, la plus basse étant "
    "%3 V (%1) : un condensateur plus résistant ou au plus %4 W",
    "the peak voltage exceeds %5 V, the rating %2 V divided by the margin %6, the lowest being %3 V (%1): a "
    "capacitor with a higher rating or at most %4 W"};
// After the power of kGrundSpannung when the loop of the lowest voltage is below a
// tenth of the best proposal: %1 its efficiency, %2 the best's (%).
inline constexpr Tri kNurZehntel{
    " (mit einer Loop von nur %1 % Wirkungsgrad, weniger als ein Zehntel der besten, %2 %)",
    " (avec une boucle de seulement %1 % de rendement, moins d'un dixième de la "
    "meilleure, %2 %)",
    " (with a loop of only %1 % efficiency, less than a tenth of the best, %2 %)"};

}  // namespace ringfeld::finder::texte
