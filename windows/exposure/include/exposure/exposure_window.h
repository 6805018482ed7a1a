// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The safety-distance window: is it safe to transmit here?
//
// It asks for the main window's loop (through the function it is given) and, when the
// tuning-range window has a range, for that window's sheet (another function): the
// loop at the main window's frequency is computed with the sheet's options and, with
// a measured bandwidth, its measured loss; the sheet's rows give the table over the
// frequencies. Its own fields: the mode and its factor, the transmit shares within 6
// and 30 minutes, the standard (with ICNIRP 1998, ICNIRP 2010 on request), the
// population, where R total comes from, the named
// places (name and metres, each judged against every standard) and the station the
// report is for. The headline is the worst case over the frequencies in use, the table
// over the tuning range groups equal rows. Every change recomputes once
// the pending events are handled; the fields, size and place are kept in the settings
// store, group "Sicherheitsabstand", and the fields can be given and taken as key -> text.
// Its life as a tool window (built, shown, kept, placed) is forms/tool_window.h.

#include <array>
#include <functional>
#include <memory>

#include <QString>

#include "core/tuning_sheet.h"
#include "exposure/exposure_model.h"
#include "exposure/exposure_state.h"
#include "forms/tool_window.h"
#include "presentation/exposure_inputs.h"
#include "text/loop_fields.h"

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTableWidget;

namespace ringfeld::exposure {

class ExposureChart;

// The settings group of the window's fields.
inline constexpr std::string_view kSettingsGroup = "Sicherheitsabstand";

class ExposureWindow : public ToolWindow {
    Q_OBJECT

public:
    ~ExposureWindow() override;

    // The window's inputs by key (presentation/exposure_inputs.h), and putting them back.
    KeyTexts Eingaben() const;
    void EingabenSetzen(const KeyTexts& texte);

    // What the window shows, and what its report prints.
    const Stand& stand() const { return stand_; }

protected:
    // `schleife` gives the main window's loop, `blatt` the tuning range's sheet or
    // nothing when there is none (made with makeToolWindow).
    ExposureWindow(DesignRecord& rec, DesktopServices& dienste, std::function<LoopEingaben()> schleife,
                   std::function<const tuning::Sheet*()> blatt, QWidget& neben, QString settingsFile = QString());

private:
    void build() override;
    void connectInputs() override;
    void applyLanguage(Language lang) override;
    KeptTexts keptTexts() const override;
    void restoreKept(const KeptTexts& texts) override;
    void compute() override;
    int leastWidth() const override;

    void listenFuellen(Language lang);
    void betriebsartGewaehlt(int index);
    exposure::Eingaben felder() const;
    void felderSetzen(const exposure::Eingaben& e);
    void normTabelle();
    void ortTabelle();
    void ortNeu();
    void drucken();

    std::function<LoopEingaben()> schleife_;
    std::function<const tuning::Sheet*()> blatt_;

    QComboBox* betriebsart_ = nullptr;
    QLineEdit* faktor_ = nullptr;
    QLineEdit* anteil6_ = nullptr;
    QLineEdit* anteil30_ = nullptr;
    QLabel* grundFaktor_ = nullptr;
    QLabel* grundAnteil6_ = nullptr;
    QLabel* grundAnteil30_ = nullptr;
    std::array<QLineEdit*, kStationFields.size()> station_{};
    std::array<QLabel*, kStationFields.size()> stationText_{};
    QLabel* kopf_ = nullptr;
    QLabel* nah_ = nullptr;
    QLabel* mittelung_ = nullptr;
    QTableWidget* orte_ = nullptr;
    QComboBox* norm_ = nullptr;
    QCheckBox* mit2010_ = nullptr;  // ICNIRP 2010 with ICNIRP 1998 too
    QComboBox* personen_ = nullptr;
    QComboBox* quelle_ = nullptr;
    QLabel* ergebnis_ = nullptr;
    QLabel* hinweise_ = nullptr;
    QTableWidget* normen_ = nullptr;
    QChartView* diagrammAnsicht_ = nullptr;
    QChart* chart_ = nullptr;
    std::unique_ptr<ExposureChart> diagramm_;
    QLabel* bereich_ = nullptr;
    QTableView* frequenzen_ = nullptr;
    ExposureModel modell_;
    QLabel* modellText_ = nullptr;

    Stand stand_;
    Units einheiten_;  // the units the places' distances are typed and shown in
};

}  // namespace ringfeld::exposure
