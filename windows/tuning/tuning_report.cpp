// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "tuning/tuning_report.h"

#include <QChart>
#include <QPagedPaintDevice>

#include <algorithm>
#include <map>
#include <vector>

#include "platform/qt_text.h"
#include "platform/report.h"
#include "presentation/sheet_columns.h"
#include "presentation/tuning_display.h"
#include "presentation/tuning_row_texts.h"
#include "text/length_texts.h"
#include "tuning/tuning_chart.h"
#include "tuning/tuning_model.h"
#include "tuning/tuning_summary.h"

namespace ringfeld::tuning {
namespace {

constexpr double kChartAspect = 4.0 / 9;  // the chart's height over its width

// The window's columns the report shows: those for a portrait page, and on a landscape
// page the further ones (the model's column numbers).
std::vector<int> reportColumns(bool landscape) {
    std::vector<int> out;
    constexpr auto window = WindowColumns();
    const unsigned views = kReportView | (landscape ? kReportWideView : 0u);
    for (std::size_t i = 0; i < window.size(); ++i)
        if (window[i]->views & views) out.push_back(static_cast<int>(i));
    return out;
}

// The sheet as a table: numbers under their headings, a refused row's reason across
// the row, a row that is no design grey as in the window, and the notes as numbers in
// the last column, counted in the order they first appear.
class SheetTable {
public:
    SheetTable(const Sheet& sheet, Language lang, bool landscape) : lang_(lang) {
        const std::vector<int> columns = reportColumns(landscape);
        for (int c : columns) table.columns.push_back({TuningModel::heading(c, lang), c == columns.back()});
        TuningModel model;
        model.setSheet(sheet, lang);
        for (int r = 0; r < model.rowCount(); ++r) {
            const SheetRow& row = sheet.rows[static_cast<std::size_t>(r)];
            report::Table::Row out;
            out.grey = !row.values || OhneKondensator(row);
            for (std::size_t i = 0; i + 1 < columns.size(); ++i)
                out.cells << model.data(model.index(r, columns[i]), Qt::DisplayRole).toString();
            if (row.values)
                out.cells << noteNumbers(row.values->flags);
            else
                out.across = qs(ZeilenMeldung(sheet, row, lang));
            table.rows.push_back(std::move(out));
        }
    }

    // What the numbers in the note column mean, in full.
    QStringList notes() const {
        std::vector<std::pair<int, Flag>> list;
        for (const auto& [flag, number] : numbers_) list.emplace_back(number, flag);
        std::sort(list.begin(), list.end());
        QStringList out;
        for (const auto& [number, flag] : list)
            out << QString::number(number) + QStringLiteral("  ") + qs(texte::FlagText(flag).in(lang_));
        return out;
    }

    report::Table table;

private:
    QString noteNumbers(const std::vector<Flag>& flags) {
        QStringList out;
        for (Flag f : flags) {
            const auto [it, added] = numbers_.try_emplace(f, static_cast<int>(numbers_.size()) + 1);
            out << QString::number(it->second);
        }
        return out.join(QStringLiteral(", "));
    }

    Language lang_;
    std::map<Flag, int> numbers_;
};

}  // namespace

TuningReport::TuningReport(BerichtInhalt inhalt) : inhalt_(std::move(inhalt)) {}

QString TuningReport::drucken(QPagedPaintDevice& device) const {
    if (!inhalt_.sheet) return QStringLiteral("no sheet");
    const Sheet& sheet = *inhalt_.sheet;
    const Language lang = inhalt_.lang;
    auto heading = [lang](const Tri& t) { return report::Heading{qs(t.in(lang))}; };
    using report::Paragraph;

    report::Document doc{lang, inhalt_.datum, {}};
    doc.blocks.emplace_back(report::Heading{qs(texte::kBerichtTitel.in(lang)), true});
    doc.blocks.emplace_back(Paragraph{qs(texte::kSchleifeVorsatz.in(lang)) + SchleifenText(sheet, lang, inhalt_.units),
                                      Paragraph::Style::Strong});
    doc.blocks.emplace_back(Paragraph{report::DateLocale(lang).toString(inhalt_.datum, QLocale::LongFormat)});
    doc.blocks.emplace_back(Paragraph{qs(UnitsLine(inhalt_.units, lang))});

    doc.blocks.emplace_back(heading(texte::kBerichtEingaben));
    report::KeyValues inputs;
    for (const EingabeGruppe& group : inhalt_.eingaben) {
        inputs.groups.push_back({qs(group.titel), {}});
        for (const EingabeZeile& z : group.zeilen)
            inputs.groups.back().items.emplace_back(qs(z.beschriftung), qs(z.wert));
    }
    doc.blocks.emplace_back(std::move(inputs));

    doc.blocks.emplace_back(heading(texte::kBerichtErgebnis));
    doc.blocks.emplace_back(Paragraph{Zusammenfassung(sheet, lang).join(QStringLiteral("  ·  "))});
    doc.blocks.emplace_back(Paragraph{MessErgebnis(sheet, lang)});
    // The window's chart; nothing hovers over a printed one, so its read-out may go first.
    doc.blocks.emplace_back(
        report::Chart{[&sheet, lang](QChart& chart) { TuningChart(chart).zeigen(sheet, lang); }, kChartAspect});

    SheetTable table(sheet, lang, device.width() > device.height());
    doc.blocks.emplace_back(heading(texte::kBerichtTabelle));
    doc.blocks.emplace_back(std::move(table.table));
    if (const QStringList notes = table.notes(); !notes.isEmpty()) {
        doc.blocks.emplace_back(heading(texte::kBerichtHinweise));
        for (const QString& note : notes) doc.blocks.emplace_back(Paragraph{note, Paragraph::Style::Small});
    }
    return report::Print(doc, device);
}

}  // namespace ringfeld::tuning
