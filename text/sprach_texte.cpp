// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/sprach_texte.h"

#include <array>

#include "text/list_texts.h"

namespace ringfeld {

namespace {

using W = TextWindow;
using T = TextTarget;

constexpr auto kTexte = std::to_array<SprachText>({
    // Menu captions, in the order of the menu tree.
    {W::Main, "mnuAkt", T::Caption, {"Aktion", "Action", "Action"}},
    {W::Main, "mnuAktBerechnen", T::Caption, {"Be&rechnen", "Ca&lculer", "Calculate"}},
    {W::Main, "mnuAktRechnen", T::Caption, {"&Loop", "&Loop", "&Loop"}},
    {W::Main, "mnuAktAnkopplung", T::Caption, {"&Ankopplung", "&Couplage", "&Coupling loop"}},
    {W::Main, "mnuDruck", T::Caption, {"&Drucken", "&Imprimer", "&Print"}},
    {W::Main, "mnuAktEnde", T::Caption, {"&Beenden", "&Quitter", "&Exit"}},
    {W::Main, "mnuOpt", T::Caption, {"&Optionen", "&Options", "&Options"}},
    {W::Main, "mnuSprache", T::Caption, {"&Sprache", "&Langue", "&Language"}},
    {W::Main, "mnuDeutsch", T::Caption, {"deutsch", "allemand", "german"}},
    {W::Main, "mnuFranzösisch", T::Caption, {"französisch", "français", "french"}},
    {W::Main, "mnuEnglisch", T::Caption, {"englisch", "anglais", "english"}},
    {W::Main, "mnuQues", T::Caption, {"?", "?", "?"}},
    {W::Main, "mnuQuesHelp", T::Caption, {"&Hilfe", "&Aide", "&Help"}},
    {W::Main, "mnuQuesInfo", T::Caption, {"&Info", "&Info", "&Info"}},

    // Loop parameters.
    {W::Main, "Frame1", T::Caption, {" Loop - Parameter ", " Paramètres Loop ", " Loop - Specifications "}},
    {W::Main, "Label1", T::Caption, {"&Durchmesser:", "&Diamètre:", "&Diameter:"}},
    {W::Main, "Label3", T::Caption, {"&Umfang:", "&Périmètre:", "&Circumference:"}},
    {W::Main, "Label5", T::Caption, {"Leiterdurchme&sser:", "Diamètre d&u conducteur:", "Conductor Diameter:"}},
    {W::Main, "Label7", T::Caption, {"Form:", "F&orme:", "Shape:"}},
    {W::Main, "Label17", T::Caption, {"&Material:", "&Matériau:", "&Material:"}},
    {W::Main, "Label8", T::Caption, {"&Wdg:", "&Nbre boucles:", "&turn:"}},
    {W::Main, "Label36", T::Caption, {"L&änge:", "&lon- gueur:", "Length:"}},

    // Material list, then the shape list; circle and square stay entries 1 and 2.
    {W::Main, "Combo2", T::ListEntry, kMaterialListe[0].text},
    {W::Main, "Combo2", T::ListEntry, kMaterialListe[1].text},
    {W::Main, "Combo2", T::ListEntry, kMaterialListe[2].text},
    {W::Main, "Combo2", T::ListEntry, kMaterialListe[3].text},
    {W::Main, "Combo2", T::ListEntry, kMaterialListe[4].text},
    {W::Main, "Combo2", T::ListEntry, kMaterialListe[5].text},
    {W::Main, "Combo2", T::ListText, kMaterialListe[0].text},
    {W::Main, "Combo1", T::ListEntry, kFormListe[0].text},
    {W::Main, "Combo1", T::ListEntry, kFormListe[1].text},
    {W::Main, "Combo1", T::ListText, kFormListe[0].text},

    // Frequency, power, additional losses.
    {W::Main, "Label9", T::Caption, {"&Frequenz:", "&Fréquence:", "&Frequency:"}},
    {W::Main, "Label11", T::Caption, {"Tx -&Output:", "Puissance &TX:", "Tx -&Power:"}},
    {W::Main, "Frame3", T::Caption, {"Zusätzlicher Verlust - R", "R de perte additionnelle", "Loss - R additional"}},
    {W::Main, "Label19", T::Caption, {"Reihe :", "&Série :", "seriell:"}},
    {W::Main, "Label40", T::Caption, {"Parallel :", "&Parallèle :", "parallel:"}},

    // Results.
    {W::Main, "Frame2", T::Caption, {" Ergebnisse: ", " Résultats: ", " Results: "}},
    {W::Main, "Label13", T::Caption, {"Induktivität:", "Inductance:", "Inductance:"}},
    {W::Main, "Label14", T::Caption, {"Gesamt - C        :", "C totale          :", "Total Capacitance:"}},
    {W::Main, "Label39", T::Caption, {"Eigen - C  Loop:", "C propre de la Loop:", "Self Cap. Loop:"}},
    {W::Main, "Label30", T::Caption, {"Spannung am Kondensator:", "Tension aux bornes du C:", "Capacitator Voltage:"}},
    {W::Main, "Label18", T::Caption, {"Strahlungs - R:", "R de rayonnement:", "Radiation Resistance:"}},
    {W::Main, "Label24", T::Caption, {"Wirkungsgrad:", "Rendement:", "Efficiency:"}},
    {W::Main, "Label27", T::Caption, {"Güte:", "Facteur de qualité:", "Loop Q Value:"}},
    {W::Main, "Label25", T::Caption, {"verkürzt auf:", "Réduit à:", "Conductor Wavelength:"}},
    {W::Main, "Label31", T::Caption, {"Bandbreite:", "Bande passante:", "Bandwidth:"}},
    {W::Main, "Label21", T::Caption, {"Verlust - R des Leiters:", "R de perte du conducteur:", "Resistance Loss:"}},
    {W::Main, "Label22", T::Caption, {"Gewinn :", "Gain :", "Gain :"}},

    // Button row.
    {W::Main, "Label34", T::Caption, kRechenzeile},
    {W::Main, "Command1", T::Caption, {"&Loop", "&Loop", "&Loop"}},
    {W::Main, "Command2", T::Caption, {"&Ankopplung", "&Couplage", "&Coupling loop"}},
    {W::Main, "Command3", T::Caption, {"Druc&ken", "Im&primer", "Print"}},

    // Tooltips of the main window (Text5 keeps "QRG" in every language).
    {W::Main, "Text2", T::ToolTip, {"Umfang einer Wdg.", "Périmètre d'une boucle", "one turn circumference"}},
    {W::Main,
     "Combo2",
     T::ToolTip,
     {"Werkstoff der Antennenschleife", "Matériau de la boucle de l'antenne", "Loop material"}},
    {W::Main, "Text4", T::ToolTip, {"Anzahl der Windungen", "Nombre de boucles", "Number turn"}},
    {W::Main,
     "Text8",
     T::ToolTip,
     {"Spulenlänge von Leitermitte der ersten Wdg. bis Leitermitte der letzten Wdg.",
      "Longueur de la bobine du milieu du conducteur de la première boucle jusqu'au milieu du conducteur "
      "de la dernière boucle.",
      " inductor length from center og conductor oft he first turn to center oft he last turn."}},
    {W::Main, "Text6", T::ToolTip, {"verwendete Sendeleistung", "Puissance d'émission utilisée", "Operating Power"}},
    {W::Main,
     "Text7",
     T::ToolTip,
     {" durch Löt- u. Klemmstellen ", " dûe aux points de soudure ou de connection ",
      " via solder point and clamping point "}},
    {W::Main,
     "Text9",
     T::ToolTip,
     {" durch Kriechströme o. Bedämpfungs-R ", " dûe aux courants de fuites ou R. d'amortissement ",
      " via creeping damping resitance "}},
    {W::Main, "lbInduktivität", T::ToolTip, {"der Schleife", "de la boucle", "the loop"}},
    {W::Main,
     "lbC",
     T::ToolTip,
     {"Schwingkreiskondensator", "Condensateur du circuit d'oscillation", "Voltage dinder"}},
    {W::Main,
     "lbCL",
     T::ToolTip,
     {"Eigenkapazität der Loop", "Capacité propre de la Loop", "Own capacity of the loop"}},
    {W::Main, "lbUc", T::ToolTip, {"maximale Spannung", "Tension maximale", "maximum voltage"}},
    {W::Main, "lbKu", T::ToolTip, {"Leerlaufgüte", "Facteur de qualité à vide", "unloaded quality factor"}},
    {W::Main, "lbLamda", T::ToolTip, {"Umfang in Lambda", "Périmètre en Lambda", "circumstances in lambda"}},
    {W::Main,
     "lbGewinn",
     T::ToolTip,
     {"bezogen auf einen Dipol für diese QRG", "par rapport à un dipôle pour cette QRG",
      "related to the dipole of these QRG"}},

    // The coupling window.
    {W::Coupling,
     "Text1",
     T::ToolTip,
     {"Verhältnis der Loop zur Ankoppelschleife", "Proportion de la Loop par rapport à la boucle de couplage",
      "relation of loop to coupling loop"}},
    {W::Coupling, "frmAnkopplung", T::WindowCaption, {"Ankopplung", "Couplage", "Coupling loop"}},
    {W::Coupling, "Label8", T::Caption, {"&Aufstellort der Loop:", "Empl&acement de la Loop:", "&Site of the loop:"}},
    {W::Coupling,
     "Combo1",
     T::ListEntry,
     {"* Zimmer, Dachboden, geschlossener Balkon", "* Chambre, comble, balcon fermé",
      "* indoors, attic,conservatory balcony"}},
    {W::Coupling,
     "Combo1",
     T::ListEntry,
     {"* offener Balkon, Garten,aber nicht sehr hoch", "* Balcon ouvert, pas très élevé, jardin",
      "* conservatory balcony,garden,but not very high"}},
    {W::Coupling,
     "Combo1",
     T::ListEntry,
     {"* frei stehend, am Mast oder auf dem Dach", "* Emplacement dégagé, sur mât ou sur le toit",
      "* free-standing,at the mast or on the roof"}},
    {W::Coupling, "Command1", T::Caption, {"&Berechnen", "&Calculer", "&Calculate"}},
    {W::Coupling, "Command2", T::Caption, {"&Hinweis", "&Remarque", "&Reference"}},
    {W::Coupling, "Command3", T::Caption, {"&Drucken", "&Imprimer", "&Print"}},
    {W::Coupling, "Frame1", T::Caption, {"Ergebnisse:", "Résultats:", "Results:"}},
    {W::Coupling, "Label1", T::Caption, {"Umfang:", "Périmètre:", "Circum ference:"}},
    {W::Coupling, "Frame2", T::Caption, {"Loop - Resonanz - R:", "R. Loop à la résonance:", "Loop - Resonanc - R:"}},

    // The tuning-range window's menu entry, its captions, then its tooltips.
    {W::Main, "mnuAktAbstimmbereich", T::Caption, {"Ab&stimmbereich", "&Plage d'accord", "&Tuning range"}},
    {W::Main, "mnuAktFinder", T::Caption, {"Loop &finden", "&Trouver une boucle", "Loop &finder"}},
    {W::Main, "mnuAktSicherheit", T::Caption, {"Sic&herheitsabstand", "&Distance de sécurité", "Safety &distance"}},
    {W::Main, "mnuDatei", T::Caption, {"&Datei", "&Fichier", "&File"}},
    {W::Main, "mnuDateiNeu", T::Caption, {"&Neu", "&Nouveau", "&New"}},
    {W::Main, "mnuDateiOeffnen", T::Caption, {"Ö&ffnen...", "&Ouvrir...", "&Open..."}},
    {W::Main, "mnuDateiZuletzt", T::Caption, {"&Zuletzt geöffnet", "Fichiers &récents", "Open &recent"}},
    {W::Main, "mnuDateiSpeichern", T::Caption, {"&Speichern", "&Enregistrer", "&Save"}},
    {W::Main, "mnuDateiSpeichernUnter", T::Caption, {"Speichern &unter...", "Enregistrer &sous...", "Save &as..."}},
    {W::Tuning, "frmAbstimmbereich", T::WindowCaption, {"Abstimmbereich", "Plage d'accord", "Tuning range"}},
    {W::Tuning, "grpBereich", T::Caption, {"Frequenzbereich", "Plage de fréquences", "Frequency range"}},
    {W::Tuning, "lblBand", T::Caption, {"Ba&nd:", "&Bande radioamateur :", "&Band:"}},
    {W::Tuning, "lblVon", T::Caption, {"&von (MHz):", "&de (MHz) :", "&from (MHz):"}},
    {W::Tuning, "lblBis", T::Caption, {"b&is (MHz):", "&à (MHz) :", "&to (MHz):"}},
    {W::Tuning, "lblSchritt", T::Caption, {"&Schritt (MHz):", "&pas (MHz) :", "&step (MHz):"}},
    {W::Tuning,
     "grpVerluste",
     T::Caption,
     {"Verluste und Kondensator", "Pertes et condensateur", "Losses and capacitor"}},
    {W::Tuning, "lblGuete", T::Caption, {"Kondensator-&Güte Q:", "Q du co&ndensateur :", "Capacitor &Q:"}},
    {W::Tuning, "lblErde", T::Caption, {"&Erdverlust (× Rr):", "Perte de so&l (× Rr) :", "&Ground loss (× Rr):"}},
    {W::Tuning, "lblStreu", T::Caption, {"St&reu-C (pF):", "C pa&rasite (pF) :", "St&ray C (pF):"}},
    {W::Tuning,
     "lblCmin",
     T::Caption,
     {"Kondensator C&min (pF):", "Condensateur C&min (pF) :", "Capacitor C&min (pF):"}},
    {W::Tuning,
     "lblCmax",
     T::Caption,
     {"Kondensator Cma&x (pF):", "Condensateur Cma&x (pF) :", "Capacitor Cma&x (pF):"}},
    {W::Tuning,
     "lblUmax",
     T::Caption,
     {"Spannungs&festigkeit (V):", "&Tension de service (V) :", "&Voltage rating (V):"}},
    {W::Tuning, "grpMessung", T::Caption, {"Gemessene Bandbreite", "Bande passante mesurée", "Measured bandwidth"}},
    {W::Tuning, "lblMessFrequenz", T::Caption, {"Fre&quenz (MHz):", "Fré&quence (MHz) :", "Freq&uency (MHz):"}},
    {W::Tuning,
     "lblMessBandbreite",
     T::Caption,
     {"Band&breite (kHz):", "Largeur de bande (&kHz) :", "Bandwi&dth (kHz):"}},
    {W::Tuning, "lblMessSwr", T::Caption, {"bei S&WR:", "au R&OS :", "at VS&WR:"}},
    {W::Tuning, "cmdCsv", T::Caption, {"&CSV...", "&CSV...", "&CSV..."}},
    {W::Tuning, "cmdJson", T::Caption, {"&JSON...", "&JSON...", "&JSON..."}},
    {W::Tuning, "cmdDrucken", T::Caption, {"&Drucken...", "&Imprimer...", "&Print..."}},
    {W::Tuning,
     "txtGuete",
     T::ToolTip,
     {"leer: verlustfreier Kondensator", "vide : condensateur sans pertes", "empty: lossless capacitor"}},
    {W::Tuning,
     "txtErde",
     T::ToolTip,
     {"Erdverlust als Vielfaches des Strahlungswiderstands", "perte de sol en multiple de la résistance de rayonnement",
      "ground loss as a multiple of the radiation resistance"}},
    {W::Tuning,
     "txtStreu",
     T::ToolTip,
     {"Streu- und Verdrahtungskapazität", "capacité parasite et de câblage", "stray and wiring capacitance"}},
    {W::Tuning,
     "txtMessBandbreite",
     T::ToolTip,
     {"gemessen zwischen den Punkten des angegebenen SWR", "mesurée entre les points du ROS indiqué",
      "measured between the points of the given VSWR"}},
});

}  // namespace

std::span<const SprachText> SprachTexte() { return kTexte; }

std::string_view Beschriftung(TextWindow window, std::string_view name, Language lang) {
    for (const SprachText& row : kTexte)
        if (row.window == window && row.name == name && row.target == TextTarget::Caption) return row.text.in(lang);
    return {};
}

}  // namespace ringfeld
