// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Catalogue: the tuning-range sheet's texts, those of its window and those
// ringfeld-calc --tuning shares with it (the flags and the common pieces of the
// summary). The window's captions are rows of the caption table
// (text/sprach_texte.cpp); the column headings are with the columns.

#include <array>

#include "core/tuning_sheet.h"
#include "text/language.h"

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
inline constexpr Tri kEingabenPruefen{"Bitte die rot begründeten Eingaben prüfen.",
                                      "Veuillez vérifier les entrées signalées en rouge.",
                                      "Please check the inputs with a reason in red."};
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
inline constexpr std::array<FlagEintrag, 7> kFlagTexte{{
    {Flag::RrFormulaRange,
     {"Rr-Formel außerhalb ihres Bereichs (N U / λ > 0,1)", "formule de Rr hors de son domaine (N U / λ > 0,1)",
      "Rr formula out of its range (N U / λ > 0.1)"}},
    {Flag::SelfCapacitance,
     {"Eigenkapazität >= Kondensator", "capacité propre >= condensateur", "self-capacitance >= capacitor"}},
    {Flag::NoCapacitorFits, {"kein Kondensator passt", "aucun condensateur ne convient", "no capacitor fits"}},
    {Flag::ProximityClamped,
     {"Proximity-Tabelle am Rand", "table de proximité à sa limite", "proximity table at its edge"}},
    {Flag::CapacitorRange,
     {"außerhalb des Kondensatorbereichs", "hors de la plage du condensateur", "outside the capacitor's range"}},
    {Flag::CapacitorVoltage,
     {"Spannung über der Festigkeit", "tension au-delà de la valeur admissible", "voltage above the rating"}},
    {Flag::NarrowerThanModel, {"schmaler als das Modell", "plus étroite que le modèle", "narrower than the model"}},
}};

// Pieces of the summary that the window's strip and ringfeld-calc's summary
// lines share: the tuning capacitance's span (%1 pF at %2 MHz to %3 pF at
// %4 MHz), the capacitor's power, and the start of the measured result.
inline constexpr Tri kCSpanne{"%1 pF (%2 MHz) bis %3 pF (%4 MHz)", "%1 pF (%2 MHz) à %3 pF (%4 MHz)",
                              "%1 pF (%2 MHz) to %3 pF (%4 MHz)"};
inline constexpr Tri kPKondensator{"P Kondensator", "P condensateur", "P capacitor"};
inline constexpr Tri kGemessenVorsatz{"Gemessen: ", "Mesuré : ", "Measured: "};

// The window's summary strip (joined by " · ") and measured result.
inline constexpr Tri kZeilen{"Zeilen: %1 gültig, %2 verworfen", "Lignes : %1 valables, %2 refusées",
                             "Rows: %1 ok, %2 refused"};
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

// The chart: its curves (the legend) and its frequency axis.
inline constexpr Tri kKurveKapazitaet{"C Kondensator (pF)", "C condensateur (pF)", "C tune (pF)"};
inline constexpr Tri kKurveSpannung{"Û Kondensator (V)", "Û condensateur (V)", "V peak (V)"};
inline constexpr Tri kKurveWirkungsgrad{"η = Rr/R (%)", "η = Rr/R (%)", "η = Rr/R (%)"};
inline constexpr Tri kAchseFrequenz{"Frequenz (MHz)", "Fréquence (MHz)", "Frequency (MHz)"};

// Exports and report.
inline constexpr Tri kCsvTitel{"Als CSV speichern", "Enregistrer en CSV", "Save as CSV"};
inline constexpr Tri kJsonTitel{"Als JSON speichern", "Enregistrer en JSON", "Save as JSON"};
inline constexpr Tri kNichtGespeichert{"Die Datei konnte nicht geschrieben werden.",
                                       "Le fichier n'a pas pu être écrit.", "The file could not be written."};
inline constexpr Tri kBerichtTitel{"Ringfeld: Abstimmbereich", "Ringfeld : plage d'accord", "Ringfeld: tuning range"};
inline constexpr Tri kBerichtSchleife{"Schleife", "Boucle", "Loop"};
inline constexpr Tri kBerichtEingaben{"Eingaben", "Entrées", "Inputs"};
inline constexpr Tri kBerichtErgebnis{"Zusammenfassung", "Résumé", "Summary"};

}  // namespace ringfeld::tuning::texte
