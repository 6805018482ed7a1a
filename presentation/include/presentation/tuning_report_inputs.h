// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The inputs as the tuning-range report lists them: grouped as the windows group
// them, each caption in words with its unit, only the fields the calculation used
// (no coil length for a single turn, no empty optional field), and a field the
// window did not use marked so, with the reason.

#include <string>
#include <string_view>
#include <vector>

#include "presentation/tuning_inputs.h"
#include "text/language.h"
#include "text/length_units.h"
#include "text/loop_fields.h"

namespace ringfeld::tuning {

struct EingabeZeile {
    std::string beschriftung;  // "Diameter (m)"
    std::string wert;          // the text as typed, or with "not used: ..." after it
};

struct EingabeGruppe {
    std::string titel;
    std::vector<EingabeZeile> zeilen;
};

// The main window's loop (metric texts) with its lengths in `units`, then the window's
// three groups; `band` the band chosen, empty for none.
std::vector<EingabeGruppe> BerichtEingaben(const LoopEingaben& loop, const FieldTexts& felder, std::string_view band,
                                           Language lang, Units units);

}  // namespace ringfeld::tuning
