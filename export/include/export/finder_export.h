// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The loop finder's result as JSON and CSV, numbers at full precision (the
// shortest text that reads back exactly), shapes and materials by their keys.

#include <optional>
#include <string>

#include "finder/finder_inputs.h"
#include "finder/finder_search.h"
#include "text/language.h"

namespace ringfeld::finder {

struct FinderExport {
    const FeldTexte& inputs;  // the texts the options were read from
    const FinderOptionen& options;
    const Ergebnis& ergebnis;
    Language lang;           // of the message
    std::optional<int> top;  // at most this many designs; none: all
};

// {"inputs" (the texts by key), "options" (the numbers read from them),
// "candidates_evaluated", "candidates_qualified", "excluded" (a count per
// condition), "excluded_within_rating_below_margin" (of those excluded by their
// voltage), "notes" (the sentences under the counts), "proposals" (when nothing
// qualifies: {"kind", its numbers, "below_a_tenth_of_the_best", "design"}),
// "message" (why nothing qualifies, else null), "designs" (one object a line, the
// keys of finder/finder_columns.h)}.
std::string FinderJson(const FinderExport& e);
// A header line of the columns' keys, then a line per design; CRLF line ends.
std::string FinderCsv(const FinderExport& e);

}  // namespace ringfeld::finder
