// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "exposure/exposure_report.h"

#include <QChart>
#include <QPainter>
#include <QPainterPath>

#include <vector>

#include "exposure/exposure_chart.h"
#include "platform/qt_text.h"
#include "platform/report.h"
#include "text/length_texts.h"

namespace ringfeld::exposure {
namespace {

constexpr double kChartAspect = 480.0 / 900;  // the chart's height over its width
constexpr double kSketchAspect = 0.55;        // the sketch's height over its width
constexpr double kSketchWidth = 0.5;          // of the page's width

// The loop seen at a slant: an ellipse (its plane) with the axis through its centre,
// the plane's direction beside it, each named.
void sketch(QPainter& p, const QRectF& r, Language lang) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = r.center();
    const double rx = r.width() * 0.18, ry = r.height() * 0.32;
    QPen loop(QColor(180, 100, 20), r.width() / 90);
    p.setPen(loop);
    p.drawEllipse(c, rx * 0.35, ry);  // a loop standing upright, seen from the side at a slant
    QPen axis(Qt::black, r.width() / 300, Qt::DashLine);
    p.setPen(axis);
    p.drawLine(QPointF(r.left() + r.width() * 0.05, c.y()), QPointF(r.right() - r.width() * 0.05, c.y()));
    QPen plane(QColor(20, 120, 60), r.width() / 300, Qt::DotLine);
    p.setPen(plane);
    p.drawLine(QPointF(c.x(), r.top() + r.height() * 0.04), QPointF(c.x(), r.bottom() - r.height() * 0.04));
    p.setPen(Qt::black);
    QFont f = p.font();
    f.setPointSizeF(8);
    p.setFont(f);
    const QRectF right(c.x() + rx * 0.6, c.y() - r.height() * 0.12, r.width() / 2 - rx * 0.6, r.height() * 0.1);
    p.drawText(right, Qt::AlignRight | Qt::AlignVCenter, qs(texte::kSkizzeAchse, lang));
    const QRectF top(r.left(), r.top(), c.x() - r.left() - r.width() * 0.02, r.height() * 0.3);
    p.setPen(QColor(20, 120, 60));
    p.drawText(top, Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap, qs(texte::kSkizzeEbene, lang));
    p.restore();
}

// A table's columns: their headings, and which hold text rather than numbers.
template <std::size_t N>
std::vector<report::Table::Column> columns(const std::array<Tri, N>& headings, std::initializer_list<std::size_t> text,
                                           Units units, Language lang) {
    std::vector<report::Table::Column> out;
    out.reserve(N);
    for (const Tri& t : headings) out.push_back({MitAbstandEinheit(t, units, lang), false});
    for (std::size_t i : text) out[i].text = true;
    return out;
}

}  // namespace

ExposureReport::ExposureReport(const Stand& stand, QDateTime datum) : stand_(stand), datum_(std::move(datum)) {}

QString ExposureReport::drucken(QPagedPaintDevice& device) const {
    const Stand& st = stand_;
    const Language lang = st.lang;
    auto heading = [lang](const Tri& t) { return report::Heading{qs(t, lang)}; };
    using report::Paragraph;

    report::Document doc{lang, datum_, {}};
    doc.blocks.emplace_back(report::Heading{qs(texte::kBerichtTitel, lang), true});
    doc.blocks.emplace_back(Paragraph{
        qs(texte::kBerichtDatum, lang).arg(report::DateLocale(lang).toString(datum_.date(), QLocale::LongFormat))});

    // The station, where one is given.
    if (StationFilled(st.eingaben.station)) {
        doc.blocks.emplace_back(heading(texte::kBerichtStation));
        report::KeyValues station;
        station.groups.emplace_back();
        for (std::size_t i = 0; i < kStationFields.size(); ++i)
            if (const std::string& v = st.eingaben.station.*kStationFields[i].text; !v.empty())
                station.groups.back().items.emplace_back(qs(texte::kStationTexte[i], lang), qs(v));
        doc.blocks.emplace_back(std::move(station));
    }

    // The inputs in two groups, the loop's on the left.
    doc.blocks.emplace_back(heading(texte::kBerichtEingaben));
    const EingabenListe inputs = EingabenZeilen(st);
    report::KeyValues list;
    for (const auto* group : {&inputs.schleife, &inputs.betrieb}) {
        list.groups.emplace_back();
        for (const Eingabe& e : *group) list.groups.back().items.emplace_back(e.caption, e.wert);
    }
    doc.blocks.emplace_back(std::move(list));
    doc.blocks.emplace_back(Paragraph{qs(UnitsLine(st.units, lang))});

    doc.blocks.emplace_back(heading(texte::kBerichtModell));
    doc.blocks.emplace_back(Paragraph{qs(ModellText(lang, st.units))});
    doc.blocks.emplace_back(
        report::Picture{[lang](QPainter& p, const QRectF& r) { sketch(p, r, lang); }, kSketchAspect, kSketchWidth});
    doc.blocks.emplace_back(Paragraph{qs(texte::kSkizzeText, lang)});
    for (const QString& note : Hinweise(st)) doc.blocks.emplace_back(Paragraph{note});

    const ErgebnisTexte result = ErgebnisZeilen(st);
    doc.blocks.emplace_back(heading(texte::kBerichtGrenzwerte));
    if (!result.grenzen.isEmpty()) doc.blocks.emplace_back(Paragraph{result.grenzen});
    const texte::StandardText& standard = texte::StandardTexte(st.eingaben.standard);
    doc.blocks.emplace_back(
        Paragraph{qs(standard.name, lang) + qs(texte::kDoppelpunkt, lang) + qs(standard.source, lang)});
    if (st.gelesen.settings)
        if (const std::string with2010 = Icnirp2010Satz(st.eingaben.standard, *st.gelesen.settings, lang);
            !with2010.empty())
            doc.blocks.emplace_back(Paragraph{qs(with2010)});
    doc.blocks.emplace_back(Paragraph{qs(texte::kModeQuelle, lang)});
    if (const QString averaging = MittelungZeile(st); !averaging.isEmpty())
        doc.blocks.emplace_back(Paragraph{averaging});

    // Every standard and population, the one chosen shaded, its governing distance in bold.
    doc.blocks.emplace_back(heading(texte::kBerichtAbstaende));
    if (const QString head = Kopfzeile(st); !head.isEmpty()) doc.blocks.emplace_back(Paragraph{head});
    doc.blocks.emplace_back(Paragraph{result.werte});
    if (!result.abstaende.isEmpty()) doc.blocks.emplace_back(Paragraph{result.abstaende});
    report::Table standards{columns(texte::kNormSpalten, {0, 1}, st.units, lang), {}};
    const std::vector<NormZeile> rows = NormZeilen(st);
    for (std::size_t i = 0; i < rows.size(); ++i)
        standards.rows.push_back({.cells = rows[i].zellen, .bold = rows[i].massgebend, .shaded = i == st.slot()});
    doc.blocks.emplace_back(std::move(standards));
    if (const QString near = NahHinweis(st); !near.isEmpty()) doc.blocks.emplace_back(Paragraph{near});

    // The named places with their verdicts.
    if (const QStringList places = OrtSaetze(st); !places.isEmpty()) {
        doc.blocks.emplace_back(heading(texte::kBerichtOrte));
        for (const QString& place : places) doc.blocks.emplace_back(Paragraph{place});
    }

    doc.blocks.emplace_back(heading(texte::kBerichtDiagramm));
    doc.blocks.emplace_back(report::Chart{[&st, lang](QChart& chart) {
                                              ExposureChart(chart).zeigen(st.schlimmsteZeile(), st.eingaben.standard,
                                                                          st.eingaben.population, st.gelesen.places,
                                                                          st.units, lang);
                                          },
                                          kChartAspect});

    if (!st.zeilen.empty()) {
        doc.blocks.emplace_back(report::Heading{
            qs(texte::kUeberBereich, lang)
                .arg(qs(StandardName(st.eingaben.standard, lang)), qs(PopulationName(st.eingaben.population, lang)))});
        report::Table range{columns(texte::kFrequenzSpalten, {5, 6}, st.units, lang), {}};
        for (const RowGroup& group : st.gruppen) range.rows.push_back({.cells = FrequenzZellen(st, group)});
        doc.blocks.emplace_back(std::move(range));
    }
    return report::Print(doc, device);
}

}  // namespace ringfeld::exposure
