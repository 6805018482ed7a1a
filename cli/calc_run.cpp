#include "calc_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <array>

#include "engine/interface_titles.h"

namespace ringfeld::cli {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::string_view endingName(Ending e) {
    switch (e) {
        case Ending::Ok: return "ok";
        case Ending::Input: return "input";
        case Ending::Length: return "length";
        case Ending::Inductance: return "inductance";
        case Ending::Capacitance: return "capacitance";
        case Ending::Fault: return "fault";
    }
    return "fault";
}

DesignRecord freshRecord(const std::string& sprache) {
    DesignRecord rec;
    rec.Sprache = sprache;
    TitelSetzen(rec);
    return rec;
}

QJsonObject inputsJson(const LoopEingaben& in, const std::string& ratio) {
    return QJsonObject{{"Text1", q(in.Text1)}, {"Text2", q(in.Text2)}, {"Text3", q(in.Text3)},
                       {"Text4", q(in.Text4)}, {"Text5", q(in.Text5)}, {"Text6", q(in.Text6)},
                       {"Text7", q(in.Text7)}, {"Text8", q(in.Text8)}, {"Text9", q(in.Text9)},
                       {"Combo1", q(in.Combo1)}, {"Combo2", q(in.Combo2)}, {"ratio", q(ratio)}};
}

QJsonObject recordJson(const DesignRecord& r) {
    return QJsonObject{{"Windungen", r.Windungen}, {"Umfang", r.Umfang},     {"Frequenz", r.Frequenz},
                       {"Induktivitaet", r.Induktivitaet}, {"Kapazitaet", r.Kapazitaet}, {"XL", r.XL},
                       {"RVerlust", r.RVerlust}, {"RGesamt", r.RGesamt}, {"Guete", r.Guete}};
}

QJsonValue couplingJson(const CalcRow& row) {
    if (!row.ankopplung) return QJsonValue::Null;
    const AnkopplungAusgang& a = *row.ankopplung;
    QJsonObject o;
    // The coupling window as it reads after its first calculation.
    o["Label11"] = row.resonanz ? q(row.resonanz->wert) : QString();
    o["Label12"] = row.resonanz ? q(row.resonanz->einheit) : QStringLiteral("KOhm");
    o["Label2"] = q(a.label2.value_or(std::string()));
    o["Label4"] = q(a.label4.value_or(std::string()));
    o["outcome"] = a.art == KopplungsArt::Normal ? "normal" : a.art == KopplungsArt::Bereich ? "range" : "refused";
    o["Zusatzhinweis"] = q(a.zusatzhinweis.value_or(std::string()));
    if (a.art == KopplungsArt::Abgelehnt && a.meldung) o["message"] = q(a.meldung->text);
    return o;
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
    QStringList cells{q(row.eingaben.Text5)};
    for (const std::string& shown : AngezeigteTexte(row.ausgang)) cells << q(shown);
    const bool coupled = row.ankopplung && row.ankopplung->art != KopplungsArt::Abgelehnt;
    cells << (coupled ? q(row.ankopplung->label2.value_or(std::string())) : QString());
    cells << (coupled ? q(row.ankopplung->label4.value_or(std::string())) : QString());
    return cells;
}

QString messageLine(const std::string& text) {
    QStringList lines;
    for (const QString& line : q(text).split("\r\n")) {
        if (!line.trimmed().isEmpty()) lines << line.trimmed();
    }
    return lines.join(' ');
}

}  // namespace

std::vector<CalcRow> RunRows(const CalcOptions& options, std::string_view sep) {
    std::vector<CalcRow> rows;
    rows.reserve(options.frequenzen.size());
    for (const std::string& frequenz : options.frequenzen) {
        CalcRow row;
        row.eingaben = options.felder;
        row.eingaben.Text5 = frequenz;
        row.record = freshRecord(options.sprache);
        row.ausgang = LoopRechnen(row.eingaben, row.record, sep);
        if (row.ausgang.ending == Ending::Ok) {
            row.resonanz = ResonanzwiderstandAnzeigen(row.record, sep);
            row.ankopplung = AnkopplungRechnen(options.verhaeltnis, row.record, sep);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

QByteArray RenderJson(const CalcOptions& options, const std::vector<CalcRow>& rows) {
    QJsonArray array;
    for (const CalcRow& row : rows) {
        QJsonObject shown;
        const auto texts = AngezeigteTexte(row.ausgang);
        for (std::size_t i = 0; i < kResultLabelCount; ++i) shown[q(kResultLabelNames[i])] = q(texts[i]);
        const auto& tip = row.ausgang.darstellung.tooltipC;
        const auto& box = row.ausgang.meldung;
        array.append(QJsonObject{
            {"inputs", inputsJson(row.eingaben, options.verhaeltnis)},
            {"ending", q(endingName(row.ausgang.ending))},
            {"message", box ? QJsonValue(q(box->text)) : QJsonValue(QJsonValue::Null)},
            {"shown", shown},
            {"tooltip_lbC", tip ? QJsonValue(q(*tip)) : QJsonValue(QJsonValue::Null)},
            {"record", recordJson(row.record)},
            {"coupling", couplingJson(row)},
        });
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QString RenderText(const CalcOptions& options, const std::vector<CalcRow>& rows) {
    const Language lang = SpracheVon(options.sprache);
    const LoopEingaben& in = options.felder;
    QString out = QStringLiteral("%1, %2: D = %3 m, U = %4 m, d = %5 mm, N = %6, l = %7 mm, P = %8 W, "
                                 "Rs = %9 Ohm, Rp = %10 kOhm\n")
                      .arg(q(in.Combo1), q(in.Combo2), q(in.Text1), q(in.Text2), q(in.Text3), q(in.Text4),
                           q(in.Text8), q(in.Text6), q(in.Text7))
                      .arg(q(in.Text9));

    std::vector<QStringList> table;
    QStringList names, units;
    for (const Column& c : kColumns) {
        names << q(c.name.in(lang == Language::None ? Language::German : lang));
        units << (c.unit.empty() ? QString() : "[" + q(c.unit) + "]");
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
        if (rows[r].ausgang.meldung) out += "    ! " + messageLine(rows[r].ausgang.meldung->text) + '\n';
        const auto& a = rows[r].ankopplung;
        if (a && a->art == KopplungsArt::Abgelehnt && a->meldung)
            out += "    ! " + messageLine(a->meldung->text) + '\n';
    }
    return out;
}

int RowsExitCode(const std::vector<CalcRow>& rows) {
    for (const CalcRow& row : rows)
        if (row.ausgang.ending != Ending::Ok) return 1;
    return 0;
}

int RunCalc(const QStringList& arguments, const std::string& storedLanguage, std::string_view localeSeparator,
            QByteArray& out, QByteArray& err) {
    const ParseOutcome parsed = ParseCalcArgs(arguments, storedLanguage);
    if (parsed.helpShown) {
        out = parsed.helpText.toUtf8();
        return 0;
    }
    if (!parsed.options) {
        err = "ringfeld-calc: " + parsed.usageError.toUtf8() + '\n';
        return 2;
    }
    const CalcOptions& options = *parsed.options;
    if (options.format == OutputFormat::Json) {
        const auto rows = RunRows(options, ".");
        out = RenderJson(options, rows);
        return RowsExitCode(rows);
    }
    const auto rows = RunRows(options, localeSeparator);
    out = RenderText(options, rows).toUtf8();
    return RowsExitCode(rows);
}

}  // namespace ringfeld::cli
