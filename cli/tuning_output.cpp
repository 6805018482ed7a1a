// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/tuning_output.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

#include "cli/row_blocks.h"
#include "cli/text_table.h"
#include "core/frequency_steps.h"
#include "core/measured_plausibility.h"
#include "export/tuning_export.h"
#include "platform/qt_text.h"
#include "presentation/sheet_columns.h"
#include "presentation/tuning_display.h"
#include "presentation/tuning_row_texts.h"
#include "text/catalog/cli_texts.h"
#include "text/number_format.h"

namespace ringfeld::cli {
namespace {

using namespace tuning;

// ---- the text table

using namespace sheet_patterns;
constexpr Muster kSignedOhm{"0.00000;-0.00000"};
constexpr Muster kCoverMhz{"0.0##"};

// Whether the text table shows the column: the capacitor's power only when the capacitor has a Q.
bool shown(const SheetColumn& c, bool capacitorLoss) {
    return (c.views & kTextView) || (capacitorLoss && (c.views & kTextViewWithCapQ));
}

QString flagsText(const std::vector<Flag>& flags, Language lang) {
    QStringList texts;
    for (Flag flag : flags) texts << qs(tuning::texte::FlagText(flag), lang);
    return texts.join("; ");
}

struct Format {
    std::string_view sep;
    QString operator()(double value, const Muster& pattern) const { return qs(FormatZahl(value, pattern, sep)); }
    QString operator()(const std::optional<double>& value, const Muster& pattern) const {
        return value ? (*this)(*value, pattern) : QStringLiteral("-");
    }
};

// A row's cells: the frequency, and for an accepted row its numbers and flags.
QStringList rowCells(const SheetRow& row, bool capacitorLoss, Language lang, const Format& fmt) {
    QStringList cells;
    for (const SheetColumn& c : kSheetColumns) {
        if (!shown(c, capacitorLoss) || (c.kind != ColumnKind::Frequency && !row.values)) continue;
        cells << (c.kind == ColumnKind::Flags ? flagsText(row.values->flags, lang) : fmt(c.value(row), c.pattern));
    }
    return cells;
}

QString summaryText(const Sheet& sheet, Language lang, const Format& fmt) {
    using tuning::texte::kCSpanne, tuning::texte::kPKondensator;
    const tuning::Summary& s = sheet.summary;
    QString out = qs(texte::kSummaryRows, lang).arg(s.rows_ok).arg(s.rows_refused);
    if (s.rows_no_capacitor > 0) out += qs(tuning::texte::kZeilenOhneKondensator, lang).arg(s.rows_no_capacitor);
    if (tuning::SheetEndsOffStep(sheet.options))
        out += qs(tuning::texte::kLetzteZeile, lang).arg(fmt(tuning::SheetFrequency(sheet.options, 0, 1), kMhz));  // TO
    out += '\n';
    if (s.rows_ok > 0) {
        out += (qs(texte::kSummaryCapacitor, lang) + qs(kCSpanne, lang))
                   .arg(fmt(s.C_tune_min_pF, kOne), fmt(s.C_tune_min_at_MHz, kMhz), fmt(s.C_tune_max_pF, kOne),
                        fmt(s.C_tune_max_at_MHz, kMhz)) +
               '\n';
        // Without a capacitor Q the capacitor is taken as lossless: its loss is no number.
        if (s.without_power)
            out += qs(texte::kSummaryNoPower, lang) + '\n';
        else if (sheet.options.capacitorQ)
            out += (qs(texte::kSummaryPeak, lang) + qs(kPKondensator, lang) + qs(texte::kSummaryPeakPower, lang))
                       .arg(fmt(s.V_peak_max_V, kWhole), fmt(s.V_peak_max_at_MHz, kMhz), fmt(s.I_rms_max_A, kTwo),
                            fmt(s.P_capacitor_max_W, kTwo)) +
                   '\n';
        else
            out += qs(texte::kSummaryPeak, lang)
                       .arg(fmt(s.V_peak_max_V, kWhole), fmt(s.V_peak_max_at_MHz, kMhz), fmt(s.I_rms_max_A, kTwo)) +
                   qs(kPKondensator, lang) + ' ' + qs(tuning::texte::kVerlustfrei, lang) + '\n';
    }
    // Without an accepted row nothing tells what the capacitor tunes.
    const bool covered = s.capacitor_covers_from_MHz && s.capacitor_covers_to_MHz;
    if (s.hasCapacitorCover)
        out += qs(covered ? texte::kSummaryCover : texte::kSummaryCoverUnknown, lang)
                   .arg(fmt(sheet.options.capMinPf, kOne), fmt(sheet.options.capMaxPf, kOne),
                        fmt(s.capacitor_covers_from_MHz, kCoverMhz), fmt(s.capacitor_covers_to_MHz, kCoverMhz)) +
               (covered ? qs(tuning::DecktSpannung(sheet, lang, fmt.sep)) : QString()) + '\n';
    return out + qs(texte::kSummaryEfficiency, lang) + '\n';
}

QString measuredText(const Sheet& sheet, const tuning::MeasuredResult& m, Language lang, const Format& fmt) {
    QString out = (qs(tuning::texte::kGemessenVorsatz, lang) + qs(texte::kMeasuredGiven, lang))
                      .arg(fmt(m.input.bandwidthKHz, kMhz), fmt(m.input.vswr, kMhz), fmt(m.input.frequencyMHz, kMhz)) +
                  '\n';
    if (m.ending != Ending::Ok)
        return out + NoteLine(qs(tuning::ZeilenMeldung(sheet, m.ending, m.fault, lang, m.cause)));
    // A number probably in another unit, or one that cannot be right: only the sentence.
    if (const auto j = tuning::JudgeMeasured(m); j && !tuning::Believable(j->verdict))
        return out + "  " + qs(tuning::MessHinweis(m, lang, fmt.sep)) + '\n';
    out += qs(texte::kMeasuredResult, lang)
               .arg(fmt(m.bandwidth_halfpower_kHz, kTwo), fmt(m.Q, kWhole), fmt(m.R_total_ohm, kOhm),
                    fmt(m.efficiency_percent, kTwo), fmt(m.gain_dBi, kSigned), fmt(m.R_model_ohm, kOhm),
                    fmt(m.R_unexplained_ohm, kSignedOhm)) +
           '\n';
    if (!m.flags.empty()) out += "  " + flagsText(m.flags, lang) + '\n';
    if (const std::string hint = tuning::MessHinweis(m, lang, fmt.sep); !hint.empty()) out += "  " + qs(hint) + '\n';
    return out;
}

SheetRow rowAt(const Sheet& sheet, std::size_t index, std::size_t count) {
    const SheetOptions& o = sheet.options;
    return BerechneZeile(sheet.loop, SheetFrequency(o, static_cast<long long>(index), static_cast<long long>(count)),
                         o);
}

constexpr std::size_t kBytesPerRow = 2048;  // the longest rows, in any format

// Computes the sheet's rows in blocks on every core; `put(text, row, index)` writes a
// row to its block's text, and the blocks go out in order and into the summary.
template <typename Put>
void writeInBlocks(const Sheet& sheet, std::size_t count, Output& out, SummaryAccumulator& summary, Put put) {
    summary = StreamRows<SummaryAccumulator>(
        count, kBytesPerRow, out, [&](std::size_t i) { return rowAt(sheet, i, count); }, put);
}

// The table: column names and units, then a line per row and the message of each
// refused one. A first pass over the rows takes the columns' widths, the second
// computes the rows again and writes them.
void writeTable(const Sheet& sheet, std::size_t count, Language lang, const Format& fmt, Output& out,
                SummaryAccumulator& summary) {
    const bool capacitorLoss = sheet.options.capacitorQ.has_value();
    QStringList names, units;
    for (const SheetColumn& c : kSheetColumns) {
        if (!shown(c, capacitorLoss)) continue;
        names << qs(c.shortHeading, lang);
        units << (c.unit.empty() ? QString() : "[" + qs(c.unit) + "]");
    }
    TextTable table(static_cast<std::size_t>(names.size()), LastCell::AsItIs);  // the flags stand as they are
    table.widen(names);
    table.widen(units);
    WidenInBlocks(table, count,
                  [&](std::size_t i) { return rowCells(rowAt(sheet, i, count), capacitorLoss, lang, fmt); });
    out.write((table.line(names) + table.line(units)).toUtf8().toStdString());
    writeInBlocks(sheet, count, out, summary, [&](std::string& text, const SheetRow& row, std::size_t) {
        QString lines = table.line(rowCells(row, capacitorLoss, lang, fmt));
        if (!row.values) lines += NoteLine(qs(tuning::ZeilenMeldung(sheet, row, lang)));
        text += lines.toStdString();
    });
}

}  // namespace

int WriteTuning(const LoopEingaben& l, const SheetOptions& o, OutputFormat format, Language lang, std::string_view sep,
                Output& out, Units units) {
    // The sheet without its rows: they are written as they are computed and taken
    // into the summary, which comes last with the measured block.
    Sheet sheet;
    sheet.loop = LoopLesen(l);
    sheet.options = o;
    const SheetExport e{l, sheet, lang};
    const Format fmt{sep};
    const auto count = static_cast<std::size_t>(SheetRowCount(o.fromMHz, o.toMHz, o.stepMHz).value_or(0));
    SummaryAccumulator summary;
    std::string text;
    switch (format) {
        case OutputFormat::Json:
            SheetJsonStart(text, e);
            out.write(text);
            writeInBlocks(sheet, count, out, summary,
                          [&](std::string& t, const SheetRow& row, std::size_t i) { SheetJsonRow(t, e, row, i); });
            break;
        case OutputFormat::Csv:
            SheetCsvHeader(text);
            out.write(text);
            writeInBlocks(sheet, count, out, summary,
                          [&](std::string& t, const SheetRow& row, std::size_t) { SheetCsvRow(t, e, row); });
            break;
        case OutputFormat::Text: {
            out.write(LoopInputsLine(l, units).toUtf8().toStdString());
            writeTable(sheet, count, lang, fmt, out, summary);
            break;
        }
    }
    sheet.summary = summary.summary(o);
    sheet.voltageCover = CapacitorVoltageCover(sheet.loop, o, sheet.summary);
    if (o.measured) sheet.measured = BerechneMessung(sheet.loop, o);
    text.clear();
    if (format == OutputFormat::Json) {
        SheetJsonEnd(text, e);
    } else if (format == OutputFormat::Text) {
        QString end = '\n' + summaryText(sheet, lang, fmt);
        if (sheet.measured) end += measuredText(sheet, *sheet.measured, lang, fmt);
        text = end.toStdString();
    }
    out.write(text);
    if (sheet.summary.rows_refused > 0) return 1;
    return sheet.measured && sheet.measured->ending != Ending::Ok ? 1 : 0;
}

}  // namespace ringfeld::cli
