// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "exposure/exposure_chart.h"

#include <QLineSeries>
#include <QList>
#include <QLogValueAxis>
#include <QPen>
#include <QPointF>
#include <QScatterSeries>

#include <algorithm>
#include <cmath>

#include "core/constants.h"
#include "exposure/exposure_state.h"
#include "platform/qt_text.h"
#include "platform/report.h"
#include "presentation/exposure_inputs.h"
#include "text/length_texts.h"

namespace ringfeld::exposure {
namespace {

// The distances shown, m, and the points over them (40 a decade); the axis shows them in
// the units chosen, over the same decades of that unit.
constexpr double kVon = 0.1, kBis = 100;
constexpr std::size_t kPunkte = 121;
constexpr double kRand = 0.999;
// The percentages shown at most: a thousandth of the limit to ten thousand times it (0.1 % to 1e6 %).
constexpr double kWenigstens = 0.1, kHoechstens = 1e6;
constexpr double kMarke = 8;  // pixels of a place's mark

QLineSeries* reihe(QChart& chart, QLogValueAxis* x, QLogValueAxis* y, QColor farbe, Qt::PenStyle stil) {
    auto* s = new QLineSeries(&chart);
    s->setPen(QPen(farbe, 2, stil));
    chart.addSeries(s);
    s->attachAxis(x);
    s->attachAxis(y);
    return s;
}

}  // namespace

ExposureChart::ExposureChart(QChart& chart) {
    abstand_ = new QLogValueAxis(&chart);
    prozent_ = new QLogValueAxis(&chart);
    chart.addAxis(abstand_, Qt::AlignBottom);
    chart.addAxis(prozent_, Qt::AlignLeft);
    for (QLogValueAxis* a : {abstand_, prozent_}) {
        a->setBase(10);
        a->setLabelFormat(QStringLiteral("%.6g"));  // a precision, as localized labels need
        a->setMinorTickCount(8);
    }
    // A hair wider than the curves, so that the decades at both ends are labelled.
    abstand_->setRange(kVon * kRand, kBis / kRand);
    prozent_->setMinorTickCount(0);  // the decades alone: a short chart keeps its labels
    const std::array farben{QColor(0, 90, 200), QColor(20, 140, 60), QColor(200, 40, 40)};
    for (std::size_t c = 0; c < felder_.size(); ++c)
        felder_[c] = reihe(chart, abstand_, prozent_, farben[c], Qt::SolidLine);
    linie100_ = reihe(chart, abstand_, prozent_, Qt::black, Qt::DashLine);
    radien_ = reihe(chart, abstand_, prozent_, QColor(110, 110, 110), Qt::DotLine);
    orte_ = new QScatterSeries(&chart);
    orte_->setMarkerSize(kMarke);
    orte_->setColor(QColor(140, 0, 140));
    orte_->setPointLabelsVisible(true);
    orte_->setPointLabelsClipping(false);
    chart.addSeries(orte_);
    orte_->attachAxis(abstand_);
    orte_->attachAxis(prozent_);
    chart.setLocalizeNumbers(true);  // in the language's locale, set in zeigen
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.setMargins(QMargins(2, 2, 2, 2));
}

void ExposureChart::zeigen(const Row* row, Standard standard, Population population,
                           std::span<const NamedDistance> places, Units units, Language lang) {
    // The points' distances in the unit shown; the curves over the same decades of it.
    const double proEinheit = UnitOf(LengthQuantity::Distance, units).engineUnits;
    std::array<QList<QPointF>, 3> felder;
    QList<QPointF> orte;
    double lo = constants::kPercentPerUnit, hi = constants::kPercentPerUnit;
    const auto nimm = [&](double v) {
        if (!(v > 0) || !std::isfinite(v)) return false;
        lo = std::min(lo, v), hi = std::max(hi, v);
        return true;
    };
    if (row && row->result) {
        const PercentCurves curves =
            PercentOfLimit(*row, standard, population, LogDistances(kVon * proEinheit, kBis * proEinheit, kPunkte));
        for (std::size_t c = 0; c < felder.size(); ++c)
            for (std::size_t i = 0; i < curves.distances_m.size(); ++i)
                if (nimm(curves.percent[c][i]))
                    felder[c].append({curves.distances_m[i] / proEinheit, curves.percent[c][i]});
        for (const NamedDistance& place : places)
            if (const PlaceCheck c = CheckPlace(*row, standard, population, place.metres);
                c.hasLimits && place.metres / proEinheit >= kVon && place.metres / proEinheit <= kBis &&
                nimm(c.worstPercent))
                orte.append({place.metres / proEinheit, c.worstPercent});
    }
    lo = std::max(lo, kWenigstens), hi = std::min(hi, kHoechstens);
    orte_->chart()->setLocale(report::NumberLocale(lang));
    prozent_->setRange(std::pow(10, std::floor(std::log10(lo))), std::pow(10, std::ceil(std::log10(hi) + 1e-9)));
    for (std::size_t c = 0; c < felder.size(); ++c) {
        felder_[c]->replace(felder[c]);
        felder_[c]->setName(qs(texte::ComponentText(kComponents[c]), lang));
    }
    linie100_->replace({{kVon, constants::kPercentPerUnit}, {kBis, constants::kPercentPerUnit}});
    const double near = row && row->result ? row->result->nearRadius_m / proEinheit : 0;
    radien_->replace(near >= kVon && near <= kBis ? QList<QPointF>{{near, prozent_->min()}, {near, prozent_->max()}}
                                                  : QList<QPointF>{});
    orte_->replace(orte);

    linie100_->setName(qs(texte::kLinie100, lang));
    radien_->setName(qs(texte::kDreiRadien, lang));
    orte_->setName(qs(texte::kOrteImDiagramm, lang));
    abstand_->setTitleText(MitAbstandEinheit(texte::kAchseAbstand, units, lang));
    orte_->setPointLabelsFormat(QStringLiteral("@xPoint ") + qs(UnitCaption(LengthQuantity::Distance, units, lang)));
    prozent_->setTitleText(qs(texte::kAchseProzent, lang));
}

}  // namespace ringfeld::exposure
