// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Catalogue: the safety distance's texts, for its window, its printed report and
// ringfeld-calc --exposure. The window's captions are rows of the caption table
// (text/window_texts.cpp). "%1" ... are the place markers QString::arg fills.

#include <array>

#include "core/exposure.h"
#include "core/station.h"
#include "text/language.h"
#include "text/length_units.h"
#include "text/loop_fields.h"

namespace ringfeld::exposure::texte {

// ---- the standards, populations, fields and modes

struct StandardText {
    Standard standard;
    Tri name;    // short, for lists and tables
    Tri source;  // the publication and its table
};
inline constexpr std::array<StandardText, 3> kStandardTexte{{
    {Standard::Icnirp1998,
     {"ICNIRP 1998", "ICNIRP 1998", "ICNIRP 1998"},
     {"ICNIRP, Health Physics 74(4):494–522 (1998), Tabellen 6 und 7; gleich der EU-Ratsempfehlung "
      "1999/519/EG, Anhang III, Tabelle 2",
      "ICNIRP, Health Physics 74(4):494–522 (1998), tableaux 6 et 7 ; identiques à la recommandation "
      "du Conseil 1999/519/CE, annexe III, tableau 2",
      "ICNIRP, Health Physics 74(4):494–522 (1998), Tables 6 and 7; the same as EU Council Recommendation "
      "1999/519/EC, Annex III, Table 2"}},
    {Standard::Icnirp2020,
     {"ICNIRP 2020", "ICNIRP 2020", "ICNIRP 2020"},
     {"ICNIRP, Health Physics 118(5):483–524 (2020), Tabellen 5 (Ganzkörper, 30 min) und 6 (lokal, 6 min); "
      "von 3 kHz bis 10 MHz dazu ICNIRP, Health Physics 99(6):818–836 (2010), Tabellen 3 und 4 (bei "
      "Spitzenleistung)",
      "ICNIRP, Health Physics 118(5):483–524 (2020), tableaux 5 (corps entier, 30 min) et 6 (local, 6 min) ; "
      "de 3 kHz à 10 MHz, en plus ICNIRP, Health Physics 99(6):818–836 (2010), tableaux 3 et 4 (à la "
      "puissance de crête)",
      "ICNIRP, Health Physics 118(5):483–524 (2020), Tables 5 (whole body, 30 min) and 6 (local, 6 min); "
      "from 3 kHz to 10 MHz also ICNIRP, Health Physics 99(6):818–836 (2010), Tables 3 and 4 (at peak "
      "envelope power)"}},
    {Standard::Fcc,
     {"FCC", "FCC", "FCC"},
     {"47 CFR § 1.1310, Tabelle 1 (MPE)", "47 CFR § 1.1310, tableau 1 (MPE)", "47 CFR § 1.1310, Table 1 (MPE)"}},
}};
constexpr const StandardText& StandardTexte(Standard s) { return kStandardTexte[static_cast<std::size_t>(s)]; }

// The tables a standard is checked against (TablesOf), each with its source.
struct TableText {
    LimitTable table;
    Tri name;
    Tri source;
};
inline constexpr std::array<TableText, kLimitTables.size()> kTableTexte{{
    {LimitTable::Icnirp1998,
     {"ICNIRP 1998", "ICNIRP 1998", "ICNIRP 1998"},
     {"ICNIRP, Health Physics 74(4):494–522 (1998), Tabellen 6 und 7",
      "ICNIRP, Health Physics 74(4):494–522 (1998), tableaux 6 et 7",
      "ICNIRP, Health Physics 74(4):494–522 (1998), Tables 6 and 7"}},
    {LimitTable::Icnirp2020WholeBody,
     {"ICNIRP 2020, Ganzkörper", "ICNIRP 2020, corps entier", "ICNIRP 2020, whole body"},
     {"ICNIRP, Health Physics 118(5):483–524 (2020), Tabelle 5",
      "ICNIRP, Health Physics 118(5):483–524 (2020), tableau 5",
      "ICNIRP, Health Physics 118(5):483–524 (2020), Table 5"}},
    {LimitTable::Icnirp2020Local,
     {"ICNIRP 2020, lokal", "ICNIRP 2020, local", "ICNIRP 2020, local"},
     {"ICNIRP, Health Physics 118(5):483–524 (2020), Tabelle 6",
      "ICNIRP, Health Physics 118(5):483–524 (2020), tableau 6",
      "ICNIRP, Health Physics 118(5):483–524 (2020), Table 6"}},
    {LimitTable::Icnirp2010,
     {"ICNIRP 2010, Nervenreizung", "ICNIRP 2010, stimulation nerveuse", "ICNIRP 2010, nerve stimulation"},
     {"ICNIRP, Health Physics 99(6):818–836 (2010), Tabellen 3 und 4",
      "ICNIRP, Health Physics 99(6):818–836 (2010), tableaux 3 et 4",
      "ICNIRP, Health Physics 99(6):818–836 (2010), Tables 3 and 4"}},
    {LimitTable::Fcc,
     {"FCC", "FCC", "FCC"},
     {"47 CFR § 1.1310, Tabelle 1 (MPE)", "47 CFR § 1.1310, tableau 1 (MPE)", "47 CFR § 1.1310, Table 1 (MPE)"}},
}};
constexpr const TableText& TableTexte(LimitTable t) { return kTableTexte[static_cast<std::size_t>(t)]; }
static_assert(
    [] {
        for (std::size_t i = 0; i < kLimitTables.size(); ++i)
            if (kTableTexte[i].table != kLimitTables[i]) return false;
        return true;
    }(),
    "kTableTexte in the order of LimitTable");

// How a table is held against the field, by Averaging.
inline constexpr std::array<Tri, kAveragings.size()> kMittelungTexte{{
    {"nicht gemittelt, bei Spitzenleistung (PEP)", "sans moyenne, à la puissance de crête (PEP)",
     "not averaged, at peak envelope power (PEP)"},
    {"gemittelt über 6 min", "moyenne sur 6 min", "averaged over 6 min"},
    {"gemittelt über 30 min", "moyenne sur 30 min", "averaged over 30 min"},
}};
constexpr const Tri& MittelungText(Averaging a) { return kMittelungTexte[static_cast<std::size_t>(a)]; }
// The shares per averaging time, as the window and the report name them.
inline constexpr Tri kAnteil6{"Sendeanteil in 6 min", "Part d'émission sur 6 min", "Transmit share within 6 min"};
inline constexpr Tri kAnteil30{"Sendeanteil in 30 min", "Part d'émission sur 30 min", "Transmit share within 30 min"};
// The report's input of that name, and the sentence the report and the text output
// state it with.
inline constexpr Tri kMitIcnirp2010{"ICNIRP 2010 (Nervenreizung) auch mit ICNIRP 1998 prüfen",
                                    "vérifier aussi ICNIRP 2010 (stimulation nerveuse) avec ICNIRP 1998",
                                    "check ICNIRP 2010 (nerve stimulation) with ICNIRP 1998 too"};
inline constexpr Tri kMitIcnirp2010Geprueft{
    "Mit ICNIRP 1998 auch geprüft: ICNIRP 2010 (Nervenreizung, 3 kHz bis 10 MHz, bei Spitzenleistung, "
    "Health Physics 99(6):818–836, Tabellen 3 und 4).",
    "Vérifié aussi avec ICNIRP 1998 : ICNIRP 2010 (stimulation nerveuse, 3 kHz à 10 MHz, à la puissance de "
    "crête, Health Physics 99(6):818–836, tableaux 3 et 4).",
    "Checked with ICNIRP 1998 as well: ICNIRP 2010 (nerve stimulation, 3 kHz to 10 MHz, at peak envelope "
    "power, Health Physics 99(6):818–836, Tables 3 and 4)."};

inline constexpr std::array<Tri, 2> kPopulationTexte{{
    {"Allgemeinbevölkerung", "public", "general public"},
    {"beruflich Exponierte", "travailleurs", "occupational"},
}};
constexpr const Tri& PopulationText(Population p) { return kPopulationTexte[static_cast<std::size_t>(p)]; }

inline constexpr std::array<Tri, 3> kComponentTexte{{
    {"H Achse", "H axe", "H axis"},
    {"H Ebene", "H plan", "H plane"},
    {"E Ebene", "E plan", "E plane"},
}};
constexpr const Tri& ComponentText(Component c) { return kComponentTexte[static_cast<std::size_t>(c)]; }

// In the order of kModeFactors; the list shows the factor after the name.
inline constexpr std::array<Tri, 7> kModeTexte{{
    {"SSB ohne Sprachprozessor", "BLU sans compresseur", "SSB without speech processing"},
    {"SSB mit Sprachprozessor", "BLU avec compresseur", "SSB with speech processing"},
    {"CW", "CW", "CW"},
    {"FM", "FM", "FM"},
    {"RTTY", "RTTY", "RTTY"},
    {"Datenbetrieb, AFSK u. a.", "modes numériques, AFSK etc.", "data modes, AFSK etc."},
    {"Dauerträger, z. B. Abstimmen", "porteuse continue, p. ex. accord", "carrier, e.g. tuning"},
}};
inline constexpr Tri kEigenerFaktor{"eigener Faktor", "facteur libre", "own factor"};
inline constexpr Tri kModeQuelle{"Betriebsartfaktoren: FCC OET Bulletin 65, Supplement B (1997)",
                                 "Facteurs de mode : FCC OET Bulletin 65, supplément B (1997)",
                                 "Mode factors: FCC OET Bulletin 65, Supplement B (1997)"};

inline constexpr std::array<Tri, 2> kQuellenTexte{{
    {"Modell", "modèle", "model"},
    {"gemessene Bandbreite", "bande passante mesurée", "measured bandwidth"},
}};
constexpr const Tri& SourceText(CurrentSource s) { return kQuellenTexte[static_cast<std::size_t>(s)]; }

// ---- distances and flags

inline constexpr Tri kUnter1cm{"< 1 cm", "< 1 cm", "< 1 cm"};
inline constexpr Tri kUeber10km{"> 10 km", "> 10 km", "> 10 km"};
inline constexpr Tri kAusserhalb{"außerhalb der Tabelle", "hors de la table", "outside the table"};

struct FlagEintrag {
    LimitFlag flag;
    Tri text;
};
inline constexpr std::array<FlagEintrag, 5> kFlagTexte{{
    {kOutsideTable, {"Frequenz außerhalb der Tabelle", "fréquence hors de la table", "frequency outside the table"}},
    {kNearConductor,
     {"innerhalb von 3 Loop-Radien: Dipolmodell ungültig", "à moins de 3 rayons : modèle dipolaire non valable",
      "within 3 loop radii: dipole model not valid"}},
    {kLessThan1cm, {"weniger als 1 cm", "moins de 1 cm", "less than 1 cm"}},
    {kMoreThan10km, {"mehr als 10 km", "plus de 10 km", "more than 10 km"}},
    {kLoopNotSmall,
     {"Leiter länger als 0,1 λ: Dipolmodell ungenau", "conducteur de plus de 0,1 λ : modèle dipolaire imprécis",
      "conductor longer than 0.1 λ: dipole model inexact"}},
}};

// ---- what stands under every result: the model's limits and the capacitor

inline constexpr Tri kModell{
    "Modell: die Loop als kleiner magnetischer Dipol, Nah- und Fernfeld zusammen (C. A. Balanis, Antenna "
    "Theory, 3. Aufl., Gl. 5-18 und 5-19), im freien Raum, ohne Boden, Wände und Metall in der Nähe, mit "
    "dem Effektivstrom I = √(P mittel / R gesamt) des Abstimmbereichs. Es gilt, solange der Umfang klein "
    "gegen die Wellenlänge ist, und erst ab etwa 3 Loop-Radien vom Mittelpunkt; ein Abstand darunter ist "
    "markiert. Jeder Abstand ist %1 nach außen gerundet.",
    "Modèle : la boucle comme petit dipôle magnétique, champ proche et lointain ensemble (C. A. Balanis, "
    "Antenna Theory, 3e éd., éq. 5-18 et 5-19), en espace libre, sans sol, murs ni métal à proximité, avec "
    "le courant efficace I = √(P moyenne / R totale) de la plage d'accord. Il vaut tant que le périmètre "
    "est petit devant la longueur d'onde, et seulement à partir d'environ 3 rayons de la boucle depuis son "
    "centre ; une distance en deçà est signalée. Chaque distance est arrondie %1 vers "
    "l'extérieur.",
    "Model: the loop as a small magnetic dipole, near and far field together (C. A. Balanis, Antenna "
    "Theory, 3rd ed., eqs. 5-18 and 5-19), in free space, without ground, walls or metal nearby, with the "
    "RMS current I = √(P avg / R total) of the tuning range. It holds while the circumference is small "
    "against the wavelength, and only from about 3 loop radii from the centre on; a distance inside that "
    "is marked. Every distance is rounded outwards %1."};
// kModell's %1: the step every distance is rounded outwards to, in each unit system.
inline constexpr PerSystem<Tri> kRundung{Tri{"auf 1 cm", "au centimètre", "to 1 cm"},
                                         Tri{"auf 0,1 ft", "au dixième de pied", "to 0.1 ft"}};
// %1 the capacitor's peak voltage in V at the full power.
inline constexpr Tri kKondensator{
    "Nahe am Abstimmkondensator ist das elektrische Feld weit stärker, als das Dipolmodell angibt: "
    "an ihm liegen bei voller Leistung bis zu %1 V Spitzenspannung. Die E-Abstände gelten erst in einigem "
    "Abstand; halten Sie Menschen vom Kondensator fern.",
    "Près du condensateur d'accord, le champ électrique est bien plus fort que le champ E du dipôle : à "
    "pleine puissance, la tension à ses bornes atteint %1 V crête. Les distances E ne valent qu'à une certaine "
    "distance ; tenez les personnes éloignées du condensateur.",
    "Near the tuning capacitor the electric field is far stronger than the dipole's E field: at full power "
    "the voltage across it reaches %1 V peak. The E distances hold only some way off; keep people away from the "
    "capacitor."};
inline constexpr Tri kKondensatorOhneWert{
    "Nahe am Abstimmkondensator ist das elektrische Feld weit stärker, als das Dipolmodell angibt; "
    "die E-Abstände gelten erst in einigem Abstand; halten Sie Menschen vom Kondensator fern.",
    "Près du condensateur d'accord, le champ électrique est bien plus fort que le champ E du dipôle ; les "
    "distances E ne valent qu'à une certaine distance ; tenez les personnes éloignées du condensateur.",
    "Near the tuning capacitor the electric field is far stronger than the dipole's E field; the E "
    "distances hold only some way off; keep people away from the capacitor."};
// %1 the measured frequency in MHz.
inline constexpr Tri kGemessenSkaliert{
    "R gesamt aus der bei %1 MHz gemessenen Bandbreite, bei anderen Frequenzen mit dem Modell umgerechnet.",
    "R totale tirée de la bande passante mesurée à %1 MHz, convertie par le modèle aux autres fréquences.",
    "R total from the bandwidth measured at %1 MHz, scaled with the model at other frequencies."};
inline constexpr Tri kKeineMessungDa{
    "Keine gültige gemessene Bandbreite im Abstimmbereich: R gesamt kommt aus dem Modell.",
    "Pas de bande passante mesurée valable dans la plage d'accord : R totale vient du modèle.",
    "No usable measured bandwidth in the tuning range: R total comes from the model."};

// ---- the window

// The result lines: %1 f in MHz, %2 R total, %3 its source, %4 P avg, %5 I rms, %6 m.
inline constexpr Tri kWerte{"Loop bei %1 MHz: R gesamt %2 Ω (%3), P mittel %4 W, I eff %5 A, m %6 A·m²",
                            "Boucle à %1 MHz : R totale %2 Ω (%3), P moyenne %4 W, I eff %5 A, m %6 A·m²",
                            "Loop at %1 MHz: R total %2 Ω (%3), P avg %4 W, I rms %5 A, m %6 A·m²"};
// %1 the governing table (kTableTexte), %2 population, %3 H limit, %4 E limit, %5 how
// it is averaged (kMittelungTexte).
inline constexpr Tri kGrenzwerte{"Grenzwerte %1, %2: H %3 A/m, E %4 V/m, %5", "Limites %1, %2 : H %3 A/m, E %4 V/m, %5",
                                 "Limits %1, %2: H %3 A/m, E %4 V/m, %5"};
// %1 the safety distance, %2 the field that sets it, %3 H axis, %4 H plane, %5 E plane.
inline constexpr Tri kAbstaende{"Sicherheitsabstand %1 (%2); H Achse %3, H Ebene %4, E Ebene %5",
                                "Distance de sécurité %1 (%2) ; H axe %3, H plan %4, E plan %5",
                                "Safety distance %1 (%2); H axis %3, H plane %4, E plane %5"};
// %1 standard, %2 population.
inline constexpr Tri kKeineGrenzwerte{"%1, %2: keine Grenzwerte bei dieser Frequenz",
                                      "%1, %2 : pas de limites à cette fréquence",
                                      "%1, %2: no limits at this frequency"};
inline constexpr Tri kFaktorGrund{"Zahl von 0 bis 1", "nombre de 0 à 1", "a number from 0 to 1"};
inline constexpr Tri kAnteilGrund{"Zahl von 0 bis 100", "nombre de 0 à 100", "a number from 0 to 100"};
inline constexpr Tri kOrtGrund{"Abstand: Zahl von %1 bis %2 %3", "distance : nombre de %1 à %2 %3",
                               "distance: a number from %1 to %2 %3"};
inline constexpr Tri kEingabenPruefen{"Bitte die rot markierten Eingaben prüfen.",
                                      "Veuillez vérifier les entrées signalées en rouge.",
                                      "Please check the inputs marked in red."};
inline constexpr Tri kKeinBereich{"Für eine Tabelle über die Frequenzen das Fenster Abstimmbereich öffnen (Strg+T).",
                                  "Pour un tableau sur les fréquences, ouvrir la fenêtre Plage d'accord (Ctrl+T).",
                                  "For a table over the frequencies, open the tuning range window (Ctrl+T)."};
inline constexpr Tri kUeberBereich{"Über den Abstimmbereich: %1, %2", "Sur la plage d'accord : %1, %2",
                                   "Over the tuning range: %1, %2"};

// The table of every standard and population; the column that sets the distance is bold.
inline constexpr std::array<Tri, 8> kNormSpalten{{
    {"Norm", "Norme", "Standard"},
    {"Personen", "Personnes", "Population"},
    {"H Grenze (A/m)", "H limite (A/m)", "H limit (A/m)"},
    {"E Grenze (V/m)", "E limite (V/m)", "E limit (V/m)"},
    {"H Achse (%1)", "H axe (%1)", "H axis (%1)"},
    {"H Ebene (%1)", "H plan (%1)", "H plane (%1)"},
    {"E Ebene (%1)", "E plan (%1)", "E plane (%1)"},
    {"Abstand (%1)", "Distance (%1)", "Distance (%1)"},
}};
// The table over the tuning range's frequencies.
inline constexpr std::array<Tri, 7> kFrequenzSpalten{{
    {"f (MHz)", "f (MHz)", "f (MHz)"},
    {"R gesamt (Ω)", "R totale (Ω)", "R total (Ω)"},
    {"I eff (A)", "I eff (A)", "I rms (A)"},
    {"H Grenze (A/m)", "H limite (A/m)", "H limit (A/m)"},
    {"Abstand (%1)", "Distance (%1)", "Distance (%1)"},
    {"maßgebend", "déterminant", "governing"},
    {"Hinweis", "Remarque", "Note"},
}};

// The chart.
inline constexpr Tri kAchseAbstand{"Abstand vom Mittelpunkt (%1)", "Distance du centre (%1)",
                                   "Distance from the centre (%1)"};
inline constexpr Tri kDreiRadien{"3 Radien", "3 rayons", "3 radii"};

// ---- the printed report

inline constexpr Tri kBerichtTitel{"Ringfeld: Sicherheitsabstand der Sendeloop",
                                   "Ringfeld : distance de sécurité de la boucle d'émission",
                                   "Ringfeld: safety distance of the transmitting loop"};
inline constexpr Tri kBerichtDatum{"Erstellt am %1", "Établi le %1", "Made on %1"};
// Between a caption and its value.
inline constexpr Tri kDoppelpunkt{": ", " : ", ": "};
inline constexpr Tri kBerichtEingaben{"Eingaben", "Entrées", "Inputs"};
inline constexpr Tri kBerichtModell{"Modell und Gültigkeit", "Modèle et validité", "Model and validity"};
inline constexpr Tri kBerichtGrenzwerte{"Verwendete Grenzwerte", "Limites utilisées", "Limits used"};
inline constexpr Tri kBerichtAbstaende{"Sicherheitsabstände", "Distances de sécurité", "Safety distances"};
inline constexpr Tri kBerichtDiagramm{"Feldstärke über dem Abstand", "Champ en fonction de la distance",
                                      "Field strength against distance"};
inline constexpr Tri kBerichtFrequenzen{"Über den Abstimmbereich", "Sur la plage d'accord", "Over the tuning range"};
// The inputs: captions before their values.
// The main window's fields, each with its caption and unit; the size (Text1) is
// captioned by its shape (FormEintrag::groesse), the diameter being the circle's.
struct SchleifenFeld {
    std::string LoopEingaben::*text;
    Tri caption;
    std::string_view unit;
};
inline constexpr std::array<SchleifenFeld, 11> kSchleifenFelder{{
    {&LoopEingaben::Combo1, {"Form", "Forme", "Shape"}, ""},
    {&LoopEingaben::Text1, {"Durchmesser", "Diamètre", "Diameter"}, "m"},
    {&LoopEingaben::Text2, {"Umfang", "Périmètre", "Circumference"}, "m"},
    {&LoopEingaben::Text3, {"Leiterdurchmesser", "Diamètre du conducteur", "Conductor diameter"}, "mm"},
    {&LoopEingaben::Combo2, {"Material", "Matériau", "Material"}, ""},
    {&LoopEingaben::Text4, {"Windungen", "Spires", "Turns"}, ""},
    {&LoopEingaben::Text8, {"Spulenlänge", "Longueur de la bobine", "Coil length"}, "mm"},
    {&LoopEingaben::Text5, {"Frequenz", "Fréquence", "Frequency"}, "MHz"},
    {&LoopEingaben::Text6, {"Sendeleistung (PEP)", "Puissance d'émission (PEP)", "Transmitter power (PEP)"}, "W"},
    {&LoopEingaben::Text7, {"Zusätzlicher Reihenverlust", "Perte série additionnelle", "Additional series loss"}, "Ω"},
    {&LoopEingaben::Text9,
     {"Zusätzlicher Parallelverlust", "Perte parallèle additionnelle", "Additional parallel loss"},
     "kΩ"},
}};
inline constexpr Tri kBetriebsart{"Betriebsart", "Mode", "Mode"};
inline constexpr Tri kFaktor{"Betriebsartfaktor", "Facteur de mode", "Mode factor"};
inline constexpr Tri kAnteil{"Sendeanteil in der Mittelungszeit", "Part d'émission dans le temps de moyenne",
                             "Transmit share of the averaging time"};
inline constexpr Tri kNorm{"Norm", "Norme", "Standard"};
inline constexpr Tri kPersonen{"Personengruppe", "Population", "Population"};
inline constexpr Tri kStromQuelle{"R gesamt aus", "R totale tirée de", "R total from"};
inline constexpr Tri kAbstimmbereich{"Abstimmbereich", "Plage d'accord", "Tuning range"};
inline constexpr Tri kBereichWerte{"%1 bis %2 MHz, Schritt %3 MHz", "de %1 à %2 MHz, pas %3 MHz",
                                   "%1 to %2 MHz, step %3 MHz"};
inline constexpr Tri kKondensatorGuete{"Kondensator-Güte Q", "Q du condensateur", "Capacitor Q"};
inline constexpr Tri kErdverlust{"Erdverlust (× Rr)", "Perte de sol (× Rr)", "Ground loss (× Rr)"};
inline constexpr Tri kStreuC{"Streu-C", "C parasite", "Stray C"};
inline constexpr Tri kVerlustfrei{"verlustfrei", "sans pertes", "lossless"};

// ---- the station, in the order of kStationFields

inline constexpr std::array<Tri, kStationFields.size()> kStationTexte{{
    {"Rufzeichen", "Indicatif", "Callsign"},
    {"Standort", "Site", "Site"},
    {"Antennenstandort", "Emplacement de l'antenne", "Antenna position"},
    {"Antennenhöhe über Grund (m)", "Hauteur de l'antenne au-dessus du sol (m)", "Antenna height above ground (m)"},
    {"Bemerkung", "Remarque", "Note"},
}};
inline constexpr Tri kBerichtStation{"Station", "Station", "Station"};
inline constexpr Tri kBerichtOrte{"Benannte Orte", "Lieux nommés", "Named places"};
// The report's sketch of the loop: its labels and what it shows.
inline constexpr Tri kSkizzeAchse{"Achse (H Achse)", "axe (H axe)", "axis (H axis)"};
inline constexpr Tri kSkizzeEbene{"Ebene der Loop (H Ebene, E Ebene)", "plan de la boucle (H plan, E plan)",
                                  "plane of the loop (H plane, E plane)"};
inline constexpr Tri kSkizzeText{
    "Die Loop von der Seite: „Achse“ ist die Richtung senkrecht zur Loop durch ihren Mittelpunkt, „Ebene“ jede "
    "Richtung in der Ebene der Loop. Die Abstände gelten vom Mittelpunkt aus.",
    "La boucle vue de côté : « axe » est la direction perpendiculaire à la boucle par son centre, « plan » toute "
    "direction dans le plan de la boucle. Les distances comptent depuis le centre.",
    "The loop seen from the side: \"axis\" is the direction at right angles to the loop through its centre, "
    "\"plane\" any direction in the loop's plane. Distances are measured from the centre."};

// ---- named places and their verdict

// A place with its distance: %1 its name, %2 its distance, %3 the distance's unit;
// with no name given kOrtOhneName, %1 its distance, %2 its unit: the distance is said once.
inline constexpr Tri kOrtMitAbstand{"%1 (%2 %3)", "%1 (%2 %3)", "%1 (%2 %3)"};
inline constexpr Tri kOrtOhneName{"Ort in %1 %2", "lieu à %1 %2", "place at %1 %2"};
inline constexpr Tri kEingehalten{"eingehalten", "respectée", "kept"};
inline constexpr Tri kJa{"ja", "oui", "yes"};
inline constexpr Tri kNein{"nein", "non", "no"};
// Beside a distance within 3 loop radii, explained under its table with kOrtNah.
inline constexpr std::string_view kNahZeichen = "*";
inline constexpr Tri kUeberschritten{"überschritten", "dépassée", "exceeded"};
// %1 the place with its distance (kOrtMitAbstand or kOrtOhneName), %2 the standard and
// population, %3 the highest percentage, %4 the field that reaches it, %5 kEingehalten
// or kUeberschritten.
inline constexpr Tri kOrtUrteil{"%1: %2 zu %3 % ausgeschöpft (%4), Grenze %5",
                                "%1 : %2 atteinte à %3 % (%4), limite %5",
                                "%1: %2 at %3 % of its limit (%4), limit %5"};
inline constexpr Tri kOrtNah{"innerhalb von 3 Loop-Radien: das Dipolmodell gilt dort nicht",
                             "à moins de 3 rayons : le modèle dipolaire n'y vaut pas",
                             "within 3 loop radii: the dipole model does not hold there"};
// The chart of percentages: its axis and the 100 % line.
inline constexpr Tri kAchseProzent{"Feld in % der Grenze", "champ en % de la limite", "field as % of its limit"};
inline constexpr Tri kLinie100{"100 % der Grenze", "100 % de la limite", "100 % of the limit"};
inline constexpr Tri kOrteImDiagramm{"benannte Orte", "lieux nommés", "named places"};
// The window's places: their columns, a new place's name, the inputs' page.
inline constexpr Tri kOrtName{"Ort", "Lieu", "Place"};
inline constexpr Tri kOrtMeter{"Abstand (%1)", "Distance (%1)", "Distance (%1)"};
inline constexpr Tri kNeuerOrt{"Nachbars Balkon", "balcon du voisin", "neighbour's balcony"};
inline constexpr Tri kSeiteBetrieb{"Betrieb", "Exploitation", "Operation"};
// The worst case over the frequencies: %1 the distance, %2 its frequency in MHz, %3 the field.
inline constexpr Tri kGroessterAbstand{"Größter Sicherheitsabstand %1 bei %2 MHz (%3)",
                                       "Plus grande distance de sécurité %1 à %2 MHz (%3)",
                                       "Largest safety distance %1 at %2 MHz (%3)"};
// A group of rows: %1 to %2 MHz.
inline constexpr Tri kFrequenzSpanne{"%1 bis %2", "%1 à %2", "%1 to %2"};

// ---- ringfeld-calc --exposure

inline constexpr Tri kHelpExposure{
    "Sicherheitsabstand: Feldstärke der Loop und Abstand zu den Grenzwerten (ICNIRP 1998, ICNIRP 2020, "
    "FCC) je Frequenz, mit --frequency, --sweep oder --tuning.",
    "Distance de sécurité : champ de la boucle et distance aux limites (ICNIRP 1998, ICNIRP 2020, FCC) par "
    "fréquence, avec --frequency, --sweep ou --tuning.",
    "Safety distance: the loop's field strength and its distance to the limits (ICNIRP 1998, ICNIRP 2020, "
    "FCC) per frequency, with --frequency, --sweep or --tuning."};
inline constexpr Tri kHelpStandard{
    "Mit --exposure: Norm der Textausgabe: icnirp1998, icnirp2020 oder fcc "
    "(Vorgabe icnirp1998; JSON und CSV enthalten alle).",
    "Avec --exposure : norme de la sortie texte : icnirp1998, icnirp2020 ou fcc "
    "(par défaut icnirp1998 ; JSON et CSV les contiennent toutes).",
    "With --exposure: the standard the text shows: icnirp1998, icnirp2020 or fcc "
    "(default icnirp1998; JSON and CSV hold all of them)."};
inline constexpr Tri kHelpIcnirp2010{
    "Mit --exposure: ICNIRP 1998 auch gegen ICNIRP 2010 (Nervenreizung, 3 kHz bis 10 MHz, bei Spitzenleistung) "
    "prüfen, wie ICNIRP 2020 es immer tut.",
    "Avec --exposure : vérifier ICNIRP 1998 aussi selon ICNIRP 2010 (stimulation nerveuse, 3 kHz à 10 MHz, à la "
    "puissance de crête), comme ICNIRP 2020 le fait toujours.",
    "With --exposure: check ICNIRP 1998 against ICNIRP 2010 too (nerve stimulation, 3 kHz to 10 MHz, at peak "
    "envelope power), as ICNIRP 2020 always does."};
inline constexpr Tri kHelpPopulation{
    "Mit --exposure: Personengruppe der Textausgabe: public oder occupational (Vorgabe public).",
    "Avec --exposure : population de la sortie texte : public ou occupational (par défaut public).",
    "With --exposure: the population the text shows: public or occupational (default public)."};
inline constexpr Tri kHelpModeFactor{
    "Mit --exposure: Betriebsartfaktor, mittlere durch Spitzenleistung, 0 bis 1 (Vorgabe 1; SSB 0,2, "
    "CW 0,4, FM und Daten 1 nach FCC OET 65 B).",
    "Avec --exposure : facteur de mode, puissance moyenne sur crête, 0 à 1 (par défaut 1 ; BLU 0,2, "
    "CW 0,4, FM et données 1 selon FCC OET 65 B).",
    "With --exposure: mode factor, average over peak power, 0 to 1 (default 1; SSB 0.2, CW 0.4, FM and "
    "data 1 after FCC OET 65 B)."};
inline constexpr Tri kHelpTxShare{
    "Mit --exposure: Sendeanteil in %, 0 bis 100, für --share-6min und --share-30min zugleich.",
    "Avec --exposure : part d'émission en %, 0 à 100, pour --share-6min et --share-30min à la fois.",
    "With --exposure: transmit share in %, 0 to 100, for --share-6min and --share-30min at once."};
inline constexpr Tri kHelpShare6{
    "Mit --exposure: Sendeanteil in beliebigen 6 min in %, 0 bis 100 (Vorgabe 100; ICNIRP 1998, ICNIRP "
    "2020 lokal, FCC beruflich).",
    "Avec --exposure : part d'émission sur 6 min quelconques en %, 0 à 100 (par défaut 100 ; ICNIRP 1998, "
    "ICNIRP 2020 local, FCC professionnel).",
    "With --exposure: transmit share within any 6 min in %, 0 to 100 (default 100; ICNIRP 1998, ICNIRP "
    "2020 local, FCC occupational)."};
inline constexpr Tri kHelpShare30{
    "Mit --exposure: Sendeanteil in beliebigen 30 min in %, 0 bis 100 (Vorgabe 100; ICNIRP 2020 "
    "Ganzkörper, FCC Allgemeinbevölkerung).",
    "Avec --exposure : part d'émission sur 30 min quelconques en %, 0 à 100 (par défaut 100 ; ICNIRP 2020 "
    "corps entier, FCC public).",
    "With --exposure: transmit share within any 30 min in %, 0 to 100 (default 100; ICNIRP 2020 whole "
    "body, FCC general public)."};
inline constexpr Tri kHelpDistance{
    "Mit --exposure: ein Ort in diesem Abstand vom Mittelpunkt in m (0,01 bis 10000), auch benannt als "
    "NAME=M: seine Felder und ob jede Norm eingehalten ist; auch mehrfach.",
    "Avec --exposure : un lieu à cette distance du centre en m (0,01 à 10000), aussi nommé NOM=M : ses "
    "champs et si chaque norme est respectée ; peut être répétée.",
    "With --exposure: a place at this distance from the centre in m (0.01 to 10000), also named as "
    "NAME=M: its fields and whether each standard is kept; may be given several times."};
inline constexpr Tri kHelpCurrentSource{
    "Mit --exposure: R gesamt aus model (Vorgabe) oder measured (die mit --tuning und --measured gemessene "
    "Bandbreite).",
    "Avec --exposure : R totale tirée de model (par défaut) ou measured (la bande passante mesurée avec "
    "--tuning et --measured).",
    "With --exposure: R total from model (default) or measured (the bandwidth measured with --tuning and "
    "--measured)."};
inline constexpr Tri kOnlyWithExposure{"%1 gilt nur mit --exposure.", "%1 ne vaut qu'avec --exposure.",
                                       "%1 applies only with --exposure."};
inline constexpr Tri kMeasuredNeedsSheet{"--current-source measured braucht --tuning mit --measured.",
                                         "--current-source measured demande --tuning avec --measured.",
                                         "--current-source measured needs --tuning with --measured."};
inline constexpr Tri kExpectModeFactor{"eine einfache Zahl von 0 bis 1, etwa 0,4",
                                       "un nombre simple de 0 à 1, par exemple 0,4",
                                       "a plain number from 0 to 1, such as 0.4"};
inline constexpr Tri kExpectTxShare{"eine einfache Zahl von 0 bis 100 (Prozent), etwa 50",
                                    "un nombre simple de 0 à 100 (pour cent), par exemple 50",
                                    "a plain number from 0 to 100 (per cent), such as 50"};
inline constexpr Tri kExpectDistance{
    "eine einfache Zahl von 0,01 bis 10000 in m, auch mit Namen davor, etwa 2,5 oder Balkon=5",
    "un nombre simple de 0,01 à 10000 en m, aussi précédé d'un nom, par exemple 2,5 ou balcon=5",
    "a plain number from 0.01 to 10000 in m, also after a name, such as 2.5 or balcony=5"};

// The text output: the settings line (%1 mode factor, %2 share in 6 min in %, %3 in 30
// min, %4 R total's source), the limits line (%1 standard, %2 population, %3 each of its
// tables with its averaging (kTabelleMittelung, joined by "; "), %4 the source).
inline constexpr Tri kTextEinstellung{
    "Betriebsartfaktor %1, Sendeanteil %2 % in 6 min, %3 % in 30 min, R gesamt aus: %4",
    "Facteur de mode %1, part d'émission %2 % sur 6 min, %3 % sur 30 min, R totale tirée de : %4",
    "Mode factor %1, transmit share %2 % within 6 min, %3 % within 30 min, R total from: %4"};
inline constexpr Tri kTextNorm{"%1, %2 (%3): %4", "%1, %2 (%3) : %4", "%1, %2 (%3): %4"};
// A table and how it is averaged: %1 its name (kTableTexte), %2 kMittelungTexte.
inline constexpr Tri kTabelleMittelung{"%1, %2", "%1, %2", "%1, %2"};
// The text output's summary: a place's verdict line per standard leads with this.
inline constexpr Tri kTextOrte{
    "Orte (höchster Wert über die Frequenzen):", "Lieux (valeur la plus haute sur les fréquences) :",
    "Places (highest value over the frequencies):"};
// %1 the verdict (kOrtUrteil), %2 the frequency in MHz it is reached at.
inline constexpr Tri kOrtBei{"%1, bei %2 MHz", "%1, à %2 MHz", "%1, at %2 MHz"};
inline constexpr Tri kTextFelder{"    bei %1 %5: H Achse %2 A/m, H Ebene %3 A/m, E Ebene %4 V/m",
                                 "    à %1 %5 : H axe %2 A/m, H plan %3 A/m, E plan %4 V/m",
                                 "    at %1 %5: H axis %2 A/m, H plane %3 A/m, E plane %4 V/m"};
struct TextSpalte {
    Tri name;
    std::string_view unit;
    bool distance = false;  // a distance: its unit is the units table's
};
inline constexpr std::array<TextSpalte, 13> kTextSpalten{{
    {{"f", "f", "f"}, "MHz"},
    {{"P mittel", "P moy.", "P avg"}, "W"},
    {{"R gesamt", "R tot.", "R total"}, "Ohm"},
    {{"I eff", "I eff", "I rms"}, "A"},
    {{"m", "m", "m"}, "A m2"},
    {{"H Grenze", "H limite", "H limit"}, "A/m"},
    {{"E Grenze", "E limite", "E limit"}, "V/m"},
    {{"H Achse", "H axe", "H axis"}, {}, true},
    {{"H Ebene", "H plan", "H plane"}, {}, true},
    {{"E Ebene", "E plan", "E plane"}, {}, true},
    {{"Abstand", "Distance", "Distance"}, {}, true},
    {{"durch", "par", "by"}, ""},
    {{"Tabelle", "Tableau", "Table"}, ""},
}};

}  // namespace ringfeld::exposure::texte
