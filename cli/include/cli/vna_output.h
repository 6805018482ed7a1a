// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc --vna: the fitted resonance applied to the loop, as text (the
// sweep and the loop in words, then each quantity with its caption and unit), as
// JSON or as CSV (export/vna_export.h).

#include <string_view>

#include "cli/output.h"
#include "cli/vna_options.h"
#include "text/language.h"
#include "text/length_units.h"
#include "text/loop_fields.h"

namespace ringfeld::cli {

// The text's loop line shows its lengths in `units`.
int WriteVna(const LoopEingaben& loop, const VnaOptions& options, OutputFormat format, Language lang,
             std::string_view decimalSeparator, Output& out, Units units = Units::Metric);

}  // namespace ringfeld::cli
