// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "shell/HauptProgramm.h"

#include <exception>

#include "coupling/ankopplung_zeigen.h"
#include "coupling/frmAnkopplung.h"
#include "shell/frmMain.h"
#include "tuning/frmAbstimmbereich.h"

namespace ringfeld {

HauptProgramm::HauptProgramm(DesktopServices& dienste) : dienste_(dienste) {}

HauptProgramm::~HauptProgramm() = default;

void HauptProgramm::StartFehler(const char* beschreibung) {
    if (rec_.FehlerTitel.empty()) rec_.FehlerTitel = std::string(kStartFehlerTitel);
    dienste_.messageBox(Meldung{beschreibung, rec_.FehlerTitel, BoxIcon::Exclamation});
}

void HauptProgramm::Main() {
    rec_.NL = "\r\n";

    // Create and load the main window.
    try {
        hauptfenster_ = std::make_unique<frmMain>(rec_, dienste_);
        hauptfenster_->frmAnkopplung = [this]() -> QWidget* {
            if (!kopplungsfenster_) kopplungsfenster_ = std::make_unique<frmAnkopplung>(rec_, dienste_);
            return kopplungsfenster_.get();
        };
        hauptfenster_->AnkopplungZeigen = [this] {
            hauptfenster_->frmAnkopplung();
            ringfeld::AnkopplungZeigen(*kopplungsfenster_, hauptfenster_.get());
        };
        hauptfenster_->AnkopplungNeueLoop = [this] {
            if (kopplungsfenster_ && kopplungsfenster_->isVisible()) kopplungsfenster_->NeueLoop();
        };
        hauptfenster_->AbstimmbereichZeigen = [this] {
            if (!abstimmfenster_)
                abstimmfenster_ = std::make_unique<tuning::frmAbstimmbereich>(rec_, dienste_, *hauptfenster_);
            abstimmfenster_->Zeigen();
        };
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
