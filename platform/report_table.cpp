// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "report_table.h"

#include <algorithm>
#include <array>
#include <numeric>

#include <QPainter>

#include "report_page.h"

namespace ringfeld::report {
namespace {

constexpr double kPadding = 0.4;             // of a line: room on either side of a cell's text
constexpr std::size_t kRowsWithHeading = 2;  // a page never ends between the headings and the rows below
const QColor kShade{235, 235, 235};

// A column's needs from the least on; each is at least the one before.
constexpr std::array<double ColumnNeed::*, 3> kLevels{&ColumnNeed::least, &ColumnNeed::cells, &ColumnNeed::wanted};

double sum(const std::vector<double>& values) { return std::accumulate(values.begin(), values.end(), 0.0); }

// The widest of `texts`.
double widest(const QStringList& texts, const QFontMetricsF& metrics) {
    double w = 0;
    for (const QString& t : texts) w = std::max(w, metrics.horizontalAdvance(t));
    return w;
}

// The table laid out on one page width: columns, their x, the headings' lines.
class Layout {
public:
    Layout(Page& page, const Table& table) : page_(page), table_(table), n_(table.columns.size()) {
        page.setFont(kSmallPoints, true);
        const QFontMetricsF bold = page.metrics();
        page.setFont(kSmallPoints);
        const QFontMetricsF normal = page.metrics();
        padding_ = page.line() * kPadding;

        std::vector<QStringList> pieces(n_);
        std::vector<ColumnNeed> needs(n_);
        for (std::size_t c = 0; c < n_; ++c) {
            pieces[c] = HeadingPieces(table.columns[c].heading);
            needs[c].least = widest(pieces[c], bold);
            needs[c].wanted = bold.horizontalAdvance(table.columns[c].heading);
        }
        for (const Table::Row& row : table.rows) {
            for (std::size_t c = 0; c < n_ && c < static_cast<std::size_t>(row.cells.size()); ++c) {
                if (c > 0 && !row.across.isEmpty()) break;
                const QString& cell = row.cells[static_cast<int>(c)];
                const QFontMetricsF& m = static_cast<int>(c) == row.bold ? bold : normal;
                const double whole = m.horizontalAdvance(cell);
                needs[c].cells = std::max(needs[c].cells, whole);
                // A number keeps to one line; text may wrap at its words.
                needs[c].least =
                    std::max(needs[c].least, table.columns[c].text ? widest(cell.split(QLatin1Char(' ')), m) : whole);
            }
        }
        for (ColumnNeed& need : needs) {
            need.cells = std::max(need.cells, need.least);
            need.wanted = std::max(need.wanted, need.cells);
            for (double* w : {&need.least, &need.cells, &need.wanted}) *w += 2 * padding_;
        }
        widths_ = ColumnWidths(needs, page.width());
        x_.push_back(0);
        for (double w : widths_) x_.push_back(x_.back() + w);

        auto measure = [&bold](const QString& t) { return bold.horizontalAdvance(t); };
        int lines = 1;
        for (std::size_t c = 0; c < n_; ++c) {
            headings_ << WrapHeading(pieces[c], inner(c), measure);
            lines = std::max(lines, static_cast<int>(headings_.back().count(QLatin1Char('\n'))) + 1);
        }
        headingHeight_ = lines * bold.lineSpacing();
    }

    // The headings with the rows a page never ends before.
    double start() {
        double h = headingHeight_ + 2 * padding_;
        page_.setFont(kSmallPoints);
        for (std::size_t r = 0; r < kRowsWithHeading && r < table_.rows.size(); ++r) h += height(table_.rows[r]);
        return h;
    }

    // The headings, and the rule under them.
    void headings() {
        page_.room(start());
        page_.setFont(kSmallPoints, true);
        if (page_.painting()) page_.painter().setPen(Qt::black);
        for (std::size_t c = 0; c < n_; ++c)
            page_.text(cell(c, headingHeight_), align(c) | Qt::AlignBottom, headings_[static_cast<int>(c)]);
        page_.y += headingHeight_ + padding_;
        if (page_.painting()) page_.painter().drawLine(QPointF(0, page_.y), QPointF(x_.back(), page_.y));
        page_.y += padding_;
        page_.setFont(kSmallPoints);
    }

    void row(const Table::Row& row) {
        const double h = height(row);
        if (page_.room(h)) headings();
        if (!page_.painting()) {
            page_.y += h;
            return;
        }
        QPainter& p = page_.painter();
        if (row.shaded) p.fillRect(QRectF(0, page_.y, x_.back(), h), kShade);
        p.setPen(row.grey ? Qt::gray : Qt::black);
        for (std::size_t c = 0; c < n_ && c < static_cast<std::size_t>(row.cells.size()); ++c) {
            if (c > 0 && !row.across.isEmpty()) break;
            page_.setFont(kSmallPoints, static_cast<int>(c) == row.bold);
            page_.text(cell(c, h), align(c) | Qt::AlignTop | Qt::TextWordWrap, row.cells[static_cast<int>(c)]);
        }
        page_.setFont(kSmallPoints);
        if (!row.across.isEmpty()) page_.text(across(h), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, row.across);
        p.setPen(Qt::black);
        page_.y += h;
    }

private:
    double inner(std::size_t c) const { return widths_[c] - 2 * padding_; }
    QRectF cell(std::size_t c, double h) const { return {x_[c] + padding_, page_.y, inner(c), h}; }
    QRectF across(double h) const { return {x_[1] + padding_, page_.y, x_.back() - x_[1] - 2 * padding_, h}; }
    Qt::Alignment align(std::size_t c) const { return table_.columns[c].text ? Qt::AlignLeft : Qt::AlignRight; }

    // A row is as high as its highest cell, wrapped in its column.
    double height(const Table::Row& row) const {
        double h = page_.line();
        for (std::size_t c = 0; c < n_ && c < static_cast<std::size_t>(row.cells.size()); ++c) {
            if (c > 0 && !row.across.isEmpty()) break;
            const QString& t = row.cells[static_cast<int>(c)];
            if (page_.textWidth(t) > inner(c)) h = std::max(h, page_.textHeight(inner(c), t));
        }
        if (!row.across.isEmpty() && n_ > 1) h = std::max(h, page_.textHeight(across(0).width(), row.across));
        return h;
    }

    Page& page_;
    const Table& table_;
    std::size_t n_;
    double padding_ = 0;
    std::vector<double> widths_, x_;
    QStringList headings_;
    double headingHeight_ = 0;
};

}  // namespace

QStringList HeadingPieces(const QString& heading) {
    QStringList pieces;
    QString piece;
    int depth = 0;
    for (const QChar ch : heading) {
        if (ch == QLatin1Char('(')) ++depth;
        if (ch == QLatin1Char(')') && depth > 0) --depth;
        if (ch == QLatin1Char(' ') && depth == 0) {
            if (!piece.isEmpty()) pieces << piece;
            piece.clear();
        } else {
            piece += ch;
        }
    }
    if (!piece.isEmpty()) pieces << piece;
    return pieces;
}

QString WrapHeading(const QStringList& pieces, double width, const std::function<double(const QString&)>& measure) {
    QStringList lines;
    for (const QString& piece : pieces) {
        const QString longer = lines.isEmpty() ? piece : lines.back() + QLatin1Char(' ') + piece;
        if (!lines.isEmpty() && measure(longer) <= width)
            lines.back() = longer;
        else
            lines << piece;
    }
    return lines.join(QLatin1Char('\n'));
}

std::vector<double> ColumnWidths(const std::vector<ColumnNeed>& needs, double width) {
    auto level = [&needs](std::size_t k) {
        std::vector<double> out;
        out.reserve(needs.size());
        for (const ColumnNeed& n : needs) out.push_back(n.*kLevels[k]);
        return out;
    };
    std::vector<double> out = level(kLevels.size() - 1);
    if (sum(out) <= width) {
        for (double& w : out) w += (width - sum(level(kLevels.size() - 1))) / static_cast<double>(out.size());
        return out;
    }
    for (std::size_t k = kLevels.size() - 1; k > 0; --k) {
        const std::vector<double> low = level(k - 1), high = level(k);
        if (sum(low) > width) continue;
        const double lack = sum(high) - sum(low);
        for (std::size_t c = 0; c < out.size(); ++c) out[c] = low[c] + (width - sum(low)) * (high[c] - low[c]) / lack;
        return out;
    }
    const std::vector<double> least = level(0);
    for (std::size_t c = 0; c < out.size(); ++c) out[c] = width * least[c] / sum(least);
    return out;
}

double TableStart(Page& page, const Table& table) {
    if (table.columns.empty()) return 0;
    const double h = Layout(page, table).start();
    page.setFont(kBodyPoints);
    return h;
}

void PrintTable(Page& page, const Table& table) {
    if (table.columns.empty()) return;
    Layout layout(page, table);
    layout.headings();
    for (const Table::Row& row : table.rows) layout.row(row);
    page.setFont(kBodyPoints);
    page.y += page.line() / 2;
}

}  // namespace ringfeld::report
