// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What the program does for the main window, which knows no other window: the
// application implements every step and hands itself to frmMain's constructor,
// so a step left out does not compile.

#include <string>

namespace ringfeld {

class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;

    // Shows the coupling window beside the main window.
    virtual void AnkopplungZeigen() = 0;
    // Brings a shown coupling window up to the loop just calculated.
    virtual void AnkopplungNeueLoop() = 0;
    // The results shown belong to earlier inputs (true) or to the fields as they are.
    virtual void ErgebnisseVeraltet(bool veraltet) = 0;
    // Shows the tuning-range, loop finder and safety-distance windows.
    virtual void AbstimmbereichZeigen() = 0;
    virtual void FinderZeigen() = 0;
    virtual void SicherheitZeigen() = 0;
    // Shows the window that reads a swept loop's resonance.
    virtual void MessungZeigen() = 0;
    // The language routine's two steps for the other windows (see sprache_anwenden.h).
    virtual void AndereFensterLeeren() = 0;
    virtual void AndereFensterAnwenden() = 0;
    // The units chosen (rec.Einheiten) changed: every other window shows its
    // lengths, captions and charts in them.
    virtual void EinheitenAnwenden() = 0;
    // The design file commands of the File menu; a recent file's entry, or a file
    // dropped on the window, opens that file.
    virtual void DateiNeu() = 0;
    virtual void DateiOeffnen() = 0;
    virtual void DateiSpeichern() = 0;
    virtual void DateiSpeichernUnter() = 0;
    // File / Properties: the design's note.
    virtual void DateiEigenschaften() = 0;
    virtual void DateiOeffnen(const std::string& pfad) = 0;
    // Asked before the main window closes: false keeps it open.
    virtual bool SchliessenErlaubt() = 0;
    // The help document and the About box.
    virtual void HilfeAufrufen() = 0;
    virtual void InfoAnzeigen() = 0;

protected:
    MainWindowHost() = default;
    MainWindowHost(const MainWindowHost&) = default;
    MainWindowHost& operator=(const MainWindowHost&) = default;
};

}  // namespace ringfeld
