// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// ringfeld-calc's whole command on arbitrary argument lists: every list ends in
// exactly one of help or version, usable options or a usage error, with exit
// status 0, 1 or 2; a usage error quotes what the user gave without mixing it
// into the message's own placeholders; usable options calculate (with either
// decimal separator) and are written as text, JSON and CSV without NaN, infinity or
// an unreadable number, the JSON parses and its values are plain numbers.
//
// Input: NUL-separated texts: the language the settings store holds, then the
// arguments.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <string>
#include <vector>

#include "cli/calc_options.h"
#include "cli/calc_output.h"
#include "cli/calc_run.h"
#include "cli/option_table.h"
#include "cli/tuning_output.h"
#include "core/frequency_steps.h"
#include "fuzz_support.h"
#include "presentation/sheet_columns.h"
#include "text/strict_number.h"

using namespace ringfeld;
using namespace ringfeld::cli;
using namespace ringfeld::fuzz;

namespace {

// Rows beyond this are parsed but not calculated: rendering a long table
// teaches nothing that a short one does not.
constexpr std::size_t kMaxCalculatedRows = 16;
// Inputs whose sweeps could give more rows than this are skipped to keep runs
// fast; the row limit itself is checked by the command line's own tests.
constexpr double kMaxSweptRows = 20000;

std::string utf8(const QString& s) { return s.toStdString(); }

// Rows the sweeps could give, generously: a sweep the parser refuses counts as none.
double sweptRows(const QStringList& args) {
    double rows = 0;
    for (qsizetype i = 0; i < args.size() && args[i] != "--"; ++i) {
        QString value = args[i].startsWith("--sweep=") ? args[i].mid(8) : QString();
        if (args[i] == "--sweep" && i + 1 < args.size()) value = args[++i];
        const QStringList parts = value.split(':');
        if (parts.size() != 3) continue;
        const auto from = StrikteZahl(utf8(parts[0])), to = StrikteZahl(utf8(parts[1])),
                   step = StrikteZahl(utf8(parts[2]));
        if (from && to && step && *step > 0 && *to >= *from) rows += (*to - *from) / *step + 1;
    }
    return rows;
}

// Rows the options calculate: the tuning sheet's frequencies, else one per frequency.
std::size_t calculatedRows(const CalcOptions& o) {
    const auto& t = o.tuning;
    return t ? std::size_t(tuning::SheetRowCount(t->fromMHz, t->toMHz, t->stepMHz, kMaxRows).value_or(0))
             : o.frequenzen.size();
}

// What the options write in another format.
QByteArray written(CalcOptions o, OutputFormat format) {
    o.format = format;
    BufferOutput out;
    WriteRows(o, ".", out);
    return out.bytes();
}

QByteArray writtenSheet(const CalcOptions& o, OutputFormat format) {
    BufferOutput out;
    WriteTuning(o.felder, *o.tuning, format, SpracheVon(o.sprache), ".", out);
    return out.bytes();
}

// The tuning-range sheet (its text table is written by RunCalc above): one row per
// frequency, the last at TO, every number finite, no NaN or infinity in the CSV's rows (they echo no
// field text; the header's "f_self_resonance" holds "nan"), JSON that parses.
void checkTuning(const CalcOptions& o) {
    const tuning::Sheet sheet = tuning::BerechneAbstimmbereich(LoopLesen(o.felder), *o.tuning);
    require(sheet.rows.size() == calculatedRows(o), "one sheet row per frequency");
    // The steps from FROM, and TO as the last row even where the steps miss it.
    require(sheet.rows.empty() || sheet.rows.back().frequencyMHz == FrequenzSchritt(o.tuning->toMHz, 0, 0),
            "the last sheet row is TO");
    for (const tuning::SheetRow& row : sheet.rows)
        for (const tuning::SheetColumn& c : tuning::kSheetColumns)
            if (c.kind == tuning::ColumnKind::Number)
                require(!row.values || std::isfinite(c.value(row).value_or(0)), "sheet value not finite", c.key);
    requireNoNanInf(writtenSheet(o, OutputFormat::Csv).split('\n').mid(1).join('\n').toStdString(), "tuning CSV");
    QJsonParseError error{};
    QJsonDocument::fromJson(writtenSheet(o, OutputFormat::Json), &error);
    require(error.error == QJsonParseError::NoError, "tuning JSON does not parse", utf8(error.errorString()));
}

std::vector<CalcRow> rowsOf(const CalcOptions& o, std::string_view sep) {
    std::vector<CalcRow> rows;
    const LoopZahlen loop = LoopLesen(o.felder);
    for (std::size_t i = 0; i < o.frequenzen.size(); ++i) rows.push_back(RunRow(o, loop, i, sep));
    return rows;
}

void checkUsageError(const QString& error, const QStringList& args) {
    // A placeholder left in the message, or filled from what the user typed, means
    // the user's text was taken for part of the message's format.
    static const QRegularExpression marker("%\\d");
    auto it = marker.globalMatch(error);
    while (it.hasNext()) {
        const QString m = it.next().captured();
        bool given = false;
        for (const QString& a : args) given = given || a.contains(m);
        require(given, "usage error with an unfilled placeholder", utf8(error));
    }
    require(error.contains('\'') || error.contains("--"), "usage error naming nothing", utf8(error));
}

void checkRows(const CalcOptions& o, const std::vector<CalcRow>& rows) {
    require(rows.size() == o.frequenzen.size(), "one row per frequency");
    for (const CalcRow& row : rows) {
        const int ending = static_cast<int>(row.ausgang.ending);
        require(ending >= 0 && ending <= static_cast<int>(Ending::Fault), "undefined ending");
        for (const std::string& shown : AngezeigteTexte(row.ausgang))
            if (!shown.empty()) readsBackFinite(shown, "shown result");
        if (row.ausgang.meldung) requireNoNanInf(row.ausgang.meldung->text, "message");
        if (row.resonanz) readsBackFinite(row.resonanz->wert, "resonance resistance");
        if (row.ankopplung)
            for (const auto& label : {row.ankopplung->label2, row.ankopplung->label4})
                if (label) requireNoNanInf(*label, "coupling label");
    }
}

void checkJson(const CalcOptions& o, const std::vector<CalcRow>& rows) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(written(o, OutputFormat::Json), &error);
    require(error.error == QJsonParseError::NoError && doc.isArray(), "JSON output does not parse",
            utf8(error.errorString()));
    require(doc.array().size() == static_cast<qsizetype>(rows.size()), "JSON output with a row missing");
    for (const QJsonValue& row : doc.array()) {
        const QJsonObject record = row["record"].toObject();
        for (const QString& key : record.keys())
            require(record[key].isDouble(), "JSON record member not a number", utf8(key));
        const bool valued = !o.asTyped && row["ending"] == "ok";
        require(row.toObject().contains("values") == valued, "JSON values on a refused row or missing on an ok one");
        const QJsonObject values = row["values"].toObject();
        for (const QString& key : values.keys()) require(values[key].isDouble(), "JSON value not a number", utf8(key));
    }
}

void checkCsv(const CalcOptions& o, const std::vector<CalcRow>& rows) {
    const QStringList lines = QString::fromUtf8(written(o, OutputFormat::Csv)).split("\r\n");
    require(lines.size() == static_cast<qsizetype>(rows.size()) + 2 && lines.last().isEmpty(), "CSV line count");
    const qsizetype columns = lines[0].count(',') + 1;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        // Numbers and the ending, then the quoted message.
        const QStringList cells = lines[i].section('"', 0, 0).split(',');
        require(cells.size() == columns && lines[i].endsWith('"'), "CSV row with other columns", utf8(lines[i]));
        for (qsizetype c = 0; c + 1 < cells.size(); ++c)
            require(c == 1 || cells[c].isEmpty() || StrikteZahl(utf8(cells[c])), "CSV cell not a number",
                    utf8(cells[c]));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> texte(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            texte.emplace_back();
        else
            texte.back() += static_cast<char>(data[i]);
    }
    QStringList args;
    for (std::size_t i = 1; i < texte.size(); ++i)
        args << QString::fromUtf8(texte[i].data(), static_cast<qsizetype>(texte[i].size()));
    if (!(sweptRows(args) <= kMaxSweptRows)) return 0;

    const ParseOutcome p = ParseCalcArgs(args, texte[0]);
    const int arten = int(p.infoShown) + int(p.options.has_value()) + int(!p.usageError.isEmpty());
    require(arten == 1, "arguments end in other than exactly one of help, options, usage error");
    if (!p.options || calculatedRows(*p.options) <= kMaxCalculatedRows) {
        BufferOutput out, err;
        const int status = RunCalc(args, texte[0], ",", out, err);
        require(status >= 0 && status <= 2 && (status == 2) == !err.bytes().isEmpty(), "exit status or error stream");
    }
    if (p.infoShown) return require(!p.infoText.isEmpty(), "empty help"), 0;
    if (!p.options) return checkUsageError(p.usageError, args), 0;

    const CalcOptions& o = *p.options;
    require(!o.frequenzen.empty() && o.frequenzen.size() <= static_cast<std::size_t>(kMaxRows),
            "number of rows outside 1 to the limit");
    require(SpracheVon(o.sprache) != Language::None, "options with no language", o.sprache);
    if (calculatedRows(o) > kMaxCalculatedRows) return 0;
    if (o.tuning) return checkTuning(o), 0;

    checkRows(o, rowsOf(o, ","));
    const auto rows = rowsOf(o, ".");
    checkRows(o, rows);
    checkJson(o, rows);
    checkCsv(o, rows);
    require(!written(o, OutputFormat::Text).isEmpty(), "no text output");
    return 0;
}
