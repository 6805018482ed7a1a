// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc --exposure: the safety distances of the loop against the exposure
// limits, per frequency of --frequency, --sweep or --tuning, written as text, JSON
// or CSV (the options are read by exposure_options).

#include <string_view>

#include "cli/output.h"

namespace ringfeld::cli {

struct CalcOptions;

// Computes the rows of `options` (its frequencies, or its sheet) and writes them while
// they are computed. Returns the exit status: 0 when every row (and a measured
// frequency) was computed, else 1.
int WriteExposure(const CalcOptions& options, std::string_view localeSeparator, Output& out);

}  // namespace ringfeld::cli
