// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The safety distances as JSON and CSV, piece by piece for rows written while they are
// computed. JSON and CSV hold every standard and population; JSON's numbers at full
// precision (the shortest text that reads back exactly), CSV's distances rounded
// outwards to the centimetre as everywhere they are shown. The keys are documented in
// docs/safety-distance-output.md.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/exposure.h"
#include "core/exposure_summary.h"
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
    std::span<const NamedDistance> places;        // --distance
    const tuning::SheetOptions* sheet = nullptr;  // with --tuning
    const tuning::MeasuredResult* measured = nullptr;
    std::optional<double> measuredRatio;
    Language lang;
};

// JSON {"inputs", "options", "rows": [...], "summary"}: "inputs" the loop's field texts under
// the design file's names (export/loop_inputs.h); the start up to the rows' array, one
// row (`index` from 0), the end with the worst case and the places over the rows.
void ExposureJsonStart(std::string& out, const ExposureExport& e);
void ExposureJsonRow(std::string& out, const ExposureExport& e, const Row& row, std::size_t index);
void ExposureJsonEnd(std::string& out, const ExposureExport& e, const Summary& summary);

// CSV, RFC 4180 with CRLF: a header, then one line per row; cells a row has no value for
// are empty, the flags of a cell are separated by blanks.
void ExposureCsvHeader(std::string& out, const ExposureExport& e);
void ExposureCsvRow(std::string& out, const ExposureExport& e, const Row& row);

}  // namespace ringfeld::exposure
