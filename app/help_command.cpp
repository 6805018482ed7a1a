// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "app/help_command.h"

#include <exception>
#include <string_view>

#include <QDir>
#include <QString>

#include "text/catalog/help_texts.h"

#ifndef RINGFELD_HELP_RELATIVE_DIR
#define RINGFELD_HELP_RELATIVE_DIR "../share/ringfeld"
#endif

namespace ringfeld {

HilfeTexte HilfeTexteFuer(Language lang) {
    const SprachEintrag* sprache = SprachEintragVon(lang);
    if (!sprache) return {};
    return {"/" + std::string(sprache->hilfe), std::string(texte::kKeinBetrachter.in(lang)),
            std::string(texte::kHilfeInDatei.in(lang)), std::string(texte::kHilfeTitel.in(lang))};
}

std::vector<std::string> HilfeOrte(const std::string& programmOrdner, const std::string& dokument) {
    const QString installiert =
        QDir::cleanPath(QString::fromStdString(programmOrdner) + QStringLiteral("/" RINGFELD_HELP_RELATIVE_DIR));
    return {programmOrdner + dokument, installiert.toStdString() + dokument};
}

std::string HilfeDokumentPfad(const DesktopServices& dienste, const std::string& programmOrdner,
                              const std::string& dokument) {
    const std::vector<std::string> orte = HilfeOrte(programmOrdner, dokument);
    for (const std::string& ort : orte)
        if (dienste.fileExists(ort)) return ort;
    return orte.front();
}

bool DateiVorhanden(DesktopServices& dienste, const std::string& pfad, const DesignRecord& rec) {
    // A failing lookup counts as a missing file.
    bool vorhanden = false;
    try {
        vorhanden = dienste.fileExists(pfad);
    } catch (const std::exception&) {}
    if (vorhanden) return true;

    const Language lang = SpracheVon(rec.Sprache);
    const std::string& nl = rec.NL;
    Meldung box;
    box.text = std::string(texte::kDateiFehltVorPfad.in(lang)) + nl + pfad + nl +
               std::string(texte::kDateiFehltNachPfad.in(lang)) + nl + std::string(texte::kDateiSelbstSuchen.in(lang));
    box.title = std::string(texte::kDateiFehltTitel.in(lang));
    box.icon = BoxIcon::Stop;
    try {
        dienste.messageBox(box);
    } catch (const std::exception&) {}
    return false;
}

bool DateiOeffnen(DesktopServices& dienste, const std::string& dokument) {
    bool geoeffnet = false;
    try {
        geoeffnet = dienste.openDocument(dokument);
    } catch (const std::exception&) {}
    dienste.processEvents();
    return geoeffnet;
}

void HilfeAufrufen(DesktopServices& dienste, const DesignRecord& rec) {
    // A failing step is passed over and the command goes on with the next one.
    const HilfeTexte t = HilfeTexteFuer(SpracheVon(rec.Sprache));
    const std::string& nl = rec.NL;

    std::string ordner;
    try {
        ordner = dienste.programFacts().folder;
    } catch (const std::exception&) {}
    std::string pfad = ordner + t.dokument;
    try {
        pfad = HilfeDokumentPfad(dienste, ordner, t.dokument);
    } catch (const std::exception&) {}
    const std::string keinBetrachter = t.keinBetrachter + nl + t.dateiHinweis + nl + pfad + nl;

    if (!DateiVorhanden(dienste, pfad, rec)) return;

    // No application for PDF and one that fails to start get the same box.
    if (DateiOeffnen(dienste, pfad)) return;

    try {
        dienste.messageBox(Meldung{keinBetrachter, t.titel, BoxIcon::Stop});
    } catch (const std::exception&) {}
}

}  // namespace ringfeld
