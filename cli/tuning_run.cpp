// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/tuning_run.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

#include "cli/numeric_options.h"
#include "cli/row_blocks.h"
#include "cli/usage_errors.h"
#include "core/frequency_steps.h"
#include "export/tuning_export.h"
#include "platform/qt_text.h"
#include "presentation/sheet_columns.h"
#include "presentation/tuning_display.h"
#include "presentation/tuning_row_texts.h"
#include "text/number_format.h"
#include "text/strict_number.h"

namespace ringfeld::cli {
namespace {

using namespace tuning;

struct TuningOption {
    std::string_view name, valueName;
    const Tri& help;
};

constexpr std::array<TuningOption, 7> kTuningOptions{{
    {"tuning", "from:to:step", texte::kHelpTuning},
    {"cap-q", "Q", texte::kHelpCapQ},
    {"ground-ratio", "k", texte::kHelpGroundRatio},
    {"stray-c", "pF", texte::kHelpStrayC},
    {"cap-range", "cmin:cmax", texte::kHelpCapRange},
    {"cap-vpeak", "V", texte::kHelpCapVpeak},
    {"measured", "MHz:kHz[:vswr]", texte::kHelpMeasured},
}};

// The single numbers, read and described as the loop's numeric options are.
constexpr NumericOption kCapQ{"cap-q", "Q", "", RangeRule::Positive, {"", "", ""}};
constexpr NumericOption kGroundRatio{"ground-ratio", "k", "", RangeRule::NonNegative, {"", "", ""}};
constexpr NumericOption kStray{"stray-c", "pF", "pF", RangeRule::NonNegative, {"", "", ""}};
constexpr NumericOption kVPeak{"cap-vpeak", "V", "V", RangeRule::Positive, {"", "", ""}};

QString expectedFor(std::string_view name, Language lang) {
    if (name == "tuning") return qs(texte::kExpectTuning, lang).arg(tuning::kMaxSheetRows);
    if (name == "cap-range") return qs(texte::kExpectCapRange, lang);
    if (name == "measured") return qs(texte::kExpectMeasured, lang);
    for (const NumericOption* o : {&kCapQ, &kGroundRatio, &kStray, &kVPeak})
        if (name == o->name) return ExpectedNumber(*o, lang);
    return {};
}

// COUNT numbers separated by colons, each plain (StrikteZahl).
std::optional<std::vector<double>> numbers(const QString& text, qsizetype least, qsizetype most) {
    const QStringList parts = text.split(':');
    if (parts.size() < least || parts.size() > most) return std::nullopt;
    std::vector<double> out;
    for (const QString& part : parts) {
        const auto value = StrikteZahl(part.toStdString());
        if (!value) return std::nullopt;
        out.push_back(*value);
    }
    return out;
}

std::string_view optionOf(tuning::OptionFault fault) {
    switch (fault) {
        case tuning::OptionFault::Range: return "tuning";
        case tuning::OptionFault::CapacitorQ: return "cap-q";
        case tuning::OptionFault::GroundRatio: return "ground-ratio";
        case tuning::OptionFault::Stray: return "stray-c";
        case tuning::OptionFault::CapacitorRange: return "cap-range";
        case tuning::OptionFault::CapacitorVoltage: return "cap-vpeak";
        case tuning::OptionFault::Measured: return "measured";
        case tuning::OptionFault::None: break;
    }
    return {};
}

}  // namespace

QString TuningExpected(const QString& name, Language lang) { return expectedFor(name.toStdString(), lang); }

void DefineTuningOptions(QCommandLineParser& parser, Language lang) {
    for (const TuningOption& o : kTuningOptions)
        parser.addOption(QCommandLineOption(qs(o.name), qs(o.help, lang), qs(o.valueName)));
}

TuningParse ParseTuningOptions(const QCommandLineParser& parser, Language lang) {
    TuningParse out;
    if (!parser.isSet("tuning")) {
        // The capacitor's options serve --find too, which reads them itself.
        const bool find = parser.isSet("find");
        for (const TuningOption& o : kTuningOptions) {
            if (!parser.isSet(qs(o.name)) || o.name == "tuning") continue;
            const bool alsoFind = o.name != "measured";
            if (find && alsoFind) continue;
            out.usageError =
                qs(alsoFind ? texte::kOnlyWithTuningOrFind : texte::kOnlyWithTuning, lang).arg("--" + qs(o.name));
        }
        return out;
    }
    for (const char* other : {"frequency", "sweep", "find"})
        if (parser.isSet(other)) {
            out.usageError = qs(texte::kNotWithTuning, lang).arg("--" + QString(other));
            return out;
        }
    auto refuse = [&](std::string_view name) {
        out.usageError = UsageError(lang, "--" + qs(name), parser.value(qs(name)), expectedFor(name, lang));
        return out;
    };
    // Each option's numbers, or none when it is absent; a value that does not read refuses.
    bool unreadable = false;
    std::string_view unreadableName;
    auto read = [&](std::string_view name, qsizetype least, qsizetype most) -> std::optional<std::vector<double>> {
        if (unreadable || !parser.isSet(qs(name))) return std::nullopt;
        auto values = numbers(parser.value(qs(name)), least, most);
        if (!values) unreadable = true, unreadableName = name;
        return values;
    };

    SheetOptions o;
    const auto range = read("tuning", 3, 3);
    const auto capQ = read("cap-q", 1, 1);
    const auto ground = read("ground-ratio", 1, 1);
    const auto stray = read("stray-c", 1, 1);
    const auto capRange = read("cap-range", 2, 2);
    const auto vPeak = read("cap-vpeak", 1, 1);
    const auto measured = read("measured", 2, 3);
    if (unreadable) return refuse(unreadableName);
    o.fromMHz = (*range)[0], o.toMHz = (*range)[1], o.stepMHz = (*range)[2];
    if (!(o.fromMHz > 0)) return refuse("tuning");
    if (capQ) o.capacitorQ = (*capQ)[0];
    if (ground) o.groundRatio = (*ground)[0];
    if (stray) o.strayPf = (*stray)[0];
    if (capRange) o.capMinPf = (*capRange)[0], o.capMaxPf = (*capRange)[1];
    if (vPeak) o.capVPeakV = (*vPeak)[0];
    if (measured)
        o.measured = tuning::Messung{(*measured)[0], (*measured)[1], measured->size() > 2 ? (*measured)[2] : 2};
    if (const auto fault = tuning::PruefeOptionen(o); fault != tuning::OptionFault::None)
        return refuse(optionOf(fault));
    out.options = o;
    return out;
}

namespace {

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

// Every cell but a line's last is as wide as the widest in its column.
void widen(std::vector<qsizetype>& width, const QStringList& cells) {
    for (qsizetype i = 0; i + 1 < cells.size(); ++i) width[i] = std::max(width[i], cells[i].size());
}

QString line(const std::vector<qsizetype>& width, const QStringList& cells) {
    QString text;
    for (qsizetype i = 0; i < cells.size(); ++i)
        text += (i ? "  " : "") + (i + 1 < cells.size() ? cells[i].rightJustified(width[i]) : cells[i]);
    while (text.endsWith(' ')) text.chop(1);
    return text + '\n';
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
               '\n';
    return out + qs(texte::kSummaryEfficiency, lang) + '\n';
}

QString measuredText(const Sheet& sheet, const tuning::MeasuredResult& m, Language lang, const Format& fmt) {
    QString out = (qs(tuning::texte::kGemessenVorsatz, lang) + qs(texte::kMeasuredGiven, lang))
                      .arg(fmt(m.input.bandwidthKHz, kMhz), fmt(m.input.vswr, kMhz), fmt(m.input.frequencyMHz, kMhz)) +
                  '\n';
    if (m.ending != Ending::Ok)
        return out + "    ! " + qs(tuning::ZeilenMeldung(sheet, m.ending, m.fault, lang, m.cause)) + '\n';
    out += qs(texte::kMeasuredResult, lang)
               .arg(fmt(m.bandwidth_halfpower_kHz, kTwo), fmt(m.Q, kWhole), fmt(m.R_total_ohm, kOhm),
                    fmt(m.efficiency_percent, kTwo), fmt(m.gain_dBi, kSigned), fmt(m.R_model_ohm, kOhm),
                    fmt(m.R_unexplained_ohm, kSignedOhm)) +
           '\n';
    if (!m.flags.empty()) out += "  " + flagsText(m.flags, lang) + '\n';
    if (const std::string hint = tuning::MessHinweis(m, lang, fmt.sep); !hint.empty()) out += "  " + qs(hint) + '\n';
    return out;
}

// A block of the sheet's rows written out, and the summary of them.
struct Block {
    std::string text;
    SummaryAccumulator summary;
};

SheetRow rowAt(const Sheet& sheet, std::size_t index, std::size_t count) {
    const SheetOptions& o = sheet.options;
    return BerechneZeile(sheet.loop, SheetFrequency(o, static_cast<long long>(index), static_cast<long long>(count)),
                         o);
}

// Computes the sheet's rows in blocks on every core; `put(text, row, index)` writes a
// row to its block's text, and the blocks go out in order and into the summary.
template <typename Put>
void writeInBlocks(const Sheet& sheet, std::size_t count, Output& out, SummaryAccumulator& summary, Put put) {
    RunInBlocks<Block>(
        count,
        [&](std::size_t begin, std::size_t end, Block& block) {
            block.text.clear();
            block.text.reserve(kBlockRows * 2048);  // room for the longest rows: the text is not moved as it grows
            block.summary = {};
            for (std::size_t i = begin; i < end; ++i) {
                const SheetRow row = rowAt(sheet, i, count);
                block.summary.add(row);
                put(block.text, row, i);
            }
        },
        [&](const Block& block) {
            out.write(block.text);
            summary.add(block.summary);
        });
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
    std::vector<qsizetype> width(static_cast<std::size_t>(names.size()));
    widen(width, names);
    widen(width, units);
    RunInBlocks<std::vector<qsizetype>>(
        count,
        [&](std::size_t begin, std::size_t end, std::vector<qsizetype>& w) {
            w.assign(width.size(), 0);
            for (std::size_t i = begin; i < end; ++i)
                widen(w, rowCells(rowAt(sheet, i, count), capacitorLoss, lang, fmt));
        },
        [&](const std::vector<qsizetype>& w) {
            for (std::size_t i = 0; i < w.size(); ++i) width[i] = std::max(width[i], w[i]);
        });
    out.write((line(width, names) + line(width, units)).toUtf8().toStdString());
    writeInBlocks(sheet, count, out, summary, [&](std::string& text, const SheetRow& row, std::size_t) {
        QString lines = line(width, rowCells(row, capacitorLoss, lang, fmt));
        if (!row.values) lines += "    ! " + qs(tuning::ZeilenMeldung(sheet, row, lang)) + '\n';
        text += lines.toStdString();
    });
}

}  // namespace

int WriteTuning(const LoopEingaben& l, const SheetOptions& o, TuningFormat format, Language lang, std::string_view sep,
                Output& out) {
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
        case TuningFormat::Json:
            SheetJsonStart(text, e);
            out.write(text);
            writeInBlocks(sheet, count, out, summary,
                          [&](std::string& t, const SheetRow& row, std::size_t i) { SheetJsonRow(t, e, row, i); });
            break;
        case TuningFormat::Csv:
            SheetCsvHeader(text);
            out.write(text);
            writeInBlocks(sheet, count, out, summary,
                          [&](std::string& t, const SheetRow& row, std::size_t) { SheetCsvRow(t, e, row); });
            break;
        case TuningFormat::Text: {
            // One pass of arg(): a second one would take a "%1" in a field text for a place marker.
            const QString inputs =
                QStringLiteral("%1, %2: D = %3 m, U = %4 m, d = %5 mm, N = %6, l = %7 mm, P = %8 W, Rs = %9 Ohm")
                    .arg(qs(l.Combo1), qs(l.Combo2), qs(l.Text1), qs(l.Text2), qs(l.Text3), qs(l.Text4), qs(l.Text8),
                         qs(l.Text6), qs(l.Text7)) +
                ", Rp = " + qs(l.Text9) + " kOhm\n";
            out.write(inputs.toUtf8().toStdString());
            writeTable(sheet, count, lang, fmt, out, summary);
            break;
        }
    }
    sheet.summary = summary.summary(o);
    if (o.measured) sheet.measured = BerechneMessung(sheet.loop, o);
    text.clear();
    if (format == TuningFormat::Json) {
        SheetJsonEnd(text, e);
    } else if (format == TuningFormat::Text) {
        QString end = '\n' + summaryText(sheet, lang, fmt);
        if (sheet.measured) end += measuredText(sheet, *sheet.measured, lang, fmt);
        text = end.toStdString();
    }
    out.write(text);
    if (sheet.summary.rows_refused > 0) return 1;
    return sheet.measured && sheet.measured->ending != Ending::Ok ? 1 : 0;
}

}  // namespace ringfeld::cli
