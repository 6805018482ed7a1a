// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The tuning-range sheet as JSON and CSV, numbers at full precision (the shortest
// text that reads back exactly).

#include <cstddef>
#include <string>
#include <string_view>

#include "core/tuning_sheet.h"
#include "text/language.h"
#include "text/loop_fields.h"

namespace ringfeld::tuning {

// The sheet with the loop's field texts it was computed from; messages in `lang`.
struct SheetExport {
    const LoopEingaben& loop;
    const Sheet& sheet;
    Language lang;
};

// JSON {"inputs", "options", "rows", "summary", "measured"}: "inputs" the loop's field
// texts under their design-file names (export/loop_inputs.h; shape and material by key,
// without the main window's frequency); a row's "message" is null when it is ok, and
// only ok rows (and an ok measured block) carry numbers and "flags".
std::string SheetJson(const SheetExport& sheet);
// CSV: a header, then one line per row, each led by the loop's inputs (the keys and
// texts of "inputs" above), then frequency_MHz, ending, message, the export columns of
// presentation/sheet_columns.h and the flags separated by blanks; RFC 4180 quoting and CRLF
// line ends; fields a row has no value for are empty.
std::string SheetCsv(const SheetExport& sheet);

// The same texts piece by piece, appended to `out`, for a sheet written while its rows
// are computed: the start, each row in order (`index` counts from 0), then the end. Of
// the sheet they read its loop and options, the end also its summary and measured block.
void SheetJsonStart(std::string& out, const SheetExport& sheet);
void SheetJsonRow(std::string& out, const SheetExport& sheet, const SheetRow& row, std::size_t index);
void SheetJsonEnd(std::string& out, const SheetExport& sheet);
void SheetCsvHeader(std::string& out);
void SheetCsvRow(std::string& out, const SheetExport& sheet, const SheetRow& row);

}  // namespace ringfeld::tuning
