// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Catalogue: the main window's texts that are not captions of a control (those
// are rows of the caption table, text/window_texts.cpp): the titles of every
// window's message boxes, the tooltip of the capacitance and the print texts.

#include "text/language.h"

namespace ringfeld::texte {

// Titles of the message boxes; the program title also follows the callsign
// prefix in the main window's caption.
inline constexpr Tri kProgrammTitel{" Ringfeld ", "Ringfeld", "Ringfeld"};
inline constexpr Tri kFehlerTitel{" Fehler ", " Erreur ", " Error "};

// The tooltip of lbC starts with this, then the capacitance and " pF ".
inline constexpr Tri kTooltipKondensator{" Schwingkreiskondensator ", " Condensateur du circuit d'oscillation ",
                                         " Voltage dinder "};

// The print command: the box when printing fails, and the heading on paper,
// which is the part before, the program title, then the part after.
inline constexpr Tri kDruckFehlerHaupt{"Das Formular kann nicht gedruckt werden.",
                                       "Ce formulaire ne peut pas être imprimé", "The form cannot be printed."};
inline constexpr Tri kDruckKopfVorHaupt{"Kalvor ", "Kalvor  ", "Kalvor  "};
inline constexpr Tri kDruckKopfNachHaupt{": Loop ", ": Loop", ": Loop"};

// The results after a field or list changed, until the next calculation: the status
// line and the results' tooltip.
inline constexpr Tri kErgebnisseVeraltet{
    "Ergebnisse der vorigen Eingaben: Loop (Strg+L) drücken, um neu zu rechnen",
    "Résultats des entrées précédentes : appuyez sur Loop (Ctrl+L) pour recalculer",
    "Results of the previous inputs: press Loop (Ctrl+L) to recalculate"};

}  // namespace ringfeld::texte
