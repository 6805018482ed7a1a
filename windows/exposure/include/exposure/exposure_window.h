// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The safety-distance window: is it safe to transmit here?
//
// It asks for the main window's loop (through the function it is given) and, when the
// tuning-range window has a range, for that window's sheet (another function): the
// loop at the main window's frequency is computed with the sheet's options and, with
// a measured bandwidth, its measured loss; the sheet's rows give the table over the
// frequencies. Its own fields: the mode and its factor, the transmit share, the
// standard, the population and where R total comes from. Every change recomputes once
// the pending events are handled; the fields are kept in the settings store, group
// "Sicherheitsabstand", and can be given and taken as key -> text.

#include <functional>
#include <memory>

#include <QString>
#include <QTimer>
#include <QWidget>

#include "core/tuning_sheet.h"
#include "exposure/exposure_model.h"
#include "exposure/exposure_state.h"
#include "platform/desktop_services.h"
#include "presentation/exposure_inputs.h"
#include "text/design_record.h"
#include "text/loop_fields.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTableWidget;

namespace ringfeld::exposure {

class ExposureChart;

// The settings group of the window's fields.
inline constexpr std::string_view kSettingsGroup = "Sicherheitsabstand";

class ExposureWindow : public QWidget {
    Q_OBJECT

public:
    // `schleife` gives the main window's loop, `blatt` the tuning range's sheet or
    // nothing when there is none; the window first stands beside `neben`;
    // `settingsFile` empty is the user's store.
    ExposureWindow(DesignRecord& rec, DesktopServices& dienste, std::function<LoopEingaben()> schleife,
                   std::function<const tuning::Sheet*()> blatt, QWidget& neben, QString settingsFile = QString());
    ~ExposureWindow() override;

    // Shows the window (or brings it to the front) and computes.
    void Zeigen();
    // Puts the window's texts into the language rec.Sprache.
    void SpracheAnwenden();
    // The loop or the tuning range changed: the window follows once the pending
    // events are handled, while it is shown.
    void LoopGeaendert();
    // Computes now.
    void Rechnen();

    // The window's inputs by key (presentation/exposure_inputs.h), and putting them back.
    KeyTexts Eingaben() const;
    void EingabenSetzen(const KeyTexts& texte);

    // What the window shows, and what its report prints.
    const Stand& stand() const { return stand_; }

signals:
    // An input of the window changed.
    void EingabenGeaendert();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void aufbauen();
    void verbinden();
    void listenFuellen(Language lang);
    void betriebsartGewaehlt(int index);
    exposure::Eingaben felder() const;
    void felderSetzen(const exposure::Eingaben& e);
    void einstellungenLesen();
    void einstellungenSchreiben() const;
    Language sprache() const;
    void normTabelle();
    void drucken();

    DesignRecord& rec_;
    DesktopServices& dienste_;
    std::function<LoopEingaben()> schleife_;
    std::function<const tuning::Sheet*()> blatt_;
    QWidget& neben_;
    QString settingsFile_;

    QComboBox* betriebsart_ = nullptr;
    QLineEdit* faktor_ = nullptr;
    QLineEdit* anteil_ = nullptr;
    QLabel* grundFaktor_ = nullptr;
    QLabel* grundAnteil_ = nullptr;
    QComboBox* norm_ = nullptr;
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
    bool platziert_ = false;
    QTimer spaeter_;  // gathers the changes of one event round into one computation
};

}  // namespace ringfeld::exposure
