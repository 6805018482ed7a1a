// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "vna_window/smith_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>

#include "platform/qt_text.h"
#include "text/catalog/vna_texts.h"

namespace ringfeld::vna {
namespace {

// The normalised resistances and reactances of the grid.
constexpr std::array kGrid{0.2, 0.5, 1.0, 2.0, 5.0};
// Sizes in units of the chart's diameter over kScale, so that a printed chart at the
// printer's resolution looks as the window's does: a measured point's radius, the lines.
constexpr double kScale = 300;
constexpr double kPoint = 2.5, kThin = 1, kThick = 2;
const QColor kGitter(190, 190, 190), kGemessen(0, 90, 200), kKreis(200, 40, 40);

}  // namespace

void SmithZeichnen(QPainter& p, const QRectF& area, const SmithChartData* data, Language lang) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double legend = p.fontMetrics().height() * 2.6;
    const double side = std::max(1.0, std::min(area.width(), area.height() - legend));
    const double r = side / 2, u = side / kScale;
    const QPointF mitte(area.center().x(), area.top() + r);
    auto at = [&](double re, double im) { return QPointF(mitte.x() + re * r, mitte.y() - im * r); };

    // The grid within the unit circle.
    QPainterPath einheit;
    einheit.addEllipse(mitte, r, r);
    p.setPen(QPen(kGitter, kThin * u));
    p.setBrush(Qt::NoBrush);
    p.drawPath(einheit);
    p.drawLine(at(-1, 0), at(1, 0));
    p.save();
    p.setClipPath(einheit);
    for (double g : kGrid) {
        // Resistance g: centre (g / (1 + g), 0), radius 1 / (1 + g); reactance ±g: centre (1, ±1/g), radius 1/g.
        p.drawEllipse(at(g / (1 + g), 0), r / (1 + g), r / (1 + g));
        p.drawEllipse(at(1, 1 / g), r / g, r / g);
        p.drawEllipse(at(1, -1 / g), r / g, r / g);
    }
    p.restore();

    if (data) {
        QPolygonF kreis;
        for (const ChartPoint& c : data->circle) kreis << at(c.x, c.y);
        p.setPen(QPen(kKreis, kThick * u));
        p.drawPolyline(kreis);
        p.setPen(Qt::NoPen);
        p.setBrush(kGemessen);
        for (const ChartPoint& m : data->measured) p.drawEllipse(at(m.x, m.y), kPoint * u, kPoint * u);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kKreis, kThick * u));
        p.drawEllipse(at(data->resonance.x, data->resonance.y), 3 * kPoint * u, 3 * kPoint * u);
    }

    // The legend below the chart.
    const double zeile = p.fontMetrics().height();
    const double y = mitte.y() + r + zeile * 0.3;
    p.setPen(Qt::NoPen);
    p.setBrush(kGemessen);
    p.drawEllipse(QPointF(area.left() + zeile / 2, y + zeile / 2), kPoint * u, kPoint * u);
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left() + zeile, y, area.width() - zeile, zeile), Qt::AlignLeft | Qt::AlignVCenter,
               qs(texte::kSmithGemessen, lang));
    p.setPen(QPen(kKreis, kThick * u));
    p.drawLine(QPointF(area.left(), y + zeile * 1.7), QPointF(area.left() + zeile * 0.8, y + zeile * 1.7));
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left() + zeile, y + zeile * 1.2, area.width() - zeile, zeile),
               Qt::AlignLeft | Qt::AlignVCenter, qs(texte::kSmithKreis, lang));
    p.restore();
}

SmithView::SmithView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(220, 240);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void SmithView::zeigen(std::optional<SmithChartData> kurven, Language lang) {
    data_ = std::move(kurven);
    lang_ = lang;
    update();
}

void SmithView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    SmithZeichnen(p, QRectF(rect()).adjusted(6, 6, -6, -6), data_ ? &*data_ : nullptr, lang_);
}

}  // namespace ringfeld::vna
