// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What the finder says about its search: the counts, and when nothing qualifies,
// why, in a sentence the builder can act on.

#include <string>
#include <string_view>
#include <vector>

#include "finder/finder_search.h"
#include "text/language.h"

namespace ringfeld::finder {

// "16308 candidates, 2500 qualify, 108 designs (the best of each combination)".
std::string Zaehlung(const Ergebnis& e, Language lang);
// "excluded: refused by the calculation 12, not a small loop 3, no capacitor fits 0, ...".
std::string Ausschluesse(const Ergebnis& e, Language lang);
// Designs at the search's largest or smallest size: that a wider search may find a
// better loop; empty when none is.
std::string Randhinweis(const Ergebnis& e, const FinderOptionen& o, Language lang, std::string_view sep);
// How many voltage exclusions keep the rating but not the margin; empty when none.
std::string Margenhinweis(const Ergebnis& e, const FinderOptionen& o, Language lang, std::string_view sep);

// The notes under the counts when designs were found, each a sentence: the search's
// edge, the candidates beyond the small-loop limit, those within the rating but not
// the margin; none when nothing qualified (the reason says it) or none applies.
std::vector<std::string> Hinweise(const Ergebnis& e, const FinderOptionen& o, Language lang, std::string_view sep);

// Empty when a design qualified (or the search was stopped); else, first, what a
// builder can do, each with the efficiency it brings, the most useful first; then
// how many candidates each condition excluded and what would help, numbers with
// the decimal separator `sep`.
std::string Begruendung(const Ergebnis& e, const FinderOptionen& o, Language lang, std::string_view sep);

}  // namespace ringfeld::finder
