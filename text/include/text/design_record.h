// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The loop design record the windows share for the whole run: the loop's
// numbers, which the calculation fills and the coupling window reads, and the
// interface texts of the current language.

#include <string>

#include "core/design_record.h"
#include "text/length_units.h"

namespace ringfeld {

struct DesignRecord : LoopRecord {
    std::string Sprache;              // "deutsch", "französisch", "englisch" or anything read from the store
    std::string FehlerTitel;          // title of error boxes
    std::string ProgrammTitel;        // title of information boxes
    std::string NL = "\r\n";          // line break inside message texts
    Units Einheiten = kDefaultUnits;  // the units lengths are typed and shown in
};

}  // namespace ringfeld
