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
// place are kept in the settings store, group "Abstimmbereich"; its life as a
// tool window (built, shown, kept, placed) is forms/tool_window.h.
//
// It first opens beside the main window as every tool window does; narrowed,
// its three groups of fields stand in two columns.

#include <array>
#include <functional>
#include <memory>

#include <QString>

#include "forms/tool_window.h"
#include "presentation/tuning_inputs.h"
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

class TuningWindow : public ToolWindow {
    Q_OBJECT

public:
    ~TuningWindow() override;

    // The window's own inputs as typed, and the band chosen (0: the range typed).
    FieldTexts Felder() const;
    int BandEintrag() const;
    // Puts inputs into the fields as typed; the band list shows `band`.
    void FelderSetzen(const FieldTexts& texte, int band);

    const TuningModel& modell() const { return modell_; }
    // What the printed report shows.
    BerichtInhalt berichtInhalt() const;

signals:
    // The sheet was computed anew, or the window was hidden.
    void BlattGeaendert();

protected:
    // `schleife` gives the loop's inputs (made with makeToolWindow).
    TuningWindow(DesignRecord& rec, DesktopServices& dienste, std::function<LoopEingaben()> schleife, QWidget& neben,
                 QString settingsFile = QString());

private:
    void build() override;
    void connectInputs() override;
    void applyLanguage(Language lang) override;
    KeptTexts keptTexts() const override;
    void restoreKept(const KeptTexts& texts) override;
    void compute() override;
    void arrange(bool narrow) override;
    void hidden() override;

    void spaltenBreiten();
    void bandGewaehlt(int index);
    void exportieren(bool json);
    void drucken();

    std::function<LoopEingaben()> schleife_;
    LoopEingaben schleifenTexte_;  // the loop the sheet was last computed for

    std::array<QLineEdit*, kFieldCount> felder_{};
    std::array<QLabel*, kFieldCount> gruende_{};
    QComboBox* band_ = nullptr;
    QLabel* zusammenfassung_ = nullptr;
    QLabel* schleifenZeile_ = nullptr;
    QGridLayout* gruppenRaster_ = nullptr;
    std::array<QWidget*, 3> gruppen_{};
    QLabel* messErgebnis_ = nullptr;
    QTableView* tabelle_ = nullptr;
    QChartView* diagrammAnsicht_ = nullptr;
    QChart* chart_ = nullptr;
    std::unique_ptr<TuningChart> diagramm_;
    TuningModel modell_;
};

}  // namespace ringfeld::tuning
