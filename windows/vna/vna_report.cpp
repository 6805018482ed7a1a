// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "vna_window/vna_report.h"

#include <QChart>
#include <QFileInfo>

#include "platform/qt_text.h"
#include "platform/report.h"
#include "presentation/tuning_display.h"
#include "text/catalog/vna_texts.h"
#include "text/length_texts.h"
#include "text/number_format.h"
#include "vna_window/smith_chart.h"
#include "vna_window/vna_chart.h"

namespace ringfeld::vna {
namespace {

constexpr double kChartAspect = 0.5;   // the VSWR chart's height over its width
constexpr double kSmithWidth = 0.6;    // the share of the page's width the Smith chart takes
constexpr double kSmithAspect = 1.15;  // its height over its width: the circle and the legend below
constexpr Muster kSweepMhz{"0.0#####"};

}  // namespace

QString BerichtDrucken(const VnaStand& st, const QDateTime& datum, QPagedPaintDevice& device) {
    const Language lang = st.lang;
    auto heading = [lang](const Tri& t) { return report::Heading{qs(t, lang)}; };
    using report::Paragraph;
    report::Document doc{lang, datum, {}};
    doc.blocks.emplace_back(report::Heading{qs(texte::kBerichtTitel, lang), true});
    doc.blocks.emplace_back(Paragraph{
        qs(texte::kBerichtDatum, lang).arg(report::DateLocale(lang).toString(datum.date(), QLocale::LongFormat))});

    doc.blocks.emplace_back(heading(texte::kBerichtMessung));
    const QString name = QFileInfo(qs(st.datei)).fileName();
    if (st.sweep) {
        const std::vector<double>& f = st.sweep->frequencyHz;
        auto mhz = [&](double hz) { return qs(FormatZahl(hz / 1e6, kSweepMhz, st.sep)); };
        doc.blocks.emplace_back(Paragraph{
            qs(texte::kTextMessung, lang).arg(name, QString::number(f.size()), mhz(f.front()), mhz(f.back()))});
    } else {
        doc.blocks.emplace_back(Paragraph{qs(texte::kGespeicherteMessung, lang).arg(name)});
    }
    doc.blocks.emplace_back(
        Paragraph{qs(texte::kTextLoop, lang).arg(qs(tuning::SchleifenZeile(st.loop, lang, st.sep, st.units)))});
    doc.blocks.emplace_back(Paragraph{qs(UnitsLine(st.units, lang))});

    if (!st.messung) return report::Print(doc, device);
    const LoopMeasurement& m = *st.messung;
    doc.blocks.emplace_back(heading(texte::kBerichtErgebnis));
    report::KeyValues werte;
    werte.groups.emplace_back();
    for (const ResultLine& l : ResultLines(m, lang, st.sep))
        werte.groups.back().items.emplace_back(qs(l.caption), qs(l.value));
    doc.blocks.emplace_back(std::move(werte));
    if (const std::string refusal = LoopRefusal(m, st.loop, lang); !refusal.empty())
        doc.blocks.emplace_back(Paragraph{qs(texte::kTextOhneLoop, lang).arg(qs(refusal)), Paragraph::Style::Strong});
    if (const std::string notes = LoopNotes(m, lang); !notes.empty()) doc.blocks.emplace_back(Paragraph{qs(notes)});

    if (st.sweep) {
        const VswrChartData kurven = VswrKurven(*st.sweep, m);
        doc.blocks.emplace_back(heading(texte::kBerichtSwr));
        doc.blocks.emplace_back(
            report::Chart{[kurven, lang](QChart& chart) { VnaChart(chart).zeigen(&kurven, lang); }, kChartAspect});
        const SmithChartData smith = SmithKurven(*st.sweep, m);
        doc.blocks.emplace_back(heading(texte::kBerichtSmith));
        doc.blocks.emplace_back(
            report::Picture{[smith, lang](QPainter& p, const QRectF& r) { SmithZeichnen(p, r, &smith, lang); },
                            kSmithAspect, kSmithWidth});
    }
    doc.blocks.emplace_back(heading(texte::kBerichtMethode));
    doc.blocks.emplace_back(Paragraph{qs(texte::kMethode, lang)});
    return report::Print(doc, device);
}

}  // namespace ringfeld::vna
