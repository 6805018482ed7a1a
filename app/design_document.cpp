// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "app/design_document.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <algorithm>

#include "design/design_file.h"
#include "platform/qt_text.h"
#include "text/catalog/design_texts.h"

namespace ringfeld {
namespace {

namespace texte = design::texte;

std::string zuletztKey(std::size_t i) { return "Datei" + std::to_string(i + 1); }

std::string absolut(const std::string& pfad) { return str(QFileInfo(qs(pfad)).absoluteFilePath()); }

std::string dateiname(const std::string& pfad) { return str(QFileInfo(qs(pfad)).fileName()); }

}  // namespace

DesignDokument::DesignDokument(DesignRecord& rec, DesktopServices& dienste, Fenster fenster)
    : rec_(rec), dienste_(dienste), fenster_(std::move(fenster)) {
    std::vector<std::string> liste;
    for (std::size_t i = 0; i < kZuletztAnzahl; ++i) {
        std::string pfad;
        // A store that cannot be read gives an empty list, as on a first start.
        try {
            pfad = dienste_.readSetting(kZuletztSection, zuletztKey(i), {});
        } catch (...) {}
        if (!pfad.empty()) liste.push_back(pfad);
    }
    zuletzt_ = std::move(liste);
    fenster_.zuletzt(zuletzt_);
}

Language DesignDokument::sprache() const {
    const Language lang = SpracheVon(rec_.Sprache);
    return lang == Language::None ? kStandardSprache : lang;
}

design::Entwurf DesignDokument::aktuell() const {
    design::Entwurf e = fenster_.lesen();
    // The groups of windows the program does not show go back as they came.
    e.notiz = mitgenommen_.notiz;
    for (const auto& [name, gruppe] : mitgenommen_.weitere) e.weitere.try_emplace(name, gruppe);
    return e;
}

void DesignDokument::Neu() {
    if (!SchliessenErlaubt()) return;
    laedt_ = true;
    fenster_.zeigen(design::Startentwurf());
    laedt_ = false;
    datei_.clear();
    mitgenommen_ = design::Entwurf();
    geaendert_ = false;
    fenster_.titel({});
}

void DesignDokument::Oeffnen() {
    if (!SchliessenErlaubt()) return;
    const Language lang = sprache();
    const std::string pfad = dienste_.chooseOpenFile(DateiDialog{
        std::string(texte::kOeffnenTitel.in(lang)), std::string(texte::kDateiFilter.in(lang)), startOrdner(), {}});
    if (!pfad.empty()) laden(pfad);
}

void DesignDokument::OeffnenDatei(const std::string& pfad) {
    if (SchliessenErlaubt()) laden(pfad);
}

void DesignDokument::laden(const std::string& pfad) {
    const Language lang = sprache();
    const design::Gelesen gelesen = design::EntwurfLesen(pfad, lang);
    if (!gelesen.entwurf) {
        std::string text = gelesen.meldung;
        const auto eintrag = std::find(zuletzt_.begin(), zuletzt_.end(), absolut(pfad));
        if (gelesen.verschwunden && eintrag != zuletzt_.end()) {
            std::vector<std::string> liste = zuletzt_;
            liste.erase(liste.begin() + (eintrag - zuletzt_.begin()));
            zuletztSetzen(std::move(liste));
            text += rec_.NL + std::string(texte::kAusListeEntfernt.in(lang));
        }
        dienste_.messageBox(Meldung{text, rec_.FehlerTitel, BoxIcon::Exclamation});
        return;
    }
    // The title names the file before the calculation's message, if any, shows.
    fenster_.titel(dateiname(absolut(pfad)));
    laedt_ = true;
    fenster_.zeigen(*gelesen.entwurf);
    laedt_ = false;
    mitgenommen_ = *gelesen.entwurf;
    dokumentSetzen(pfad, aktuell());
}

bool DesignDokument::Speichern() {
    if (datei_.empty()) return SpeichernUnter();
    return schreiben(datei_);
}

bool DesignDokument::SpeichernUnter() {
    const Language lang = sprache();
    const std::string start =
        datei_.empty() ? str(QDir(qs(startOrdner())).filePath(qs(texte::kNeuerName.in(lang)))) : datei_;
    const std::string pfad = dienste_.chooseSaveFile(DateiDialog{std::string(texte::kSpeichernTitel.in(lang)),
                                                                 std::string(texte::kDateiFilter.in(lang)), start,
                                                                 std::string(design::kEndung.substr(1))});
    return !pfad.empty() && schreiben(pfad);
}

bool DesignDokument::schreiben(const std::string& pfad) {
    const design::Entwurf e = aktuell();
    if (const auto fehler = design::EntwurfSchreiben(pfad, e, sprache())) {
        dienste_.messageBox(Meldung{*fehler, rec_.FehlerTitel, BoxIcon::Exclamation});
        return false;
    }
    dokumentSetzen(pfad, e);
    return true;
}

void DesignDokument::dokumentSetzen(const std::string& pfad, const design::Entwurf& gespeichert) {
    datei_ = absolut(pfad);
    gespeichert_ = gespeichert;
    geaendert_ = false;
    std::vector<std::string> liste{datei_};
    for (const std::string& p : zuletzt_)
        if (p != datei_ && liste.size() < kZuletztAnzahl) liste.push_back(p);
    zuletztSetzen(std::move(liste));
    fenster_.titel(dateiname(datei_));
    fenster_.geaendert(false);
}

bool DesignDokument::SchliessenErlaubt() {
    if (datei_.empty()) return true;
    EingabenGeaendert();
    if (!geaendert_) return true;
    const Language lang = sprache();
    const QString text = qs(texte::kAenderungenSpeichern.in(lang)).arg(qs(dateiname(datei_)));
    switch (dienste_.askSaveChanges(Frage{str(text), rec_.ProgrammTitel, std::string(texte::kSpeichern.in(lang)),
                                          std::string(texte::kVerwerfen.in(lang)),
                                          std::string(texte::kAbbrechen.in(lang))})) {
        case Antwort::Speichern: return Speichern();
        case Antwort::Verwerfen: return true;
        case Antwort::Abbrechen: break;
    }
    return false;
}

void DesignDokument::Eigenschaften() {
    const std::optional<std::string> notiz = fenster_.notiz(mitgenommen_.notiz);
    if (!notiz) return;
    mitgenommen_.notiz = *notiz;
    EingabenGeaendert();
}

void DesignDokument::EingabenGeaendert() {
    if (datei_.empty() || laedt_) return;
    const bool geaendert = aktuell() != gespeichert_;
    if (geaendert == geaendert_) return;
    geaendert_ = geaendert;
    fenster_.geaendert(geaendert_);
}

void DesignDokument::zuletztSetzen(std::vector<std::string> liste) {
    zuletzt_ = std::move(liste);
    for (std::size_t i = 0; i < kZuletztAnzahl; ++i)
        dienste_.writeSetting(kZuletztSection, zuletztKey(i), i < zuletzt_.size() ? zuletzt_[i] : std::string());
    fenster_.zuletzt(zuletzt_);
}

std::string DesignDokument::startOrdner() const {
    const std::string& neuester = !datei_.empty() ? datei_ : !zuletzt_.empty() ? zuletzt_.front() : std::string();
    if (neuester.empty()) return str(QDir::homePath());
    return str(QFileInfo(qs(neuester)).absolutePath());
}

}  // namespace ringfeld
