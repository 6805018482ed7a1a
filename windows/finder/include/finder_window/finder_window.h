// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The loop finder's window: the band, the capacitor, the power and losses and the
// search space in fields; every change searches anew (finder/finder_search.h) on
// a thread of its own, cancelling a search still running; a search that takes
// longer than 200 ms shows a progress bar and a cancel button. The designs stand
// in a sortable table, best first, under the search's counts or the reason why
// nothing qualifies; "use this design" hands the chosen one to the application.
// The fields, size and place are kept in the settings store, group "Finder"; its life
// as a tool window (built, shown, kept, placed) is forms/tool_window.h.
//
// It knows no other window: the application hands it the main window's inputs,
// the tuning window's inputs, and what using a design does.

#include <QString>
#include <QTimer>

#include <array>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "finder/finder_inputs.h"
#include "finder_window/finder_model.h"
#include "forms/tool_window.h"
#include "presentation/tuning_inputs.h"
#include "text/catalog/shape_texts.h"
#include "text/loop_fields.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace ringfeld::finder {

// The settings group of the window's fields.
inline constexpr std::string_view kSettingsGroup = "Finder";

// What using a design sets: the main window's fields and lists (the frequency
// FROM), and the tuning window's fields: the range FROM to TO in 50 steps (no step
// when FROM = TO) and the capacitor, stray C and ground loss of the search, so that
// its sheet shows the finder's numbers.
struct Uebernahme {
    LoopEingaben loop;
    std::vector<std::pair<tuning::Field, std::string>> abstimmung;
};

struct FinderAnschluss {
    std::function<LoopEingaben()> schleife;              // the main window's inputs now
    std::function<tuning::FieldTexts()> abstimmung;      // the tuning window's inputs now
    std::function<void(const Uebernahme&)> uebernehmen;  // sets them and calculates
};

class FinderWindow : public ToolWindow {
    Q_OBJECT

public:
    ~FinderWindow() override;

    // The inputs by their keys (finder/finder_inputs.h), for design files; putting
    // them in searches anew.
    std::map<std::string, std::string> Eingaben() const;
    void EingabenSetzen(const std::map<std::string, std::string>& werte);

    // Stops a running search; the table keeps what it showed.
    void Abbrechen();
    bool sucht() const { return lauf_ != nullptr; }
    // Hands the design of the table's row (as sorted) to the application.
    void Uebernehmen(int row);

    const FinderModel& modell() const { return modell_; }
    QTableView& tabelle() const { return *tabelle_; }

protected:
    // (made with makeToolWindow)
    FinderWindow(DesignRecord& rec, DesktopServices& dienste, FinderAnschluss anschluss, QWidget& neben,
                 QString settingsFile = QString());

private:
    struct Lauf;

    void build() override;
    void connectInputs() override;
    void applyLanguage(Language lang) override;
    KeptTexts keptTexts() const override;
    void restoreKept(const KeptTexts& texts) override;
    // Searches from the fields (a search still running is cancelled).
    void compute() override;
    // The power and losses start from the main window's, the capacitor, stray C and
    // ground loss from the tuning window's when it has a range.
    void beforeShow() override;
    // The three groups side by side, or on a narrow screen the search space below the others.
    void arrange(bool schmal) override;
    int leastWidth() const override;
    void hidden() override;

    FeldTexte felder() const;
    void felderSetzen(const FeldTexte& texte);
    void fertig(unsigned nummer, Ergebnis ergebnis);
    void fortschritt();
    void zaehlungZeigen();
    void exportieren(bool json);

    FinderAnschluss anschluss_;

    std::array<QLineEdit*, kFeldAnzahl> texte_{};  // null for the shapes and materials
    std::array<QLabel*, kFeldAnzahl> gruende_{};
    std::array<QCheckBox*, kFormListe.size()> formen_{};
    std::array<QCheckBox*, 6> materialien_{};
    QLabel* zaehlung_ = nullptr;
    QLabel* rangfolge_ = nullptr;  // how the designs are ranked, under the table
    bool feldFehler_ = false;      // some field cannot be used: the global message stands
    QProgressBar* fortschritt_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
    QTableView* tabelle_ = nullptr;
    FinderModel modell_;
    QSortFilterProxyModel* sortiert_ = nullptr;

    // The search the table shows, or the last one started.
    FeldTexte gesuchteTexte_;
    std::optional<FinderOptionen> gesucht_;
    std::unique_ptr<Lauf> lauf_;
    unsigned nummer_ = 0;  // of the search started last: a finished older one is dropped
    QTimer anzeige_;       // progress while a search runs
    QGridLayout* oben_ = nullptr;
    std::array<QGroupBox*, 3> gruppen_{};
};

}  // namespace ringfeld::finder
