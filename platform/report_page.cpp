// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "report_page.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "platform/fonts.h"

namespace ringfeld::report {
namespace {

constexpr double kPointsPerInch = 72;
constexpr double kFooterLines = 2.5;  // of the footer's lines: its height, the gap above it included

}  // namespace

Page::Page(QPagedPaintDevice& device, QPainter* painter, Footer footer, int pages)
    : device_(device), painter_(painter), footer_(std::move(footer)), pages_(pages) {
    setFont(kFooterPoints);
    footerHeight_ = line() * kFooterLines;
    setFont(kBodyPoints);
}

double Page::width() const { return device_.width(); }
double Page::height() const { return device_.height() - footerHeight_; }
double Page::dotsPerPoint() const { return device_.logicalDpiY() / kPointsPerInch; }

void Page::setFont(double points, bool bold) {
    font_ = fonts::Font(fonts::Face::Sans, points, bold);
    if (painter_) painter_->setFont(font_);
}

QFontMetricsF Page::metrics() const { return QFontMetricsF(font_, &device_); }

double Page::line() const { return metrics().lineSpacing(); }

double Page::textWidth(const QString& text) const { return metrics().horizontalAdvance(text); }

double Page::textHeight(double width, const QString& text) const {
    return metrics().boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
}

bool Page::room(double height) {
    if (y == 0 || y + height <= this->height()) return false;
    newPage();
    return true;
}

void Page::newPage() {
    footer();
    if (painter_) device_.newPage();
    ++number_;
    y = 0;
}

void Page::finish() { footer(); }

void Page::text(const QRectF& area, int flags, const QString& text) {
    if (painter_) painter_->drawText(area, flags, text);
}

void Page::paragraph(const QString& text) {
    const double h = textHeight(width(), text);
    room(h);
    this->text(QRectF(0, y, width(), h), Qt::TextWordWrap, text);
    y += h;
}

// The program on the left, the page in the middle, the date on the right, on the
// footer's last line.
void Page::footer() {
    if (!painter_) return;
    const QFont before = font_;
    const QPen pen = painter_->pen();
    setFont(kFooterPoints);
    painter_->setPen(Qt::black);
    const QRectF area(0, device_.height() - line(), width(), line());
    painter_->drawText(area, Qt::AlignLeft | Qt::AlignBottom, footer_.program);
    painter_->drawText(area, Qt::AlignHCenter | Qt::AlignBottom, footer_.page.arg(number_).arg(pages_));
    painter_->drawText(area, Qt::AlignRight | Qt::AlignBottom, footer_.date);
    font_ = before;
    painter_->setFont(font_);
    painter_->setPen(pen);
}

}  // namespace ringfeld::report
