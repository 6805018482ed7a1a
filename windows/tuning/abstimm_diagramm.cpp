// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "tuning/abstimm_diagramm.h"

#include <algorithm>
#include <cmath>

#include <QLineSeries>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QValueAxis>
#include "platform/qt_text.h"
#include "text/catalog/tuning_texts.h"

namespace ringfeld::tuning {
namespace {

// An axis that shows the values with a little room above and below; a flat or
// empty curve still gets a span.
void spanne(QValueAxis& axis, double lo, double hi) {
    if (!(lo <= hi)) lo = 0, hi = 1;
    const double rand = hi > lo ? (hi - lo) * 0.05 : std::max(std::abs(hi) * 0.05, 1e-3);
    axis.setRange(lo - rand, hi + rand);
    axis.applyNiceNumbers();  // round tick values
}

// A line needs no more points than the chart is wide; the curves are smooth,
// so every k-th row (and the last) draws the same picture at a fraction of the cost.
constexpr std::size_t kMaxPunkte = 250;

QLineSeries* reihe(QChart& chart, QValueAxis* x, QValueAxis* y, QColor farbe) {
    auto* s = new QLineSeries(&chart);
    s->setPen(QPen(farbe, 2));
    chart.addSeries(s);
    s->attachAxis(x);
    s->attachAxis(y);
    y->setLinePenColor(farbe);
    y->setLabelsColor(farbe);
    return s;
}

}  // namespace

AbstimmDiagramm::AbstimmDiagramm(QChart& chart) {
    frequenzAchse_ = new QValueAxis(&chart);
    kapazitaetAchse_ = new QValueAxis(&chart);
    spannungAchse_ = new QValueAxis(&chart);
    wirkungsgradAchse_ = new QValueAxis(&chart);
    chart.addAxis(frequenzAchse_, Qt::AlignBottom);
    chart.addAxis(kapazitaetAchse_, Qt::AlignLeft);
    chart.addAxis(spannungAchse_, Qt::AlignRight);
    chart.addAxis(wirkungsgradAchse_, Qt::AlignRight);
    for (QValueAxis* a : {frequenzAchse_, kapazitaetAchse_, spannungAchse_, wirkungsgradAchse_})
        a->setLabelFormat(QStringLiteral("%.4g"));
    kapazitaet_ = reihe(chart, frequenzAchse_, kapazitaetAchse_, QColor(0, 90, 200));
    spannung_ = reihe(chart, frequenzAchse_, spannungAchse_, QColor(200, 40, 40));
    wirkungsgrad_ = reihe(chart, frequenzAchse_, wirkungsgradAchse_, QColor(20, 140, 60));
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.setMargins(QMargins(2, 2, 2, 2));
}

void AbstimmDiagramm::zeigen(const Sheet& sheet, Language lang) {
    QList<QPointF> c, v, e;
    c.reserve(static_cast<qsizetype>(sheet.rows.size()));
    v.reserve(c.capacity());
    e.reserve(c.capacity());
    double fLo = INFINITY, fHi = -INFINITY;
    double cLo = INFINITY, cHi = -INFINITY, vLo = INFINITY, vHi = -INFINITY, eLo = INFINITY, eHi = -INFINITY;
    const std::size_t n = sheet.rows.size();
    const std::size_t jede = n > kMaxPunkte ? (n + kMaxPunkte - 1) / kMaxPunkte : 1;
    for (std::size_t i = 0; i < n; ++i) {
        if (i % jede != 0 && i + 1 != n) continue;
        const SheetRow& row = sheet.rows[i];
        fLo = std::min(fLo, row.frequencyMHz);
        fHi = std::max(fHi, row.frequencyMHz);
        if (!row.values) continue;
        const RowValues& r = *row.values;
        const double f = row.frequencyMHz;
        // Only finite points reach the chart.
        if (std::isfinite(r.C_tune_pF))
            c.append({f, r.C_tune_pF}), cLo = std::min(cLo, r.C_tune_pF), cHi = std::max(cHi, r.C_tune_pF);
        if (std::isfinite(r.V_peak_V))
            v.append({f, r.V_peak_V}), vLo = std::min(vLo, r.V_peak_V), vHi = std::max(vHi, r.V_peak_V);
        if (std::isfinite(r.efficiency_percent))
            e.append({f, r.efficiency_percent}), eLo = std::min(eLo, r.efficiency_percent),
                                                 eHi = std::max(eHi, r.efficiency_percent);
    }
    kapazitaet_->replace(c);
    spannung_->replace(v);
    wirkungsgrad_->replace(e);

    spanne(*frequenzAchse_, fLo, fHi);
    spanne(*kapazitaetAchse_, cLo, cHi);
    spanne(*spannungAchse_, vLo, vHi);
    spanne(*wirkungsgradAchse_, eLo, eHi);

    kapazitaet_->setName(qs(texte::kKurveKapazitaet.in(lang)));
    spannung_->setName(qs(texte::kKurveSpannung.in(lang)));
    wirkungsgrad_->setName(qs(texte::kKurveWirkungsgrad.in(lang)));
    frequenzAchse_->setTitleText(qs(texte::kAchseFrequenz.in(lang)));
}

}  // namespace ringfeld::tuning
