// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The coupling window: the site of the loop and the size ratio in, the coupling
// loop's circumference and contact length out, the main loop's resistance at
// resonance, the labelled diagram, a note and printing.
//
// One handler per control event, named after control and event. All arithmetic
// comes from the coupling calculation (coupling_results.h), all desktop
// services from DesktopServices. The window has no owner: it stands beside the
// main window and is shown with AnkopplungZeigen (ankopplung_zeigen.h).
//
// Activation. Form_Activate runs each time this window becomes the program's
// active window coming from the main window (or another window of its kind),
// and once for every AnkopplungZeigen. Coming back from a message box or a
// dialog, or from another application, is no switch between the program's
// windows and runs nothing, so a ratio just typed or the explanation of a range
// outcome survives a box.
//
// Design files. The site and ratio a design gives take the place of the first
// site and its ratio: every activation starts from them (EingabenSetzen).
//
// Closing. The close box (a close the window system asks for) only hides the
// window and empties its results. A close from the program itself, close()
// as the main window's unload handler calls it, goes ahead.

#include <string>
#include <vector>

#include <QPointer>
#include <QWidget>

#include "coupling/coupling_diagram.h"
#include "forms/forms.h"
#include "platform/desktop_services.h"
#include "text/design_record.h"

class QCloseEvent;
class QKeyEvent;
class QWindow;

namespace ringfeld {

// Why the window is asked to close, as Form_QueryUnload sees it.
inline constexpr int vbFormControlMenu = 0;  // the user: close box, window menu, Alt+F4
inline constexpr int vbFormCode = 1;         // the program

// The window's inputs: the site list's entry (-1: none chosen) and the ratio field.
struct KopplungsEingaben {
    int ort = 0;
    std::string verhaeltnis;
};

class frmAnkopplung : public QWidget {
    Q_OBJECT

public:
    // Builds the window from its form, hidden, and runs Form_Load.
    frmAnkopplung(DesignRecord& rec, DesktopServices& dienste);
    ~frmAnkopplung() override;

    // The explanation of the last range outcome; the note command appends it.
    std::string Zusatzhinweis;

    // Life cycle.
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(bool& Cancel, int UnloadMode);

    // The language switch, in two steps (see main/sprache_anwenden.h): the site
    // list and its text and the resonance resistance are emptied, noting the
    // site chosen; then, in one of the languages, the texts are set and the
    // site is chosen again.
    void SpracheLeeren();
    void SpracheAnwenden();

    // Runs the activation now, for a showing that the program itself asks
    // for; the platform's activation that follows it runs nothing more.
    void Aktivieren();
    // The main window has calculated a loop while this window is shown: its
    // results belong to the last loop and go, and the activation runs at
    // once, as if the user had switched here.
    void NeueLoop();
    // Whether the main window's inputs have changed since its last calculation: the
    // results then say, in the title and their tooltips, that they come from it.
    void AusLetzterRechnung(bool veraltet);

    // The inputs: while the window is shown, as it shows them; while it is
    // hidden, those it will show when it is next activated.
    KopplungsEingaben Eingaben() const;
    // Shows these inputs, and makes them the ones every activation starts from.
    void EingabenSetzen(const KopplungsEingaben& eingaben);

    // Site list and ratio. A key handler clears its code to discard the key.
    void Combo1_Click();
    void Combo1_KeyDown(int& KeyCode, int& Shift);
    void Combo1_KeyPress(int& KeyAscii);
    void Text1_KeyPress(int& KeyAscii);

    // Commands: calculate, note, print.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // The labels the diagram shows now, in drawing order (empty until the
    // first activation in one of the three languages).
    const std::vector<DiagrammText>& diagrammTexte() const { return diagramm_; }

    // The controls, by their layout names.
    const Ui::frmAnkopplung& controls() const { return ui_; }

signals:
    // The site or the ratio changed.
    void EingabenGeaendert();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void installKeyFilters();
    void ResonanzAnzeigen();
    void VeraltetZeigen();
    void DiagrammBeschriften();
    void DiagrammMalen();
    void FokusfensterGewechselt(QWindow* fenster);
    bool keyPressOnList(QKeyEvent& key);
    bool keyPressOnField(QKeyEvent& key);
    std::string dezimaltrenner() const;

    DesignRecord& rec_;
    DesktopServices& dienste_;
    Ui::frmAnkopplung ui_;
    std::vector<DiagrammText> diagramm_;
    // The last window of the program's own kind (not a box, not a dialog)
    // that had the focus; an activation coming from this window is none.
    QPointer<QWindow> zuletztAktiv_;
    bool inAktivierung_ = false;
    int sprachEintrag_ = -1;   // the site chosen when the language switch began
    KopplungsEingaben start_;  // what an activation starts from
    bool veraltet_ = false;
    QString titel_;  // the title the language gave
};

}  // namespace ringfeld
