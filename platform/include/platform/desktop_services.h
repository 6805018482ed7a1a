// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Every service of the desktop that the program calls, behind one interface,
// so that the windows can be driven in tests without a real desktop: message
// boxes, the beep, event processing, printing, the per-user settings store,
// the program's own facts, the file dialogs and the question before unsaved
// changes are lost, and the desktop integration for documents.
//
// The windows hold a DesktopServices by reference; QtDesktopServices is the
// real one, RecordingDesktopServices (shell/testing) the test stand-in.

#include <string>
#include <string_view>
#include <vector>

#include "text/message_box.h"

class QWidget;

namespace ringfeld {

// What the program knows about itself.
struct ProgramFacts {
    std::string folder;       // folder of the program file, no trailing separator
    std::string appTitle;     // application title, shown where a box has no title
    std::string productName;  // from the version record
    int major = 0, minor = 0, revision = 0;
    std::string legalNotice;
};

// The application title: the title of a box that has none, and the
// application name of the settings store.
inline constexpr std::string_view kAppTitle = "Ringfeld";

// A file dialog: its title, the filter of the files it lists ("Name (*.ext)"),
// the file or folder it starts at, and (saving only) the extension, without
// its dot, that a name given without one gets.
struct DateiDialog {
    std::string titel;
    std::string filter;
    std::string start;
    std::string endung;
};

// The question before changes would be lost, with its three answers.
enum class Antwort { Speichern, Verwerfen, Abbrechen };
struct Frage {
    std::string text;
    std::string titel;                            // empty: the application title
    std::string speichern, verwerfen, abbrechen;  // the buttons' captions
};

class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // Modal box with only an OK button; returns when the user has closed it.
    // An empty title shows the application title.
    virtual void messageBox(const Meldung& meldung) = 0;
    virtual void beep() = 0;
    // Handles the queued window events (repaints, clicks) before it returns.
    virtual void processEvents() = 0;
    // Prints the widget, as shown at this moment, on the default printer, at
    // the printer's resolution. False when there is no default printer or
    // printing failed.
    virtual bool printWindow(QWidget& clientArea) = 0;

    // The per-user settings store of the application kAppTitle. Reading gives
    // the default when nothing is stored or the store cannot be read; writing
    // reports whether the value reached the store.
    virtual std::string readSetting(std::string_view section, std::string_view key, std::string_view defaultValue) = 0;
    virtual bool writeSetting(std::string_view section, std::string_view key, std::string_view value) = 0;

    virtual ProgramFacts programFacts() const = 0;
    // The locale name of the desktop's interface language ("de-DE", "fr_FR", "C").
    virtual std::string desktopLocale() const = 0;

    // Whether an ordinary file (not a folder) of this path exists.
    virtual bool fileExists(const std::string& path) const = 0;
    // Starts the application the desktop opens the document with, without
    // waiting for it; false when there is none or it could not start.
    virtual bool openDocument(const std::string& document) = 0;

    // The file the user chose to open or to save to; empty when they cancelled.
    virtual std::string chooseOpenFile(const DateiDialog& dialog) = 0;
    virtual std::string chooseSaveFile(const DateiDialog& dialog) = 0;
    // Asks; closing the box without an answer is Abbrechen.
    virtual Antwort askSaveChanges(const Frage& frage) = 0;

    // Ends the program at once (after the windows that are to close have closed).
    virtual void endProgram() = 0;
};

}  // namespace ringfeld
