// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc --tuning: the tuning-range sheet written as text, JSON or CSV (the
// options are read by tuning_options).

#include <string_view>

#include "cli/output.h"
#include "core/tuning_sheet.h"
#include "text/language.h"
#include "text/length_units.h"
#include "text/loop_fields.h"

namespace ringfeld::cli {

// Computes the sheet of the loop with these field texts and writes it in the format
// while its rows are computed; text as a table in `lang` with `decimalSeparator`.
// Returns the exit status: 0 when every row and the measured frequency were
// computed, else 1. The options must have passed ParseTuningOptions. The text's
// loop line shows its lengths in `units`.
int WriteTuning(const LoopEingaben& loop, const tuning::SheetOptions& options, OutputFormat format, Language lang,
                std::string_view decimalSeparator, Output& out, Units units = Units::Metric);

}  // namespace ringfeld::cli
