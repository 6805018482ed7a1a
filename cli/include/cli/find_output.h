// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc --find: the loop finder's designs written as text, JSON or CSV (the
// options are read by find_options).

#include <string_view>

#include "cli/find_options.h"
#include "cli/output.h"
#include "text/language.h"

namespace ringfeld::cli {

// Searches and writes the designs, best first, at most `top` of them: a table in
// `lang` with the decimal separator `sep` under the search's counts, JSON or CSV. When
// nothing qualifies the reason is written (CSV: to `err`) and the status is 1.
int WriteFind(const FindOptions& f, OutputFormat format, Language lang, std::string_view sep, Output& out, Output& err);

}  // namespace ringfeld::cli
