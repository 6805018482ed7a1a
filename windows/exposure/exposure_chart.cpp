// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "exposure/exposure_chart.h"

#include <QLineSeries>
#include <QList>
#include <QLogValueAxis>
#include <QPen>
#include <QPointF>

#include <algorithm>
#include <cmath>

#include "platform/qt_text.h"
#include "presentation/exposure_inputs.h"

namespace ringfeld::exposure {
namespace {

// The distances shown, m, and the points per decade.
constexpr double kVon = 0.1, kBis = 100;
constexpr int kProDekade = 40;
constexpr double kRand = 0.999;

QLineSeries* reihe(QChart& chart, QLogValueAxis* x, QLogValueAxis* y, QColor farbe, Qt::PenStyle stil) {
    auto* s = new QLineSeries(&chart);
    s->setPen(QPen(farbe, 2, stil));
    chart.addSeries(s);
    s->attachAxis(x);
    s->attachAxis(y);
    return s;
}

// Whole decades around the values; a range for nothing at all.
void dekaden(QLogValueAxis& axis, double lo, double hi) {
    if (!(lo > 0 && hi >= lo)) lo = 1e-3, hi = 1;
    axis.setRange(std::pow(10, std::floor(std::log10(lo))), std::pow(10, std::ceil(std::log10(hi) + 1e-9)));
}

}  // namespace

ExposureChart::ExposureChart(QChart& chart) {
    abstand_ = new QLogValueAxis(&chart);
    h_ = new QLogValueAxis(&chart);
    e_ = new QLogValueAxis(&chart);
    chart.addAxis(abstand_, Qt::AlignBottom);
    chart.addAxis(h_, Qt::AlignLeft);
    chart.addAxis(e_, Qt::AlignRight);
    for (QLogValueAxis* a : {abstand_, h_, e_}) {
        a->setBase(10);
        a->setLabelFormat(QStringLiteral("%g"));
        a->setMinorTickCount(8);
    }
    // A hair wider than the curves, so that the decades at both ends are labelled.
    abstand_->setRange(kVon * kRand, kBis / kRand);
    const QColor blau(0, 90, 200), gruen(20, 140, 60), rot(200, 40, 40), grau(110, 110, 110);
    hAchse_ = reihe(chart, abstand_, h_, blau, Qt::SolidLine);
    hEbene_ = reihe(chart, abstand_, h_, gruen, Qt::SolidLine);
    eEbene_ = reihe(chart, abstand_, e_, rot, Qt::SolidLine);
    grenzeH_ = reihe(chart, abstand_, h_, blau, Qt::DashLine);
    grenzeE_ = reihe(chart, abstand_, e_, rot, Qt::DashLine);
    radien_ = reihe(chart, abstand_, h_, grau, Qt::DotLine);
    h_->setLinePenColor(blau);
    h_->setLabelsColor(blau);
    e_->setLinePenColor(rot);
    e_->setLabelsColor(rot);
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.setMargins(QMargins(2, 2, 2, 2));
}

void ExposureChart::zeigen(const std::optional<Result>& result, std::size_t limit, Language lang) {
    QList<QPointF> ha, hp, ep, gh, ge, ra;
    double hLo = INFINITY, hHi = 0, eLo = INFINITY, eHi = 0;
    auto nimm = [](double v, double& lo, double& hi) {
        if (!(v > 0) || !std::isfinite(v)) return false;
        lo = std::min(lo, v), hi = std::max(hi, v);
        return true;
    };
    if (result) {
        const int punkte = 3 * kProDekade;
        for (int i = 0; i <= punkte; ++i) {
            const double r = kVon * std::pow(10.0, static_cast<double>(i) / kProDekade);
            const auto f = FieldsAt(*result, r);
            if (!f) continue;
            if (nimm((*f)[0], hLo, hHi)) ha.append({r, (*f)[0]});
            if (nimm((*f)[1], hLo, hHi)) hp.append({r, (*f)[1]});
            if (nimm((*f)[2], eLo, eHi)) ep.append({r, (*f)[2]});
        }
        if (const auto& l = result->limits[limit].limits) {
            if (nimm(l->H_Apm, hLo, hHi)) gh = {{kVon, l->H_Apm}, {kBis, l->H_Apm}};
            if (nimm(l->E_Vpm, eLo, eHi)) ge = {{kVon, l->E_Vpm}, {kBis, l->E_Vpm}};
        }
    }
    dekaden(*h_, hLo, hHi);
    dekaden(*e_, eLo, eHi);
    if (result && result->nearRadius_m >= kVon && result->nearRadius_m <= kBis)
        ra = {{result->nearRadius_m, h_->min()}, {result->nearRadius_m, h_->max()}};
    hAchse_->replace(ha);
    hEbene_->replace(hp);
    eEbene_->replace(ep);
    grenzeH_->replace(gh);
    grenzeE_->replace(ge);
    radien_->replace(ra);

    hAchse_->setName(qs(texte::ComponentText(Component::HAxis), lang));
    hEbene_->setName(qs(texte::ComponentText(Component::HPlane), lang));
    eEbene_->setName(qs(texte::ComponentText(Component::EPlane), lang));
    grenzeH_->setName(qs(texte::kGrenzeH, lang));
    grenzeE_->setName(qs(texte::kGrenzeE, lang));
    radien_->setName(qs(texte::kDreiRadien, lang));
    abstand_->setTitleText(qs(texte::kAchseAbstand, lang));
    h_->setTitleText(qs(texte::kAchseH, lang));
    e_->setTitleText(qs(texte::kAchseE, lang));
}

}  // namespace ringfeld::exposure
