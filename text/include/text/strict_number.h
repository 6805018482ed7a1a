// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The number rule for values a script or a new input field gives: one plain
// decimal number and nothing else, unlike TextZuZahl's leading-number rule.

#include <optional>
#include <string_view>

namespace ringfeld {

// Optional sign, digits with at most one decimal point or comma, an optional
// exponent (e or E, optional sign, digits); blanks or tabs around it. Anything
// else, and a number too large for a double, gives no value.
std::optional<double> StrikteZahl(std::string_view text);

}  // namespace ringfeld
