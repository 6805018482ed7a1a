#include "calc_options.h"

#include <QCommandLineParser>
#include <QLocale>

#include <cmath>

#include "engine/input_rules.h"
#include "engine/language.h"
#include "engine/number_format.h"
#include "engine/start_values.h"

namespace ringfeld::cli {
namespace {

// Start values of the main window's fields.
constexpr std::string_view kDiameter = kStartTexte[0];
constexpr std::string_view kCircumference = kStartTexte[1];
constexpr std::string_view kConductor = kStartTexte[2];
constexpr std::string_view kTurns = kStartTexte[3];
constexpr std::string_view kFrequency = kStartTexte[4];
constexpr std::string_view kPower = kStartTexte[5];
constexpr std::string_view kSeriesLoss = kStartTexte[6];
constexpr std::string_view kLength = kStartTexte[7];
constexpr std::string_view kParallelLoss = kStartTexte[8];

std::optional<std::string> languageCode(const QString& value) {
    const QString v = value.trimmed();
    if (v == "de" || v == QString::fromUtf8(kCodeGerman.data(), kCodeGerman.size())) return std::string(kCodeGerman);
    if (v == "fr" || v == QString::fromUtf8(kCodeFrench.data(), kCodeFrench.size())) return std::string(kCodeFrench);
    if (v == "en" || v == QString::fromUtf8(kCodeEnglish.data(), kCodeEnglish.size())) return std::string(kCodeEnglish);
    return std::nullopt;
}

std::string circleEntry(Language lang) {
    return std::string(Tri{"Kreis", "circulaire", "Circle"}.in(lang));
}

// A plain number with a decimal point or comma, nothing else.
std::optional<double> strictNumber(QString text) {
    text = text.trimmed().replace(',', '.');
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

// FROM:TO:STEP in MHz, TO included within rounding.
std::optional<std::vector<std::string>> sweepFrequencies(const QString& sweepText) {
    const QStringList parts = sweepText.split(':');
    if (parts.size() != 3) return std::nullopt;
    auto from = strictNumber(parts[0]), to = strictNumber(parts[1]), step = strictNumber(parts[2]);
    if (!from || !to || !step || !(*step > 0) || *to < *from) return std::nullopt;
    const double span = (*to - *from) / *step;
    if (!(span < static_cast<double>(kMaxRows))) return std::nullopt;
    // TO counts when the span is a whole number of steps within rounding.
    const double whole = std::round(span);
    const auto count = static_cast<long long>(std::fabs(span - whole) < 1e-6 ? whole : std::floor(span)) + 1;
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(count));
    for (long long i = 0; i < count; ++i) {
        // Rounded to 1 Hz so that 7.0 + 3 * 0.1 reads 7.3, not 7.300000000000001.
        // Above 1e302 MHz the scaling overflows, and whole hertz are far below a step anyway.
        const double raw = *from + static_cast<double>(i) * *step;
        const double f = std::isfinite(raw * 1e6) ? std::round(raw * 1e6) / 1e6 : raw;
        if (!std::isfinite(f)) return std::nullopt;
        out.push_back(FormatZahl(f, muster::ProzentFein));
    }
    return out;
}

}  // namespace

ParseOutcome ParseCalcArgs(const QStringList& arguments, const std::string& storedLanguage,
                           std::string_view textSeparator) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Ringfeld loop calculator: computes a small transmitting magnetic loop from the same\n"
        "inputs as the main window. Values are taken like the window's fields: decimal comma\n"
        "or point; a field without a leading number reads as 0.");
    const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    const QCommandLineOption diameter("diameter", "Loop diameter, or side length of a square loop, in m (default 2,25).", "m");
    const QCommandLineOption circumference("circumference", "Circumference of one turn in m (default 7,069). Given alone, "
                                           "diameter or circumference is derived from the other as the window does.", "m");
    const QCommandLineOption conductor("conductor", "Conductor diameter in mm (default 12).", "mm");
    const QCommandLineOption turns("turns", "Number of turns (default 1).", "n");
    const QCommandLineOption frequency("frequency", "Operating frequency in MHz (default 14,4); may be given several times.", "MHz");
    const QCommandLineOption sweep("sweep", "Frequencies FROM:TO:STEP in MHz, TO included.", "from:to:step");
    const QCommandLineOption power("power", "Transmitter power in W (default 100).", "W");
    const QCommandLineOption seriesLoss("series-loss", "Additional series loss in Ohm (default 0,05).", "Ohm");
    const QCommandLineOption length("length", "Coil length in mm, centre of the first to centre of the last turn "
                                    "(default: raised to the minimum for the turns, as the window does).", "mm");
    const QCommandLineOption parallelLoss("parallel-loss", "Additional parallel loss in kOhm (default 10000).", "kOhm");
    const QCommandLineOption shape("shape", "Loop shape: Kreis, Quadrat, circulaire, carrée, Circle, Square "
                                   "(default: the circle of the language).", "text");
    const QCommandLineOption material("material", "Conductor: Cu, Al, Fe, Ag, Zn, Messing, Laiton, brass (default Cu).", "text");
    const QCommandLineOption ratio("ratio", "Ratio of main loop to coupling loop (default 4,05; 4,50 open balcony "
                                   "or garden; 4,95 free-standing).", "k");
    const QCommandLineOption lang("lang", "Language: deutsch, französisch, englisch or de, fr, en "
                                  "(default: the program's stored language, else deutsch).", "language");
    const QCommandLineOption format("format", "Output: text or json (default text).", "format");
    parser.addOptions({help, diameter, circumference, conductor, turns, frequency, sweep, power, seriesLoss, length,
                       parallelLoss, shape, material, ratio, lang, format});

    ParseOutcome out;
    if (!parser.parse(QStringList{"ringfeld-calc"} + arguments)) {
        out.usageError = parser.errorText();
        return out;
    }
    if (!parser.positionalArguments().isEmpty()) {
        out.usageError = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        return out;
    }
    if (parser.isSet(help)) {
        out.helpShown = true;
        out.helpText = parser.helpText();
        return out;
    }

    CalcOptions o;
    auto value = [&](const QCommandLineOption& option, std::string_view fallback) {
        return parser.isSet(option) ? parser.value(option).toStdString() : std::string(fallback);
    };

    if (parser.isSet(lang)) {
        auto code = languageCode(parser.value(lang));
        if (!code) {
            out.usageError = QStringLiteral("Unknown language '%1' for --lang.").arg(parser.value(lang));
            return out;
        }
        o.sprache = *code;
    } else {
        o.sprache = SpracheVon(storedLanguage) != Language::None ? storedLanguage : std::string(kCodeGerman);
    }
    if (parser.isSet(format)) {
        const QString f = parser.value(format).trimmed().toLower();
        if (f == "text") o.format = OutputFormat::Text;
        else if (f == "json") o.format = OutputFormat::Json;
        else {
            out.usageError = QStringLiteral("Unknown output format '%1' for --format.").arg(parser.value(format));
            return out;
        }
    }

    const std::string_view sep = o.format == OutputFormat::Json ? std::string_view(".") : textSeparator;
    LoopEingaben& in = o.felder;
    in.Combo1 = parser.isSet(shape) ? parser.value(shape).toStdString() : circleEntry(SpracheVon(o.sprache));
    in.Combo2 = value(material, "Cu");
    in.Text1 = value(diameter, kDiameter);
    in.Text2 = value(circumference, kCircumference);
    // One of the two given alone: the other follows as the window writes it on a key release.
    if (parser.isSet(diameter) && !parser.isSet(circumference)) {
        if (auto u = UmfangAusDurchmesser(in.Text1, in.Combo1, sep)) in.Text2 = u->text;
    } else if (parser.isSet(circumference) && !parser.isSet(diameter)) {
        if (auto d = DurchmesserAusUmfang(in.Text2, in.Combo1, sep)) in.Text1 = d->text;
    }
    in.Text3 = value(conductor, kConductor);
    in.Text4 = value(turns, kTurns);
    in.Text6 = value(power, kPower);
    in.Text7 = value(seriesLoss, kSeriesLoss);
    in.Text9 = value(parallelLoss, kParallelLoss);
    in.Text8 = value(length, kLength);
    if (!parser.isSet(length)) {
        // As the window does after the conductor, then the turns, were entered.
        if (parser.isSet(conductor))
            if (auto r = SpulenlaengeNachLeiter(in.Text8, in.Text3, in.Text4, sep); r && r->text8) in.Text8 = *r->text8;
        if (parser.isSet(turns))
            if (auto r = SpulenlaengeNachWindungen(in.Text8, in.Text3, in.Text4, sep); r && r->text8) in.Text8 = *r->text8;
    }
    in.Text5 = std::string(kFrequency);

    for (const QString& f : parser.values(frequency)) o.frequenzen.push_back(f.toStdString());
    if (parser.isSet(sweep)) {
        for (const QString& sweepText : parser.values(sweep)) {
            auto list = sweepFrequencies(sweepText);
            if (!list || o.frequenzen.size() + list->size() > static_cast<std::size_t>(kMaxRows)) {
                out.usageError = QStringLiteral("Unreadable --sweep '%1': expected FROM:TO:STEP in MHz with "
                                                "STEP > 0, TO >= FROM and at most %2 rows.")
                                     .arg(sweepText, QString::number(kMaxRows));
                return out;
            }
            o.frequenzen.insert(o.frequenzen.end(), list->begin(), list->end());
        }
    }
    if (o.frequenzen.empty()) o.frequenzen.emplace_back(kFrequency);
    o.verhaeltnis = value(ratio, "4,05");
    out.options = std::move(o);
    return out;
}

}  // namespace ringfeld::cli
