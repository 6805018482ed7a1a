// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/calc_options.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "cli/calc_help.h"
#include "cli/design_options.h"
#include "cli/exposure_run.h"
#include "cli/numeric_options.h"
#include "cli/tuning_run.h"
#include "cli/usage_errors.h"
#include "core/frequency_steps.h"
#include "design/design_file.h"
#include "platform/qt_text.h"
#include "text/catalog/cli_texts.h"
#include "text/input_rules.h"
#include "text/language.h"
#include "text/list_texts.h"
#include "text/number_format.h"
#include "text/strict_number.h"

namespace ringfeld::cli {
namespace {

// --lang takes a language's code or its stored word, as the registry names them.
std::optional<std::string> languageCode(const QString& value) {
    const QString v = value.trimmed();
    for (const SprachEintrag& e : kSprachen)
        if (v == qs(e.code) || v == qs(e.gespeichert)) return std::string(e.gespeichert);
    return std::nullopt;
}

// What --lang accepts: every stored word, then every code.
QStringList languageValues() {
    QStringList values;
    for (const SprachEintrag& e : kSprachen) values << qs(e.gespeichert);
    for (const SprachEintrag& e : kSprachen) values << qs(e.code);
    return values;
}

// The list entry `text` names, in any case, written as the list writes it.
template <typename Entries, typename Name>
std::optional<std::string> listEntry(const QString& text, const Entries& entries, Name name) {
    for (const auto& entry : entries)
        if (text.trimmed().compare(qs(name(entry)), Qt::CaseInsensitive) == 0) return std::string(name(entry));
    return std::nullopt;
}

template <typename Entries, typename Name>
QStringList entryNames(const Entries& entries, Name name) {
    QStringList names;
    for (const auto& entry : entries) names << qs(name(entry));
    return names;
}

constexpr auto entryName = [](std::string_view s) { return s; };

QString sweepExpected(Language lang, bool strict) {
    return qs(texte::kExpectSweep.in(lang))
        .arg(strict ? qs(texte::kExpectFromPositive.in(lang)) : QString(), QString::number(kMaxRows));
}

// What the option `name` (without dashes) takes, for its usage error.
QString expectedFor(const QString& name, Language lang, bool strict) {
    for (const NumericOption& o : kNumericOptions)
        if (name == qs(o.name)) return ExpectedNumber(o, lang);
    if (name == "sweep") return sweepExpected(lang, strict);
    if (name == "shape") return OneOf(lang, entryNames(FormTexteAllerSprachen(), entryName));
    if (name == "material") return OneOf(lang, entryNames(MaterialTexteAllerSprachen(), entryName));
    if (name == "lang") return OneOf(lang, languageValues());
    if (name == "format") return OneOf(lang, {"text", "json", "csv"});
    if (name == "design" || name == "save-design") return qs(texte::kExpectDesignFile.in(lang));
    if (QString find = FindExpected(name, lang); !find.isEmpty()) return find;
    if (QString tuning = TuningExpected(name, lang); !tuning.isEmpty()) return tuning;
    return ExposureExpected(name, lang);
}

// The parser's own errors, in the chosen language: an unknown option, a value
// missing after an option, or a value given to a switch.
QString parseError(const QCommandLineParser& parser, Language lang, bool strict) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) return UnknownOption(lang, (unknown.first().size() > 1 ? "--" : "-") + unknown.first());
    // Qt's other messages quote the option as given, e.g. "Missing value after '--diameter'.".
    const QString text = parser.errorText();
    const QString option = text.section('\'', 1, 1);
    if (text.startsWith("Unexpected value")) return NoValueExpected(lang, option);
    QString name = option;
    while (name.startsWith('-')) name.remove(0, 1);
    return UsageError(lang, option, QString(), expectedFor(name, lang, strict));
}

struct Sweep {
    double from, step;
    long long count;
};

// FROM:TO:STEP in MHz, TO included within rounding; FROM > 0 unless `asTyped`.
std::optional<Sweep> sweep(const QString& sweepText, bool asTyped) {
    const QStringList parts = sweepText.split(':');
    if (parts.size() != 3) return std::nullopt;
    auto from = StrikteZahl(parts[0].toStdString()), to = StrikteZahl(parts[1].toStdString()),
         step = StrikteZahl(parts[2].toStdString());
    if (!from || !to || !step || (!asTyped && !(*from > 0))) return std::nullopt;
    const auto count = FrequenzAnzahl(*from, *to, *step, kMaxRows);
    if (!count) return std::nullopt;
    return Sweep{*from, *step, *count};
}

}  // namespace

void RowFrequencies::add(std::string text) {
    given_.push_back(std::move(text));
    ++size_;
}

void RowFrequencies::addSweep(double fromMHz, double stepMHz, std::size_t count) {
    sweeps_.push_back({size_, fromMHz, stepMHz});
    size_ += count;
}

std::string RowFrequencies::operator[](std::size_t row) const {
    if (row < given_.size()) return given_[row];
    // The last sweep that starts at or before the row.
    const auto s = std::prev(std::upper_bound(sweeps_.begin(), sweeps_.end(), row,
                                              [](std::size_t r, const Sweep& w) { return r < w.firstRow; }));
    return FrequenzText(FrequenzSchritt(s->fromMHz, s->stepMHz, static_cast<long long>(row - s->firstRow)));
}

ParseOutcome ParseCalcArgs(const QStringList& typed, const std::string& storedLanguage,
                           std::string_view textSeparator) {
    const bool withDesign = std::any_of(typed.begin(), typed.end(), [](const QString& a) {
        return a == QStringLiteral("--design") || a.startsWith(QStringLiteral("--design="));
    });
    const QStringList arguments = withDesign ? TuningWithoutValue(typed) : typed;
    QCommandLineParser parser;
    DefineCalcOptions(parser, Language::English);
    const bool parsed = parser.parse(QStringList{"ringfeld-calc"} + arguments);
    const bool asTyped = parser.isSet("as-typed");

    // The language first: help and usage errors are written in it.
    CalcOptions o;
    o.sprache =
        SpracheVon(storedLanguage) != Language::None ? storedLanguage : std::string(SprachCode(kStandardSprache));
    const auto givenLanguage = parser.isSet("lang") ? languageCode(parser.value("lang")) : std::nullopt;
    if (givenLanguage) o.sprache = *givenLanguage;
    const Language lang = SpracheVon(o.sprache);

    ParseOutcome out;
    auto refuse = [&](const QString& name, const QString& given) {
        out.usageError = UsageError(lang, "--" + name, given, expectedFor(name, lang, !asTyped));
        return out;
    };
    if (!parsed) {
        out.usageError = parseError(parser, lang, !asTyped);
        return out;
    }
    if (!parser.positionalArguments().isEmpty()) {
        out.usageError = UnexpectedArgument(lang, parser.positionalArguments().first());
        return out;
    }
    if (parser.isSet("help") || parser.isSet("version")) {
        out.infoShown = true;
        out.infoText = parser.isSet("help") ? CalcHelpText(lang) : CalcVersionText();
        return out;
    }
    if (parser.isSet("lang") && !givenLanguage) return refuse("lang", parser.value("lang"));
    if (parser.isSet("format")) {
        const QString f = parser.value("format").trimmed().toLower();
        if (f == "text")
            o.format = OutputFormat::Text;
        else if (f == "json")
            o.format = OutputFormat::Json;
        else if (f == "csv")
            o.format = OutputFormat::Csv;
        else
            return refuse("format", parser.value("format"));
    }
    // The design file's inputs are the fields' defaults; the sheet's options it
    // gives are read as if given after those of the command line.
    design::Entwurf basis = design::Startentwurf();
    TuningParse sheet;
    if (parser.isSet("design")) {
        design::Gelesen gelesen = design::EntwurfLesen(parser.value("design").toStdString(), lang);
        if (!gelesen.entwurf) {
            out.usageError = QString::fromStdString(gelesen.meldung);
            return out;
        }
        basis = std::move(*gelesen.entwurf);
        if (parser.isSet("tuning")) {
            QCommandLineParser fromFile;
            DefineCalcOptions(fromFile, Language::English);
            fromFile.parse(QStringList{"ringfeld-calc"} + arguments +
                           SheetArgumentsFrom(parser, basis.abstimmung.felder));
            sheet = ParseTuningOptions(fromFile, lang);
        }
    }
    o.asTyped = asTyped;
    if (!parser.isSet("design") || !parser.isSet("tuning")) sheet = ParseTuningOptions(parser, lang);
    if (!sheet.usageError.isEmpty()) {
        out.usageError = sheet.usageError;
        return out;
    }
    o.tuning = sheet.options;
    ExposureParse exposure = ParseExposureOptions(parser, lang, o.tuning);
    if (!exposure.usageError.isEmpty()) {
        out.usageError = exposure.usageError;
        return out;
    }
    o.exposure = exposure.options;
    FindParse find = ParseFindOptions(parser, lang);
    if (!find.usageError.isEmpty()) {
        out.usageError = find.usageError;
        return out;
    }
    o.find = std::move(find.options);

    const LoopEingaben start = basis.schleife.EingabenIn(lang);
    LoopEingaben& in = o.felder;
    in.Combo1 = parser.isSet("shape") ? parser.value("shape").toStdString() : start.Combo1;
    in.Combo2 = parser.isSet("material") ? parser.value("material").toStdString() : start.Combo2;
    if (!asTyped) {
        // Every number plain and within its range; list entries from the lists, written as there.
        for (const NumericOption& n : kNumericOptions)
            for (const QString& text : parser.values(qs(n.name)))
                // With --find the turns are a list, which the search reads.
                if (!(o.find && n.name == "turns") && !ReadNumber(n, text.toStdString()))
                    return refuse(qs(n.name), text);
        if (parser.isSet("shape")) {
            auto entry = listEntry(parser.value("shape"), FormTexteAllerSprachen(), entryName);
            if (!entry) return refuse("shape", parser.value("shape"));
            in.Combo1 = *entry;
        }
        if (parser.isSet("material")) {
            auto entry = listEntry(parser.value("material"), MaterialTexteAllerSprachen(), entryName);
            if (!entry) return refuse("material", parser.value("material"));
            in.Combo2 = *entry;
        }
    }

    // The texts go to the fields as given: the window's reading gives the same
    // number as the strict rule for every text that rule accepts.
    auto value = [&](const char* option, std::string_view fallback) {
        return parser.isSet(option) ? parser.value(option).toStdString() : std::string(fallback);
    };
    const std::string_view sep = o.format == OutputFormat::Text ? textSeparator : std::string_view(".");
    in.Text1 = value("diameter", start.Text1);
    in.Text2 = value("circumference", start.Text2);
    // One of the two given alone: the other follows as the window writes it on a key release.
    if (parser.isSet("diameter") && !parser.isSet("circumference")) {
        if (auto u = UmfangAusDurchmesser(in.Text1, in.Combo1, sep)) in.Text2 = u->text;
    } else if (parser.isSet("circumference") && !parser.isSet("diameter")) {
        if (auto d = DurchmesserAusUmfang(in.Text2, in.Combo1, sep)) in.Text1 = d->text;
    }
    in.Text3 = value("conductor", start.Text3);
    in.Text4 = value("turns", start.Text4);
    in.Text6 = value("power", start.Text6);
    in.Text7 = value("series-loss", start.Text7);
    in.Text9 = value("parallel-loss", start.Text9);
    in.Text8 = value("length", start.Text8);
    if (!parser.isSet("length")) {
        // As the window does after the conductor, then the turns, were entered.
        if (parser.isSet("conductor"))
            if (auto r = SpulenlaengeNachLeiter(in.Text8, in.Text3, in.Text4, sep); r && r->text8) in.Text8 = *r->text8;
        if (parser.isSet("turns"))
            if (auto r = SpulenlaengeNachWindungen(in.Text8, in.Text3, in.Text4, sep); r && r->text8)
                in.Text8 = *r->text8;
    }
    in.Text5 = start.Text5;

    const QStringList frequencies = parser.values("frequency");
    for (const QString& f : frequencies) o.frequenzen.add(f.toStdString());
    if (frequencies.isEmpty() && !parser.isSet("sweep")) o.frequenzen.add(start.Text5);
    for (const QString& sweepText : parser.values("sweep")) {
        const auto s = sweep(sweepText, asTyped);
        if (!s || o.frequenzen.size() + static_cast<std::size_t>(s->count) > static_cast<std::size_t>(kMaxRows))
            return refuse("sweep", sweepText);
        o.frequenzen.addSweep(s->from, s->step, static_cast<std::size_t>(s->count));
    }
    o.verhaeltnis = value("ratio", basis.kopplung.verhaeltnis);

    if (parser.isSet("save-design")) {
        // The lists by their keys: a text no list names has none.
        if (!MaterialVon(in.Combo2)) return refuse("material", qs(in.Combo2));
        basis.schleife = design::SchleifeAus(in);
        basis.schleife.felder.Text5 = o.frequenzen[0];
        basis.kopplung.verhaeltnis = o.verhaeltnis;
        basis.abstimmung = SheetFieldsFrom(parser, basis.abstimmung);
        o.entwurf = std::move(basis);
        o.entwurfDatei = parser.value("save-design").toStdString();
    }
    out.options = std::move(o);
    return out;
}

}  // namespace ringfeld::cli
