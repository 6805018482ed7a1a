// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The program's module: it owns the loop design record and the interface texts
// for the whole run, and starts the program with Main.

#include <memory>
#include <optional>
#include <string>

#include "app/design_document.h"
#include "core/resonance_fit.h"
#include "design/design.h"
#include "main/main_window_host.h"
#include "platform/desktop_services.h"
#include "text/design_record.h"

namespace ringfeld {

class frmMain;
class frmAnkopplung;
namespace tuning {
class TuningWindow;
}
namespace exposure {
class ExposureWindow;
}
namespace finder {
class FinderWindow;
}
namespace vna {
class VnaWindow;
}

// Title of the start-up error box while no language has given one.
inline constexpr std::string_view kStartFehlerTitel = " Kalvor Ringfeld Error: ";

// It is what the main window asks the program to do (main/main_window_host.h).
class HauptProgramm : private MainWindowHost {
public:
    explicit HauptProgramm(DesktopServices& dienste);
    ~HauptProgramm() override;
    HauptProgramm(const HauptProgramm&) = delete;
    HauptProgramm& operator=(const HauptProgramm&) = delete;

    // Start-up: builds NL, creates and loads the main window and shows it. A
    // failing step is reported in a box and start-up goes on with the next one.
    void Main();
    // Opens a design file, as `ringfeld FILE` asks (and a recent file's entry or a
    // file dropped on the main window).
    void DateiOeffnen(const std::string& pfad) override;

    DesignRecord& Record() { return rec_; }
    // The main window; null when it could not be created.
    frmMain* Hauptfenster() const { return hauptfenster_.get(); }
    // The coupling window, created hidden on first use.
    frmAnkopplung& Kopplungsfenster();
    // The tuning-range window; null until it was first shown.
    tuning::TuningWindow* Abstimmfenster() const { return abstimmfenster_.get(); }
    // The design file; null when the main window could not be created.
    DesignDokument* Dokument() const { return dokument_.get(); }

    // The design every window shows, and putting one on screen, calculated as
    // the calculate button does.
    design::Entwurf AktuellerEntwurf();
    void EntwurfZeigen(const design::Entwurf& entwurf);

    // The safety-distance window; null until it was first shown.
    exposure::ExposureWindow* Sicherheitsfenster() const { return sicherheitsfenster_.get(); }
    // The loop finder's window; null until it was first shown.
    finder::FinderWindow* Finderfenster() const { return finderfenster_.get(); }
    // The measured loop's window; null until it was first shown.
    vna::VnaWindow* Messfenster() const { return messfenster_.get(); }

private:
    // What the main window asks for.
    void AnkopplungZeigen() override;
    void AnkopplungNeueLoop() override;
    void ErgebnisseVeraltet(bool veraltet) override;
    void AbstimmbereichZeigen() override;
    void FinderZeigen() override;
    void SicherheitZeigen() override;
    void MessungZeigen() override;
    void AndereFensterLeeren() override;
    void AndereFensterAnwenden() override;
    void EinheitenAnwenden() override;
    void DateiNeu() override;
    void DateiOeffnen() override;
    void DateiSpeichern() override;
    void DateiSpeichernUnter() override;
    void DateiEigenschaften() override;
    bool SchliessenErlaubt() override;
    void HilfeAufrufen() override;
    void InfoAnzeigen() override;

    void StartFehler(const char* beschreibung);
    void DokumentVerbinden();
    // The tuning-range window, created hidden on first use.
    tuning::TuningWindow& Abstimmbereich();
    // The safety-distance window follows the tuning range's sheet, once both exist.
    void SicherheitMitAbstimmung();
    // A swept loop's fit into the tuning range's measured block and the safety distance's current source.
    void MessungNutzen(const vna::ResonanceFit& fit);

    DesktopServices& dienste_;
    DesignRecord rec_;
    std::unique_ptr<frmMain> hauptfenster_;
    std::unique_ptr<frmAnkopplung> kopplungsfenster_;               // created hidden on first use
    std::unique_ptr<tuning::TuningWindow> abstimmfenster_;          // created on first use
    std::unique_ptr<exposure::ExposureWindow> sicherheitsfenster_;  // created on first use
    std::unique_ptr<finder::FinderWindow> finderfenster_;           // created on first use
    std::unique_ptr<vna::VnaWindow> messfenster_;                   // created on first use
    // The tuning-range window's inputs while it does not exist: those of the
    // design last shown, or of the settings store once a design was read.
    std::optional<design::Abstimmung> abstimmVorgabe_;
    // The safety-distance window's inputs while it does not exist, from the design last shown.
    std::optional<design::Gruppe> sicherheitVorgabe_;
    std::optional<design::Gruppe> finderVorgabe_;   // the same for the loop finder
    std::optional<design::Gruppe> messungVorgabe_;  // and for the measured loop
    std::unique_ptr<DesignDokument> dokument_;
};

}  // namespace ringfeld
