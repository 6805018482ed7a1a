// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Catalogue: why a swept loop (a Touchstone file of a vector network analyser) cannot
// be read, or its resonance not fitted. A message is the sentence with the file's name
// (%1) and a reason (%2); a reason's own markers stand for the refusal's line, value
// and bound (core/touchstone.h, core/resonance_fit.h), numbered from %1 in that order
// and only those its entry declares, so that QString::arg fills them in one pass.
// A reason without its entry, or a language without its text, does not compile.

#include "core/resonance_fit.h"
#include "core/touchstone.h"
#include "text/language.h"

namespace ringfeld::vna::texte {

// The limits the texts name, as the reader has them.
static_assert(kMostSweepBytes == std::size_t{16} * 1024 * 1024 && kFewestSweepPoints == 10 &&
              kMostSweepPoints == 100'000);

struct GrundText {
    Tri text;
    bool zeile = false;   // a marker for the line
    bool wert = false;    // for the value
    bool grenze = false;  // for the bound
};

// ---- the sentences; %1: the file's name, %2: the reason

inline constexpr Tri kNichtGelesen{"Die Messung „%1“ kann nicht gelesen werden: %2",
                                   "Impossible de lire la mesure « %1 » : %2", "The sweep \"%1\" cannot be read: %2"};
inline constexpr Tri kNichtAusgewertet{"In der Messung „%1“ lässt sich keine Resonanz auswerten: %2",
                                       "Impossible d'évaluer une résonance dans la mesure « %1 » : %2",
                                       "No resonance can be evaluated in the sweep \"%1\": %2"};

// ---- reading

constexpr GrundText Grund(TouchstoneReason reason) {
    using R = TouchstoneReason;
    switch (reason) {
        case R::TooLarge: return {{"sie ist größer als 16 MiB.", "elle dépasse 16 Mio.", "it is larger than 16 MiB."}};
        case R::NotTouchstone:
            return {{"sie ist keine Touchstone-Datei (.s1p).", "ce n'est pas un fichier Touchstone (.s1p).",
                     "it is not a Touchstone file (.s1p)."}};
        case R::BadOptionLine:
            return {{"Zeile %1: die Optionszeile „# …“ kennt nur Hz, kHz, MHz, GHz, S, RI, MA, DB und „R“ mit "
                     "einem Widerstand über 0.",
                     "ligne %1 : la ligne d'options « # … » ne connaît que Hz, kHz, MHz, GHz, S, RI, MA, DB et "
                     "« R » suivi d'une résistance supérieure à 0.",
                     "line %1: the option line \"# ...\" knows only Hz, kHz, MHz, GHz, S, RI, MA, DB and \"R\" "
                     "followed by a resistance above 0."},
                    true};
        case R::NotScattering:
            return {{"Zeile %1: sie enthält Y-, Z-, G- oder H-Parameter; Ringfeld liest die Reflexion S11.",
                     "ligne %1 : elle contient des paramètres Y, Z, G ou H ; Ringfeld lit la réflexion S11.",
                     "line %1: it holds Y, Z, G or H parameters; Ringfeld reads the reflection S11."},
                    true};
        case R::MultiPort:
            return {{"Zeile %1: sie beschreibt mehr als ein Tor; Ringfeld liest Eintor-Messungen (.s1p).",
                     "ligne %1 : elle décrit plus d'un port ; Ringfeld lit des mesures à un port (.s1p).",
                     "line %1: it describes more than one port; Ringfeld reads one-port sweeps (.s1p)."},
                    true};
        case R::BadNumber:
            return {{"Zeile %1 enthält etwas, das keine Zahl ist (Dezimaltrennzeichen ist der Punkt).",
                     "la ligne %1 contient autre chose qu'un nombre (le séparateur décimal est le point).",
                     "line %1 holds something that is not a number (the decimal separator is the point)."},
                    true};
        case R::NonFinite:
            return {{"Zeile %1 enthält einen ungültigen Wert (NaN, unendlich oder zu groß).",
                     "la ligne %1 contient une valeur invalide (NaN, infinie ou trop grande).",
                     "line %1 holds an invalid value (NaN, infinite or too large)."},
                    true};
        case R::BadDataLine:
            return {{"Zeile %1 hat %2 Zahlen statt 3 (Frequenz und ein Wertepaar).",
                     "la ligne %1 a %2 nombres au lieu de 3 (fréquence et une paire de valeurs).",
                     "line %1 has %2 numbers instead of 3 (the frequency and one pair of values)."},
                    true,
                    true};
        case R::IncompletePoint:
            return {{"die Daten enden in Zeile %1 mitten in einem Messpunkt.",
                     "les données s'arrêtent à la ligne %1 au milieu d'un point de mesure.",
                     "the data end on line %1 in the middle of a point."},
                    true};
        case R::NegativeFrequency:
            return {{"Zeile %1 hat eine negative Frequenz.", "la ligne %1 a une fréquence négative.",
                     "line %1 has a negative frequency."},
                    true};
        case R::NotAscending:
            return {{"die Frequenz in Zeile %1 ist nicht höher als die davor.",
                     "la fréquence de la ligne %1 n'est pas supérieure à la précédente.",
                     "the frequency on line %1 is not above the one before."},
                    true};
        case R::TooFewPoints:
            return {{"sie enthält nur %1 Messpunkte; gebraucht werden mindestens %2.",
                     "elle ne contient que %1 points de mesure ; il en faut au moins %2.",
                     "it holds only %1 points; at least %2 are needed."},
                    false,
                    true,
                    true};
        case R::TooManyPoints:
            return {{"sie enthält mehr als 100 000 Messpunkte.", "elle contient plus de 100 000 points de mesure.",
                     "it holds more than 100,000 points."}};
        case R::BadKeyword:
            return {
                {"Zeile %1: unbekanntes Schlüsselwort oder ungültiger Wert.",
                 "ligne %1 : mot-clé inconnu ou valeur invalide.", "line %1: an unknown keyword or an invalid value."},
                true};
        case R::MissingKeyword:
            return {
                {"es fehlt eines der Schlüsselwörter [Number of Ports], [Number of Frequencies], [Network Data], "
                 "[End] oder die Optionszeile „# …“.",
                 "il manque l'un des mots-clés [Number of Ports], [Number of Frequencies], [Network Data], [End] "
                 "ou la ligne d'options « # … ».",
                 "one of the keywords [Number of Ports], [Number of Frequencies], [Network Data], [End] or the "
                 "option line \"# ...\" is missing."}};
        case R::CountMismatch:
            return {{"sie enthält %1 Messpunkte, angekündigt sind %2.",
                     "elle contient %1 points de mesure alors que %2 sont annoncés.",
                     "it holds %1 points where %2 are announced."},
                    false,
                    true,
                    true};
        case R::FileMissing:
            return {{"sie existiert nicht (mehr).", "elle n'existe pas (ou plus).", "it does not exist (any more)."}};
        case R::FileUnreadable:
            return {{"sie kann nicht gelesen werden.", "elle ne peut pas être lue.", "it cannot be read."}};
    }
    return {{"", "", ""}};
}

// ---- fitting; AtSweepEdge's value is in Hz and ModelMismatch's a share: they are
// shown in MHz and in per cent.

constexpr GrundText Grund(FitReason reason) {
    using R = FitReason;
    switch (reason) {
        case R::NoResonance:
            return {{"sie zeigt keine Resonanz, die sich vom Rauschen abhebt.",
                     "elle ne montre aucune résonance qui se détache du bruit.",
                     "it shows no resonance that stands out of the noise."}};
        case R::AtSweepEdge:
            return {{"die Resonanz bei %1 MHz liegt am Rand des Sweeps; bitte breiter um sie herum messen.",
                     "la résonance à %1 MHz est au bord du balayage ; mesurez plus largement autour d'elle.",
                     "the resonance near %1 MHz lies at the edge of the sweep; sweep wider around it."},
                    false,
                    true};
        case R::TooFewPoints:
            return {{"nur %1 Messpunkte liegen in der Bandbreite, gebraucht werden %2; bitte enger oder mit mehr "
                     "Punkten messen.",
                     "seuls %1 points de mesure sont dans la bande passante, il en faut %2 ; mesurez plus étroitement "
                     "ou avec plus de points.",
                     "only %1 points lie within the bandwidth where %2 are needed; sweep narrower or with more "
                     "points."},
                    false,
                    true,
                    true};
        case R::ModelMismatch:
            return {{"die Messpunkte weichen um %1 % des Kreisradius vom Resonanzkreis ab (höchstens %2 %): zu viel "
                     "Rauschen oder mehr als eine Resonanz.",
                     "les points s'écartent du cercle de résonance de %1 % de son rayon (au plus %2 %) : trop de "
                     "bruit ou plus d'une résonance.",
                     "the points stray from the resonance circle by %1 % of its radius (at most %2 %): too much noise "
                     "or more than one resonance."},
                    false,
                    true,
                    true};
    }
    return {{"", "", ""}};
}

// ---- ringfeld-calc --vna

inline constexpr Tri kHelpVna{
    "Die Resonanz einer gemessenen Loop auswerten: eine Eintor-Messung eines Netzwerkanalysators (Touchstone "
    ".s1p) lesen, f0, belastete und unbelastete Güte und die Kopplung anpassen und mit dem Modell der Loop "
    "(ihre Optionen oder --design) bei f0 den Gesamtverlust, den Verlust über dem Modell, Wirkungsgrad und "
    "Gewinn ausgeben.",
    "Évaluer la résonance d'une boucle mesurée : lire la mesure à un port d'un analyseur de réseau (Touchstone "
    ".s1p), ajuster f0, le Q en charge et à vide et le couplage, et donner avec le modèle de la boucle (ses "
    "options ou --design) à f0 la résistance totale, la perte au-delà du modèle, le rendement et le gain.",
    "Evaluate a measured loop's resonance: read a network analyser's one-port sweep (Touchstone .s1p), fit f0, "
    "the loaded and unloaded Q and the coupling, and give with the loop's model (its options or --design) at "
    "f0 the total loss resistance, the loss beyond the model, the efficiency and the gain."};
inline constexpr Tri kExpectSweepFile{"eine Touchstone-Datei (.s1p)", "un fichier Touchstone (.s1p)",
                                      "a Touchstone file (.s1p)"};
inline constexpr Tri kNotWithVna{"--vna lässt sich nicht mit %1 verbinden.", "--vna ne se combine pas avec %1.",
                                 "--vna cannot be combined with %1."};
inline constexpr Tri kTextMessung{"Messung: %1 (%2 Punkte, %3 bis %4 MHz)", "Mesure : %1 (%2 points, %3 à %4 MHz)",
                                  "Sweep: %1 (%2 points, %3 to %4 MHz)"};
inline constexpr Tri kTextLoop{"Loop: %1", "Boucle : %1", "Loop: %1"};
inline constexpr Tri kTextOhneLoop{"Das Modell der Loop gilt bei f0 nicht: %1",
                                   "Le modèle de la boucle ne vaut pas à f0 : %1",
                                   "The loop's model does not hold at f0: %1"};

// ---- the measurement window

inline constexpr Tri kDateiDialog{"Messung öffnen", "Ouvrir une mesure", "Open a sweep"};
inline constexpr Tri kDateiFilter{"Touchstone-Messungen (*.s1p *.S1P *.ts);;Alle Dateien (*)",
                                  "Mesures Touchstone (*.s1p *.S1P *.ts);;Tous les fichiers (*)",
                                  "Touchstone sweeps (*.s1p *.S1P *.ts);;All files (*)"};
inline constexpr Tri kKeineMessung{
    "Noch keine Messung: eine Eintor-Messung (.s1p) öffnen oder auf das Fenster ziehen.",
    "Pas encore de mesure : ouvrez une mesure à un port (.s1p) ou déposez-la sur la fenêtre.",
    "No sweep yet: open a one-port sweep (.s1p) or drop one on the window."};
inline constexpr Tri kGespeicherteMessung{
    "Aus der Loop-Datei: %1 (die Messdatei ist nicht lesbar, die Diagramme fehlen)",
    "Tiré du fichier de boucle : %1 (le fichier de mesure est illisible, sans graphiques)",
    "From the design file: %1 (the sweep file cannot be read, no charts)"};
inline constexpr Tri kAchseFrequenz{"Frequenz (MHz)", "Fréquence (MHz)", "Frequency (MHz)"};
inline constexpr Tri kAchseSwr{"SWR", "ROS", "VSWR"};
inline constexpr Tri kReiheGemessen{"gemessen", "mesuré", "measured"};
inline constexpr Tri kReiheAngepasst{"angepasst (Fit)", "ajusté", "fitted"};
inline constexpr Tri kReiheModell{"Modell bei f0, β = 1", "modèle à f0, β = 1", "model at f0, β = 1"};
inline constexpr Tri kSmithGemessen{"gemessen, Kabellaufzeit abgezogen", "mesuré, retard du câble retiré",
                                    "measured, cable delay removed"};
inline constexpr Tri kSmithKreis{"angepasster Resonanzkreis", "cercle de résonance ajusté", "fitted resonance circle"};

// ---- the report

inline constexpr Tri kBerichtTitel{"Gemessene Loop", "Boucle mesurée", "Measured loop"};
inline constexpr Tri kBerichtDatum{"Ausgewertet am %1", "Évaluée le %1", "Evaluated on %1"};
inline constexpr Tri kBerichtMessung{"Messung", "Mesure", "Sweep"};
inline constexpr Tri kBerichtErgebnis{"Ergebnis", "Résultat", "Result"};
inline constexpr Tri kBerichtSwr{"SWR über der Frequenz", "ROS en fonction de la fréquence", "VSWR against frequency"};
inline constexpr Tri kBerichtSmith{"Reflexion (Smith-Diagramm)", "Réflexion (abaque de Smith)",
                                   "Reflection (Smith chart)"};
inline constexpr Tri kBerichtMethode{"Verfahren", "Méthode", "Method"};
inline constexpr Tri kMethode{
    "Die Reflexion S11 einer Eintor-Resonanz liegt auf einem Kreis. Angepasst wird das lineare gebrochene Modell "
    "nach D. Kajfez (Linear fractional curve fitting for measurement of high Q factors, IEEE Trans. MTT 42 "
    "(1994) 1149-1153), iterativ gewichtet, mit einem Laufzeitterm für das Messkabel (wie A. P. Gregory, NPL "
    "Report MAT 58, 2021): er entfernt die Drehung des Kreises über den Sweep. Daraus folgen f0, die belastete Güte "
    "QL, "
    "der Koppelfaktor β und die unbelastete Güte Q0 = QL (1 + β); mit dem Blindwiderstand X des Modells der Loop "
    "bei f0 ist R gesamt = X / Q0.",
    "La réflexion S11 d'une résonance à un port décrit un cercle. Le modèle linéaire fractionnaire de D. Kajfez "
    "(Linear fractional curve fitting for measurement of high Q factors, IEEE Trans. MTT 42 (1994) "
    "1149-1153) est ajusté par pondération itérative, avec un terme de retard pour le câble de mesure (comme A. P. "
    "Gregory, NPL Report MAT 58, 2021) qui retire la rotation du cercle sur le balayage. On en tire f0, le Q en charge "
    "QL, le coefficient de couplage β et le Q à vide Q0 = QL (1 + β) ; avec la réactance X du modèle de la boucle "
    "à f0, R totale = X / Q0.",
    "The reflection S11 of a one-port resonance lies on a circle. D. Kajfez's linear fractional model (Linear "
    "fractional curve fitting for measurement of high Q factors, IEEE Trans. MTT 42 (1994) 1149-1153) is "
    "fitted with iterative weights and a delay term for the measuring cable (as in A. P. Gregory, NPL Report MAT "
    "58, 2021), which removes the circle's rotation over the sweep. It gives f0, the loaded Q QL, the coupling "
    "coefficient β and the unloaded Q Q0 = QL (1 + β); with the reactance X of the loop's model at f0, "
    "R total = X / Q0."};

}  // namespace ringfeld::vna::texte
