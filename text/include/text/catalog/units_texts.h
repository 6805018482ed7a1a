// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The texts of the units choice: ringfeld-calc's --units and what reports and
// help say of the units lengths are in.

#include "text/language.h"

namespace ringfeld::texte {

inline constexpr Tri kHelpUnits{
    "Einheiten der Längen: metric (m, mm; Vorgabe) oder imperial (Fuß und Zoll: Schleife und Abstände in ft, "
    "Leiter und Spulenlänge in in; auch Brüche wie 7/8, 1 1/8, 3' 6\"). Die Texttabelle zeigt Längen darin; "
    "JSON und CSV bleiben in m und mm.",
    "Unités des longueurs : metric (m, mm ; par défaut) ou imperial (pieds et pouces : boucle et distances en "
    "ft, conducteur et longueur de bobine en in ; aussi des fractions comme 7/8, 1 1/8, 3' 6\"). Le tableau "
    "texte montre les longueurs dans ces unités ; JSON et CSV restent en m et mm.",
    "Units of lengths: metric (m, mm; default) or imperial (feet and inches: loop and distances in ft, "
    "conductor and coil length in in; fractions such as 7/8, 1 1/8, 3' 6\" too). The text table shows lengths "
    "in them; JSON and CSV stay in m and mm."};

// What a length option takes under --units imperial; %1 is its unit.
inline constexpr Tri kExpectImperial{"eine Länge in %1, etwa 3,5, 7/8, 1 1/8 oder 3' 6\"",
                                     "une longueur en %1, par exemple 3,5, 7/8, 1 1/8 ou 3' 6\"",
                                     "a length in %1, such as 3.5, 7/8, 1 1/8 or 3' 6\""};

// "lengths in ..." as a report or a table states them, then the units' captions.
inline constexpr Tri kLaengenIn{"Längen in ", "Longueurs en ", "Lengths in "};

// The list of common conductors beside the conductor field.
inline constexpr Tri kRohrListe{"Gängige Rohre und Kabel: Außendurchmesser einsetzen",
                                "Tubes et câbles courants : reprendre le diamètre extérieur",
                                "Common tubes and cables: use the outside diameter"};

}  // namespace ringfeld::texte
