// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The calculation's refusals as the boxes and rows show them; the texts are in the
// catalogue (text/catalog/loop_messages.h).

#include <optional>
#include <string>
#include <string_view>

#include "core/ending.h"
#include "core/fault.h"
#include "text/language.h"

namespace ringfeld {

// The box text of a check that refused the design, lines joined with `nl`.
// `severalTurns` adds the hint about the spacing of the turns to the capacitance refusal.
// An unknown language gives the empty text.
std::string PruefMeldung(Ending check, Language lang, bool severalTurns, const std::string& nl);

// Why a row of a sheet or sweep ended, on one line: the refusal (with the
// spacing hint for several turns) or the fault's description.
std::string AbbruchZeile(Ending ending, std::optional<Fault> fault, double turns, Language lang);

}  // namespace ringfeld
