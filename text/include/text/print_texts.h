// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What the print command of the main and the coupling window writes: the
// heading on paper in place of the buttons, and the box text when printing fails.

#include <string>

#include "text/design_record.h"

namespace ringfeld {

enum class DruckFenster { Main, Coupling };

struct DruckTexte {
    std::string meldung;  // the box when printing fails
    std::string kopf;     // the heading on paper
    std::string danach;   // the heading's caption afterwards (the main window's "Berechnen:")
};

// In the language rec.Sprache; all empty in no language.
DruckTexte DruckTexteFuer(DruckFenster fenster, const DesignRecord& rec);

}  // namespace ringfeld
