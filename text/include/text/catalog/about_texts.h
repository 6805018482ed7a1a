// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Catalogue: the Info box (the "?" menu's About): after the program's name and
// version, the platform; after the legal notice, the terms of use.

#include "text/language.h"

namespace ringfeld::texte {

inline constexpr Tri kPlattform{
    " für Linux und andere Qt-Plattformen.",
    " pour Linux et d'autres plates-formes Qt.",
    " for Linux and other Qt platforms.",
};

// The terms of use open with the licence (GPL-3.0-or-later, the LICENSE file).
inline constexpr Tri kNutzungsbedingungen{
    "Nutzungsbedingungen: Ringfeld ist freie Software unter der GNU General Public License, "
    "Version 3 oder (nach Ihrer Wahl) jeder späteren Version. Ringfeld ist ein Hilfsmittel zur "
    "Planung von Magnetantennen. "
    "Die Ergebnisse beruhen auf einem vereinfachten Modell und ersetzen keine Messung an der "
    "fertigen Antenne. Die Benutzung geschieht auf eigene Verantwortung; für Schäden, die aus "
    "der Verwendung der Ergebnisse entstehen, wird keine Haftung übernommen. Beachten Sie beim "
    "Senden die Hochspannung am Kondensator und die Grenzwerte für elektromagnetische Felder.",

    "Conditions d'utilisation : Ringfeld est un logiciel libre sous la licence publique générale "
    "GNU (GNU General Public License), version 3 ou (à votre choix) toute version ultérieure. "
    "Ringfeld est un outil d'aide à la conception d'antennes à boucle "
    "magnétique. Les résultats reposent sur un modèle simplifié et ne remplacent pas une mesure "
    "sur l'antenne terminée. Vous l'utilisez sous votre propre responsabilité ; aucune "
    "responsabilité n'est assumée pour les dommages résultant de l'emploi des résultats. En "
    "émission, tenez compte de la haute tension au condensateur et des valeurs limites "
    "d'exposition aux champs électromagnétiques.",

    "Terms of use: Ringfeld is free software under the GNU General Public License, version 3 or "
    "(at your option) any later version. Ringfeld is a planning aid for magnetic loop antennas. "
    "Its results come from "
    "a simplified model and do not replace measurements on the finished antenna. You use it at "
    "your own risk; no liability is accepted for damage arising from the use of its results. "
    "When transmitting, mind the high voltage at the capacitor and the limits for exposure to "
    "electromagnetic fields.",
};

}  // namespace ringfeld::texte
