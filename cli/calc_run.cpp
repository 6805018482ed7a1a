// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/calc_run.h"

#include <QStringList>

#include <algorithm>
#include <array>

#include "cli/exposure_run.h"
#include "cli/row_blocks.h"
#include "cli/tuning_run.h"
#include "design/design_file.h"
#include "export/loop_export.h"
#include "platform/qt_text.h"
#include "text/catalog/cli_texts.h"
#include "text/interface_titles.h"

namespace ringfeld::cli {
namespace {

DesignRecord freshRecord(const std::string& sprache) {
    DesignRecord rec;
    rec.Sprache = sprache;
    TitelSetzen(rec);
    return rec;
}

QStringList rowCells(const CalcRow& row) {
    QStringList cells{qs(row.frequenz)};
    for (const std::string& shown : AngezeigteTexte(row.ausgang)) cells << qs(shown);
    const bool coupled = row.ankopplung && row.ankopplung->art != KopplungsArt::Abgelehnt;
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

// A block of rows written out, and whether each of them was computed.
struct Block {
    std::string text;
    bool computed = true;
};

// Computes the rows in blocks on every core; `put(text, row, index)` writes a row to
// its block's text, and the blocks go out in order. Returns the exit status.
template <typename Put>
int writeInBlocks(const CalcOptions& options, std::string_view sep, Output& out, Put put) {
    const LoopZahlen loop = LoopLesen(options.felder);
    int status = 0;
    RunInBlocks<Block>(
        options.frequenzen.size(),
        [&](std::size_t begin, std::size_t end, Block& block) {
            block.text.clear();
            block.text.reserve(kBlockRows * 2048);  // room for the longest rows: the text is not moved as it grows
            block.computed = true;
            for (std::size_t i = begin; i < end; ++i) {
                const CalcRow row = RunRow(options, loop, i, sep);
                block.computed = block.computed && RowComputed(row);
                put(block.text, row, i);
            }
        },
        [&](const Block& block) {
            out.write(block.text);
            if (!block.computed) status = 1;
        });
    return status;
}

int writeJson(const CalcOptions& options, Output& out) {
    const LoopExport e{options.felder, options.verhaeltnis, !options.asTyped};
    std::string text;
    LoopJsonStart(text);
    out.write(text);
    const int status = writeInBlocks(
        options, ".", out, [&](std::string& t, const CalcRow& row, std::size_t i) { LoopJsonRow(t, e, row, i); });
    text.clear();
    LoopJsonEnd(text);
    out.write(text);
    return status;
}

int writeCsv(const CalcOptions& options, Output& out) {
    std::string header;
    LoopCsvHeader(header);
    out.write(header);
    return writeInBlocks(options, ".", out,
                         [](std::string& text, const CalcRow& row, std::size_t) { LoopCsvRow(text, row); });
}

// The table: the loop's inputs, the column names and units, then a line per row and
// a line for each message. A column is as wide as its widest cell: a first pass over
// the rows takes the widths, the second computes the rows again and writes them.
int writeText(const CalcOptions& options, std::string_view sep, Output& out) {
    const Language lang = SpracheVon(options.sprache);
    const LoopEingaben& in = options.felder;
    const LoopZahlen loop = LoopLesen(in);
    // One pass of arg(): a second one would take a "%1" in a field text for a place marker.
    const QString inputs = QStringLiteral(
                               "%1, %2: D = %3 m, U = %4 m, d = %5 mm, N = %6, l = %7 mm, P = %8 W, "
                               "Rs = %9 Ohm, Rp = ")
                               .arg(qs(in.Combo1), qs(in.Combo2), qs(in.Text1), qs(in.Text2), qs(in.Text3),
                                    qs(in.Text4), qs(in.Text8), qs(in.Text6), qs(in.Text7)) +
                           qs(in.Text9) + QStringLiteral(" kOhm\n");
    out.write(inputs.toUtf8().toStdString());

    QStringList names, units;
    for (const texte::RowColumn& c : texte::kRowColumns) {
        names << qs(c.name.in(lang == Language::None ? kStandardSprache : lang));
        units << (c.unit.empty() ? QString() : "[" + qs(c.unit) + "]");
    }
    using Widths = std::array<qsizetype, texte::kRowColumns.size()>;
    Widths width{};
    auto widen = [](Widths& w, const QStringList& cells) {
        for (qsizetype i = 0; i < cells.size(); ++i) w[i] = std::max(w[i], cells[i].size());
    };
    widen(width, names);
    widen(width, units);
    const std::size_t count = options.frequenzen.size();
    RunInBlocks<Widths>(
        count,
        [&](std::size_t begin, std::size_t end, Widths& w) {
            w = {};
            for (std::size_t i = begin; i < end; ++i) widen(w, rowCells(RunRow(options, loop, i, sep)));
        },
        [&](const Widths& w) {
            for (std::size_t i = 0; i < w.size(); ++i) width[i] = std::max(width[i], w[i]);
        });

    auto line = [&](const QStringList& cells) {
        QString text;
        for (qsizetype i = 0; i < cells.size(); ++i) text += (i ? "  " : "") + cells[i].rightJustified(width[i]);
        while (text.endsWith(' ')) text.chop(1);
        return text + '\n';
    };
    out.write((line(names) + line(units)).toUtf8().toStdString());
    return writeInBlocks(options, sep, out, [&](std::string& text, const CalcRow& row, std::size_t) {
        QString lines = line(rowCells(row));
        if (row.ausgang.meldung) lines += "    ! " + qs(MessageLine(row.ausgang.meldung->text)) + '\n';
        const auto& a = row.ankopplung;
        if (a && a->art == KopplungsArt::Abgelehnt && a->meldung)
            lines += "    ! " + qs(MessageLine(a->meldung->text)) + '\n';
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

int RunCalc(const QStringList& arguments, const std::string& storedLanguage, std::string_view localeSeparator,
            Output& out, Output& err) {
    const ParseOutcome parsed = ParseCalcArgs(arguments, storedLanguage, localeSeparator);
    if (parsed.infoShown) {
        out.write(parsed.infoText.toUtf8().toStdString());
        return 0;
    }
    if (!parsed.options) {
        err.write(("ringfeld-calc: " + parsed.usageError.toUtf8() + '\n').toStdString());
        return 2;
    }
    const CalcOptions& options = *parsed.options;
    if (options.entwurf) {
        const auto fehler =
            design::EntwurfSchreiben(options.entwurfDatei, *options.entwurf, SpracheVon(options.sprache));
        if (fehler) err.write("ringfeld-calc: " + *fehler + '\n');
        return fehler ? 1 : 0;
    }
    if (options.exposure) return WriteExposure(options, localeSeparator, out);
    if (options.find) {
        const auto format = options.format == OutputFormat::Json  ? FindFormat::Json
                            : options.format == OutputFormat::Csv ? FindFormat::Csv
                                                                  : FindFormat::Text;
        return WriteFind(*options.find, format, SpracheVon(options.sprache), localeSeparator, out, err);
    }
    if (options.tuning) {
        const auto format = options.format == OutputFormat::Json  ? TuningFormat::Json
                            : options.format == OutputFormat::Csv ? TuningFormat::Csv
                                                                  : TuningFormat::Text;
        return WriteTuning(options.felder, *options.tuning, format, SpracheVon(options.sprache), localeSeparator, out);
    }
    return WriteRows(options, localeSeparator, out);
}

}  // namespace ringfeld::cli
