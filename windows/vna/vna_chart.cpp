// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "vna_window/vna_chart.h"

#include <QLineSeries>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QScatterSeries>
#include <QValueAxis>

#include "platform/qt_text.h"
#include "platform/report.h"
#include "text/catalog/vna_texts.h"

namespace ringfeld::vna {
namespace {

constexpr double kMarker = 5;  // pixels of a measured point

QList<QPointF> punkte(const std::vector<ChartPoint>& data) {
    QList<QPointF> out;
    out.reserve(static_cast<qsizetype>(data.size()));
    for (const ChartPoint& p : data) out.append({p.x, p.y});
    return out;
}

}  // namespace

VnaChart::VnaChart(QChart& chart) {
    frequenz_ = new QValueAxis(&chart);
    swr_ = new QValueAxis(&chart);
    chart.addAxis(frequenz_, Qt::AlignBottom);
    chart.addAxis(swr_, Qt::AlignLeft);
    frequenz_->setLabelFormat(QStringLiteral("%.4f"));
    swr_->setRange(1, kVswrAxisTop);
    swr_->setTickCount(10);
    swr_->setLabelFormat(QStringLiteral("%.0f"));
    gemessen_ = new QScatterSeries(&chart);
    gemessen_->setMarkerSize(kMarker);
    gemessen_->setColor(QColor(0, 90, 200));
    gemessen_->setBorderColor(QColor(0, 90, 200));
    angepasst_ = new QLineSeries(&chart);
    angepasst_->setPen(QPen(QColor(200, 40, 40), 2));
    modell_ = new QLineSeries(&chart);
    modell_->setPen(QPen(QColor(20, 140, 60), 2, Qt::DashLine));
    chart.addSeries(gemessen_);
    chart.addSeries(angepasst_);
    chart.addSeries(modell_);
    for (QXYSeries* s :
         {static_cast<QXYSeries*>(gemessen_), static_cast<QXYSeries*>(angepasst_), static_cast<QXYSeries*>(modell_)}) {
        s->attachAxis(frequenz_);
        s->attachAxis(swr_);
    }
    chart.setLocalizeNumbers(true);  // in the language's locale, set in zeigen
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.setMargins(QMargins(2, 2, 2, 2));
}

void VnaChart::zeigen(const VswrChartData* data, Language lang) {
    gemessen_->replace(data ? punkte(data->measured) : QList<QPointF>{});
    angepasst_->replace(data ? punkte(data->fitted) : QList<QPointF>{});
    modell_->replace(data ? punkte(data->model) : QList<QPointF>{});
    gemessen_->chart()->setLocale(report::NumberLocale(lang));
    if (data && data->toMHz > data->fromMHz) frequenz_->setRange(data->fromMHz, data->toMHz);
    gemessen_->setName(qs(texte::kReiheGemessen, lang));
    angepasst_->setName(qs(texte::kReiheAngepasst, lang));
    modell_->setName(qs(texte::kReiheModell, lang));
    frequenz_->setTitleText(qs(texte::kAchseFrequenz, lang));
    swr_->setTitleText(qs(texte::kAchseSwr, lang));
}

}  // namespace ringfeld::vna
