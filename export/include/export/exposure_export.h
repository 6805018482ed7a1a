// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The safety distances as JSON and CSV, piece by piece for rows written while they are
// computed; numbers at full precision (the shortest text that reads back exactly). JSON
// and CSV hold every standard and population.

#include <optional>
#include <string>
#include <vector>

#include "core/exposure.h"
#include "text/language.h"
#include "text/loop_fields.h"

namespace ringfeld::exposure {

// What the rows were computed from.
struct ExposureExport {
    const LoopEingaben& loop;  // the field texts (the rows have their own frequency)
    const LoopZahlen& zahlen;  // the same read, for the refusals' texts
    Standard standard;         // the text output's choice, named in the options
    Population population;
    Settings settings;
    const std::vector<double>& distances;         // --distance, m
    const tuning::SheetOptions* sheet = nullptr;  // with --tuning
    const tuning::MeasuredResult* measured = nullptr;
    std::optional<double> measuredRatio;
    Language lang;
};

// JSON {"inputs", "options", "rows": [...]}: "inputs" the loop's field texts under
// the design file's names (export/loop_inputs.h); the start up to the rows' array, one
// row (`index` from 0), the end.
void ExposureJsonStart(std::string& out, const ExposureExport& e);
void ExposureJsonRow(std::string& out, const ExposureExport& e, const Row& row, std::size_t index);
void ExposureJsonEnd(std::string& out);

// CSV, RFC 4180 with CRLF: a header, then one line per row; cells a row has no value for
// are empty, the flags of a cell are separated by blanks.
void ExposureCsvHeader(std::string& out, const ExposureExport& e);
void ExposureCsvRow(std::string& out, const ExposureExport& e, const Row& row);

}  // namespace ringfeld::exposure
