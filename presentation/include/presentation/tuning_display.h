// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What the tuning-range window and its report show of a sheet, as plain texts:
// numbers as the table writes them, the loop the sheet computes in words, the
// summary's items and the measured result. `sep` is the decimal separator.

#include <string>
#include <string_view>
#include <vector>

#include "core/tuning_sheet.h"
#include "text/language.h"
#include "text/length_units.h"

namespace ringfeld::tuning {

// From this magnitude on a number is written compactly (1,46×10¹²): a table cell or a
// summary never holds a number wider than a dozen characters.
inline constexpr double kKompaktAb = 1e9;

// A number with `decimals` places, or compactly with three significant digits from
// kKompaktAb on; the empty text for a NaN or infinity. No thousands separator.
std::string FensterZahl(double value, int decimals, std::string_view sep);
// The same without trailing zeros after the separator (nor the separator alone).
std::string KurzeZahl(double value, int decimals, std::string_view sep);

// The loop the sheet computes and its power, in words: "circle of 2.25 m diameter,
// conductor 12 mm Cu, 1 turn, transmitter power 100 W" (the coil's length for several turns).
std::string SchleifenZeile(const LoopZahlen& loop, Language lang, std::string_view sep, Units units);

// The summary's items, each one label with its value: the rows (valid, without a
// capacitor, refused; that the last row is TO off the step), the capacitance span,
// the largest voltage, current and capacitor loss (or that they need a power, or that
// the capacitor is lossless), what a capacitor range covers.
std::vector<std::string> ZusammenfassungTeile(const Sheet& sheet, Language lang, std::string_view sep);

// After the capacitor's coverage, with a rating and a power: where the capacitor also
// keeps its rating ("; at 100 W it keeps the 5000 V rating only from 6.518 to 9.2 MHz"),
// and the power at which it would keep it over its whole range; empty without.
std::string DecktSpannung(const Sheet& sheet, Language lang, std::string_view sep);

// The measured bandwidth's result with its notes, its refusal, or that none was given.
std::string MessErgebnisText(const Sheet& sheet, Language lang, std::string_view sep);

// For a measurement that cannot be right: which unit the bandwidth was probably given
// in, as a sentence; empty otherwise.
std::string MessHinweis(const MeasuredResult& measured, Language lang, std::string_view sep);

// A row's notes: the sentence of each flag, joined by `join`.
std::string HinweisText(const std::vector<Flag>& flags, Language lang, std::string_view join);

}  // namespace ringfeld::tuning
