// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Catalogue: the texts of design files (File menu, ringfeld-calc --design and
// --save-design): why a file cannot be opened or saved, the question before a
// design with unsaved changes is lost, the file dialogs. "%1" ... are the place
// markers QString::arg fills, all in one pass.

#include "text/language.h"

namespace ringfeld::design::texte {

// ---- a file that cannot be opened: the sentence, then one of the reasons below

inline constexpr Tri kNichtGeoeffnet{"Die Datei „%1“ kann nicht geöffnet werden: %2",
                                     "Impossible d'ouvrir le fichier « %1 » : %2",
                                     "The file \"%1\" cannot be opened: %2"};

inline constexpr Tri kFehlt{"sie existiert nicht.", "il n'existe pas.", "it does not exist."};
inline constexpr Tri kOrdner{"das ist ein Ordner.", "c'est un dossier.", "it is a folder."};
// %1: the system's reason.
inline constexpr Tri kNichtLesbar{"sie kann nicht gelesen werden (%1).", "il ne peut pas être lu (%1).",
                                  "it cannot be read (%1)."};
inline constexpr Tri kZuGross{"sie ist größer als 1 MiB.", "il dépasse 1 Mio.", "it is larger than 1 MiB."};
// What is not a design says so first, the technical detail after it. %1: the byte
// where the reading stopped, counted from 0.
inline constexpr Tri kKeinJson{"sie ist keine Ringfeld-Loop-Datei (kein gültiges JSON, Fehler bei Byte %1).",
                               "ce n'est pas un fichier de boucle Ringfeld (JSON non valide, erreur à l'octet %1).",
                               "it is not a Ringfeld design file (not valid JSON, error at byte %1)."};
inline constexpr Tri kKeinEntwurf{
    "sie ist keine Ringfeld-Loop-Datei (\"format\" ist nicht \"ringfeld-design\").",
    "ce n'est pas un fichier de boucle Ringfeld (\"format\" n'est pas \"ringfeld-design\").",
    "it is not a Ringfeld design file (\"format\" is not \"ringfeld-design\")."};
// %1: the file's version.
inline constexpr Tri kNeuereVersion{
    "sie hat die Formatversion %1; dieses Ringfeld liest bis Version %2. Ein neueres Ringfeld öffnet sie.",
    "il est au format de version %1 ; ce Ringfeld lit jusqu'à la version %2. Un Ringfeld plus récent l'ouvrira.",
    "it has format version %1; this Ringfeld reads up to version %2. A newer Ringfeld will open it."};
inline constexpr Tri kFalscheVersion{"\"version\" muss eine ganze Zahl ab 1 sein.",
                                     "\"version\" doit être un entier à partir de 1.",
                                     "\"version\" must be a whole number from 1."};
// %1: the key, e.g. "loop" or "loop.diameter".
inline constexpr Tri kKeinObjekt{"\"%1\" muss ein Objekt sein ({ ... }).", "\"%1\" doit être un objet ({ ... }).",
                                 "\"%1\" must be an object ({ ... })."};
inline constexpr Tri kKeinText{"\"%1\" muss ein Text in Anführungszeichen sein.",
                               "\"%1\" doit être un texte entre guillemets.", "\"%1\" must be a text in quotes."};
inline constexpr Tri kZuLang{"\"%1\" ist länger als 1000 Zeichen.", "\"%1\" dépasse 1000 caractères.",
                             "\"%1\" is longer than 1000 characters."};
// %1: the key, %2: the values it takes.
inline constexpr Tri kKeinWert{"\"%1\" muss einer dieser Werte sein: %2.",
                               "\"%1\" doit être l'une de ces valeurs : %2.",
                               "\"%1\" must be one of these values: %2."};

// A file of the recent list that has gone, after the sentence above.
inline constexpr Tri kAusListeEntfernt{"Sie wurde aus der Liste der zuletzt geöffneten Dateien entfernt.",
                                       "Il a été retiré de la liste des fichiers récents.",
                                       "It has been removed from the list of recent files."};

// ---- a file that cannot be saved; %2: the system's reason

inline constexpr Tri kNichtGespeichert{"Die Datei „%1“ kann nicht gespeichert werden: %2",
                                       "Impossible d'enregistrer le fichier « %1 » : %2",
                                       "The file \"%1\" cannot be saved: %2"};

// ---- unsaved changes: the question and its three answers; %1: the file's name

inline constexpr Tri kAenderungenSpeichern{"Die Änderungen an „%1“ speichern?",
                                           "Enregistrer les modifications de « %1 » ?", "Save the changes to \"%1\"?"};
inline constexpr Tri kSpeichern{"&Speichern", "&Enregistrer", "&Save"};
inline constexpr Tri kVerwerfen{"&Verwerfen", "&Ne pas enregistrer", "&Discard"};
inline constexpr Tri kAbbrechen{"Abbrechen", "Annuler", "Cancel"};

// ---- the file dialogs

inline constexpr Tri kOeffnenTitel{"Loop öffnen", "Ouvrir une boucle", "Open a loop"};
inline constexpr Tri kSpeichernTitel{"Loop speichern unter", "Enregistrer la boucle sous", "Save the loop as"};
inline constexpr Tri kDateiFilter{"Ringfeld-Loop (*.ringfeld)", "Boucle Ringfeld (*.ringfeld)",
                                  "Ringfeld loop (*.ringfeld)"};
// The name a design that has none is offered under.
inline constexpr Tri kNeuerName{"Loop.ringfeld", "Boucle.ringfeld", "Loop.ringfeld"};

// ---- File / Properties: the design's note

inline constexpr Tri kEigenschaftenTitel{"Eigenschaften", "Propriétés", "Properties"};
inline constexpr Tri kNotiz{
    "&Notiz (wird mit der Loop gespeichert):", "&Note (enregistrée avec la boucle) :", "&Note (saved with the loop):"};

}  // namespace ringfeld::design::texte
