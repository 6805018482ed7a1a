// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The tuning-range window: the main window's loop over a range of frequencies.
//
// It asks for the loop's inputs (the main window's, through the function it is
// given) when it opens and whenever it is told that they changed; its own
// fields give the range, the capacitor and ground losses and a measured
// bandwidth. Every change recomputes the sheet (core/tuning_sheet.h) once the
// pending events are handled; a field that cannot be used shows a short
// reason beside it: a range or loss field leaves the sheet empty, an optional
// group (capacitor range, rating, measurement) is left out. Its fields, size and
// place are kept in the settings store, group "Abstimmbereich".
//
// It first opens within the available area of the main window's screen, beside
// the main window where it fits (narrowed if need be), and never over it
// otherwise; on a narrow screen its three groups of fields stand in two columns.

#include <array>
#include <functional>
#include <memory>

#include <QString>
#include <QTimer>
#include <QWidget>

#include "platform/desktop_services.h"
#include "presentation/tuning_inputs.h"
#include "text/design_record.h"
#include "text/loop_fields.h"
#include "tuning/tuning_model.h"
#include "tuning/tuning_report.h"

class QChart;
class QChartView;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTableView;

namespace ringfeld::tuning {

class TuningChart;

// The settings group of the window's fields.
inline constexpr std::string_view kSettingsGroup = "Abstimmbereich";

// The inputs the window keeps in the settings store (`settingsFile` empty is the
// user's store), which it starts with: the fields and the band chosen.
struct GespeicherteEingaben {
    FieldTexts felder;
    int band = 0;
};
GespeicherteEingaben EingabenImSpeicher(const QString& settingsFile = QString());

class TuningWindow : public QWidget {
    Q_OBJECT

public:
    // `schleife` gives the loop's inputs; the window first stands beside
    // `neben`; `settingsFile` empty is the user's store.
    TuningWindow(DesignRecord& rec, DesktopServices& dienste, std::function<LoopEingaben()> schleife, QWidget& neben,
                 QString settingsFile = QString());
    ~TuningWindow() override;

    // Shows the window (or brings it to the front) and computes the sheet.
    void Zeigen();
    // Puts the window's texts into the language rec.Sprache.
    void SpracheAnwenden();
    // The loop's inputs changed, or the loop was calculated: the sheet follows
    // once the pending events are handled, while the window is shown.
    void LoopGeaendert();
    // Computes the sheet now from the loop's and the window's fields.
    void Rechnen();

    // The window's own inputs as typed, and the band chosen (0: the range typed).
    FieldTexts Felder() const;
    int BandEintrag() const;
    // Puts inputs into the fields as typed; the band list shows `band`.
    void FelderSetzen(const FieldTexts& texte, int band);

    const TuningModel& modell() const { return modell_; }
    // What the printed report shows.
    BerichtInhalt berichtInhalt() const;
    // A file name for the sheet in the user's documents folder: "Ringfeld-Abstimmbereich.pdf".
    QString dateiVorschlag(const QString& endung) const;

signals:
    // A field or the band changed.
    void EingabenGeaendert();
    // The sheet was computed anew, or the window was hidden.
    void BlattGeaendert();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void aufbauen();
    void anordnen(bool zweiSpalten);
    void platzieren();
    void spaltenBreiten();
    void verbinden();
    void bandGewaehlt(int index);
    void einstellungenLesen();
    void einstellungenSchreiben() const;
    Language sprache() const;
    void exportieren(bool json);
    void drucken();

    DesignRecord& rec_;
    DesktopServices& dienste_;
    std::function<LoopEingaben()> schleife_;
    LoopEingaben schleifenTexte_;  // the loop the sheet was last computed for
    QWidget& neben_;
    QString settingsFile_;

    std::array<QLineEdit*, kFieldCount> felder_{};
    std::array<QLabel*, kFieldCount> gruende_{};
    QComboBox* band_ = nullptr;
    QLabel* zusammenfassung_ = nullptr;
    QLabel* schleifenZeile_ = nullptr;
    QGridLayout* gruppenRaster_ = nullptr;
    std::array<QWidget*, 3> gruppen_{};
    bool zweiSpalten_ = false;
    QLabel* messErgebnis_ = nullptr;
    QTableView* tabelle_ = nullptr;
    QChartView* diagrammAnsicht_ = nullptr;
    QChart* chart_ = nullptr;
    std::unique_ptr<TuningChart> diagramm_;
    TuningModel modell_;
    bool platziert_ = false;  // moved beside the main window once
    QTimer spaeter_;          // gathers the changes of one event round into one computation
};

}  // namespace ringfeld::tuning
