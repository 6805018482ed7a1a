// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The measured loop's window: how good is the loop I built?
//
// It opens a vector network analyser's one-port sweep (the file dialog, a file
// dropped on it, or a recent sweep), fits its resonance (core/resonance_fit.h) and
// applies it to the main window's loop at f0 with the tuning range's capacitor and
// ground losses (both asked for through the functions it is given): the results with
// their units, the VSWR against frequency beside the loop's model, and the reflection
// with the fitted circle. A sweep that cannot be read or fitted shows one box naming
// the file and the problem, and nothing else changes. "Use" hands the fit to the
// application, which puts it where the tuning range and the safety distance take it.
// The recent sweeps, size and place are kept in the settings store, group "Messung";
// a design file keeps the sweep file's name and the fit (Eingaben).

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/resonance_fit.h"
#include "core/touchstone.h"
#include "core/tuning_sheet.h"
#include "forms/tool_window.h"
#include "presentation/tuning_inputs.h"
#include "presentation/vna_results.h"
#include "text/loop_fields.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QTableWidget;

namespace ringfeld::vna {

class SmithView;
class VnaChart;

inline constexpr std::string_view kSettingsGroup = "Messung";
inline constexpr std::size_t kRecentSweeps = 6;

// Everything the window shows at one moment, and what its report prints.
struct VnaStand {
    Language lang = Language::German;
    std::string sep = ".";
    Units units = Units::Metric;  // the loop's lengths as the report writes them
    std::string datei;            // the sweep file, absolute; empty: none
    std::optional<Sweep> sweep;   // none for a fit taken from a design file whose sweep is gone
    std::optional<LoopMeasurement> messung;
    LoopZahlen loop;
};

// What the application hands the window.
struct VnaAnschluss {
    std::function<LoopEingaben()> schleife;           // the main window's loop
    std::function<tuning::FieldTexts()> abstimmung;   // the tuning range's fields
    std::function<void(const ResonanceFit&)> nutzen;  // "Use": the fit for the tuning range and the safety distance
};

class VnaWindow : public ToolWindow {
    Q_OBJECT

public:
    ~VnaWindow() override;

    // Opens the sweep at `pfad`; false (one box, nothing changed) when it cannot be read or fitted.
    bool MessungOeffnen(const std::string& pfad);
    // The design file's group: the sweep file's name and the fit (empty without one), and putting one back.
    std::map<std::string, std::string> Eingaben() const;
    void EingabenSetzen(const std::map<std::string, std::string>& texte);

    const VnaStand& stand() const { return stand_; }
    const std::vector<std::string>& zuletzt() const { return zuletzt_; }

protected:
    VnaWindow(DesignRecord& rec, DesktopServices& dienste, VnaAnschluss anschluss, QWidget& neben,
              QString settingsFile = QString());

    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void build() override;
    void connectInputs() override;
    void applyLanguage(Language lang) override;
    KeptTexts keptTexts() const override;
    void restoreKept(const KeptTexts& texts) override;
    void compute() override;

    void oeffnenDialog();
    void zuletztZeigen();
    void drucken();

    VnaAnschluss anschluss_;
    std::vector<std::string> zuletzt_;  // the recent sweeps, the newest first
    std::optional<ResonanceFit> fit_;
    VnaStand stand_;

    QComboBox* zuletztListe_ = nullptr;
    QLabel* datei_ = nullptr;
    QLabel* schleife_ = nullptr;
    QTableWidget* ergebnis_ = nullptr;
    QChartView* diagrammAnsicht_ = nullptr;
    QChart* chart_ = nullptr;
    std::unique_ptr<VnaChart> diagramm_;
    SmithView* smith_ = nullptr;
};

}  // namespace ringfeld::vna
