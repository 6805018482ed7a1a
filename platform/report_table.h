// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The report engine's tables: how wide each column is, where a heading may wrap,
// and the rows over as many pages as they need.

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "platform/report.h"

namespace ringfeld::report {

class Page;

// The pieces a heading may wrap between: its words, and each part in parentheses
// (a unit: "(A/m)", "(× Rr)") whole.
QStringList HeadingPieces(const QString& heading);

// The pieces set in lines of at most `width` (a piece wider than that alone on its
// line), joined by line breaks.
QString WrapHeading(const QStringList& pieces, double width, const std::function<double(const QString&)>& measure);

// What a column needs: `least` not to break a heading's piece or a number, `cells`
// to set every cell on one line too, `wanted` its heading as well. A row stands on
// every page, a heading once: cells go on one line before headings do.
struct ColumnNeed {
    double least = 0, cells = 0, wanted = 0;
};
// Widths over `width`: where every column has what it wants, the rest shared alike;
// else every column what the highest need that all fit together asks, and the rest
// shared in proportion to what each still lacks for the next; where not even the
// least fit, shrunk alike.
std::vector<double> ColumnWidths(const std::vector<ColumnNeed>& needs, double width);

void PrintTable(Page& page, const Table& table);
// The height of the table's headings with its first rows: what a heading before it
// keeps on its page.
double TableStart(Page& page, const Table& table);

}  // namespace ringfeld::report
