// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "tuning/tuning_chart.h"

#include <algorithm>
#include <cmath>

#include <QCursor>
#include <QLineSeries>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QToolTip>
#include <QValueAxis>

#include "platform/qt_text.h"
#include "platform/report.h"
#include "presentation/tuning_chart_data.h"
#include "text/catalog/tuning_texts.h"
#include "text/text_lines.h"
#include "tuning/tuning_model.h"

namespace ringfeld::tuning {
namespace {

const QColor kBlau(0, 90, 200), kRot(200, 40, 40), kGruen(20, 140, 60);
constexpr int kStrich = 2;  // pixels of a curve

QLineSeries* reihe(QChart& chart, QValueAxis* x, QValueAxis* y, QColor farbe, Qt::PenStyle stil = Qt::SolidLine) {
    auto* s = new QLineSeries(&chart);
    s->setPen(QPen(farbe, stil == Qt::SolidLine ? kStrich : 1, stil));
    chart.addSeries(s);
    s->attachAxis(x);
    s->attachAxis(y);
    return s;
}

// Qt Charts lays out every tick between the range's ends at each change: the range
// and the interval change in the order that never asks for more ticks than before or
// after (a range of 0..100 with the interval of a range of 1e-300 never lays out).
// An interval that would give more ticks than an axis can show falls back to Qt's
// fixed count.
constexpr double kMeisteTicks = 50;
constexpr int kErsatzTicks = 5;

void achse(QValueAxis& a, const Achse& b) {
    const bool brauchbar =
        b.tickInterval > 0 && std::isfinite(b.tickInterval) && (b.max - b.min) / b.tickInterval <= kMeisteTicks;
    if (!brauchbar) {
        a.setTickType(QValueAxis::TicksFixed);
        a.setTickCount(kErsatzTicks);
        a.setRange(b.min, b.max);
    } else if (a.tickType() == QValueAxis::TicksDynamic && b.tickInterval < a.tickInterval()) {
        a.setRange(b.min, b.max);
        a.setTickAnchor(b.tickAnchor);
        a.setTickInterval(b.tickInterval);
    } else {
        a.setTickInterval(b.tickInterval);
        a.setTickAnchor(b.tickAnchor);
        a.setRange(b.min, b.max);
        a.setTickType(QValueAxis::TicksDynamic);
    }
    a.setLabelFormat(QStringLiteral("%.%1f").arg(b.decimals));
}

QList<QPointF> punkte(const DiagrammDaten::Punkte& p) {
    QList<QPointF> out;
    out.reserve(static_cast<qsizetype>(p.size()));
    for (const auto& [x, y] : p) out.append(QPointF(x, y));
    return out;
}

// A limit of the capacitor as a horizontal line over the range, or hidden.
void grenze(QLineSeries& s, const std::optional<double>& wert, const Achse& f, const QString& name) {
    s.setVisible(wert.has_value());
    s.setName(name);
    s.replace(wert ? QList<QPointF>{{f.min, *wert}, {f.max, *wert}} : QList<QPointF>{});
}

}  // namespace

TuningChart::TuningChart(QChart& chart) {
    frequenzAchse_ = new QValueAxis(&chart);
    kapazitaetAchse_ = new QValueAxis(&chart);
    spannungAchse_ = new QValueAxis(&chart);
    wirkungsgradAchse_ = new QValueAxis(&chart);
    chart.addAxis(frequenzAchse_, Qt::AlignBottom);
    chart.addAxis(kapazitaetAchse_, Qt::AlignLeft);
    chart.addAxis(spannungAchse_, Qt::AlignRight);
    chart.addAxis(wirkungsgradAchse_, Qt::AlignRight);
    kapazitaet_ = reihe(chart, frequenzAchse_, kapazitaetAchse_, kBlau);
    spannung_ = reihe(chart, frequenzAchse_, spannungAchse_, kRot);
    wirkungsgrad_ = reihe(chart, frequenzAchse_, wirkungsgradAchse_, kGruen);
    cmin_ = reihe(chart, frequenzAchse_, kapazitaetAchse_, kBlau, Qt::DashLine);
    cmax_ = reihe(chart, frequenzAchse_, kapazitaetAchse_, kBlau, Qt::DotLine);
    festigkeit_ = reihe(chart, frequenzAchse_, spannungAchse_, kRot, Qt::DashLine);
    for (auto [a, farbe] : {std::pair{kapazitaetAchse_, kBlau}, {spannungAchse_, kRot}, {wirkungsgradAchse_, kGruen}}) {
        a->setLinePenColor(farbe);
        a->setLabelsColor(farbe);
        a->setTitleBrush(farbe);
    }
    // Tick labels as the table writes its numbers: no grouping, no exponent (the language's locale in zeigen).
    chart.setLocalizeNumbers(true);
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.setMargins(QMargins(2, 2, 2, 2));
    for (QLineSeries* s : {kapazitaet_, spannung_, wirkungsgrad_})
        QObject::connect(s, &QLineSeries::hovered, &chart, [this](const QPointF& p, bool drauf) {
            if (drauf)
                ablesen(p.x());
            else
                QToolTip::hideText();
        });
}

void TuningChart::zeigen(const Sheet& sheet, Language lang) {
    sheet_ = &sheet;
    lang_ = lang;
    kapazitaet_->chart()->setLocale(report::NumberLocale(lang));
    const DiagrammDaten d = DiagrammVon(sheet);
    kapazitaet_->replace(punkte(d.kapazitaet));
    spannung_->replace(punkte(d.spannung));
    wirkungsgrad_->replace(punkte(d.wirkungsgrad));
    achse(*frequenzAchse_, d.frequenz);
    achse(*kapazitaetAchse_, d.kapazitaetAchse);
    achse(*spannungAchse_, d.spannungAchse);
    achse(*wirkungsgradAchse_, d.wirkungsgradAchse);
    grenze(*cmin_, d.cmin, d.frequenz, qs(texte::kLinieCmin.in(lang)));
    grenze(*cmax_, d.cmax, d.frequenz, qs(texte::kLinieCmax.in(lang)));
    grenze(*festigkeit_, d.festigkeit, d.frequenz, qs(texte::kLinieFestigkeit.in(lang)));

    kapazitaet_->setName(qs(texte::kKurveKapazitaet.in(lang)));
    spannung_->setName(qs(texte::kKurveSpannung.in(lang)));
    wirkungsgrad_->setName(qs(texte::kKurveWirkungsgrad.in(lang)));
    frequenzAchse_->setTitleText(qs(texte::kAchseFrequenz.in(lang)));
    kapazitaetAchse_->setTitleText(qs(texte::kAchseKapazitaet.in(lang)));
    spannungAchse_->setTitleText(qs(texte::kAchseSpannung.in(lang)));
    wirkungsgradAchse_->setTitleText(qs(texte::kAchseWirkungsgrad.in(lang)));
}

void TuningChart::ablesen(double mhz) const {
    if (!sheet_ || sheet_->rows.empty()) return;
    // The row nearest the mouse: the rows run up in frequency.
    const auto& rows = sheet_->rows;
    auto it =
        std::lower_bound(rows.begin(), rows.end(), mhz, [](const SheetRow& r, double f) { return r.frequencyMHz < f; });
    if (it == rows.end() || (it != rows.begin() && mhz - std::prev(it)->frequencyMHz < it->frequencyMHz - mhz)) --it;
    if (!it->values) return;
    const RowValues& v = *it->values;
    const std::string text = MitWerten(
        texte::kAblesung.in(lang_),
        {str(ZahlText(it->frequencyMHz, 4, lang_)), str(ZahlText(v.C_tune_pF, 1, lang_)),
         v.V_peak_V ? str(ZahlText(*v.V_peak_V, 0, lang_)) : "–", str(ZahlText(v.efficiency_percent, 2, lang_))});
    QToolTip::showText(QCursor::pos(), qs(text));
}

}  // namespace ringfeld::tuning
