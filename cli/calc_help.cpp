// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/calc_help.h"

#include "cli/numeric_options.h"
#include "cli/tuning_run.h"
#include "platform/qt_text.h"

namespace ringfeld::cli {
namespace {


constexpr Tri kUsage{"Aufruf: ringfeld-calc [Optionen]", "Usage : ringfeld-calc [options]",
                     "Usage: ringfeld-calc [options]"};
constexpr Tri kOptionsHeading{"Optionen:", "Options :", "Options:"};

constexpr Tri kDescription{
    "Ringfeld-Loop-Rechner: berechnet eine kleine magnetische Sendeloop aus denselben Eingaben wie das\n"
    "Hauptfenster, eine Zeile je Frequenz. Zahlen sind schlicht: Vorzeichen nach Wahl, Ziffern mit einem\n"
    "Dezimalpunkt oder -komma, Exponent nach Wahl (2,25  2.25  1.5e3); sonst nichts.",
    "Calculateur de Loop Ringfeld : calcule une petite boucle magnétique d'émission à partir des mêmes\n"
    "entrées que la fenêtre principale, une ligne par fréquence. Les nombres sont simples : signe facultatif,\n"
    "chiffres avec un point ou une virgule décimale, exposant facultatif (2,25  2.25  1.5e3) ; rien d'autre.",
    "Ringfeld loop calculator: computes a small transmitting magnetic loop from the same inputs as the\n"
    "main window, one row per frequency. Numbers are plain: optional sign, digits with one decimal point\n"
    "or comma, optional exponent (2,25  2.25  1.5e3); nothing else."};

constexpr Tri kExitStatus{
    "Rückgabewert:\n"
    "  0  jede Zeile wurde berechnet, samt Koppelschleife\n"
    "  1  eine Zeile wurde von den Prüfungen der Berechnung abgelehnt oder ist gescheitert,\n"
    "     oder ihre Koppelschleife wurde abgelehnt\n"
    "  2  Aufruffehler: unbekannte Option, oder ein Wert außerhalb seiner Form oder seines Bereichs\n",
    "Code de sortie :\n"
    "  0  chaque ligne a été calculée, avec sa boucle de couplage\n"
    "  1  une ligne a été refusée par les contrôles du calcul ou a échoué,\n"
    "     ou sa boucle de couplage a été refusée\n"
    "  2  erreur d'appel : option inconnue, ou valeur hors de sa forme ou de son domaine\n",
    "Exit status:\n"
    "  0  every row was calculated, and its coupling loop\n"
    "  1  a row was refused by the calculation's checks or faulted,\n"
    "     or its coupling loop was refused\n"
    "  2  usage error: an unknown option, or a value outside its form or range\n"};

constexpr Tri kBugs{"Fehler bitte melden unter: https://github.com/ringfeld/ringfeld/issues\n",
                    "Signaler les erreurs : https://github.com/ringfeld/ringfeld/issues\n",
                    "Report bugs to: https://github.com/ringfeld/ringfeld/issues\n"};

struct OtherOption {
    std::string_view name, valueName;  // no value name: a switch
    Tri help;
};

// Ahead of the numeric options.
constexpr OtherOption kHelp{"help", "", {"Diese Hilfe zeigen und beenden.", "Afficher cette aide et quitter.",
                                         "Show this help and exit."}};
constexpr OtherOption kVersion{"version", "", {"Die Version zeigen und beenden.",
                                               "Afficher la version et quitter.", "Show the version and exit."}};
// After them.
constexpr std::array<OtherOption, 6> kOtherOptions{{
    {"sweep", "from:to:step",
     {"Frequenzen VON:BIS:SCHRITT in MHz, BIS eingeschlossen; auch mehrfach.",
      "Fréquences DE:À:PAS en MHz, À compris ; peut être répétée.",
      "Frequencies FROM:TO:STEP in MHz, TO included; may be given several times."}},
    {"shape", "text",
     {"Form der Loop: Kreis, Quadrat, circulaire, carrée, Circle, Square, in beliebiger Schreibung "
      "(Vorgabe: der Kreis der Sprache).",
      "Forme de la boucle : Kreis, Quadrat, circulaire, carrée, Circle, Square, majuscules ou minuscules "
      "(par défaut : le cercle de la langue).",
      "Loop shape: Kreis, Quadrat, circulaire, carrée, Circle, Square, in any case "
      "(default: the circle of the language)."}},
    {"material", "text",
     {"Leiter: Cu, Al, Fe, Ag, Zn, Messing, Laiton, brass, in beliebiger Schreibung (Vorgabe Cu).",
      "Conducteur : Cu, Al, Fe, Ag, Zn, Messing, Laiton, brass, majuscules ou minuscules (par défaut Cu).",
      "Conductor: Cu, Al, Fe, Ag, Zn, Messing, Laiton, brass, in any case (default Cu)."}},
    {"lang", "language",
     {"Sprache von Tabelle, Meldungen und Hilfe: deutsch, französisch, englisch oder de, fr, en "
      "(Vorgabe: die gespeicherte Sprache des Programms, sonst deutsch).",
      "Langue du tableau, des messages et de l'aide : deutsch, französisch, englisch ou de, fr, en "
      "(par défaut : la langue enregistrée du programme, sinon deutsch).",
      "Language of the table, the messages and this help: deutsch, französisch, englisch or de, fr, en "
      "(default: the program's stored language, else deutsch)."}},
    {"format", "format",
     {"Ausgabe: text (Tabelle), json oder csv (Vorgabe text).",
      "Sortie : text (tableau), json ou csv (par défaut text).",
      "Output: text (a table), json or csv (default text)."}},
    {"as-typed", "",
     {"Jeden Wert lesen, wie das Fenster seine Felder liest (die führende Zahl zählt, &H, Leerzeichen "
      "überall), ohne Bereichsregeln: die Prüfungen der Berechnung entscheiden. Text und JSON wie bisher, "
      "JSON ohne values.",
      "Lire chaque valeur comme la fenêtre lit ses champs (le nombre en tête compte, &H, espaces partout), "
      "sans règles de domaine : les contrôles du calcul décident. Texte et JSON comme avant, JSON sans "
      "values.",
      "Read every value as the window reads its fields (the leading number counts, &H, blanks anywhere), "
      "with no range rules: the calculation's own checks decide. Text and JSON as before, JSON without "
      "values."}},
}};

void add(QCommandLineParser& parser, std::string_view name, std::string_view valueName, const Tri& help,
         Language lang) {
    parser.addOption(QCommandLineOption(qs(name), qs(help, lang), qs(valueName)));
}

}  // namespace

void DefineCalcOptions(QCommandLineParser& parser, Language lang) {
    parser.setApplicationDescription(qs(kDescription, lang));
    parser.addOption(QCommandLineOption({"h", qs(kHelp.name)}, qs(kHelp.help, lang)));
    add(parser, kVersion.name, kVersion.valueName, kVersion.help, lang);
    for (const NumericOption& o : kNumericOptions) add(parser, o.name, o.valueName, o.help, lang);
    for (const OtherOption& o : kOtherOptions) add(parser, o.name, o.valueName, o.help, lang);
    DefineTuningOptions(parser, lang);
}

QString CalcHelpText(Language lang) {
    QCommandLineParser parser;
    DefineCalcOptions(parser, lang);
    // Qt's first line names the program by the path it was started with, and its
    // headings are English: both are replaced.
    QString text = parser.helpText();
    text = qs(kUsage, lang) + text.mid(text.indexOf('\n'));
    text.replace(QStringLiteral("\nOptions:\n"), '\n' + qs(kOptionsHeading, lang) + '\n');
    return text + '\n' + qs(kExitStatus, lang) + '\n' + qs(kBugs, lang);
}

QString CalcVersionText() { return QStringLiteral("ringfeld-calc " RINGFELD_VERSION "\n"); }

}  // namespace ringfeld::cli
