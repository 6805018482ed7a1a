// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Catalogue: the coupling window's boxes, its explanation of a range, the
// labels of its diagram and its print texts. Its captions are rows of the
// caption table (text/window_texts.cpp). Lines are separated by "\n"
// (ZeilenVerbinden joins them with the record's line break); every blank is
// part of the text.

#include <array>

#include "text/language.h"

namespace ringfeld::texte {

// Refusals of the calculate button (their line break is the box's own).
inline constexpr Tri kKeineLoop{"Es wurde noch keine Loop berechnet.\r\nBitte zuerst die Loop berechnen.",
                                "Aucune Loop n'a encore été calculée.\r\nVeuillez d'abord calculer la Loop.",
                                "No loop has been calculated yet.\r\nPlease calculate the loop first."};
inline constexpr Tri kVerhaeltnisUngueltig{"Das Verhältnis muss eine Zahl größer als 0 sein.",
                                           "Le rapport doit être un nombre supérieur à 0.",
                                           "The ratio must be a number greater than 0."};
inline constexpr Tri kKopplungNichtBerechenbar{"Mit diesen Werten lässt sich keine Ankoppelschleife berechnen.",
                                               "Avec ces valeurs, la boucle de couplage ne peut pas être calculée.",
                                               "No coupling loop can be calculated from these values."};

// The explanation of a range outcome; %1 is the circumference the coupling
// loop may need (twice the contact length, in cm).
inline constexpr Tri kBereichZusatz{
    "Es kann aber sein dass die Frequenz schon zu tief  \n"
    "ist und die Ankopplungsschleife einen Umfang von  \n"
    "etwa %1 haben muss oder eine andere  \n"
    "Ankopplungsart sinnvoller ist.  ",
    "Il est cependant  possible que la fréquence soit déjà trop basse \n"
    "et que la boucle de couplage devrait avoir un périmètre  \n"
    "de %1 ou qu'un autre type \n"
    "de couplage soit plus approprié.  ",
    "the frequency is to low ? \n"
    "the coupling loop needo a circimstance aof about  \n"
    "%1. A different method \n"
    "of coupling migth be more useful.  "};

// The box of a range outcome with a capacitance above 1000 pF: this advice,
// an empty line, the explanation.
inline constexpr Tri kBereichRat{
    "Die Berechnung bitte immer bei der tiefsten,\n"
    "maximal bei einer mittleren Frequenz durchführen. ",
    "Le calcul de la boucle de couplage doit toujours \n"
    "se faire sur la fréquence d'utilisation la plus basse, \n"
    "ou au maximum sur une fréquence médiane. ",
    "The calculation please always with the deepest, \n"
    "enforces at most with a middle frequency. "};
inline constexpr Tri kBereichTitel{"Ankoppelschleife nicht genau berechenbar ",
                                   "La boucle de couplage de peut pas être definie avec exactitude ",
                                   "Coupling loop cannot be exactly calculated. "};

// The note command's box; the last range explanation follows on a new line.
inline constexpr Tri kHinweisTitel{"Ankoppelschleife berechnen ", "Calculer la boucle de couplage ",
                                   "coupling loop Calkulator "};
inline constexpr Tri kHinweis{
    "Die Berechnung bitte immer bei der tiefsten,\n"
    "maximal bei einer mittleren Frequenz durchführen. \n"
    "\n"
    "Die Ankoppelschleife wird abgeglichen auf der     \n"
    "höchsten Frequenz der Loop mit dem Umfang und     \n"
    "auf der tiefsten Frequenz mit der Länge, mit der  \n"
    "die Schleife an der Loop direkt anliegt (Lka). \n",
    "Le calcul de la boucle de couplage doit toujours \n"
    "se faire sur la fréquence d'utilisation la plus basse,\n"
    "ou au maximum sur une fréquence médiane.\n"
    "\n"
    "L'ajustement de la boucle de couplage est défini par \n"
    "son périmètre qui est ajusté sur la fréquence\n"
    "d'utilisation la plus élevée et puis par sa longueur (Lccp),  \n"
    "partie en contact direct avec la Loop, qui est\n"
    "ajustée sur la fréquence d'utilisation la plus basse.\n",
    "The calculation please always with the deepest,\n"
    "enforces at most with a middle frequency. \n"
    "\n"
    "The Coupling loop becomes balanced Lka on the highest \n"
    "frequency of the Loop with the scope and on the deepest  \n"
    "frequency with the length, with which the bow lies \n"
    "flat directly on the Loop. \n"};

// The labels of the diagram, exactly as drawn (trailing blanks included), in
// drawing order: the coupling loop (two lines at the left), the contact length
// beside the dimension line, the main loop (two lines at the top right), the
// feed point (three lines at the right; German and French leave the third blank).
inline constexpr std::array<Tri, 8> kDiagrammBeschriftung{{
    {"Ankopplungs - ", "Boucle de       ", "Coupling         "},
    {"Schleife   ", "couplage ", "Loop      "},
    {"Lka  ", "Lccp", "Lka  "},
    {"Loop -                ", "Boucle principale", "Main -                 "},
    {"Schleife     ", "de la Loop", "Loop           "},
    {"Ein -    ", "Point d'", "Coax      "},
    {"speisung    ", "alimentation", "feeder        "},
    {"            ", "            ", "50 Ohm"},
}};

// The term for the contact length that Label3 shows beside its value.
inline constexpr Tri kKontaktlaenge{"Lka:", "Lccp:", "Lka:"};

// The print command: the box when printing fails, and the heading on paper,
// which is the part before, the program title, then the part after.
inline constexpr Tri kDruckFehlerKopplung{"Diese Seite kann nicht gedruckt werden.",
                                          "Cette page ne peut pas être imprimée", " This page cannot be printed."};
inline constexpr Tri kDruckKopfVorKopplung{"Kalvor ", "Kalvor  ", "Kalvor "};
inline constexpr Tri kDruckKopfNachKopplung{": Ankopplung", ": Bouble de couplage", ": Coupling loop"};

// Opened or shown while the main window's results belong to earlier inputs: the
// title's addition and the results' tooltip.
inline constexpr Tri kAusLetzterRechnung{"Werte der letzten Berechnung", "valeurs du dernier calcul",
                                         "values of the last calculation"};
inline constexpr Tri kAusLetzterRechnungHinweis{
    "Diese Werte stammen aus der letzten Berechnung; die Eingaben des Hauptfensters haben sich seither geändert. "
    "Loop (Strg+L) drücken, um neu zu rechnen.",
    "Ces valeurs proviennent du dernier calcul ; les entrées de la fenêtre principale ont changé depuis. "
    "Appuyez sur Loop (Ctrl+L) pour recalculer.",
    "These values come from the last calculation; the main window's inputs have changed since. "
    "Press Loop (Ctrl+L) to recalculate."};

}  // namespace ringfeld::texte
