// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "app/HauptProgramm.h"

#include <exception>

#include "app/about_text.h"
#include "app/help_command.h"
#include "coupling/ankopplung_zeigen.h"
#include "coupling/frmAnkopplung.h"
#include "finder_window/frmFinder.h"
#include "main/frmMain.h"
#include "tuning/frmAbstimmbereich.h"

namespace ringfeld {

HauptProgramm::HauptProgramm(DesktopServices& dienste) : dienste_(dienste) {}

HauptProgramm::~HauptProgramm() = default;

void HauptProgramm::StartFehler(const char* beschreibung) {
    if (rec_.FehlerTitel.empty()) rec_.FehlerTitel = std::string(kStartFehlerTitel);
    dienste_.messageBox(Meldung{beschreibung, rec_.FehlerTitel, BoxIcon::Exclamation});
}

frmAnkopplung& HauptProgramm::Kopplungsfenster() {
    if (!kopplungsfenster_) kopplungsfenster_ = std::make_unique<frmAnkopplung>(rec_, dienste_);
    return *kopplungsfenster_;
}

tuning::frmAbstimmbereich& HauptProgramm::Abstimmbereich() {
    if (!abstimmfenster_) {
        abstimmfenster_ = std::make_unique<tuning::frmAbstimmbereich>(
            rec_, dienste_, [this] { return hauptfenster_->Eingaben(); }, *hauptfenster_);
        QObject::connect(hauptfenster_.get(), &frmMain::EingabenGeaendert, abstimmfenster_.get(),
                         &tuning::frmAbstimmbereich::LoopGeaendert);
    }
    return *abstimmfenster_;
}

void HauptProgramm::FinderZeigen() {
    if (!finderfenster_) {
        finder::FinderAnschluss anschluss;
        anschluss.schleife = [this] { return hauptfenster_->Eingaben(); };
        anschluss.abstimmung = [this] { return Abstimmbereich().Felder(); };
        // A design used: the main window's fields and lists, the tuning window's range
        // in the finder's steps and its capacitor, then the calculate button.
        anschluss.uebernehmen = [this](const finder::Uebernahme& u) {
            hauptfenster_->EingabenSetzen(u.loop);
            tuning::frmAbstimmbereich& abstimmung = Abstimmbereich();
            tuning::FieldTexts felder = abstimmung.Felder();
            for (const auto& [feld, text] : u.abstimmung) felder[static_cast<std::size_t>(feld)] = text;
            abstimmung.FelderSetzen(felder, 0);
            abstimmung.Zeigen();
            hauptfenster_->Command1_Click();
        };
        finderfenster_ = std::make_unique<finder::frmFinder>(rec_, dienste_, std::move(anschluss), *hauptfenster_);
    }
    finderfenster_->Zeigen();
}

void HauptProgramm::Main() {
    rec_.NL = "\r\n";

    // Create and load the main window.
    try {
        hauptfenster_ = std::make_unique<frmMain>(rec_, dienste_);
        frmMain& haupt = *hauptfenster_;
        haupt.AnkopplungZeigen = [this] { ringfeld::AnkopplungZeigen(Kopplungsfenster(), hauptfenster_.get()); };
        haupt.AnkopplungNeueLoop = [this] {
            if (kopplungsfenster_ && kopplungsfenster_->isVisible()) kopplungsfenster_->NeueLoop();
        };
        haupt.AbstimmbereichZeigen = [this] { Abstimmbereich().Zeigen(); };
        haupt.FinderZeigen = [this] { FinderZeigen(); };
        // The coupling window comes into being with the first language switch.
        haupt.AndereFensterLeeren = [this] { Kopplungsfenster().SpracheLeeren(); };
        haupt.AndereFensterAnwenden = [this] {
            Kopplungsfenster().SpracheAnwenden();
            if (abstimmfenster_) abstimmfenster_->SpracheAnwenden();
            if (finderfenster_) finderfenster_->SpracheAnwenden();
        };
        haupt.HilfeAufrufen = [this] { ringfeld::HilfeAufrufen(dienste_, rec_); };
        haupt.InfoAnzeigen = [this] { ringfeld::InfoAnzeigen(dienste_, rec_); };
        if (FensterVerbinden) FensterVerbinden(*hauptfenster_);
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
