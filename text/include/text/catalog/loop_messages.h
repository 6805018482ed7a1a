// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Catalogue: the calculation's refusals and the names of arithmetic faults,
// shown by the main window's boxes, ringfeld-calc and the tuning-range sheet.
// Lines are separated by "\n" (ZeilenVerbinden joins them with the record's
// line break); every blank and every line break is part of the text.

#include "text/language.h"

namespace ringfeld::texte {

// The input check: a field reads as no usable number.
inline constexpr Tri kUnrealeEingabe{
    "Unreale Werte!\n"
    "oder unvollständige Eingabe!",
    "Valeurs impossibles!\n"
    "ou données d'entrée incomplètes.",
    "Value unreal!\n"
    "or incomplete input!"};

// The length check: the conductor is as long as a half-wave dipole.
inline constexpr Tri kLeiterZuLang{
    "Unreale Werte!\n"
    "\n"
    "Die Länge des Leiters ist zu nahe an oder\n"
    "über der Länge eines Halbwellen-Dipols.",
    "Valeurs impossibles!\n"
    "\n"
    "La longueur du conducteur est trop proche ou supérieure\n"
    "à la longueur d'un dipôle demi-onde.",
    "Unrealistic datal!\n"
    "\n"
    "The length of the conductor is too close to\n"
    "or longer than a half-wave dipole."};

// The inductance check.
inline constexpr Tri kUnrealeInduktivitaet{"Unreale Werte!", "Valeurs impossibles! ", "Unrealistic data!"};

// The capacitance check: the self-capacitance reaches the total capacitance.
inline constexpr Tri kEigenkapazitaetZuGross{
    "Unreale Werte!\n"
    "\n"
    "Die Frequenz für diese Berechnung ist zu hoch angesetzt! \n"
    "Die Eigenkapazität der Loop erreicht oder überschreitet die \n"
    "Größe der Gesamtkapazität. Dabei sind Schaltkapazitäten \n"
    "noch nicht berücksichtigt.",
    "Valeurs impossibles!\n"
    "\n"
    "La fréquence pour le calcul est trop élevée! La capacité\n"
    "propre de la Loop atteind ou dépasse la valeur \n"
    "de la capacité de l'ensemble. De plus, les capacités \n"
    "de connection ne sont pas encore prises en compte.",
    "Unrealistic data!\n"
    "\n"
    "The frequency for this calculation is exeedingly high! \n"
    "The inherent capacitence of the loop reaches \n"
    "Exeeds teh total capacity."};

// Added to the capacitance refusal of a loop of several turns, after an empty line.
inline constexpr Tri kWindungsabstandHinweis{
    "Es besteht auch die Möglichkeit den Abstand der Windungen   \n"
    "(Länge) zu vergrößern.",
    "Il est également possible d'augmenter la distance  \n"
    "de séparation des boucles (longueur)",
    "There is also the possibilty to increase the distance between   \n"
    "the turns of the wire."};

// Arithmetic faults.
inline constexpr Tri kDivisionDurchNull{"Division durch Null", "Division par zéro", "Division by zero"};
inline constexpr Tri kUeberlauf{"Überlauf", "Dépassement de capacité", "Overflow"};
inline constexpr Tri kUngueltigeGleitkommaoperation{
    "Ungültige Gleitkommaoperation", "Opération en virgule flottante non valide", "Invalid floating-point operation"};
inline constexpr Tri kUngueltigesArgument{"Unzulässiger Prozeduraufruf oder ungültiges Argument",
                                          "Appel de procédure ou argument incorrect",
                                          "Invalid procedure call or argument"};

}  // namespace ringfeld::texte
