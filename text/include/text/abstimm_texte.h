// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The tuning-range window's texts that are put together at run time: reasons
// beside the fields, column headings, flag names, the summary and the report.
// The captions of its controls are in the program's text table (ui/sprach_texte.cpp).

#include "text/language.h"
#include "core/tuning_sheet.h"
#include "text/messages.h"

namespace ringfeld::tuning {

// The refusal of a row, or of the measured frequency, on one line in `lang`.
inline std::string ZeilenMeldung(const Sheet& sheet, Ending ending, std::optional<Fault> fault, Language lang) {
    return AbbruchZeile(ending, fault, sheet.loop.N.wert, lang);
}

}  // namespace ringfeld::tuning

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

// Flags: a short explanation for the tooltip of a marked cell.
constexpr Tri FlagText(Flag flag) {
    switch (flag) {
        case Flag::RrFormulaRange:
            return {"Strahlungsformel außerhalb ihres Bereichs (N·U/λ > 0,1)",
                    "formule de rayonnement hors de son domaine (N·U/λ > 0,1)",
                    "radiation formula outside its range (N·U/λ > 0.1)"};
        case Flag::SelfCapacitance:
            return {"Eigenkapazität so groß wie der Kondensator", "capacité propre aussi grande que le condensateur",
                    "self-capacitance as large as the capacitor"};
        case Flag::NoCapacitorFits:
            return {"kein Kondensator passt (C ≤ 0)", "aucun condensateur ne convient (C ≤ 0)",
                    "no capacitor fits (C ≤ 0)"};
        case Flag::ProximityClamped:
            return {"Näherungstabelle am Rand begrenzt", "table de proximité limitée au bord",
                    "proximity table clamped at its edge"};
        case Flag::CapacitorRange:
            return {"außerhalb des Kondensatorbereichs", "hors de la plage du condensateur",
                    "outside the capacitor's range"};
        case Flag::CapacitorVoltage:
            return {"über der Spannungsfestigkeit", "au-dessus de la tension de service", "above the voltage rating"};
        case Flag::NarrowerThanModel:
            return {"schmaler als das Modell", "plus étroite que le modèle", "narrower than the model"};
    }
    return {"", "", ""};
}

// Summary strip and measured result.
inline constexpr Tri kZeilen{"Zeilen: %1 gültig, %2 verworfen", "Lignes : %1 valables, %2 refusées",
                             "Rows: %1 ok, %2 refused"};
inline constexpr Tri kCtuneSpanne{"C: %1 pF (%2 MHz) bis %3 pF (%4 MHz)", "C : %1 pF (%2 MHz) à %3 pF (%4 MHz)",
                                  "C: %1 pF (%2 MHz) to %3 pF (%4 MHz)"};
inline constexpr Tri kVpeakMax{"Û max %1 V (%2 MHz)", "Û max %1 V (%2 MHz)", "V peak max %1 V (%2 MHz)"};
inline constexpr Tri kIrmsMax{"I eff max %1 A", "I eff max %1 A", "I rms max %1 A"};
inline constexpr Tri kPcapMax{"P Kondensator max %1 W", "P condensateur max %1 W", "P capacitor max %1 W"};
inline constexpr Tri kDeckt{"Kondensator deckt %1 bis %2 MHz", "le condensateur couvre %1 à %2 MHz",
                            "capacitor covers %1 to %2 MHz"};
inline constexpr Tri kGemessen{"Gemessen: Q %1, R %2 Ω (Modell %3 Ω, ungeklärt %4 Ω), η %5 %, %6 dBi",
                               "Mesuré : Q %1, R %2 Ω (modèle %3 Ω, inexpliqué %4 Ω), η %5 %, %6 dBi",
                               "Measured: Q %1, R %2 Ω (model %3 Ω, unexplained %4 Ω), η %5 %, %6 dBi"};
inline constexpr Tri kGemessenVerworfen{"Gemessen: %1", "Mesuré : %1", "Measured: %1"};
inline constexpr Tri kKeineMessung{"Keine gemessene Bandbreite angegeben.", "Aucune bande passante mesurée.",
                                   "No measured bandwidth given."};

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
