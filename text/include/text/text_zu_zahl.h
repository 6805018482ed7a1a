// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Conversion of a field's or label's text to a number.

#include <string_view>

namespace ringfeld {

// The first comma becomes a decimal point, then the leading number is read:
// blanks, tabs and line feeds are skipped wherever they stand; an optional sign,
// digits with at most one point, an optional exponent ("E" or "D", either case);
// "&H" and "&O" introduce a hexadecimal or octal whole number. Reading stops at
// the first character that does not fit; a text without a leading number is 0.
// A number too large for a double throws ArithmeticFault(Fault::Overflow).
double TextZuZahl(std::string_view text);

}  // namespace ringfeld
