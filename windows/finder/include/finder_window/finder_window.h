// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The loop finder's window: the band, the capacitor, the power and losses and the
// search space in fields; every change searches anew (finder/finder_search.h) on
// a thread of its own, cancelling a search still running; a search that takes
// longer than 200 ms shows a progress bar and a cancel button. The designs stand
// in a sortable table, best first, under the search's counts or the reason why
// nothing qualifies; "use this design" hands the chosen one to the application.
// The fields are kept in the settings store, group "Finder".
//
// It knows no other window: the application hands it the main window's inputs,
// the tuning window's inputs, and what using a design does.

#include <QString>
#include <QTimer>
#include <QWidget>

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
#include "platform/desktop_services.h"
#include "presentation/tuning_inputs.h"
#include "text/design_record.h"
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

class FinderWindow : public QWidget {
    Q_OBJECT

public:
    // The window first stands beside `neben`; `settingsFile` empty is the user's store.
    FinderWindow(DesignRecord& rec, DesktopServices& dienste, FinderAnschluss anschluss, QWidget& neben,
                 QString settingsFile = QString());
    ~FinderWindow() override;

    // Shows the window (or brings it to the front): the power and losses start from
    // the main window's, the capacitor, stray C and ground loss from the tuning window's when it has a range.
    void Zeigen();
    // Puts the window's texts into the language rec.Sprache.
    void SpracheAnwenden();

    // The inputs by their keys (finder/finder_inputs.h), for design files; putting
    // them in searches anew.
    std::map<std::string, std::string> Eingaben() const;
    void EingabenSetzen(const std::map<std::string, std::string>& werte);

    // Searches now, from the fields (a search still running is cancelled).
    void Suchen();
    // Stops a running search; the table keeps what it showed.
    void Abbrechen();
    bool sucht() const { return lauf_ != nullptr; }
    // Hands the design of the table's row (as sorted) to the application.
    void Uebernehmen(int row);

    const FinderModel& modell() const { return modell_; }
    QTableView& tabelle() const { return *tabelle_; }

signals:
    // An input of the window changed.
    void EingabenGeaendert();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    struct Lauf;

    void aufbauen();
    // The three groups side by side, or on a narrow screen power and losses below the band.
    void anordnen(bool schmal);
    void verbinden();
    void einstellungenLesen();
    void einstellungenSchreiben() const;
    Language sprache() const;
    FeldTexte felder() const;
    void felderSetzen(const FeldTexte& texte);
    void fertig(unsigned nummer, Ergebnis ergebnis);
    void fortschritt();
    void zaehlungZeigen();
    void exportieren(bool json);

    DesignRecord& rec_;
    DesktopServices& dienste_;
    FinderAnschluss anschluss_;
    QWidget& neben_;
    QString settingsFile_;

    std::array<QLineEdit*, kFeldAnzahl> texte_{};  // null for the shapes and materials
    std::array<QLabel*, kFeldAnzahl> gruende_{};
    std::array<QCheckBox*, 2> formen_{};
    std::array<QCheckBox*, 6> materialien_{};
    QLabel* zaehlung_ = nullptr;
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
    QTimer spaeter_;       // gathers the changes of one event round into one search
    QTimer anzeige_;       // progress while a search runs
    bool platziert_ = false;
    QGridLayout* oben_ = nullptr;
    std::array<QGroupBox*, 3> gruppen_{};
};

}  // namespace ringfeld::finder
