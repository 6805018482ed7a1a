// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc's text tables: each column as wide as its widest cell, cells
// right-aligned, two blanks between them, no blank at a line's end. The widths are
// taken in a first pass over every line (headings and units too), then the lines
// are written; both passes may run in blocks (row_blocks.h), one table per block
// whose widths are merged. Also the lines every text output writes around its table.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <vector>

#include "cli/row_blocks.h"
#include "text/length_units.h"
#include "text/loop_fields.h"

namespace ringfeld::cli {

// Whether a line's last cell is aligned like the others or stands as it is (flags or
// a note of any length, which would widen its column for every line).
enum class LastCell { Aligned, AsItIs };

class TextTable {
public:
    TextTable() = default;
    TextTable(std::size_t columns, LastCell last) : width_(columns), last_(last) {}

    // Widens the columns to the line's cells; cells beyond the table's columns are left out.
    void widen(const QStringList& cells);
    // Widens the columns to another pass's widths.
    void widen(const TextTable& other);
    // The line, "\n" included; a cell beyond the table's columns stands as it is.
    QString line(const QStringList& cells) const;
    // The same table without widths, for a block's pass.
    TextTable empty() const { return {width_.size(), last_}; }

private:
    bool aligned(qsizetype cell, qsizetype cells) const {
        return cell < static_cast<qsizetype>(width_.size()) && (last_ == LastCell::Aligned || cell + 1 < cells);
    }
    std::vector<qsizetype> width_;
    LastCell last_ = LastCell::Aligned;
};

// Widens `table` by the cells of rows [0, count), `cellsOf(index)` computed in blocks on every core.
template <typename CellsOf>
void WidenInBlocks(TextTable& table, std::size_t count, CellsOf cellsOf) {
    RunInBlocks<TextTable>(
        count,
        [&](std::size_t begin, std::size_t end, TextTable& block) {
            block = table.empty();
            for (std::size_t i = begin; i < end; ++i) block.widen(cellsOf(i));
        },
        [&](const TextTable& block) { table.widen(block); });
}

// A refused row's message below it: "    ! " and the message, "\n" included.
QString NoteLine(const QString& message);

// The loop's inputs above a table: "Kreis, Cu: D = 1 m, U = 3,142 m, ...", "\n" included.
// The lengths (metric texts) are shown in `units` with the table's decimals.
QString LoopInputsLine(const LoopEingaben& loop, Units units = Units::Metric, std::string_view decimalSeparator = ".");

}  // namespace ringfeld::cli
