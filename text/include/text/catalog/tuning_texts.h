// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Catalogue: the tuning-range sheet's texts, those of its window and those
// ringfeld-calc --tuning shares with it (the flags and the common pieces of the
// summary). The window's captions are rows of the caption table
// (text/window_texts.cpp); the column headings are with the columns.

#include <array>

#include "core/tuning_sheet.h"
#include "text/language.h"
#include "text/plural.h"

namespace ringfeld::tuning::texte {

// Reasons beside a field.
inline constexpr Tri kKeineZahl{"keine Zahl", "pas un nombre", "not a number"};
inline constexpr Tri kFehlt{"fehlt", "manque", "missing"};
inline constexpr Tri kGroesserNull{"muss größer als 0 sein", "doit être supérieur à 0", "must be greater than 0"};
inline constexpr Tri kNichtNegativ{"darf nicht negativ sein", "ne peut pas être négatif", "must not be negative"};
inline constexpr Tri kBisKleiner{"kleiner als „von“", "inférieur à « de »", "less than \"from\""};
inline constexpr Tri kZuVieleZeilen{"zu viele Zeilen (höchstens 20 000)", "trop de lignes (20 000 au plus)",
                                    "too many rows (20,000 at most)"};
inline constexpr Tri kMinUeberMax{"größer als Cmax", "supérieur à Cmax", "greater than Cmax"};
inline constexpr Tri kBeideGrenzen{"Cmin und Cmax angeben", "indiquer Cmin et Cmax", "give both Cmin and Cmax"};
inline constexpr Tri kSwrUeberEins{"muss größer als 1 sein", "doit être supérieur à 1", "must be greater than 1"};
inline constexpr Tri kMessungUnvollstaendig{"Frequenz und Bandbreite angeben", "indiquer fréquence et bande",
                                            "give frequency and bandwidth"};
inline constexpr Tri kEingabenPruefen{"Bitte die rot markierten Eingaben prüfen.",
                                      "Veuillez vérifier les entrées signalées en rouge.",
                                      "Please check the inputs marked in red."};
inline constexpr Tri kUngueltig{"ungültig", "invalide", "invalid"};

// The band list's first entry: the range typed in the fields.
inline constexpr Tri kEigenerBereich{"eigener Bereich", "plage libre", "own range"};

// What a flag of a row or of the measured result means: the notes of
// ringfeld-calc's table, the tooltips of the window's marked cells, the
// window's measured result and its report.
struct FlagEintrag {
    Flag flag;
    Tri text;
};
inline constexpr std::array<FlagEintrag, 9> kFlagTexte{{
    {Flag::RrFormulaRange,
     {"Rr-Formel außerhalb ihres Bereichs (N U / λ > 0,1)", "formule de Rr hors de son domaine (N U / λ > 0,1)",
      "Rr formula out of its range (N U / λ > 0.1)"}},
    {Flag::SelfCapacitance,
     {"Eigenkapazität so groß wie der Kondensator", "capacité propre aussi grande que le condensateur",
      "self-capacitance as large as the capacitor"}},
    {Flag::NoCapacitorFits, {"kein Kondensator passt", "aucun condensateur ne convient", "no capacitor fits"}},
    {Flag::ProximityClamped,
     {"Proximity-Tabelle am Rand", "table de proximité à sa limite", "proximity table at its edge"}},
    {Flag::CapacitorRange,
     {"außerhalb des Kondensatorbereichs", "hors de la plage du condensateur", "outside the capacitor's range"}},
    {Flag::CapacitorVoltage,
     {"Spannung über der Festigkeit", "tension au-delà de la valeur admissible", "voltage above the rating"}},
    {Flag::NarrowerThanModel, {"schmaler als das Modell", "plus étroite que le modèle", "narrower than the model"}},
    {Flag::EfficiencyAbove100,
     {"Wirkungsgrad über 100 %: die Messung kann nicht stimmen",
      "rendement au-delà de 100 % : la mesure ne peut pas être juste",
      "efficiency above 100 %: the measurement cannot be right"}},
    {Flag::QFarBelowModel,
     {"Güte unter einem Zehntel der des Modells", "Q inférieur au dixième de celui du modèle",
      "Q below a tenth of the model's"}},
}};

// Pieces of the summary that the window's strip and ringfeld-calc's summary
// lines share: the tuning capacitance's span (%1 pF at %2 MHz to %3 pF at
// %4 MHz), the capacitor's power, and the start of the measured result.
inline constexpr Tri kCSpanne{"%1 pF (%2 MHz) bis %3 pF (%4 MHz)", "%1 pF (%2 MHz) à %3 pF (%4 MHz)",
                              "%1 pF (%2 MHz) to %3 pF (%4 MHz)"};
inline constexpr Tri kPKondensator{"P Kondensator", "P condensateur", "P capacitor"};
inline constexpr Tri kGemessenVorsatz{"Gemessen: ", "Mesuré : ", "Measured: "};

// A measured bandwidth the model cannot stand by (core/measured_plausibility.h). Read in
// the other unit: %1 the number typed, %2 the same in kHz, %3 the Q it gives, %4 the model's.
inline constexpr Tri kWohlMHz{
    "War die Bandbreite in MHz gemeint? Als %1 MHz gelesen ist sie %2 kHz breit und ergibt Q %3 (Modell: %4).",
    "La bande passante était-elle en MHz ? Lue comme %1 MHz, elle fait %2 kHz et donne un Q de %3 (modèle : "
    "%4).",
    "Was the bandwidth meant in MHz? Read as %1 MHz it is %2 kHz wide and gives Q %3 (model: %4)."};
inline constexpr Tri kWohlHz{
    "War die Bandbreite in Hz gemeint? Als %1 Hz gelesen ist sie %2 kHz breit und ergibt Q %3 (Modell: %4).",
    "La bande passante était-elle en Hz ? Lue comme %1 Hz, elle fait %2 kHz et donne un Q de %3 (modèle : %4).",
    "Was the bandwidth meant in Hz? Read as %1 Hz it is %2 kHz wide and gives Q %3 (model: %4)."};
// No other unit fits, the Q far below the model's: %1 the measured Q, %2 the model's.
inline constexpr Tri kVerlustreicher{
    "Die gemessene Bandbreite ergibt Q %1, das Modell %2: Die Loop verliert weit mehr, als das Modell "
    "annimmt. Übliche Ursachen sind Übergangswiderstände an Verbindungen und Klemmen, ein verlustreicher "
    "Kondensator, Verluste im Boden und Metall in der Nähe.",
    "La bande passante mesurée donne un Q de %1, le modèle %2 : la boucle perd bien plus que ne le suppose le "
    "modèle. Causes habituelles : résistances de contact aux jonctions et aux serrages, un condensateur à "
    "pertes, les pertes dans le sol et du métal à proximité.",
    "The measured bandwidth gives Q %1, the model %2: the loop loses far more than the model assumes. The "
    "usual causes are contact resistance at joints and clamps, a lossy capacitor, losses in the ground and "
    "metal nearby."};
// No other unit fits, the efficiency above 100 %: %1 the measured Q, %2 the Q of the radiation alone.
inline constexpr Tri kUnmoeglich{
    "Die gemessene Bandbreite ergibt Q %1, mehr als die Abstrahlung allein zulässt (höchstens %2): Die "
    "Messung kann nicht stimmen. Bitte die Einheit prüfen und das SWR, bei dem die Bandbreite abgelesen "
    "wurde.",
    "La bande passante mesurée donne un Q de %1, plus que le rayonnement seul ne le permet (au plus %2) : la "
    "mesure ne peut pas être juste. Vérifiez l'unité et le ROS auquel la bande a été relevée.",
    "The measured bandwidth gives Q %1, more than the radiation alone allows (at most %2): the measurement "
    "cannot be right. Please check the unit and the VSWR at which the bandwidth was read."};

// The sheet's own input that made a number overflow, after the fault's description.
inline constexpr Tri kUrsacheGuete{" (Kondensator-Güte Q)", " (Q du condensateur)", " (capacitor Q)"};
inline constexpr Tri kUrsacheErde{" (Erdverlust)", " (perte de sol)", " (ground loss)"};

// The loop the sheet computes, in words, above the table and in the report's heading,
// pieces joined: the shape's own piece with %1 the size (text/catalog/shape_texts.h),
// %2 the conductor's diameter, %3 the material, %4 the turns, %5 the coil's length
// (several turns only), %6 the power, %7 the size's unit, %8 the conductor's and the coil's.
inline constexpr Tri kSchleifeLeiter{", Leiter %2 %8 %3", ", conducteur %2 %8 %3", ", conductor %2 %8 %3"};
inline constexpr Tri kSchleifeWindung{", %4 Windung", ", %4 spire", ", %4 turn"};
inline constexpr Tri kSchleifeWindungen{", %4 Windungen", ", %4 spires", ", %4 turns"};
inline constexpr Tri kSchleifeSpule{" auf %5 %8 Länge", " sur %5 %8 de long", " over %5 %8"};
inline constexpr Tri kSchleifeLeistung{", Sendeleistung %6 W", ", puissance d'émission %6 W",
                                       ", transmitter power %6 W"};
inline constexpr Tri kSchleifeOhneLeistung{", ohne Sendeleistung", ", sans puissance d'émission",
                                           ", no transmitter power"};
inline constexpr Tri kSchleifeVorsatz{"Schleife: ", "Boucle : ", "Loop: "};

// The window's summary strip (joined by " · ") and measured result.
inline constexpr Zaehltext kZeilenGueltig{Formen{"Zeilen: %1 gültig", "Zeilen: %1 gültig"},
                                          Formen{"Lignes : %1 valable", "Lignes : %1 valables"},
                                          Formen{"Rows: %1 valid", "Rows: %1 valid"}};
inline constexpr Zaehltext kZeilenVerworfen{Formen{", %1 verworfen", ", %1 verworfen"},
                                            Formen{", %1 refusée", ", %1 refusées"},
                                            Formen{", %1 refused", ", %1 refused"}};
// After kZeilen when rows have no capacitor (C tune <= 0): they are no design.
inline constexpr Tri kZeilenOhneKondensator{", %1 ohne passenden Kondensator (C Kond. ≤ 0)",
                                            ", %1 sans condensateur possible (C accord ≤ 0)",
                                            ", %1 with no capacitor that fits (C tune ≤ 0)"};
// After the counts when the last row, TO, is less than a step after the one before it: %1 TO.
inline constexpr Tri kLetzteZeile{
    "; die letzte Zeile ist das Bereichsende %1 MHz, weniger als einen Schritt "
    "nach der vorletzten",
    "; la dernière ligne est la fin de plage %1 MHz, à moins d'un pas de "
    "l'avant-dernière",
    "; the last row is the range's end, %1 MHz, less than a step after the one before"};
// In place of the voltage, current and capacitor loss when the main window gives no power.
inline constexpr Tri kOhneLeistung{"Spannung und Strom brauchen eine Sendeleistung (im Hauptfenster)",
                                   "tension et courant demandent une puissance d'émission (fenêtre principale)",
                                   "voltage and current need a transmitter power (in the main window)"};
// Between a label and its value.
inline constexpr Tri kDoppelpunkt{": ", " : ", ": "};
// The capacitor's loss without a capacitor Q.
inline constexpr Tri kVerlustfrei{"verlustfrei angenommen (keine Güte)", "supposé sans pertes (aucun Q)",
                                  "taken as lossless (no Q given)"};
// A capacitor range when no row has a capacitor: %1 and %2 the range.
inline constexpr Tri kDecktUnbekannt{"Kondensator %1 bis %2 pF: ohne gültige Zeile unbekannt, was er abstimmt",
                                     "condensateur %1 à %2 pF : sans ligne valable, sa plage d'accord est inconnue",
                                     "capacitor %1 to %2 pF: with no valid row, what it tunes is unknown"};
inline constexpr Tri kCSpanneVorsatz{"C: ", "C : ", "C: "};  // then kCSpanne
inline constexpr Tri kVpeakMax{"Û max %1 V (%2 MHz)", "Û max %1 V (%2 MHz)", "V peak max %1 V (%2 MHz)"};
inline constexpr Tri kIrmsMax{"I eff max %1 A", "I eff max %1 A", "I rms max %1 A"};
inline constexpr Tri kPcapMaxNach{" max %1 W", " max %1 W", " max %1 W"};  // after kPKondensator
inline constexpr Tri kDeckt{"Kondensator deckt %1 bis %2 MHz", "le condensateur couvre %1 à %2 MHz",
                            "capacitor covers %1 to %2 MHz"};
// After kGemessenVorsatz: the result, or the refusal (%1).
inline constexpr Tri kGemessen{"Q %1, R %2 Ω (Modell %3 Ω, ungeklärt %4 Ω), η %5 %, %6 dBi",
                               "Q %1, R %2 Ω (modèle %3 Ω, inexpliqué %4 Ω), η %5 %, %6 dBi",
                               "Q %1, R %2 Ω (model %3 Ω, unexplained %4 Ω), η %5 %, %6 dBi"};
inline constexpr Tri kKeineMessung{"Keine gemessene Bandbreite angegeben.", "Aucune bande passante mesurée.",
                                   "No measured bandwidth given."};

// The chart: its curves (the legend and the value axes' titles), its frequency axis,
// the capacitor's limits as lines, and the read-out under the mouse.
inline constexpr Tri kKurveKapazitaet{"C Kondensator (pF)", "C condensateur (pF)", "C tune (pF)"};
inline constexpr Tri kKurveSpannung{"Û Kondensator (V)", "Û condensateur (V)", "V peak (V)"};
inline constexpr Tri kKurveWirkungsgrad{"η = Rr/R (%)", "η = Rr/R (%)", "η = Rr/R (%)"};
inline constexpr Tri kAchseFrequenz{"Frequenz (MHz)", "Fréquence (MHz)", "Frequency (MHz)"};
inline constexpr Tri kAchseKapazitaet{"C (pF)", "C (pF)", "C (pF)"};
inline constexpr Tri kAchseSpannung{"Û (V)", "Û (V)", "V peak (V)"};
inline constexpr Tri kAchseWirkungsgrad{"η (%)", "η (%)", "η (%)"};
inline constexpr Tri kLinieCmin{"Cmin", "Cmin", "Cmin"};
inline constexpr Tri kLinieCmax{"Cmax", "Cmax", "Cmax"};
inline constexpr Tri kLinieFestigkeit{"Spannungsfestigkeit", "tension admissible", "voltage rating"};
inline constexpr Tri kAblesung{"%1 MHz: C %2 pF, Û %3 V, η %4 %", "%1 MHz : C %2 pF, Û %3 V, η %4 %",
                               "%1 MHz: C %2 pF, V peak %3 V, η %4 %"};

// Exports and report.
inline constexpr Tri kCsvTitel{"Als CSV speichern", "Enregistrer en CSV", "Save as CSV"};
inline constexpr Tri kJsonTitel{"Als JSON speichern", "Enregistrer en JSON", "Save as JSON"};
inline constexpr Tri kNichtGespeichert{"Die Datei konnte nicht geschrieben werden.",
                                       "Le fichier n'a pas pu être écrit.", "The file could not be written."};
inline constexpr Tri kBerichtTitel{"Ringfeld: Abstimmbereich", "Ringfeld : plage d'accord", "Ringfeld: tuning range"};
inline constexpr Tri kBerichtSchleife{"Schleife (Hauptfenster)", "Boucle (fenêtre principale)", "Loop (main window)"};
inline constexpr Tri kBerichtEingaben{"Eingaben", "Entrées", "Inputs"};
inline constexpr Tri kBerichtErgebnis{"Zusammenfassung", "Résumé", "Summary"};
inline constexpr Tri kBerichtTabelle{"Tabelle", "Tableau", "Table"};
inline constexpr Tri kBerichtHinweise{"Hinweise", "Remarques", "Notes"};
// A field the window did not use: %1 why.
inline constexpr Tri kBerichtVerworfen{"nicht verwendet: %1", "non utilisé : %1", "not used: %1"};
// The main window's fields in the report: caption in words, with the unit.
inline constexpr Tri kBerichtForm{"Form", "Forme", "Shape"};
inline constexpr Tri kBerichtMaterial{"Material", "Matériau", "Material"};
inline constexpr Tri kBerichtUmfang{"Umfang (%1)", "Périmètre (%1)", "Circumference (%1)"};
inline constexpr Tri kBerichtLeiter{"Leiterdurchmesser (%1)", "Diamètre du conducteur (%1)", "Conductor diameter (%1)"};
inline constexpr Tri kBerichtWindungen{"Windungen", "Spires", "Turns"};
inline constexpr Tri kBerichtSpule{"Spulenlänge (%1)", "Longueur de la bobine (%1)", "Coil length (%1)"};
inline constexpr Tri kBerichtLeistung{"Sendeleistung (W)", "Puissance d'émission (W)", "Transmitter power (W)"};
inline constexpr Tri kBerichtSerie{"Zusätzlicher Reihenverlust (Ω)", "Perte série additionnelle (Ω)",
                                   "Additional series loss (Ω)"};
inline constexpr Tri kBerichtParallel{"Zusätzlicher Parallelverlust (kΩ)", "Perte parallèle additionnelle (kΩ)",
                                      "Additional parallel loss (kΩ)"};

// After kDeckt when a rating is given (VoltageCover): %1 the power (W), %2 the rating
// (V), %3 the parts that hold, each kDecktVonBis, joined by kDecktUnd.
inline constexpr Tri kDecktSpannungTeile{"; bei %1 W hält er die Festigkeit %2 V nur %3",
                                         " ; à %1 W, il ne tient sa tension admissible de %2 V que %3",
                                         "; at %1 W it keeps the %2 V rating only %3"};
inline constexpr Tri kDecktVonBis{"von %1 bis %2 MHz", "de %1 à %2 MHz", "from %1 to %2 MHz"};
inline constexpr Tri kDecktUnd{" und ", " et ", " and "};
inline constexpr Tri kDecktSpannungGanz{"; bei %1 W hält er die Festigkeit %2 V im ganzen Bereich",
                                        " ; à %1 W, il tient sa tension admissible de %2 V sur toute la plage",
                                        "; at %1 W it keeps the %2 V rating over the whole range"};
inline constexpr Tri kDecktSpannungNirgends{
    "; bei %1 W übersteigt die Spannung die Festigkeit %2 V im ganzen Bereich",
    " ; à %1 W, la tension dépasse la tension admissible de %2 V sur toute la plage",
    "; at %1 W the voltage exceeds the %2 V rating over the whole range"};
// Then, unless it holds everywhere: %1 the power (W) at which it holds over the whole range.
inline constexpr Tri kDecktLeistung{"; im ganzen Bereich bis %1 W", " ; sur toute la plage jusqu'à %1 W",
                                    "; over the whole range up to %1 W"};
// When the model refuses part of the range (VoltageCover::complete false).
inline constexpr Tri kDecktTeilsAbgelehnt{" (wo die Berechnung die Loop annimmt)",
                                          " (là où le calcul accepte la boucle)",
                                          " (where the calculation accepts the loop)"};

}  // namespace ringfeld::tuning::texte
