// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc --design and --save-design: the tuning sheet's options taken
// from a design file where the command line gives none, and the design the
// options give, as a design file keeps it.

#include <QCommandLineParser>
#include <QStringList>

#include "design/design.h"

namespace ringfeld::cli {

// With --design, a --tuning without a value (the last argument, or one
// followed by an option) gets the empty value that takes the file's range.
QStringList TuningWithoutValue(const QStringList& arguments);

// The sheet's options that `parser` lacks (or, for --tuning, has empty), as
// arguments from the tuning-range window's fields `felder`: blank fields give none.
QStringList SheetArgumentsFrom(const QCommandLineParser& parser, const tuning::FieldTexts& felder);

// `base` with the tuning fields the sheet's options given in `parser` name
// replaced by their texts; the band list then shows the range typed.
design::Abstimmung SheetFieldsFrom(const QCommandLineParser& parser, design::Abstimmung base);

}  // namespace ringfeld::cli
