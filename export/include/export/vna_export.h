// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// A swept loop's measurement as JSON (one object, exactly the keys of the
// quantities' table, presentation/vna_results.h, and "coupling") and as CSV (a
// heading line of those keys and one line of values), numbers as their shortest
// text, null or an empty cell where there is none.

#include <map>
#include <optional>
#include <string>

#include "presentation/vna_results.h"

namespace ringfeld::vna {

// The key of the sweep file's name beside the fit's texts (FitAlsTexte) in a design file.
inline constexpr std::string_view kSweepFileKey = "sweep_file";

std::string MessungJson(const LoopMeasurement& m);
std::string MessungCsv(const LoopMeasurement& m);

// The fit as texts by the quantities' keys (and "coupling"), numbers as their shortest
// text, as a design file keeps it; and back: none when a key is missing or not a
// number (a fit put back has no model to draw).
using FitTexts = std::map<std::string, std::string>;
FitTexts FitAlsTexte(const ResonanceFit& fit);
std::optional<ResonanceFit> FitAusTexten(const FitTexts& texts);

}  // namespace ringfeld::vna
