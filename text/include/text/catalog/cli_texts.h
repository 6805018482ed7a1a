// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Catalogue: ringfeld-calc's texts: its help, the help of each option, its usage
// errors, the headings of its table of rows and the summary of --tuning. The
// flags and the pieces of the summary it shares with the tuning-range window
// are in tuning_texts.h. "%1" ... are the place markers QString::arg fills.

#include <array>
#include <optional>
#include <string_view>

#include "text/language.h"
#include "text/length_units.h"

namespace ringfeld::cli::texte {

// ---- --help

inline constexpr Tri kUsage{"Aufruf: ringfeld-calc [Optionen]", "Usage : ringfeld-calc [options]",
                            "Usage: ringfeld-calc [options]"};
inline constexpr Tri kOptionsHeading{"Optionen:", "Options :", "Options:"};

inline constexpr Tri kDescription{
    "Ringfeld-Loop-Rechner: berechnet eine kleine magnetische Sendeloop aus denselben Eingaben wie das\n"
    "Hauptfenster, eine Zeile je Frequenz. Zahlen sind schlicht: Vorzeichen nach Wahl, Ziffern mit einem\n"
    "Dezimalpunkt oder -komma, Exponent nach Wahl (2,25  2.25  1.5e3); sonst nichts.",
    "Calculateur de Loop Ringfeld : calcule une petite boucle magnétique d'émission à partir des mêmes\n"
    "entrées que la fenêtre principale, une ligne par fréquence. Les nombres sont simples : signe facultatif,\n"
    "chiffres avec un point ou une virgule décimale, exposant facultatif (2,25  2.25  1.5e3) ; rien d'autre.",
    "Ringfeld loop calculator: computes a small transmitting magnetic loop from the same inputs as the\n"
    "main window, one row per frequency. Numbers are plain: optional sign, digits with one decimal point\n"
    "or comma, optional exponent (2,25  2.25  1.5e3); nothing else."};

inline constexpr Tri kExitStatus{
    "Rückgabewert:\n"
    "  0  jede Zeile wurde berechnet, samt Koppelschleife\n"
    "  1  eine Zeile wurde von den Prüfungen der Berechnung abgelehnt oder ist gescheitert,\n"
    "     oder ihre Koppelschleife wurde abgelehnt; mit --find: keine Loop erfüllt die Bedingungen;\n"
    "     oder --save-design konnte nicht speichern, oder die Ausgabe ließ sich nicht schreiben\n"
    "  2  Aufruffehler: unbekannte Option, ein Wert außerhalb seiner Form oder seines Bereichs,\n"
    "     oder eine Loop-Datei, die nicht gelesen werden kann\n",
    "Code de sortie :\n"
    "  0  chaque ligne a été calculée, avec sa boucle de couplage\n"
    "  1  une ligne a été refusée par les contrôles du calcul ou a échoué,\n"
    "     ou sa boucle de couplage a été refusée ; avec --find : aucune boucle ne convient ;\n"
    "     ou --save-design n'a pas pu enregistrer, ou la sortie n'a pas pu être écrite\n"
    "  2  erreur d'appel : option inconnue, valeur hors de sa forme ou de son domaine,\n"
    "     ou fichier de boucle illisible\n",
    "Exit status:\n"
    "  0  every row was calculated, with its coupling loop\n"
    "  1  a row was refused by the calculation's checks or faulted,\n"
    "     or its coupling loop was refused; with --find: no loop qualifies;\n"
    "     or --save-design could not save, or the output could not be written\n"
    "  2  usage error: an unknown option, a value outside its form or range,\n"
    "     or a design file that cannot be read\n"};

// A write to the standard output that failed (a full disk, /dev/full); %1: the system's reason.
inline constexpr Tri kAusgabeVerloren{"Die Ausgabe konnte nicht geschrieben werden: %1",
                                      "Impossible d'écrire la sortie : %1", "The output could not be written: %1"};

inline constexpr Tri kBugs{"Fehler bitte melden unter: https://github.com/ringfeld/ringfeld/issues\n",
                           "Signaler les erreurs : https://github.com/ringfeld/ringfeld/issues\n",
                           "Report bugs to: https://github.com/ringfeld/ringfeld/issues\n"};

// ---- the help of each option

inline constexpr Tri kHelpHelp{"Diese Hilfe zeigen und beenden.", "Afficher cette aide et quitter.",
                               "Show this help and exit."};
inline constexpr Tri kHelpVersion{"Die Version zeigen und beenden.", "Afficher la version et quitter.",
                                  "Show the version and exit."};

// The numeric options of the loop; with --design their defaults are the file's.
inline constexpr Tri kHelpDiameter{
    "Durchmesser der Loop, bei quadratischer Loop die Seitenlänge, bei Acht- und Sechseck die Breite über "
    "Flächen, in m (> 0; Vorgabe 2,25).",
    "Diamètre de la boucle, ou côté d'une boucle carrée, ou largeur sur plats d'un octogone ou hexagone, en "
    "m (> 0 ; par défaut 2,25).",
    "Loop diameter, or side length of a square loop, or width across flats of an octagon or hexagon, in m "
    "(> 0; default 2.25)."};
inline constexpr Tri kHelpCircumference{
    "Umfang einer Windung in m (> 0; Vorgabe 7,069). Allein angegeben, folgt Durchmesser oder Umfang "
    "aus dem anderen wie im Fenster.",
    "Périmètre d'une spire en m (> 0 ; par défaut 7,069). Donné seul, le diamètre ou le périmètre "
    "découle de l'autre comme dans la fenêtre.",
    "Circumference of one turn in m (> 0; default 7.069). Given alone, diameter or circumference is "
    "derived from the other as the window does."};
inline constexpr Tri kHelpConductor{"Leiterdurchmesser in mm (> 0; Vorgabe 12).",
                                    "Diamètre du conducteur en mm (> 0 ; par défaut 12).",
                                    "Conductor diameter in mm (> 0; default 12)."};
inline constexpr Tri kHelpTurns{
    "Anzahl der Windungen (> 0; Vorgabe 1). Mit --find: eine Liste ganzer Zahlen, durch Kommas getrennt "
    "(Vorgabe 1,2,3).",
    "Nombre de spires (> 0 ; par défaut 1). Avec --find : une liste d'entiers séparés par des virgules "
    "(par défaut 1,2,3).",
    "Number of turns (> 0; default 1). With --find: a list of whole numbers separated by commas (default 1,2,3)."};
inline constexpr Tri kHelpLength{
    "Spulenlänge in mm, Mitte der ersten bis Mitte der letzten Windung (>= 0; Vorgabe: wie im Fenster "
    "auf das Mindestmaß für die Windungen angehoben).",
    "Longueur de la bobine en mm, du centre de la première au centre de la dernière spire (>= 0 ; par "
    "défaut : portée au minimum pour les spires, comme dans la fenêtre).",
    "Coil length in mm, centre of the first to centre of the last turn (>= 0; default: raised to the "
    "minimum for the turns, as the window does)."};
inline constexpr Tri kHelpFrequency{"Betriebsfrequenz in MHz (> 0; Vorgabe 14,4); auch mehrfach.",
                                    "Fréquence de travail en MHz (> 0 ; par défaut 14,4) ; peut être répétée.",
                                    "Operating frequency in MHz (> 0; default 14.4); may be given several times."};
inline constexpr Tri kHelpPower{"Sendeleistung in W (> 0; Vorgabe 100).",
                                "Puissance d'émission en W (> 0 ; par défaut 100).",
                                "Transmitter power in W (> 0; default 100)."};
inline constexpr Tri kHelpSeriesLoss{"Zusätzlicher Reihenverlust in Ohm (>= 0; Vorgabe 0,05).",
                                     "Perte série additionnelle en Ohm (>= 0 ; par défaut 0,05).",
                                     "Additional series loss in Ohm (>= 0; default 0.05)."};
inline constexpr Tri kHelpParallelLoss{"Zusätzlicher Parallelverlust in kOhm (> 0; Vorgabe 10000).",
                                       "Perte parallèle additionnelle en kOhm (> 0 ; par défaut 10000).",
                                       "Additional parallel loss in kOhm (> 0; default 10000)."};
inline constexpr Tri kHelpRatio{
    "Verhältnis von Hauptloop zu Koppelschleife (> 0; Vorgabe 4,05; 4,50 offener Balkon oder Garten; "
    "4,95 freistehend).",
    "Rapport de la boucle principale à la boucle de couplage (> 0 ; par défaut 4,05 ; 4,50 balcon ouvert "
    "ou jardin ; 4,95 dégagée).",
    "Ratio of main loop to coupling loop (> 0; default 4.05; 4.50 open balcony or garden; 4.95 "
    "free-standing)."};

// The other options, after the numeric ones.
inline constexpr Tri kHelpSweep{"Frequenzen VON:BIS:SCHRITT in MHz, BIS eingeschlossen; auch mehrfach.",
                                "Fréquences DE:À:PAS en MHz, À compris ; peut être répétée.",
                                "Frequencies FROM:TO:STEP in MHz, TO included; may be given several times."};
inline constexpr Tri kHelpShape{
    "Form der Loop: Kreis, Quadrat, Achteck, Sechseck, circulaire, carrée, octogone, hexagone, Circle, "
    "Square, Octagon, Hexagon, in beliebiger Schreibung (Vorgabe: der Kreis der Sprache).",
    "Forme de la boucle : Kreis, Quadrat, Achteck, Sechseck, circulaire, carrée, octogone, hexagone, "
    "Circle, Square, Octagon, Hexagon, majuscules ou minuscules (par défaut : le cercle de la langue).",
    "Loop shape: Kreis, Quadrat, Achteck, Sechseck, circulaire, carrée, octogone, hexagone, Circle, "
    "Square, Octagon, Hexagon, in any case (default: the circle of the language)."};
inline constexpr Tri kHelpMaterial{
    "Leiter: Cu, Al, Fe, Ag, Zn, Messing, Laiton, brass, in beliebiger Schreibung (Vorgabe Cu).",
    "Conducteur : Cu, Al, Fe, Ag, Zn, Messing, Laiton, brass, majuscules ou minuscules (par défaut Cu).",
    "Conductor: Cu, Al, Fe, Ag, Zn, Messing, Laiton, brass, in any case (default Cu)."};
inline constexpr Tri kHelpLang{
    "Sprache von Tabelle, Meldungen und Hilfe: deutsch, französisch, englisch oder de, fr, en "
    "(Vorgabe: die gespeicherte Sprache des Programms, sonst deutsch).",
    "Langue du tableau, des messages et de l'aide : deutsch, französisch, englisch ou de, fr, en "
    "(par défaut : la langue enregistrée du programme, sinon deutsch).",
    "Language of the table, the messages and this help: deutsch, französisch, englisch or de, fr, en "
    "(default: the program's stored language, else deutsch)."};
inline constexpr Tri kHelpFormat{"Ausgabe: text (Tabelle), json oder csv (Vorgabe text).",
                                 "Sortie : text (tableau), json ou csv (par défaut text).",
                                 "Output: text (a table), json or csv (default text)."};
inline constexpr Tri kHelpAsTyped{
    "Jeden Wert lesen, wie das Fenster seine Felder liest (die führende Zahl zählt, &H, Leerzeichen "
    "überall), ohne Bereichsregeln: die Prüfungen der Berechnung entscheiden. Text und JSON wie bisher, "
    "JSON ohne values.",
    "Lire chaque valeur comme la fenêtre lit ses champs (le nombre en tête compte, &H, espaces partout), "
    "sans règles de domaine : les contrôles du calcul décident. Texte et JSON comme avant, JSON sans "
    "values.",
    "Read every value as the window reads its fields (the leading number counts, &H, blanks anywhere), "
    "with no range rules: the calculation's own checks decide. Text and JSON as before, JSON without "
    "values."};
inline constexpr Tri kHelpDesign{
    "Die Eingaben aus dieser Loop-Datei (.ringfeld, wie das Fenster sie speichert) nehmen: Felder, Form, "
    "Material, Verhältnis, mit --tuning auch die Angaben des Abstimmbereichs; jede Option überschreibt ihr "
    "Feld. --tuning ohne Wert nimmt dann auch den Bereich aus der Datei.",
    "Prendre les entrées de ce fichier de boucle (.ringfeld, tel que la fenêtre l'enregistre) : champs, "
    "forme, matériau, rapport, avec --tuning aussi celles de la plage d'accord ; chaque option remplace son "
    "champ. --tuning sans valeur prend alors aussi la plage du fichier.",
    "Take the inputs from this design file (.ringfeld, as the window saves it): fields, shape, material, "
    "ratio, with --tuning also the tuning range's inputs; each option given overrides its field. --tuning "
    "without a value then takes the range from the file too."};
inline constexpr Tri kHelpSaveDesign{
    "Die Eingaben als Loop-Datei speichern, statt zu rechnen: nach den Regeln der Optionen, mit --as-typed "
    "wie angegeben; die Frequenz ist die der ersten Zeile.",
    "Enregistrer les entrées comme fichier de boucle au lieu de calculer : selon les règles des options, "
    "avec --as-typed telles que données ; la fréquence est celle de la première ligne.",
    "Save the inputs as a design file instead of calculating: read by the options' rules, with --as-typed "
    "as given; the frequency is the first row's."};

// --tuning and the sheet's options.
inline constexpr Tri kHelpTuning{
    "Abstimmbereich: Frequenzen VON:BIS:SCHRITT in MHz, BIS eingeschlossen, mit Kondensator, Spannung, Strom "
    "und Wirkungsgrad samt Kondensator-, Erd- und Proximityverlust je Frequenz; nicht mit --frequency oder "
    "--sweep.",
    "Plage d'accord : fréquences DE:À:PAS en MHz, À compris, avec condensateur, tension, courant et rendement, "
    "pertes du condensateur, du sol et de proximité comprises, par fréquence ; pas avec --frequency ni --sweep.",
    "Tuning range: frequencies FROM:TO:STEP in MHz, TO included, with capacitor, voltage, current and "
    "efficiency including capacitor, ground and proximity losses per frequency; not with --frequency or "
    "--sweep."};
inline constexpr Tri kHelpCapQ{
    "Mit --tuning oder --find: Güte des Kondensators (> 0; Vorgabe: verlustfrei).",
    "Avec --tuning ou --find : facteur de qualité du condensateur (> 0 ; par défaut : sans pertes).",
    "With --tuning or --find: the capacitor's Q (> 0; default: lossless)."};
inline constexpr Tri kHelpGroundRatio{
    "Mit --tuning oder --find: Erdverlust als Vielfaches des Strahlungswiderstands (>= 0; Vorgabe 0).",
    "Avec --tuning ou --find : perte du sol en multiple de la résistance de rayonnement (>= 0 ; par défaut 0).",
    "With --tuning or --find: ground loss as a multiple of the radiation resistance (>= 0; default 0)."};
inline constexpr Tri kHelpStrayC{
    "Mit --tuning oder --find: Streu- und Leitungskapazität in pF (>= 0; Vorgabe 0).",
    "Avec --tuning ou --find : capacité parasite et de câblage en pF (>= 0 ; par défaut 0).",
    "With --tuning or --find: stray and wiring capacitance in pF (>= 0; default 0)."};
inline constexpr Tri kHelpCapRange{
    "Mit --tuning oder --find (dort nötig): Bereich des Kondensators CMIN:CMAX in pF (0 < CMIN <= CMAX).",
    "Avec --tuning ou --find (requise) : plage du condensateur CMIN:CMAX en pF (0 < CMIN <= CMAX).",
    "With --tuning or --find (required there): the capacitor's range CMIN:CMAX in pF (0 < CMIN <= CMAX)."};
inline constexpr Tri kHelpCapVpeak{"Mit --tuning oder --find: Spitzenspannungsfestigkeit des Kondensators in V (> 0).",
                                   "Avec --tuning ou --find : tension de crête admissible du condensateur en V (> 0).",
                                   "With --tuning or --find: the capacitor's peak-voltage rating in V (> 0)."};
inline constexpr Tri kHelpCapMargin{
    "Mit --find: Sicherheitsfaktor, durch den die Spannungsfestigkeit vor dem Vergleich geteilt wird (1 bis 5; "
    "Vorgabe 1,5).",
    "Avec --find : facteur de sécurité par lequel la tension admissible est divisée avant la comparaison (1 à 5 ; "
    "par défaut 1,5).",
    "With --find: safety factor the voltage rating is divided by before it is compared (1 to 5; default 1.5)."};
inline constexpr Tri kHelpMeasured{
    "Mit --tuning: gemessene Bandbreite, Frequenz in MHz und Bandbreite in kHz zwischen den Punkten des "
    "SWR (> 1; Vorgabe 2).",
    "Avec --tuning : bande passante mesurée, fréquence en MHz et largeur en kHz entre les points du ROS "
    "(> 1 ; par défaut 2).",
    "With --tuning: a measured bandwidth, frequency in MHz and bandwidth in kHz between the points of the "
    "VSWR (> 1; default 2)."};

// --find and the search's own options.
inline constexpr Tri kHelpFind{
    "Loop finden: welche Loop deckt das Band VON:BIS in MHz mit dem Kondensator (--cap-range) ab? Jede Größe, "
    "Form, jedes Material, jeder Leiter und jede Windungszahl des Suchraums durch den Abstimmbereich an 51 "
    "Frequenzen; je Kombination die Größe mit dem besten Wirkungsgrad im ungünstigsten Punkt, gereiht; nicht "
    "mit den Feldern der Loop, --frequency, --sweep oder --tuning.",
    "Trouver une boucle : quelle boucle couvre la bande DE:À en MHz avec le condensateur (--cap-range) ? Chaque "
    "taille, forme, matériau, conducteur et nombre de spires de l'espace de recherche passé par la plage "
    "d'accord à 51 fréquences ; pour chaque combinaison la taille au meilleur rendement dans le cas le plus "
    "défavorable, classées ; pas avec les champs de la boucle, --frequency, --sweep ni --tuning.",
    "Loop finder: which loop covers the band FROM:TO in MHz with the capacitor (--cap-range)? Every size, "
    "shape, material, conductor and number of turns of the search space through the tuning range at 51 "
    "frequencies; of each combination the size with the best worst-case efficiency, ranked; not with the "
    "loop's fields, --frequency, --sweep or --tuning."};
inline constexpr Tri kHelpSizes{
    "Mit --find: Größen VON:BIS[:SCHRITT] in m, Durchmesser eines Kreises, Seite eines Quadrats, Breite "
    "über Flächen eines Vielecks (Vorgabe 0,5:2:0,01).",
    "Avec --find : tailles DE:À[:PAS] en m, diamètre d'un cercle, côté d'un carré, largeur sur plats d'un "
    "polygone (par défaut 0,5:2:0,01).",
    "With --find: sizes FROM:TO[:STEP] in m, the diameter of a circle, the side of a square, the width "
    "across flats of a polygon (default 0.5:2:0.01)."};
inline constexpr Tri kHelpShapes{
    "Mit --find: Formen, durch Kommas getrennt: circle, square, octagon, hexagon (Vorgabe circle, square).",
    "Avec --find : formes séparées par des virgules : circle, square, octagon, hexagon (par défaut circle, "
    "square).",
    "With --find: shapes separated by commas: circle, square, octagon, hexagon (default circle, square)."};
inline constexpr Tri kHelpMaterials{
    "Mit --find: Materialien, durch Kommas getrennt, Cu, Al, Fe, Ag, Zn, brass; bei gleichem Wirkungsgrad "
    "in dieser Reihenfolge (Vorgabe Cu,Al).",
    "Avec --find : matériaux séparés par des virgules, Cu, Al, Fe, Ag, Zn, brass ; à rendement égal dans cet "
    "ordre (par défaut Cu,Al).",
    "With --find: materials separated by commas, Cu, Al, Fe, Ag, Zn, brass; in this order at equal efficiency "
    "(default Cu,Al)."};
inline constexpr Tri kHelpConductors{
    "Mit --find: Leiterdurchmesser in mm, durch Kommas getrennt, Dezimalpunkt (Vorgabe 6,8,10,12,15,18,22,28,35).",
    "Avec --find : diamètres du conducteur en mm séparés par des virgules, point décimal (par défaut "
    "6,8,10,12,15,18,22,28,35).",
    "With --find: conductor diameters in mm separated by commas, decimal point (default 6,8,10,12,15,18,22,28,35)."};
inline constexpr Tri kHelpSpacing{
    "Mit --find: Mittenabstand der Windungen in Leiterdurchmessern, Spulenlänge (N - 1) S d (>= 1; Vorgabe 2).",
    "Avec --find : écartement des spires d'axe en axe en diamètres du conducteur, longueur de bobine (N - 1) S d "
    "(>= 1 ; par défaut 2).",
    "With --find: centre spacing of the turns in conductor diameters, coil length (N - 1) S d (>= 1; default 2)."};
inline constexpr Tri kHelpMaxWavelengths{
    "Mit --find: größte Leiterlänge N U in Wellenlängen bei der oberen Frequenz, für die das Modell gilt (0,1 bis "
    "0,5; Vorgabe 0,25).",
    "Avec --find : plus grande longueur de conducteur N U en longueurs d'onde à la fréquence haute, pour laquelle "
    "le modèle vaut (0,1 à 0,5 ; par défaut 0,25).",
    "With --find: the largest conductor length N U in wavelengths at the top frequency for which the model holds "
    "(0.1 to 0.5; default 0.25)."};
inline constexpr Tri kHelpTop{"Mit --find: höchstens N Entwürfe zeigen (>= 1; Vorgabe 20).",
                              "Avec --find : montrer au plus N modèles (>= 1 ; par défaut 20).",
                              "With --find: show at most N designs (>= 1; default 20)."};

// ---- usage errors

// %1 the option with its dashes, %2 the text given, %3 what is expected.
inline constexpr Tri kInvalidValue{"Ungültiger Wert für %1: '%2'; erwartet wird %3.",
                                   "Valeur invalide pour %1 : '%2' ; attendu : %3.",
                                   "Invalid value for %1: '%2'; expected %3."};
inline constexpr Tri kOneOf{"eines von: ", "l'un de : ", "one of: "};  // then the entries, joined by ", "
inline constexpr Tri kUnknownOption{"Unbekannte Option '%1'; ringfeld-calc --help zeigt alle Optionen.",
                                    "Option inconnue '%1' ; ringfeld-calc --help affiche toutes les options.",
                                    "Unknown option '%1'; ringfeld-calc --help lists every option."};
inline constexpr Tri kNoValueExpected{"Die Option '%1' nimmt keinen Wert.", "L'option '%1' ne prend pas de valeur.",
                                      "Option '%1' takes no value."};
inline constexpr Tri kUnexpectedArgument{"Unerwartetes Argument '%1'; Optionen beginnen mit --.",
                                         "Argument inattendu '%1' ; les options commencent par --.",
                                         "Unexpected argument '%1'; options begin with --."};
inline constexpr Tri kExpectDesignFile{"eine Loop-Datei (.ringfeld)", "un fichier de boucle (.ringfeld)",
                                       "a design file (.ringfeld)"};
inline constexpr Tri kOnlyWithTuning{"%1 gilt nur mit --tuning.", "%1 ne vaut qu'avec --tuning.",
                                     "%1 applies only with --tuning."};
inline constexpr Tri kNotWithTuning{"--tuning lässt sich nicht mit %1 verbinden.",
                                    "--tuning ne se combine pas avec %1.", "--tuning cannot be combined with %1."};
inline constexpr Tri kOnlyWithTuningOrFind{"%1 gilt nur mit --tuning oder --find.",
                                           "%1 ne vaut qu'avec --tuning ou --find.",
                                           "%1 applies only with --tuning or --find."};
inline constexpr Tri kOnlyWithFind{"%1 gilt nur mit --find.", "%1 ne vaut qu'avec --find.",
                                   "%1 applies only with --find."};
inline constexpr Tri kNotWithFind{"--find lässt sich nicht mit %1 verbinden.", "--find ne se combine pas avec %1.",
                                  "--find cannot be combined with %1."};
inline constexpr Tri kFindNeedsRange{"--find braucht --cap-range CMIN:CMAX.", "--find demande --cap-range CMIN:CMAX.",
                                     "--find needs --cap-range CMIN:CMAX."};

// What a number option expects: the rule, " in " and the unit when it has one, the examples.
inline constexpr Tri kExpectPositive{"eine einfache Zahl größer als 0", "un nombre simple supérieur à 0",
                                     "a plain number greater than 0"};
inline constexpr Tri kExpectNonNegative{"eine einfache Zahl ab 0", "un nombre simple supérieur ou égal à 0",
                                        "a plain number of 0 or more"};
inline constexpr Tri kExpectIn{" in ", " en ", " in "};
inline constexpr Tri kExpectSuchAs{", etwa 2,25 oder 1.5e3", ", par exemple 2,25 ou 1.5e3", ", such as 2.25 or 1.5e3"};
// --sweep: %1 is kExpectFromPositive unless --as-typed is given, %2 the most rows.
inline constexpr Tri kExpectSweep{
    "VON:BIS:SCHRITT in MHz, einfache Zahlen mit %1SCHRITT > 0, BIS >= VON und höchstens %2 Zeilen",
    "DE:À:PAS en MHz, des nombres simples avec %1PAS > 0, À >= DE et au plus %2 lignes",
    "FROM:TO:STEP in MHz, plain numbers with %1STEP > 0, TO >= FROM and at most %2 rows"};
inline constexpr Tri kExpectFromPositive{"VON > 0, ", "DE > 0, ", "FROM > 0, "};
// --tuning: %1 the most rows.
inline constexpr Tri kExpectTuning{
    "VON:BIS:SCHRITT in MHz, einfache Zahlen mit VON > 0, SCHRITT > 0, BIS >= VON und höchstens %1 Zeilen",
    "DE:À:PAS en MHz, des nombres simples avec DE > 0, PAS > 0, À >= DE et au plus %1 lignes",
    "FROM:TO:STEP in MHz, plain numbers with FROM > 0, STEP > 0, TO >= FROM and at most %1 rows"};
inline constexpr Tri kExpectCapRange{"CMIN:CMAX in pF, einfache Zahlen mit 0 < CMIN <= CMAX",
                                     "CMIN:CMAX en pF, des nombres simples avec 0 < CMIN <= CMAX",
                                     "CMIN:CMAX in pF, plain numbers with 0 < CMIN <= CMAX"};
inline constexpr Tri kExpectMeasured{"MHZ:KHZ oder MHZ:KHZ:SWR, einfache Zahlen mit MHZ > 0, KHZ > 0 und SWR > 1",
                                     "MHZ:KHZ ou MHZ:KHZ:ROS, des nombres simples avec MHZ > 0, KHZ > 0 et ROS > 1",
                                     "MHZ:KHZ or MHZ:KHZ:VSWR, plain numbers with MHZ > 0, KHZ > 0 and VSWR > 1"};

// --find and its options.
inline constexpr Tri kExpectFind{"VON:BIS in MHz, einfache Zahlen mit VON > 0 und BIS >= VON",
                                 "DE:À en MHz, des nombres simples avec DE > 0 et À >= DE",
                                 "FROM:TO in MHz, plain numbers with FROM > 0 and TO >= FROM"};
inline constexpr Tri kExpectSizes{
    "VON:BIS oder VON:BIS:SCHRITT in m, einfache Zahlen > 0 mit BIS >= VON und höchstens 1000000 Kandidaten",
    "DE:À ou DE:À:PAS en m, des nombres simples > 0 avec À >= DE et au plus 1000000 candidats",
    "FROM:TO or FROM:TO:STEP in m, plain numbers > 0 with TO >= FROM and at most 1000000 candidates"};
// Then the entries, joined by ", ".
inline constexpr Tri kExpectList{"eine durch Kommas getrennte Liste aus: ", "une liste séparée par des virgules de : ",
                                 "a list separated by commas of: "};
inline constexpr Tri kExpectConductors{
    "eine durch Kommas getrennte Liste einfacher Zahlen > 0 in mm mit Dezimalpunkt, etwa 6,8,12.5",
    "une liste de nombres simples > 0 en mm séparés par des virgules, point décimal, par exemple 6,8,12.5",
    "a list of plain numbers > 0 in mm separated by commas, with a decimal point, such as 6,8,12.5"};
inline constexpr Tri kExpectTurns{"eine durch Kommas getrennte Liste ganzer Zahlen von 1 bis 1000, etwa 1,2,3",
                                  "une liste d'entiers de 1 à 1000 séparés par des virgules, par exemple 1,2,3",
                                  "a list of whole numbers from 1 to 1000 separated by commas, such as 1,2,3"};
inline constexpr Tri kExpectSpacing{"eine einfache Zahl ab 1, etwa 2 oder 1,5",
                                    "un nombre simple dès 1, par exemple 2 ou 1,5",
                                    "a plain number of 1 or more, such as 2 or 1.5"};
inline constexpr Tri kExpectCapMargin{"eine einfache Zahl von 1 bis 5, etwa 1,5",
                                      "un nombre simple de 1 à 5, par exemple 1,5",
                                      "a plain number from 1 to 5, such as 1.5"};
inline constexpr Tri kExpectMaxWavelengths{"eine einfache Zahl von 0,1 bis 0,5, etwa 0,25",
                                           "un nombre simple de 0,1 à 0,5, par exemple 0,25",
                                           "a plain number from 0.1 to 0.5, such as 0.25"};
inline constexpr Tri kExpectTop{"eine ganze Zahl ab 1", "un entier dès 1", "a whole number of 1 or more"};

// ---- the table of rows: heading and unit of each column

struct RowColumn {
    Tri name;
    std::string_view unit;                 // the metric unit
    std::optional<LengthQuantity> length;  // a length: its unit follows --units
};
inline constexpr std::array<RowColumn, 14> kRowColumns{{
    {{"f", "f", "f"}, "MHz", std::nullopt},
    {{"Länge", "Longueur", "Length"}, "λ", std::nullopt},
    {{"L", "L", "L"}, "µH", std::nullopt},
    {{"C", "C", "C"}, "pF", std::nullopt},
    {{"CL", "CL", "CL"}, "pF", std::nullopt},
    {{"Rr", "Rr", "Rr"}, "Ohm", std::nullopt},
    {{"Rv", "Rv", "Rv"}, "Ohm", std::nullopt},
    {{"η", "η", "η"}, "%", std::nullopt},
    {{"Gewinn", "Gain", "Gain"}, "dBd", std::nullopt},
    {{"Güte", "Q", "Q"}, "", std::nullopt},
    {{"B", "B", "B"}, "kHz", std::nullopt},
    {{"Uc", "Uc", "Uc"}, "kV", std::nullopt},
    {{"Koppl. U", "Couplage U", "Coupling U"}, "m", LengthQuantity::Coupling},
    {{"Lka", "Lccp", "Lka"}, "m", LengthQuantity::Coupling},
}};

// ---- --tuning: the summary lines under the table (the flags and the shared
// pieces are in tuning_texts.h)

inline constexpr Tri kSummaryRows{"Zeilen berechnet: %1, abgelehnt: %2", "Lignes calculées : %1, refusées : %2",
                                  "Rows computed: %1, refused: %2"};
inline constexpr Tri kSummaryCapacitor{"Kondensator: ", "Condensateur : de ", "Capacitor: "};  // then kCSpanne
// Then kPKondensator and kSummaryPeakPower.
inline constexpr Tri kSummaryPeak{"Höchstwerte: Uc %1 V Spitze bei %2 MHz, I %3 A, ",
                                  "Maximums : Uc %1 V crête à %2 MHz, I %3 A, ",
                                  "Maxima: Vc %1 V peak at %2 MHz, I %3 A, "};
inline constexpr Tri kSummaryPeakPower{" %4 W", " %4 W", " %4 W"};
inline constexpr Tri kSummaryCover{"Der Kondensator %1–%2 pF stimmt %3 bis %4 MHz ab",
                                   "Le condensateur %1–%2 pF accorde de %3 à %4 MHz",
                                   "The capacitor %1–%2 pF tunes %3 to %4 MHz"};
// In place of kSummaryCover when no row was accepted: what the capacitor tunes is not known.
inline constexpr Tri kSummaryCoverUnknown{"Der Kondensator %1–%2 pF: ohne gültige Zeile unbekannt, was er abstimmt",
                                          "Le condensateur %1–%2 pF : sans ligne valable, sa plage d'accord est "
                                          "inconnue",
                                          "The capacitor %1–%2 pF: with no valid row, what it tunes is unknown"};
// In place of kSummaryPeak and the capacitor's power when the loop has no power.
inline constexpr Tri kSummaryNoPower{"Höchstwerte: Spannung und Strom brauchen eine Sendeleistung (--power)",
                                     "Maximums : tension et courant demandent une puissance d'émission (--power)",
                                     "Maxima: voltage and current need a transmitter power (--power)"};
inline constexpr Tri kSummaryEfficiency{
    "η = Rr / R ges. (physikalisch, nicht durch die Windungszahl geteilt); "
    "B 3 dB zwischen den Punkten SWR 2,618",
    "η = Rr / R tot. (physique, non divisé par le nombre de spires) ; "
    "B 3 dB entre les points ROS 2,618",
    "η = Rr / R total (physical, not divided by the turns); "
    "B 3 dB between the VSWR 2.618 points"};
// After kGemessenVorsatz: the measurement given.
inline constexpr Tri kMeasuredGiven{"%1 kHz bei SWR %2 und %3 MHz", "%1 kHz au ROS %2 et %3 MHz",
                                    "%1 kHz at VSWR %2 and %3 MHz"};
inline constexpr Tri kMeasuredResult{
    "  B 3 dB %1 kHz, Güte %2, R ges. %3 Ohm, η %4 %, Gewinn %5 dBi; Modell %6 Ohm, nicht erklärt %7 Ohm",
    "  B 3 dB %1 kHz, Q %2, R tot. %3 Ohm, η %4 %, gain %5 dBi ; modèle %6 Ohm, non expliqué %7 Ohm",
    "  B 3 dB %1 kHz, Q %2, R total %3 Ohm, η %4 %, gain %5 dBi; model %6 Ohm, unexplained %7 Ohm"};

}  // namespace ringfeld::cli::texte
