// ringfeld-calc's argument parsing on arbitrary argument lists: every list ends
// in exactly one of help, usable options or a usage error; a usage error quotes
// what the user gave without mixing it into the message's own placeholders; and
// usable options calculate and render (text and JSON) without showing NaN,
// infinity or an unreadable number, echoing the field texts as given.
//
// Input: NUL-separated texts: the language the settings store holds, then the
// arguments.

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <string>
#include <vector>

#include "cli/calc_options.h"
#include "cli/calc_run.h"
#include "fuzz_support.h"

using namespace ringfeld;
using namespace ringfeld::cli;
using namespace ringfeld::fuzz;

namespace {

// Rows beyond this are parsed but not calculated: rendering a long table
// teaches nothing that a short one does not.
constexpr std::size_t kMaxCalculatedRows = 16;
// A sweep of a million rows takes seconds under the sanitizers; inputs whose
// sweeps together would exceed this many rows are skipped to keep runs fast.
// The row limit itself is checked by the command line's own tests.
constexpr double kMaxSweptRows = 20000;

// The values given to --sweep, in either spelling the parser accepts.
QStringList sweepValues(const QStringList& args) {
    QStringList values;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "--") break;
        if (args[i] == "--sweep" && i + 1 < args.size()) values << args[++i];
        else if (args[i].startsWith("--sweep=")) values << args[i].mid(8);
    }
    return values;
}

// Rows the sweeps could produce, roughly; a sweep the parser refuses counts as none.
double sweptRows(const QStringList& sweeps) {
    double rows = 0;
    for (const QString& sweepText : sweeps) {
        const QStringList parts = sweepText.split(':');
        if (parts.size() != 3) continue;
        double v[3];
        bool ok = true;
        for (int i = 0; i < 3; ++i) {
            bool good = false;
            v[i] = QLocale::c().toDouble(parts[i].trimmed().replace(',', '.'), &good);
            ok = ok && good;
        }
        if (ok && v[2] > 0 && v[1] >= v[0]) rows += (v[1] - v[0]) / v[2] + 1;
    }
    return rows;
}

std::string utf8(const QString& s) { return s.toStdString(); }

void checkUsageError(const QString& error, const QStringList& args) {
    require(!error.isEmpty(), "neither options nor help nor a usage error");
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
    if (error.startsWith("Unreadable --sweep '")) {
        require(error.contains(QString::number(kMaxRows)), "sweep error without the row limit", utf8(error));
        bool quoted = false;
        for (const QString& value : sweepValues(args)) quoted = quoted || error.contains("'" + value + "'");
        require(quoted, "sweep error does not quote the sweep given", utf8(error));
    }
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
        if (row.ankopplung) {
            for (const auto& label : {row.ankopplung->label2, row.ankopplung->label4})
                if (label) requireNoNanInf(*label, "coupling label");
        }
    }
}

void checkText(const CalcOptions& o, const std::vector<CalcRow>& rows) {
    // The first line names the inputs; a field text may itself hold a line break.
    const QString text = RenderText(o, rows);
    const LoopEingaben& in = o.felder;
    const QString anfang = QString::fromStdString(in.Combo1) + ", " + QString::fromStdString(in.Combo2) + ": D = " +
                           QString::fromStdString(in.Text1) + " m, ";
    const QString ende = "Rp = " + QString::fromStdString(in.Text9) + " kOhm\n";
    require(text.startsWith(anfang) && text.contains(ende), "text output does not echo the inputs as given",
            utf8(text.left(400)));
}

void checkJson(const CalcOptions& o, const std::vector<CalcRow>& rows) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(RenderJson(o, rows), &error);
    require(error.error == QJsonParseError::NoError && doc.isArray(), "JSON output does not parse",
            utf8(error.errorString()));
    const QJsonArray array = doc.array();
    require(array.size() == static_cast<qsizetype>(rows.size()), "JSON output with a row missing");
    for (const QJsonValue& row : array) {
        const QJsonObject shown = row.toObject().value("shown").toObject();
        for (const QString& key : shown.keys()) {
            const std::string value = utf8(shown.value(key).toString());
            if (!value.empty()) readsBackFinite(value, "JSON shown value");
        }
        const QJsonObject record = row.toObject().value("record").toObject();
        for (const QString& key : record.keys())
            require(record.value(key).isDouble(), "JSON record member is not a number", utf8(key));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char name[] = "fuzz_cli_args";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> texte(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) texte.emplace_back();
        else texte.back() += static_cast<char>(data[i]);
    }
    QStringList args;
    for (std::size_t i = 1; i < texte.size(); ++i)
        args << QString::fromUtf8(texte[i].data(), static_cast<qsizetype>(texte[i].size()));
    if (!(sweptRows(sweepValues(args)) <= kMaxSweptRows)) return 0;

    const ParseOutcome p = ParseCalcArgs(args, texte[0]);
    const int arten = int(p.helpShown) + int(p.options.has_value()) + int(!p.usageError.isEmpty());
    require(arten == 1, "arguments end in other than exactly one of help, options, usage error");
    if (p.helpShown) {
        require(!p.helpText.isEmpty(), "empty help");
        return 0;
    }
    if (!p.options) {
        checkUsageError(p.usageError, args);
        return 0;
    }

    const CalcOptions& o = *p.options;
    require(!o.frequenzen.empty() && o.frequenzen.size() <= static_cast<std::size_t>(kMaxRows),
            "number of rows outside 1 to the limit");
    require(SpracheVon(o.sprache) != Language::None, "options with no language", o.sprache);
    if (args.filter("frequency").isEmpty()) {
        // Every row then comes from a sweep or the start value: a number, never an empty field.
        for (const std::string& f : o.frequenzen) {
            require(!f.empty(), "a sweep produced an empty frequency");
            readsBackFinite(f, "sweep frequency");
        }
    }
    if (o.frequenzen.size() > kMaxCalculatedRows) return 0;

    for (std::string_view sep : {".", ","}) {
        const auto rows = RunRows(o, sep);
        checkRows(o, rows);
        checkText(o, rows);
    }
    checkJson(o, RunRows(o, "."));
    return 0;
}
