// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The engine every printed report goes through. A report is a list of content
// blocks (headings, paragraphs, captions with values, tables, charts, pictures)
// in the report's language; the engine lays them out on the pages of a printer
// or a PDF writer: margins of at least 15 mm, Liberation Sans from its files
// (platform/fonts.h), no text below 8 pt, charts included, a heading kept on the
// page with what follows it, a table's headings again on every page it spans and
// never broken inside a unit, and a footer with the program and its version, the
// page as "page x of y" in the language, and the date. A report builds its blocks
// from what its window shows and knows nothing of pages.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <variant>
#include <vector>

#include "text/language.h"

class QChart;
class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace ringfeld::report {

// The report's title, or a section's heading.
struct Heading {
    QString text;
    bool title = false;
};

// Text over the page's width, wrapped at its words; Strong in bold, Small in the tables' size.
struct Paragraph {
    enum class Style { Normal, Strong, Small };
    QString text;
    Style style = Style::Normal;
};

// Captions with their values ("Diameter (m): 1"), in groups side by side as far as
// the page's width allows, each under its title (none when empty).
struct KeyValues {
    struct Group {
        QString title;
        std::vector<std::pair<QString, QString>> items;
    };
    std::vector<Group> groups;
};

// A table over the page's width. A column of text is left-aligned, one of numbers
// right-aligned; each column is as wide as its cells and the longest piece of its
// heading need, and a heading wraps only at the blanks outside parentheses, so
// "C tune (pF)" may become "C tune" over "(pF)", never "(p" over "F)".
struct Table {
    struct Column {
        QString heading;
        bool text = false;
    };
    struct Row {
        QStringList cells{};
        QString across{};  // when not empty: after the first cell, across the other columns
        int bold = -1;     // the cell in bold, -1 none
        bool shaded = false;
        bool grey = false;  // a row that is no result
    };
    std::vector<Column> columns;
    std::vector<Row> rows;
};

// A chart over the page's width, `aspect` its height over its width (less where the
// page has less room). `draw` fills the chart it is handed with series, axes and
// legend; the engine sets the chart's fonts and lays it out at its printed size.
struct Chart {
    std::function<void(QChart&)> draw;
    double aspect = 0.45;
};

// A picture (a sketch, a photograph) drawn by `paint` into the rectangle it is
// given: `width` the share of the page's width it takes, `aspect` its height over
// its width.
struct Picture {
    std::function<void(QPainter&, const QRectF&)> paint;
    double aspect = 0.75;
    double width = 1;
};

using Block = std::variant<Heading, Paragraph, KeyValues, Table, Chart, Picture>;

struct Document {
    Language lang = Language::German;
    QDateTime made;  // the footer's date
    std::vector<Block> blocks;
};

// The locale a report in `lang` writes its dates in.
QLocale DateLocale(Language lang);

// The locale a chart in `lang` writes its numbers in: the language's decimal
// separator (text/language.h), no grouping.
QLocale NumberLocale(Language lang);

// Prints every page of `document` on `device`, whose margins it widens to 15 mm where
// they are less. Empty when it is done; else why not (the fonts' files are missing,
// the device could not be painted on).
QString Print(const Document& document, QPagedPaintDevice& device);

}  // namespace ringfeld::report
