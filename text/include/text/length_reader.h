// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// How a length typed in feet and inches is read: the decimals every field
// takes and the fractions a tape measure shows ("7/8", "1 1/8", "3' 6\"", "42\"").

#include <optional>
#include <string_view>

namespace ringfeld {

// The unit a number without a mark is in: the field's own.
enum class ImperialUnit { Feet, Inches };

// The length `text` gives, in `plain` (a marked part counts in its own unit):
//   decimal    digits with at most one point or comma ("2.5", ",75", "3,")
//   fraction   whole "/" whole, without blanks ("7/8"), or a whole number, blanks
//              and a proper fraction ("1 1/8"); the denominator is not zero
//   marks      a number followed by ' (feet) or " (inches), blanks allowed before
//              the mark; feet may be followed by inches below 12, with or without
//              their mark ("3' 6\"", "3'6", "3' 6 1/2\"")
// Blanks or tabs may stand around the whole. Anything else gives no value: signs,
// exponents, an empty part, a mark twice ("3''"), a value too large for a double.
std::optional<double> ReadImperialLength(std::string_view text, ImperialUnit plain);

}  // namespace ringfeld
