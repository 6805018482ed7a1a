// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "app/HauptProgramm.h"

#include <exception>

#include "app/about_text.h"
#include "app/help_command.h"
#include "app/qt_translation.h"
#include "coupling/ankopplung_zeigen.h"
#include "coupling/frmAnkopplung.h"
#include "exposure/exposure_window.h"
#include "finder_window/finder_window.h"
#include "main/frmMain.h"
#include "main/properties_dialog.h"
#include "platform/qt_text.h"
#include "presentation/exposure_inputs.h"
#include "presentation/vna_results.h"
#include "tuning/tuning_window.h"
#include "vna_window/vna_window.h"

namespace ringfeld {

HauptProgramm::HauptProgramm(DesktopServices& dienste) : dienste_(dienste) {}

HauptProgramm::~HauptProgramm() = default;

void HauptProgramm::StartFehler(const char* beschreibung) {
    if (rec_.FehlerTitel.empty()) rec_.FehlerTitel = std::string(kStartFehlerTitel);
    dienste_.messageBox(Meldung{beschreibung, rec_.FehlerTitel, BoxIcon::Exclamation});
}

frmAnkopplung& HauptProgramm::Kopplungsfenster() {
    if (!kopplungsfenster_) {
        kopplungsfenster_ = std::make_unique<frmAnkopplung>(rec_, dienste_);
        QObject::connect(kopplungsfenster_.get(), &frmAnkopplung::EingabenGeaendert, [this] {
            if (dokument_) dokument_->EingabenGeaendert();
        });
    }
    return *kopplungsfenster_;
}

design::Entwurf HauptProgramm::AktuellerEntwurf() {
    design::Entwurf e;
    e.einheiten = rec_.Einheiten;
    e.schleife = design::SchleifeAus(hauptfenster_->Eingaben());
    const KopplungsEingaben kopplung = Kopplungsfenster().Eingaben();
    e.kopplung = {kopplung.ort, kopplung.verhaeltnis};
    if (abstimmfenster_) {
        e.abstimmung = {abstimmfenster_->Felder(), abstimmfenster_->BandEintrag()};
    } else {
        if (!abstimmVorgabe_) {
            const tuning::GespeicherteEingaben gespeichert = tuning::EingabenImSpeicher();
            abstimmVorgabe_ = design::Abstimmung{gespeichert.felder, gespeichert.band};
        }
        e.abstimmung = *abstimmVorgabe_;
    }
    // The safety-distance window's inputs once it exists, else those of the design last shown.
    if (sicherheitsfenster_) {
        const exposure::KeyTexts eingaben = sicherheitsfenster_->Eingaben();
        e.weitere[std::string(design::kSicherheitGruppe)] = design::Gruppe(eingaben.begin(), eingaben.end());
    } else if (sicherheitVorgabe_) {
        e.weitere[std::string(design::kSicherheitGruppe)] = *sicherheitVorgabe_;
    }
    // The same for the loop finder.
    if (finderfenster_)
        e.weitere[std::string(design::kFinderGruppe)] = finderfenster_->Eingaben();
    else if (finderVorgabe_)
        e.weitere[std::string(design::kFinderGruppe)] = *finderVorgabe_;
    // The measured loop's fit and sweep file, where it has one.
    const design::Gruppe messung = messfenster_ ? messfenster_->Eingaben() : messungVorgabe_.value_or(design::Gruppe{});
    if (!messung.empty()) e.weitere[std::string(design::kMessungGruppe)] = messung;
    return e;
}

void HauptProgramm::EntwurfZeigen(const design::Entwurf& e) {
    // A file reopens in the units it was typed in; the start design's metric
    // texts are shown in the units chosen.
    const LoopEingaben felder = e.schleife.EingabenIn(SpracheVon(rec_.Sprache));
    if (e.einheiten) {
        hauptfenster_->EinheitenUebernehmen(*e.einheiten);
        hauptfenster_->EingabenSetzen(felder);
    } else {
        hauptfenster_->MetrischeEingabenSetzen(felder);
    }
    Kopplungsfenster().EingabenSetzen({e.kopplung.ort, e.kopplung.verhaeltnis});
    if (abstimmfenster_)
        abstimmfenster_->FelderSetzen(e.abstimmung.felder, e.abstimmung.band);
    else
        abstimmVorgabe_ = e.abstimmung;
    // A design without the safety-distance or the finder's group leaves that window's inputs as they are.
    if (const auto gruppe = e.weitere.find(std::string(design::kSicherheitGruppe)); gruppe != e.weitere.end()) {
        if (sicherheitsfenster_)
            sicherheitsfenster_->EingabenSetzen(exposure::KeyTexts(gruppe->second.begin(), gruppe->second.end()));
        else
            sicherheitVorgabe_ = gruppe->second;
    }
    if (const auto gruppe = e.weitere.find(std::string(design::kFinderGruppe)); gruppe != e.weitere.end()) {
        if (finderfenster_)
            finderfenster_->EingabenSetzen(gruppe->second);
        else
            finderVorgabe_ = gruppe->second;
    }
    // A design without a measurement clears the window's.
    const auto gruppe = e.weitere.find(std::string(design::kMessungGruppe));
    const design::Gruppe messung = gruppe == e.weitere.end() ? design::Gruppe{} : gruppe->second;
    if (messfenster_)
        messfenster_->EingabenSetzen(messung);
    else
        messungVorgabe_ = messung;
    // As the calculate button: a refusal shows its box, an open coupling window follows.
    hauptfenster_->Command1_Click();
}

// ---------------------------------------------------------------- what the main window asks for

void HauptProgramm::DateiOeffnen(const std::string& pfad) {
    if (dokument_) dokument_->OeffnenDatei(pfad);
}

void HauptProgramm::DateiNeu() {
    if (dokument_) dokument_->Neu();
}

void HauptProgramm::DateiOeffnen() {
    if (dokument_) dokument_->Oeffnen();
}

void HauptProgramm::DateiSpeichern() {
    if (dokument_) dokument_->Speichern();
}

void HauptProgramm::DateiSpeichernUnter() {
    if (dokument_) dokument_->SpeichernUnter();
}

void HauptProgramm::DateiEigenschaften() {
    if (dokument_) dokument_->Eigenschaften();
}

bool HauptProgramm::SchliessenErlaubt() { return !dokument_ || dokument_->SchliessenErlaubt(); }

void HauptProgramm::AnkopplungZeigen() {
    Kopplungsfenster().AusLetzterRechnung(hauptfenster_ && hauptfenster_->ErgebnisseVeraltet());
    ringfeld::AnkopplungZeigen(Kopplungsfenster(), hauptfenster_.get());
}

void HauptProgramm::ErgebnisseVeraltet(bool veraltet) {
    if (kopplungsfenster_) kopplungsfenster_->AusLetzterRechnung(veraltet);
}

void HauptProgramm::AnkopplungNeueLoop() {
    if (kopplungsfenster_ && kopplungsfenster_->isVisible()) kopplungsfenster_->NeueLoop();
}

void HauptProgramm::AbstimmbereichZeigen() { Abstimmbereich().Zeigen(); }

// The coupling window comes into being with the first language switch.
void HauptProgramm::AndereFensterLeeren() { Kopplungsfenster().SpracheLeeren(); }

void HauptProgramm::AndereFensterAnwenden() {
    QtUebersetzungLaden(SpracheVon(rec_.Sprache));  // Qt's own dialogs and buttons
    Kopplungsfenster().SpracheAnwenden();
    if (abstimmfenster_) abstimmfenster_->SpracheAnwenden();
    if (sicherheitsfenster_) sicherheitsfenster_->SpracheAnwenden();
    if (finderfenster_) finderfenster_->SpracheAnwenden();
    if (messfenster_) messfenster_->SpracheAnwenden();
}

void HauptProgramm::EinheitenAnwenden() {
    // The captions come with each window's language routine; what they show, computed anew.
    AndereFensterAnwenden();
    AnkopplungNeueLoop();
    if (abstimmfenster_) abstimmfenster_->SpaeterRechnen();
    if (sicherheitsfenster_) sicherheitsfenster_->SpaeterRechnen();
    if (finderfenster_) finderfenster_->SpaeterRechnen();
    if (messfenster_) messfenster_->SpaeterRechnen();
}

void HauptProgramm::HilfeAufrufen() { ringfeld::HilfeAufrufen(dienste_, rec_); }

void HauptProgramm::InfoAnzeigen() { ringfeld::InfoAnzeigen(dienste_, rec_); }

void HauptProgramm::SicherheitZeigen() {
    if (!sicherheitsfenster_) {
        // The tuning range's sheet while that window shows one, else none.
        auto blatt = [this]() -> const tuning::Sheet* {
            if (!abstimmfenster_ || !abstimmfenster_->isVisible()) return nullptr;
            const tuning::Sheet& sheet = abstimmfenster_->modell().sheet();
            return sheet.rows.empty() ? nullptr : &sheet;
        };
        sicherheitsfenster_ = makeToolWindow<exposure::ExposureWindow>(
            rec_, dienste_, [this] { return hauptfenster_->MetrischeEingaben(); }, blatt, *hauptfenster_);
        QObject::connect(hauptfenster_.get(), &frmMain::EingabenGeaendert, sicherheitsfenster_.get(),
                         &exposure::ExposureWindow::SpaeterRechnen);
        if (sicherheitVorgabe_)
            sicherheitsfenster_->EingabenSetzen(
                exposure::KeyTexts(sicherheitVorgabe_->begin(), sicherheitVorgabe_->end()));
        sicherheitVorgabe_.reset();
        QObject::connect(sicherheitsfenster_.get(), &exposure::ExposureWindow::EingabenGeaendert, [this] {
            if (dokument_) dokument_->EingabenGeaendert();
        });
        SicherheitMitAbstimmung();
    }
    sicherheitsfenster_->Zeigen();
}

void HauptProgramm::MessungZeigen() {
    if (!messfenster_) {
        vna::VnaAnschluss anschluss;
        // The loop as metric texts, whatever units it was typed in.
        anschluss.schleife = [this] { return hauptfenster_->MetrischeEingaben(); };
        anschluss.abstimmung = [this] {
            if (abstimmfenster_) return abstimmfenster_->Felder();
            return abstimmVorgabe_ ? abstimmVorgabe_->felder : tuning::EingabenImSpeicher().felder;
        };
        anschluss.nutzen = [this](const vna::ResonanceFit& fit) { MessungNutzen(fit); };
        messfenster_ = makeToolWindow<vna::VnaWindow>(rec_, dienste_, std::move(anschluss), *hauptfenster_);
        QObject::connect(hauptfenster_.get(), &frmMain::EingabenGeaendert, messfenster_.get(),
                         &vna::VnaWindow::SpaeterRechnen);
        if (messungVorgabe_) messfenster_->EingabenSetzen(*messungVorgabe_);
        messungVorgabe_.reset();
        QObject::connect(messfenster_.get(), &vna::VnaWindow::EingabenGeaendert, [this] {
            if (dokument_) dokument_->EingabenGeaendert();
        });
    }
    messfenster_->Zeigen();
}

void HauptProgramm::MessungNutzen(const vna::ResonanceFit& fit) {
    // The tuning range shows the measured block; its sheet is what the safety distance's measured source takes.
    tuning::TuningWindow& abstimmung = Abstimmbereich();
    tuning::FieldTexts felder = abstimmung.Felder();
    const vna::MeasuredFields block = vna::MessblockTexte(fit, Dezimaltrenner(SpracheVon(rec_.Sprache)));
    felder[static_cast<std::size_t>(tuning::Field::MeasFreq)] = block.frequencyMHz;
    felder[static_cast<std::size_t>(tuning::Field::MeasBandwidth)] = block.bandwidthKHz;
    felder[static_cast<std::size_t>(tuning::Field::MeasVswr)] = block.vswr;
    abstimmung.FelderSetzen(felder, abstimmung.BandEintrag());
    abstimmung.Zeigen();
    const std::string quelle(exposure::CurrentSourceKey(exposure::CurrentSource::Measured));
    if (sicherheitsfenster_) {
        exposure::KeyTexts eingaben = sicherheitsfenster_->Eingaben();
        eingaben[std::string(exposure::kKeyCurrentSource)] = quelle;
        sicherheitsfenster_->EingabenSetzen(eingaben);
    } else {
        design::Gruppe gruppe = sicherheitVorgabe_.value_or(design::Gruppe{});
        gruppe[std::string(exposure::kKeyCurrentSource)] = quelle;
        sicherheitVorgabe_ = gruppe;
    }
    if (dokument_) dokument_->EingabenGeaendert();
}

void HauptProgramm::DokumentVerbinden() {
    frmMain& haupt = *hauptfenster_;
    dokument_ = std::make_unique<DesignDokument>(
        rec_, dienste_,
        DesignDokument::Fenster{
            [this] { return AktuellerEntwurf(); }, [this](const design::Entwurf& e) { EntwurfZeigen(e); },
            [this](const std::string& name) { hauptfenster_->DokumentZeigen(name); },
            [this](bool geaendert) { hauptfenster_->setWindowModified(geaendert); },
            [this](const std::vector<std::string>& dateien) { hauptfenster_->ZuletztZeigen(dateien); },
            [this](const std::string& notiz) {
                return NotizBearbeiten(*hauptfenster_, notiz, SpracheVon(rec_.Sprache));
            }});
    QObject::connect(&haupt, &frmMain::EingabenGeaendert, [this] { dokument_->EingabenGeaendert(); });
}

void HauptProgramm::SicherheitMitAbstimmung() {
    if (abstimmfenster_ && sicherheitsfenster_)
        QObject::connect(abstimmfenster_.get(), &tuning::TuningWindow::BlattGeaendert, sicherheitsfenster_.get(),
                         &exposure::ExposureWindow::SpaeterRechnen, Qt::UniqueConnection);
}

tuning::TuningWindow& HauptProgramm::Abstimmbereich() {
    if (!abstimmfenster_) {
        abstimmfenster_ = makeToolWindow<tuning::TuningWindow>(
            rec_, dienste_, [this] { return hauptfenster_->MetrischeEingaben(); }, *hauptfenster_);
        QObject::connect(hauptfenster_.get(), &frmMain::EingabenGeaendert, abstimmfenster_.get(),
                         &tuning::TuningWindow::SpaeterRechnen);
        // A design shown before the window existed brings its inputs.
        if (abstimmVorgabe_) abstimmfenster_->FelderSetzen(abstimmVorgabe_->felder, abstimmVorgabe_->band);
        abstimmVorgabe_.reset();
        QObject::connect(abstimmfenster_.get(), &tuning::TuningWindow::EingabenGeaendert, [this] {
            if (dokument_) dokument_->EingabenGeaendert();
        });
        SicherheitMitAbstimmung();
    }
    return *abstimmfenster_;
}

void HauptProgramm::FinderZeigen() {
    if (!finderfenster_) {
        finder::FinderAnschluss anschluss;
        anschluss.schleife = [this] { return hauptfenster_->MetrischeEingaben(); };
        anschluss.abstimmung = [this] { return Abstimmbereich().Felder(); };
        // A design used: the main window's fields and lists, the tuning window's range
        // in the finder's steps and its capacitor, then the calculate button.
        anschluss.uebernehmen = [this](const finder::Uebernahme& u) {
            const LoopEingaben vorher = hauptfenster_->Eingaben();
            hauptfenster_->MetrischeEingabenSetzen(u.loop);
            tuning::TuningWindow& abstimmung = Abstimmbereich();
            tuning::FieldTexts felder = abstimmung.Felder();
            for (const auto& [feld, text] : u.abstimmung) felder[static_cast<std::size_t>(feld)] = text;
            abstimmung.FelderSetzen(felder, 0);
            abstimmung.Zeigen();
            hauptfenster_->Command1_Click();
            // The main window in front, with what changed marked.
            hauptfenster_->AenderungenZeigen(vorher);
        };
        finderfenster_ = makeToolWindow<finder::FinderWindow>(rec_, dienste_, std::move(anschluss), *hauptfenster_);
        if (finderVorgabe_) finderfenster_->EingabenSetzen(*finderVorgabe_);
        finderVorgabe_.reset();
        QObject::connect(finderfenster_.get(), &finder::FinderWindow::EingabenGeaendert, [this] {
            if (dokument_) dokument_->EingabenGeaendert();
        });
    }
    finderfenster_->Zeigen();
}

void HauptProgramm::Main() {
    rec_.NL = "\r\n";

    // Create and load the main window.
    try {
        MainWindowHost& programm = *this;
        hauptfenster_ = std::make_unique<frmMain>(rec_, dienste_, programm);
        DokumentVerbinden();
        hauptfenster_->Form_Load();
    } catch (const std::exception& e) {
        StartFehler(e.what());
    } catch (...) {
        StartFehler("unknown error");
    }

    // Show it, not modal.
    try {
        if (hauptfenster_) hauptfenster_->show();
    } catch (const std::exception& e) {
        StartFehler(e.what());
    } catch (...) {
        StartFehler("unknown error");
    }
}

}  // namespace ringfeld
