// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/calc_run.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <thread>

#include "cli/calc_values.h"
#include "text/interface_titles.h"
#include "export/json_writer.h"
#include "cli/tuning_run.h"
#include "platform/qt_text.h"

namespace ringfeld::cli {
namespace {


DesignRecord freshRecord(const std::string& sprache) {
    DesignRecord rec;
    rec.Sprache = sprache;
    TitelSetzen(rec);
    return rec;
}

void inputsJson(JsonWriter& w, const LoopEingaben& in, const std::string& ratio) {
    w.beginObject();
    const std::pair<const char*, const std::string*> fields[] = {
        {"Text1", &in.Text1}, {"Text2", &in.Text2}, {"Text3", &in.Text3}, {"Text4", &in.Text4},
        {"Text5", &in.Text5}, {"Text6", &in.Text6}, {"Text7", &in.Text7}, {"Text8", &in.Text8},
        {"Text9", &in.Text9}, {"Combo1", &in.Combo1}, {"Combo2", &in.Combo2}, {"ratio", &ratio}};
    for (const auto& [name, text] : fields) {
        w.key(name);
        w.value(*text);
    }
    w.endObject();
}

void recordJson(JsonWriter& w, const DesignRecord& r) {
    w.beginObject();
    const std::pair<const char*, double> members[] = {
        {"Windungen", r.Windungen}, {"Umfang", r.Umfang},   {"Frequenz", r.Frequenz},
        {"Induktivitaet", r.Induktivitaet}, {"Kapazitaet", r.Kapazitaet}, {"XL", r.XL},
        {"RVerlust", r.RVerlust}, {"RGesamt", r.RGesamt}, {"Guete", r.Guete}};
    for (const auto& [name, value] : members) {
        w.key(name);
        w.value(value);
    }
    w.endObject();
}

void couplingJson(JsonWriter& w, const CalcRow& row) {
    if (!row.ankopplung) {
        w.null();
        return;
    }
    const AnkopplungAusgang& a = *row.ankopplung;
    // The coupling window as it reads after its first calculation.
    w.beginObject();
    w.key("Label11");
    w.value(row.resonanz ? row.resonanz->wert : std::string());
    w.key("Label12");
    w.value(row.resonanz ? row.resonanz->einheit : std::string("KOhm"));
    w.key("Label2");
    w.value(a.label2.value_or(std::string()));
    w.key("Label4");
    w.value(a.label4.value_or(std::string()));
    w.key("outcome");
    w.value(a.art == KopplungsArt::Normal ? "normal" : a.art == KopplungsArt::Bereich ? "range" : "refused");
    w.key("Zusatzhinweis");
    w.value(a.zusatzhinweis.value_or(std::string()));
    if (a.art == KopplungsArt::Abgelehnt && a.meldung) {
        w.key("message");
        w.value(a.meldung->text);
    }
    w.endObject();
}

void valuesJson(JsonWriter& w, const RowValues& values) {
    w.beginObject();
    for (std::size_t i = 0; i < kValueKeys.size(); ++i) {
        if (!values[i]) continue;
        w.key(kValueKeys[i]);
        w.value(*values[i]);
    }
    w.endObject();
}

// Column headers: name and unit, per language.
struct Column {
    Tri name;
    std::string_view unit;
};
constexpr std::array<Column, 14> kColumns{{
    {{"f", "f", "f"}, "MHz"},
    {{"Länge", "Longueur", "Length"}, "λ"},
    {{"L", "L", "L"}, "µH"},
    {{"C", "C", "C"}, "pF"},
    {{"CL", "CL", "CL"}, "pF"},
    {{"Rr", "Rr", "Rr"}, "Ohm"},
    {{"Rv", "Rv", "Rv"}, "Ohm"},
    {{"η", "η", "η"}, "%"},
    {{"Gewinn", "Gain", "Gain"}, "dBd"},
    {{"Güte", "Q", "Q"}, ""},
    {{"B", "B", "B"}, "kHz"},
    {{"Uc", "Uc", "Uc"}, "kV"},
    {{"Koppl. U", "Couplage U", "Coupling U"}, "m"},
    {{"Lka", "Lccp", "Lka"}, "m"},
}};

QStringList rowCells(const CalcRow& row) {
    QStringList cells{qs(row.eingaben.Text5)};
    for (const std::string& shown : AngezeigteTexte(row.ausgang)) cells << qs(shown);
    const bool coupled = row.ankopplung && row.ankopplung->art != KopplungsArt::Abgelehnt;
    cells << (coupled ? qs(row.ankopplung->label2.value_or(std::string())) : QString());
    cells << (coupled ? qs(row.ankopplung->label4.value_or(std::string())) : QString());
    return cells;
}

// Splits [0, count) into one chunk per core for long runs, one chunk otherwise.
constexpr std::size_t kRowsPerThreadMin = 2000;

std::size_t chunkCount(std::size_t count) {
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    return std::clamp<std::size_t>(count / kRowsPerThreadMin, 1, cores);
}

std::size_t chunkIndex(std::size_t begin, std::size_t count) {
    const std::size_t chunks = chunkCount(count);
    return begin / ((count + chunks - 1) / chunks);
}

template <typename Work>
void forEachChunk(std::size_t count, Work work) {
    const std::size_t chunks = chunkCount(count);
    if (chunks == 1) {
        work(0, count);
        return;
    }
    const std::size_t size = (count + chunks - 1) / chunks;
    std::vector<std::thread> threads;
    for (std::size_t begin = size; begin < count; begin += size)
        threads.emplace_back(work, begin, std::min(count, begin + size));
    work(0, size);
    for (std::thread& t : threads) t.join();
}

void rowJson(JsonWriter& w, const CalcOptions& options, const CalcRow& row);

}  // namespace

std::vector<CalcRow> RunRows(const CalcOptions& options, std::string_view sep) {
    std::vector<CalcRow> rows(options.frequenzen.size());
    // Rows are independent of each other: long sweeps use every core.
    forEachChunk(rows.size(), [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            CalcRow& row = rows[i];
            row.eingaben = options.felder;
            row.eingaben.Text5 = options.frequenzen[i];
            row.record = freshRecord(options.sprache);
            row.ausgang = LoopRechnen(row.eingaben, row.record, sep);
            if (row.ausgang.ending == Ending::Ok) {
                row.resonanz = ResonanzwiderstandAnzeigen(row.record, sep);
                row.ankopplung = AnkopplungRechnen(options.verhaeltnis, row.record, sep);
            }
        }
    });
    return rows;
}

QByteArray RenderJson(const CalcOptions& options, const std::vector<CalcRow>& rows) {
    std::vector<std::string> parts(chunkCount(rows.size()));
    forEachChunk(rows.size(), [&](std::size_t begin, std::size_t end) {
        std::string text;
        JsonWriter w(text);
        w.text().reserve((end - begin) * 1600);  // about the size of one row with its values
        for (std::size_t i = begin; i < end; ++i) {
            if (i > 0) w.text() += ',';
            w.newline();
            w.startElement();
            rowJson(w, options, rows[i]);
        }
        parts[chunkIndex(begin, rows.size())] = std::move(w.text());
    });
    std::size_t size = 4;
    for (const std::string& part : parts) size += part.size();
    QByteArray out;
    out.reserve(static_cast<qsizetype>(size));
    out += '[';
    for (const std::string& part : parts) out.append(part.data(), static_cast<qsizetype>(part.size()));
    out += "\n]\n";
    return out;
}

namespace {

void rowJson(JsonWriter& w, const CalcOptions& options, const CalcRow& row) {
    {
        w.beginObject();
        w.key("inputs");
        inputsJson(w, row.eingaben, options.verhaeltnis);
        w.key("ending");
        w.value(EndingName(row.ausgang.ending));
        w.key("message");
        if (row.ausgang.meldung) w.value(row.ausgang.meldung->text);
        else w.null();
        w.key("shown");
        w.beginObject();
        const auto texts = AngezeigteTexte(row.ausgang);
        for (std::size_t i = 0; i < kResultLabelCount; ++i) {
            w.key(kResultLabelNames[i]);
            w.value(texts[i]);
        }
        w.endObject();
        w.key("tooltip_lbC");
        if (row.ausgang.darstellung.tooltipC) w.value(*row.ausgang.darstellung.tooltipC);
        else w.null();
        w.key("record");
        recordJson(w, row.record);
        w.key("coupling");
        couplingJson(w, row);
        if (!options.asTyped && row.ausgang.ending == Ending::Ok) {
            w.key("values");
            valuesJson(w, ValuesOf(row));
        }
        w.endObject();
    }
}

}  // namespace

QString RenderText(const CalcOptions& options, const std::vector<CalcRow>& rows) {
    const Language lang = SpracheVon(options.sprache);
    const LoopEingaben& in = options.felder;
    // One pass of arg(): a second one would take a "%1" in a field text for a place marker.
    QString out = QStringLiteral("%1, %2: D = %3 m, U = %4 m, d = %5 mm, N = %6, l = %7 mm, P = %8 W, "
                                 "Rs = %9 Ohm, Rp = ")
                      .arg(qs(in.Combo1), qs(in.Combo2), qs(in.Text1), qs(in.Text2), qs(in.Text3), qs(in.Text4),
                           qs(in.Text8), qs(in.Text6), qs(in.Text7)) +
                  qs(in.Text9) + QStringLiteral(" kOhm\n");

    std::vector<QStringList> table;
    QStringList names, units;
    for (const Column& c : kColumns) {
        names << qs(c.name.in(lang == Language::None ? Language::German : lang));
        units << (c.unit.empty() ? QString() : "[" + qs(c.unit) + "]");
    }
    table.push_back(names);
    table.push_back(units);
    for (const CalcRow& row : rows) table.push_back(rowCells(row));

    std::array<qsizetype, kColumns.size()> width{};
    for (const QStringList& cells : table)
        for (qsizetype i = 0; i < cells.size(); ++i) width[i] = std::max(width[i], cells[i].size());

    auto line = [&](const QStringList& cells) {
        QString text;
        for (qsizetype i = 0; i < cells.size(); ++i) text += (i ? "  " : "") + cells[i].rightJustified(width[i]);
        while (text.endsWith(' ')) text.chop(1);
        return text + '\n';
    };
    out += line(table[0]) + line(table[1]);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += line(table[r + 2]);
        if (rows[r].ausgang.meldung) out += "    ! " + MessageLine(rows[r].ausgang.meldung->text) + '\n';
        const auto& a = rows[r].ankopplung;
        if (a && a->art == KopplungsArt::Abgelehnt && a->meldung)
            out += "    ! " + MessageLine(a->meldung->text) + '\n';
    }
    return out;
}

int RowsExitCode(const std::vector<CalcRow>& rows) {
    for (const CalcRow& row : rows) {
        if (row.ausgang.ending != Ending::Ok) return 1;
        if (row.ankopplung && row.ankopplung->art == KopplungsArt::Abgelehnt) return 1;
    }
    return 0;
}

int RunCalc(const QStringList& arguments, const std::string& storedLanguage, std::string_view localeSeparator,
            QByteArray& out, QByteArray& err) {
    const ParseOutcome parsed = ParseCalcArgs(arguments, storedLanguage, localeSeparator);
    if (parsed.infoShown) {
        out = parsed.infoText.toUtf8();
        return 0;
    }
    if (!parsed.options) {
        err = "ringfeld-calc: " + parsed.usageError.toUtf8() + '\n';
        return 2;
    }
    const CalcOptions& options = *parsed.options;
    if (options.tuning) {
        const Language lang = SpracheVon(options.sprache);
        const tuning::Sheet sheet = tuning::BerechneAbstimmbereich(LoopLesen(options.felder), *options.tuning);
        const auto format = options.format == OutputFormat::Json  ? TuningFormat::Json
                            : options.format == OutputFormat::Csv ? TuningFormat::Csv
                                                                  : TuningFormat::Text;
        out = RenderTuning(options.felder, sheet, format, lang, localeSeparator);
        return TuningExitCode(sheet);
    }
    if (options.format != OutputFormat::Text) {
        const auto rows = RunRows(options, ".");
        out = options.format == OutputFormat::Json ? RenderJson(options, rows) : RenderCsv(rows);
        return RowsExitCode(rows);
    }
    const auto rows = RunRows(options, localeSeparator);
    out = RenderText(options, rows).toUtf8();
    return RowsExitCode(rows);
}

}  // namespace ringfeld::cli
