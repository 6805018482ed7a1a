// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The About box of the "?" menu: program name and version, the platforms it
// runs on, the legal notice and the terms of use.

#include <string>

#include "platform/desktop_services.h"
#include "text/design_record.h"
#include "text/language.h"

namespace ringfeld {

// "Ringfeld  V1.1.1": product name, two blanks, "V" and the version numbers.
std::string VersionsText(const ProgramFacts& facts);

// The box text in a language, lines joined with nl: the version text with the
// platform note, the legal notice, an empty line and the terms of use. For no
// language the version text alone.
std::string InfoText(const ProgramFacts& facts, Language lang, const std::string& nl);

// The whole About command (the main window's mnuQuesInfo_Click): the box text
// of rec.Sprache with the information icon, titled rec.ProgrammTitel.
void InfoAnzeigen(DesktopServices& dienste, const DesignRecord& rec);

}  // namespace ringfeld
