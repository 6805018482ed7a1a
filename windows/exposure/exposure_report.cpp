// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "exposure/exposure_report.h"

#include <QChart>

#include <vector>

#include "exposure/exposure_chart.h"
#include "platform/qt_text.h"
#include "platform/report.h"

namespace ringfeld::exposure {
namespace {

constexpr double kChartAspect = 480.0 / 900;  // the chart's height over its width

// A table's columns: their headings, and which hold text rather than numbers.
template <std::size_t N>
std::vector<report::Table::Column> columns(const std::array<Tri, N>& headings, std::initializer_list<std::size_t> text,
                                           Language lang) {
    std::vector<report::Table::Column> out;
    out.reserve(N);
    for (const Tri& t : headings) out.push_back({qs(t, lang), false});
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

    // The inputs in two groups, the loop's on the left.
    doc.blocks.emplace_back(heading(texte::kBerichtEingaben));
    const EingabenListe inputs = EingabenZeilen(st);
    report::KeyValues list;
    for (const auto* group : {&inputs.schleife, &inputs.betrieb}) {
        list.groups.emplace_back();
        for (const Eingabe& e : *group) list.groups.back().items.emplace_back(e.caption, e.wert);
    }
    doc.blocks.emplace_back(std::move(list));

    doc.blocks.emplace_back(heading(texte::kBerichtModell));
    doc.blocks.emplace_back(Paragraph{qs(texte::kModell, lang)});
    for (const QString& note : Hinweise(st)) doc.blocks.emplace_back(Paragraph{note});

    const ErgebnisTexte result = ErgebnisZeilen(st);
    doc.blocks.emplace_back(heading(texte::kBerichtGrenzwerte));
    if (!result.grenzen.isEmpty()) doc.blocks.emplace_back(Paragraph{result.grenzen});
    const texte::StandardText& standard = texte::StandardTexte(st.eingaben.standard);
    doc.blocks.emplace_back(
        Paragraph{qs(standard.name, lang) + qs(texte::kDoppelpunkt, lang) + qs(standard.source, lang)});
    doc.blocks.emplace_back(Paragraph{qs(texte::kModeQuelle, lang)});

    // Every standard and population, the one chosen shaded, its governing distance in bold.
    doc.blocks.emplace_back(heading(texte::kBerichtAbstaende));
    doc.blocks.emplace_back(Paragraph{result.werte});
    if (!result.abstaende.isEmpty()) doc.blocks.emplace_back(Paragraph{result.abstaende});
    report::Table standards{columns(texte::kNormSpalten, {0, 1}, lang), {}};
    const std::vector<NormZeile> rows = NormZeilen(st);
    for (std::size_t i = 0; i < rows.size(); ++i)
        standards.rows.push_back({.cells = rows[i].zellen, .bold = rows[i].massgebend, .shaded = i == st.slot()});
    doc.blocks.emplace_back(std::move(standards));

    doc.blocks.emplace_back(heading(texte::kBerichtDiagramm));
    doc.blocks.emplace_back(report::Chart{[&st, lang](QChart& chart) {
                                              ExposureChart(chart).zeigen(st.einzel ? st.einzel->result : std::nullopt,
                                                                          st.slot(), lang);
                                          },
                                          kChartAspect});

    if (!st.zeilen.empty()) {
        doc.blocks.emplace_back(report::Heading{
            qs(texte::kUeberBereich, lang)
                .arg(qs(StandardName(st.eingaben.standard, lang)), qs(PopulationName(st.eingaben.population, lang)))});
        report::Table range{columns(texte::kFrequenzSpalten, {5, 6}, lang), {}};
        for (const Row& row : st.zeilen) range.rows.push_back({.cells = FrequenzZellen(st, row)});
        doc.blocks.emplace_back(std::move(range));
    }
    return report::Print(doc, device);
}

}  // namespace ringfeld::exposure
