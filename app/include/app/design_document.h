// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The design file the program works on: the File menu's commands, the list of
// recent files (kept in the settings), the title, and the question before
// unsaved changes would be lost, and the design's note.
//
// A run starts without a file. Once a design was opened from a file or saved
// to one (document mode), the title names the file and marks changes, and
// New, Open and closing the program ask Save / Discard / Cancel when the
// design on screen differs from the file. Without a file nothing is asked.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "design/design.h"
#include "platform/desktop_services.h"
#include "text/design_record.h"

namespace ringfeld {

// Where the recent files are kept: keys Datei1 (the newest) to Datei8.
inline constexpr std::string_view kZuletztSection = "Zuletzt";
inline constexpr std::size_t kZuletztAnzahl = 8;

class DesignDokument {
public:
    // What the application does for the document.
    struct Fenster {
        std::function<design::Entwurf()> lesen;                        // the design the windows show
        std::function<void(const design::Entwurf&)> zeigen;            // puts one on screen and calculates it
        std::function<void(const std::string&)> titel;                 // the file's name in the title ("" none)
        std::function<void(bool)> geaendert;                           // marks unsaved changes
        std::function<void(const std::vector<std::string>&)> zuletzt;  // the recent files, newest first
        // Shows the note to be edited: the note as edited, none when cancelled.
        std::function<std::optional<std::string>(const std::string&)> notiz;
    };

    DesignDokument(DesignRecord& rec, DesktopServices& dienste, Fenster fenster);

    // The start values, without a file.
    void Neu();
    // Asks for a file and opens it.
    void Oeffnen();
    // Opens this file, after the question about unsaved changes. A file that
    // cannot be read leaves the design on screen as it is and says why; a
    // recent file that has gone leaves the list.
    void OeffnenDatei(const std::string& pfad);
    // Saves to the document's file, or asks for one; false when nothing was saved.
    bool Speichern();
    bool SpeichernUnter();
    // Asks Save / Discard / Cancel when the design has unsaved changes; false
    // when it is to stay on screen.
    bool SchliessenErlaubt();
    // File / Properties: the note edited, kept with the design and saved with it.
    void Eigenschaften();
    // An input changed: the mark of unsaved changes follows.
    void EingabenGeaendert();

    // The document's file (absolute), empty without one.
    const std::string& Datei() const { return datei_; }
    const std::vector<std::string>& Zuletzt() const { return zuletzt_; }

private:
    Language sprache() const;
    design::Entwurf aktuell() const;
    void laden(const std::string& pfad);
    bool schreiben(const std::string& pfad);
    void dokumentSetzen(const std::string& pfad, const design::Entwurf& gespeichert);
    void zuletztSetzen(std::vector<std::string> liste);
    std::string startOrdner() const;

    DesignRecord& rec_;
    DesktopServices& dienste_;
    Fenster fenster_;
    std::string datei_;            // empty: no document
    design::Entwurf gespeichert_;  // the design as the file holds it
    design::Entwurf mitgenommen_;  // its note and the groups no window shows
    bool geaendert_ = false;
    bool laedt_ = false;  // the windows take a design: their changes are not the user's
    std::vector<std::string> zuletzt_;
};

}  // namespace ringfeld
