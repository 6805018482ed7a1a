// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The tuning-range sheet as JSON and CSV, numbers at full precision (the shortest
// text that reads back exactly).

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/tuning_sheet.h"
#include "text/language.h"
#include "text/loop_fields.h"

namespace ringfeld::tuning {

// The numeric columns of a row in export order, with their export keys ("L_uH", ...);
// a value is unset where the sheet has none (f_self_resonance_MHz for CL <= 0).
struct RowColumn {
    std::string_view key;
    std::optional<double> (*value)(const RowValues&);
};
std::span<const RowColumn> RowColumns();

// The sheet with the loop's field texts it was computed from; messages in `lang`.
struct SheetExport {
    const LoopEingaben& loop;
    const Sheet& sheet;
    Language lang;
};

// JSON {"inputs", "options", "rows", "summary", "measured"}; a row's "message" is null
// when it is ok, and only ok rows (and an ok measured block) carry numbers and "flags".
std::string SheetJson(const SheetExport& sheet);
// CSV: a header of the row keys (frequency_MHz, Text5 as the row's input, ending,
// message, the RowColumns, flags separated by blanks), one line per row, RFC 4180
// quoting and CRLF line ends; fields a row has no value for are empty.
std::string SheetCsv(const SheetExport& sheet);

}  // namespace ringfeld::tuning
