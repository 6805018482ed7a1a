// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/calc_output.h"

#include <QStringList>

#include "cli/row_blocks.h"
#include "cli/text_table.h"
#include "export/loop_export.h"
#include "platform/qt_text.h"
#include "text/catalog/cli_texts.h"
#include "text/interface_titles.h"
#include "text/length_texts.h"

namespace ringfeld::cli {
namespace {

DesignRecord freshRecord(const std::string& sprache) {
    DesignRecord rec;
    rec.Sprache = sprache;
    TitelSetzen(rec);
    return rec;
}

// The rows are computed in metric for every format; the table shows the
// coupling loop's lengths in the units chosen.
QStringList rowCells(const CalcRow& row, Units units, std::string_view sep) {
    QStringList cells{qs(row.frequenz)};
    for (const std::string& shown : AngezeigteTexte(row.ausgang)) cells << qs(shown);
    const bool coupled = row.ankopplung && row.ankopplung->art != KopplungsArt::Abgelehnt;
    if (coupled && units != Units::Metric) {
        const AnkopplungAusgang& a = *row.ankopplung;
        const KopplungsLaengen l = KopplungsLaengenText(a.art, a.umfangCm, a.lkaCm, units, sep);
        return cells << qs(l.label2) << qs(l.label4.value_or(std::string()));
    }
    cells << (coupled ? qs(row.ankopplung->label2.value_or(std::string())) : QString());
    cells << (coupled ? qs(row.ankopplung->label4.value_or(std::string())) : QString());
    return cells;
}

}  // namespace

CalcRow RunRow(const CalcOptions& options, const LoopZahlen& loop, std::size_t index, std::string_view sep) {
    CalcRow row;
    row.frequenz = options.frequenzen[index];
    row.record = freshRecord(options.sprache);
    LoopZahlen zahlen = loop;
    zahlen.f = FeldLesen(row.frequenz);
    row.ausgang = LoopRechnen(zahlen, row.record, sep);
    if (row.ausgang.ending == Ending::Ok) {
        row.resonanz = ResonanzwiderstandAnzeigen(row.record, sep);
        row.ankopplung = AnkopplungRechnen(options.verhaeltnis, row.record, sep);
    }
    return row;
}

bool RowComputed(const CalcRow& row) {
    if (row.ausgang.ending != Ending::Ok) return false;
    return !(row.ankopplung && row.ankopplung->art == KopplungsArt::Abgelehnt);
}

namespace {

// Whether every row was computed.
struct Computed {
    bool all = true;
    void add(const CalcRow& row) { all = all && RowComputed(row); }
    void add(const Computed& later) { all = all && later.all; }
};

constexpr std::size_t kBytesPerRow = 2048;  // the longest rows, in any format

// Computes the rows in blocks on every core; `put(text, row, index)` writes a row to
// its block's text, and the blocks go out in order. Returns the exit status.
template <typename Put>
int writeRows(const CalcOptions& options, std::string_view sep, Output& out, Put put) {
    const LoopZahlen loop = LoopLesen(options.felder);
    const auto rowAt = [&](std::size_t i) { return RunRow(options, loop, i, sep); };
    return StreamRows<Computed>(options.frequenzen.size(), kBytesPerRow, out, rowAt, put).all ? 0 : 1;
}

int writeJson(const CalcOptions& options, Output& out) {
    const LoopExport e{options.felder, options.verhaeltnis, !options.asTyped};
    std::string text;
    LoopJsonStart(text);
    out.write(text);
    const int status = writeRows(options, ".", out,
                                 [&](std::string& t, const CalcRow& row, std::size_t i) { LoopJsonRow(t, e, row, i); });
    text.clear();
    LoopJsonEnd(text);
    out.write(text);
    return status;
}

int writeCsv(const CalcOptions& options, Output& out) {
    std::string header;
    LoopCsvHeader(header);
    out.write(header);
    return writeRows(options, ".", out,
                     [](std::string& text, const CalcRow& row, std::size_t) { LoopCsvRow(text, row); });
}

// The table: the loop's inputs, the column names and units, then a line per row and
// a line for each message. A column is as wide as its widest cell: a first pass over
// the rows takes the widths, the second computes the rows again and writes them.
int writeText(const CalcOptions& options, std::string_view sep, Output& out) {
    const Language lang = SpracheVon(options.sprache);
    const LoopZahlen loop = LoopLesen(options.felder);
    out.write(LoopInputsLine(options.felder, options.einheiten, sep).toUtf8().toStdString());

    QStringList names, units;
    for (const texte::RowColumn& c : texte::kRowColumns) {
        names << qs(c.name.in(lang == Language::None ? kStandardSprache : lang));
        const std::string_view unit = c.length ? UnitCaption(*c.length, options.einheiten, lang) : c.unit;
        units << (unit.empty() ? QString() : "[" + qs(unit) + "]");
    }
    TextTable table(texte::kRowColumns.size(), LastCell::Aligned);
    table.widen(names);
    table.widen(units);
    WidenInBlocks(table, options.frequenzen.size(),
                  [&](std::size_t i) { return rowCells(RunRow(options, loop, i, sep), options.einheiten, sep); });
    out.write((table.line(names) + table.line(units)).toUtf8().toStdString());
    return writeRows(options, sep, out, [&](std::string& text, const CalcRow& row, std::size_t) {
        QString lines = table.line(rowCells(row, options.einheiten, sep));
        if (row.ausgang.meldung) lines += NoteLine(qs(MessageLine(row.ausgang.meldung->text)));
        const auto& a = row.ankopplung;
        if (a && a->art == KopplungsArt::Abgelehnt && a->meldung) lines += NoteLine(qs(MessageLine(a->meldung->text)));
        text += lines.toStdString();
    });
}

}  // namespace

int WriteRows(const CalcOptions& options, std::string_view localeSeparator, Output& out) {
    switch (options.format) {
        case OutputFormat::Json: return writeJson(options, out);
        case OutputFormat::Csv: return writeCsv(options, out);
        case OutputFormat::Text: break;
    }
    return writeText(options, localeSeparator, out);
}

}  // namespace ringfeld::cli
