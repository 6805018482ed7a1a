// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Texts of the calculation's refusals, in the three languages.

#include <string>
#include <string_view>

#include "language.h"

namespace ringfeld {

enum class Ending { Ok, Input, Length, Inductance, Capacitance, Fault };

// The export name of an ending in JSON and CSV: "ok", "input", "length",
// "inductance", "capacitance" or "fault".
std::string_view EndingName(Ending ending);

// The box text of a check that refused the design, lines joined with `nl`.
// `severalTurns` adds the hint about the spacing of the turns to the capacitance refusal.
// An unknown language gives the empty text.
std::string PruefMeldung(Ending check, Language lang, bool severalTurns, const std::string& nl);

}  // namespace ringfeld
