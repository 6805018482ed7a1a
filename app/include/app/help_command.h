// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The help command of the "?" menu: it finds the help document of the current
// language, checks that it is there and has the desktop open it with the
// application the user chose for PDF documents. Every box goes through the
// desktop services, so the command can be driven without a desktop.

#include <string>
#include <vector>

#include "platform/desktop_services.h"
#include "text/design_record.h"
#include "text/language.h"

namespace ringfeld {

// The help command's texts in one language: the document the language registry
// names, and the no-viewer box from the catalogue; all empty for no language.
struct HilfeTexte {
    std::string dokument;        // name of the document, beginning with "/"
    std::string keinBetrachter;  // first line of the no-viewer message
    std::string dateiHinweis;    // its second line
    std::string titel;           // title of the no-viewer box
};
HilfeTexte HilfeTexteFuer(Language lang);

// The places the help document may lie, in the order they are tried: the
// program's folder, then the installation's help folder (RINGFELD_HELP_RELATIVE_DIR
// from the program's folder, ../share/ringfeld for a program in bin/).
std::vector<std::string> HilfeOrte(const std::string& programmOrdner, const std::string& dokument);

// The first of those places that holds an ordinary file; the program's folder
// when none does, so that a missing document is reported there.
std::string HilfeDokumentPfad(const DesktopServices& dienste, const std::string& programmOrdner,
                              const std::string& dokument);

// True when an ordinary file `pfad` exists. Otherwise shows the
// missing-document message in the language of rec.Sprache and gives false.
bool DateiVorhanden(DesktopServices& dienste, const std::string& pfad, const DesignRecord& rec);

// Has the desktop open the document, then lets pending window events run.
// False when no application opens it or the application failed to start.
bool DateiOeffnen(DesktopServices& dienste, const std::string& dokument);

// The whole help command (the main window's mnuQuesHelp_Click).
void HilfeAufrufen(DesktopServices& dienste, const DesignRecord& rec);

}  // namespace ringfeld
