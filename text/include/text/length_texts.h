// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Lengths as texts in the user's units, at the edge between a field and the
// calculation: read into the calculation's units, written from them.

#include <optional>
#include <string>
#include <string_view>

#include "text/length_units.h"

namespace ringfeld {

// A length typed in `units`, in the calculation's units: metric by the strict
// number rule (StrikteZahl), imperial by ReadImperialLength; none when the text
// is no length.
std::optional<double> LengthFromText(std::string_view text, LengthQuantity quantity, Units units);

// The same for the main window's fields: metric by its leading-number rule
// (TextZuZahl, which may throw an overflow), imperial as above.
std::optional<double> LengthFromField(std::string_view text, LengthQuantity quantity, Units units);

// A length in the calculation's units as shown in `units`: the table's decimals.
std::string LengthText(double engineValue, LengthQuantity quantity, Units units, std::string_view decimalSeparator);

// A value as the decimal text every reader takes (a point, an exponent only for
// very large or small values), to twelve significant digits.
std::string ExactText(double value);

// A field's text carried from one unit system to another; a text that is not
// wholly a length in `from` (LengthFromText) stays as it is.
std::string LengthTextIn(std::string_view text, LengthQuantity quantity, Units from, Units to,
                         std::string_view decimalSeparator);

// A field's text as the settings and design files keep it: metric (ExactText) when it
// is wholly a length in `from`, else as it is; a metric text is kept as typed.
std::string MetricText(std::string_view text, LengthQuantity quantity, Units from);

// A length in the calculation's units as shown in `units`, rounded away from zero to
// the table's decimals: a safety distance is never shown nearer than it is.
std::string LengthTextOutwards(double engineValue, LengthQuantity quantity, Units units,
                               std::string_view decimalSeparator);

// A catalogue text whose "%1" stands for a unit ("Size (%1)"), with the unit's caption.
std::string WithUnit(std::string_view text, LengthQuantity quantity, Units units, Language lang);

// The line a report states its units in: "Lengths in ft, in".
std::string UnitsLine(Units units, Language lang);

// The unit's caption beside a field.
constexpr std::string_view UnitCaption(LengthQuantity quantity, Units units, Language lang) {
    return UnitOf(quantity, units).caption.in(lang == Language::None ? kStandardSprache : lang);
}

}  // namespace ringfeld
