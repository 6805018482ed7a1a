// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The report engine's page flow: a page filled from the top, a new one where the
// next piece does not fit, and the footer of each. The engine lays a report out
// twice, first without a painter to count the pages ("page 1 of y" needs y), then
// painting.

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace ringfeld::report {

// Sizes in points; nothing is printed smaller than kLeastPoints.
inline constexpr double kLeastPoints = 8;
inline constexpr double kBodyPoints = 10, kTitlePoints = 16, kHeadingPoints = 11.5, kSmallPoints = 8.5;
inline constexpr double kFooterPoints = kLeastPoints;

// The footer's three parts: the program, the page ("%1" this one, "%2" all), the date.
struct Footer {
    QString program, page, date;
};

class Page {
public:
    // Without `painter` the page only measures.
    Page(QPagedPaintDevice& device, QPainter* painter, Footer footer, int pages);

    // The room for text: the printable width, and the height above the footer.
    double width() const;
    double height() const;
    bool painting() const { return painter_ != nullptr; }
    QPainter& painter() { return *painter_; }
    // The device's dots in a point.
    double dotsPerPoint() const;
    int number() const { return number_; }

    double y = 0;  // where the next piece goes

    void setFont(double points, bool bold = false);
    const QFont& font() const { return font_; }
    QFontMetricsF metrics() const;
    double line() const;
    double textWidth(const QString& text) const;
    double textHeight(double width, const QString& text) const;  // wrapped at its words

    // Starts a new page when `height` does not fit below y (unless y is at the top);
    // true when it did.
    bool room(double height);
    void newPage();
    // The footer of the last page.
    void finish();

    void text(const QRectF& area, int flags, const QString& text);
    // A paragraph over the page's width, wrapped at its words.
    void paragraph(const QString& text);

private:
    void footer();

    QPagedPaintDevice& device_;
    QPainter* painter_;
    Footer footer_;
    int pages_;
    int number_ = 1;
    QFont font_;
    double footerHeight_ = 0;
};

}  // namespace ringfeld::report
