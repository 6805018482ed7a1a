// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The whole of ringfeld-calc: the arguments read (calc_options), then the run they
// choose written (the rows, --tuning, --find, --exposure) or the design saved.

#include <QStringList>

#include <string>
#include <string_view>

#include "cli/output.h"

namespace ringfeld::cli {

// Parse, run, write. Returns the exit status; output goes to `out`, usage errors to `err`.
int RunCalc(const QStringList& arguments, const std::string& storedLanguage, std::string_view localeSeparator,
            Output& out, Output& err);

}  // namespace ringfeld::cli
