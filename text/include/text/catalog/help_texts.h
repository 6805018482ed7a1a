// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Catalogue: the boxes of the help command (the "?" menu). The help document of
// each language is named in the language registry (language.h).

#include "text/language.h"

namespace ringfeld::texte {

// The document is missing: first line, the path, then these two lines.
inline constexpr Tri kDateiFehltVorPfad{"Die Datei ", "Le fichier ", "File "};
inline constexpr Tri kDateiFehltNachPfad{"ist nicht vorhanden!", "n'existe pas! ",
                                         "not found. File xyz does not exist!"};
inline constexpr Tri kDateiSelbstSuchen{"Bitte selbst nach der Datei suchen.",
                                        "Rechercher, SVP le fichier par vous-même. ", "Please look for the file."};
inline constexpr Tri kDateiFehltTitel{" Datei nicht gefunden ", " Fichier non trouvée! ", " File not found "};

// No application opens the document: this line, the next one, then the path.
inline constexpr Tri kKeinBetrachter{"Acrobat Reader o.ä. nicht gefunden!",
                                     "Acrobat Reader ou un logiciel équivalent n'a pas été trouvé.",
                                     "Acrobat Reader not found!"};
inline constexpr Tri kHilfeInDatei{"Hilfe finden Sie in der Datei ", "Vous trouverez de l'aide dans le document ",
                                   "For help use file "};
inline constexpr Tri kHilfeTitel{" Hilfe ", " Aide ", " Help "};

}  // namespace ringfeld::texte
