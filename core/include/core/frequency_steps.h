// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Frequencies FROM..TO in steps: one rule for every list of frequencies (ringfeld-calc's sweep, the tuning-range
// sheet).

#include <optional>
#include <vector>

namespace ringfeld {

// How many frequencies FROM..TO in steps of STEP: TO counts when the span is a whole
// number of steps within rounding. None when a value is not finite, STEP <= 0, TO < FROM,
// the count exceeds `maxRows` or the last frequency overflows.
std::optional<long long> FrequenzAnzahl(double fromMHz, double toMHz, double stepMHz, long long maxRows);

// The frequencies themselves, each rounded to 1 Hz so that 7.0 + 3 * 0.1 reads 7.3.
std::optional<std::vector<double>> FrequenzSchritte(double fromMHz, double toMHz, double stepMHz, long long maxRows);

// One of them: the frequency `index` steps above FROM, rounded to 1 Hz.
double FrequenzSchritt(double fromMHz, double stepMHz, long long index);

}  // namespace ringfeld
