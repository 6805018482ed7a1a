// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/calc_options.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "cli/calc_help.h"
#include "cli/design_options.h"
#include "cli/option_table.h"
#include "cli/tuning_options.h"
#include "cli/usage_errors.h"
#include "core/frequency_steps.h"
#include "design/design_file.h"
#include "export/field_keys.h"
#include "platform/qt_text.h"
#include "text/catalog/cli_texts.h"
#include "text/input_rules.h"
#include "text/language.h"
#include "text/length_texts.h"
#include "text/list_texts.h"
#include "text/loop_field_units.h"
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

// The list entry `text` names, in any case, written as the list writes it.
std::optional<std::string> listEntry(const QString& text, const std::vector<std::string_view>& entries) {
    for (std::string_view entry : entries)
        if (text.trimmed().compare(qs(entry), Qt::CaseInsensitive) == 0) return std::string(entry);
    return std::nullopt;
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
    return UsageError(lang, option, QString(), ExpectedNamed(name, lang, strict));
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
    const bool asTyped = IsSet(parser, Option("as-typed"));

    // The language first: help and usage errors are written in it.
    CalcOptions o;
    o.sprache =
        SpracheVon(storedLanguage) != Language::None ? storedLanguage : std::string(SprachCode(kStandardSprache));
    const CalcOption& langOption = Option("lang");
    const auto givenLanguage = IsSet(parser, langOption) ? languageCode(Value(parser, langOption)) : std::nullopt;
    if (givenLanguage) o.sprache = *givenLanguage;
    const Language lang = SpracheVon(o.sprache);

    ParseOutcome out;
    auto refuse = [&](const CalcOption& option, const QString& given) {
        out.usageError = UsageError(lang, "--" + qs(option.name), given, Expected(option, lang, !asTyped));
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
    if (const bool help = IsSet(parser, Option("help")); help || IsSet(parser, Option("version"))) {
        out.infoShown = true;
        out.infoText = help ? CalcHelpText(lang) : CalcVersionText();
        return out;
    }
    if (IsSet(parser, langOption) && !givenLanguage) return refuse(langOption, Value(parser, langOption));
    if (const CalcOption& format = Option("format"); IsSet(parser, format)) {
        const QString f = Value(parser, format).trimmed().toLower();
        const auto named = std::find_if(kOutputFormats.begin(), kOutputFormats.end(),
                                        [&](const auto& entry) { return f == qs(entry.second); });
        if (named == kOutputFormats.end()) return refuse(format, Value(parser, format));
        o.format = named->first;
    }
    if (const CalcOption& units = Option("units"); IsSet(parser, units)) {
        const UnitSystem* system = UnitSystemNamed(Value(parser, units).trimmed().toLower().toStdString());
        if (!system) return refuse(units, Value(parser, units));
        o.einheiten = system->units;
    }
    // The design file's inputs are the fields' defaults; the sheet's options it
    // gives are read as if given after those of the command line.
    design::Entwurf basis = design::Startentwurf();
    TuningParse sheet;
    const CalcOption& designOption = Option("design");
    const bool withTuning = IsSet(parser, Option("tuning"));
    if (IsSet(parser, designOption)) {
        design::Gelesen gelesen = design::EntwurfLesen(Value(parser, designOption).toStdString(), lang);
        if (!gelesen.entwurf) {
            out.usageError = QString::fromStdString(gelesen.meldung);
            return out;
        }
        basis = std::move(*gelesen.entwurf);
        if (withTuning) {
            QCommandLineParser fromFile;
            DefineCalcOptions(fromFile, Language::English);
            fromFile.parse(QStringList{"ringfeld-calc"} + arguments +
                           SheetArgumentsFrom(parser, basis.abstimmung.felder));
            sheet = ParseTuningOptions(fromFile, lang);
        }
    }
    o.asTyped = asTyped;
    if (!IsSet(parser, designOption) || !withTuning) sheet = ParseTuningOptions(parser, lang);
    if (!sheet.usageError.isEmpty()) {
        out.usageError = sheet.usageError;
        return out;
    }
    o.tuning = sheet.options;
    ExposureParse exposure = ParseExposureOptions(parser, lang, o.einheiten, o.tuning);
    if (!exposure.usageError.isEmpty()) {
        out.usageError = exposure.usageError;
        return out;
    }
    o.exposure = exposure.options;
    FindParse find = ParseFindOptions(parser, lang, o.einheiten);
    if (!find.usageError.isEmpty()) {
        out.usageError = find.usageError;
        return out;
    }
    o.find = std::move(find.options);
    VnaParse vna = ParseVnaOptions(parser, basis.abstimmung.felder, lang);
    if (!vna.usageError.isEmpty()) {
        out.usageError = vna.usageError;
        return out;
    }
    o.vna = std::move(vna.options);

    // A file's texts typed in feet and inches read as the window reads them.
    const LoopEingaben start = MetricInputs(basis.schleife.EingabenIn(lang), basis.einheiten.value_or(kDefaultUnits));
    LoopEingaben& in = o.felder;
    const CalcOption &shape = Option("shape"), &material = Option("material");
    in.Combo1 = IsSet(parser, shape) ? Value(parser, shape).toStdString() : start.Combo1;
    in.Combo2 = IsSet(parser, material) ? Value(parser, material).toStdString() : start.Combo2;
    if (!asTyped) {
        // Every number plain and within its range (unless the finder reads it by its
        // own rule); list entries from the lists, written as there.
        for (const CalcOption& n : kCalcOptions)
            if (FieldNumber(n) && !(o.find && n.finder.rule))
                for (const QString& text : parser.values(qs(n.name)))
                    if (!ReadNumber(n, text.toStdString(), o.einheiten)) {
                        if (!n.length || o.einheiten == Units::Metric) return refuse(n, text);
                        const std::string_view unit = UnitCaption(*n.length, o.einheiten, lang);
                        out.usageError = UsageError(lang, "--" + qs(n.name), text,
                                                    qs(ringfeld::texte::kExpectImperial, lang).arg(qs(unit)));
                        return out;
                    }
        if (IsSet(parser, shape)) {
            auto entry = listEntry(Value(parser, shape), FormTexteAllerSprachen());
            if (!entry) return refuse(shape, Value(parser, shape));
            in.Combo1 = *entry;
        }
        if (IsSet(parser, material)) {
            auto entry = listEntry(Value(parser, material), MaterialTexteAllerSprachen());
            if (!entry) return refuse(material, Value(parser, material));
            in.Combo2 = *entry;
        }
    }

    // The texts go to the fields as given: the window's reading gives the same
    // number as the strict rule for every text that rule accepts.
    auto given = [&](const CalcOption& option) { return IsSet(parser, option); };
    // A length given in other units goes to the field as its metric text (ExactText).
    auto text = [&](const CalcOption& option, std::string_view fallback) {
        if (!given(option)) return std::string(fallback);
        std::string value = Value(parser, option).toStdString();
        if (!option.length || o.einheiten == Units::Metric) return value;
        const auto length = LengthFromText(value, *option.length, o.einheiten);
        return length ? ExactText(*length) : std::string();
    };
    const CalcOption &diameter = Option("diameter"), &circumference = Option("circumference"),
                     &conductor = Option("conductor"), &turns = Option("turns"), &length = Option("length");
    const std::string_view sep = o.format == OutputFormat::Text ? textSeparator : std::string_view(".");
    in.Text1 = text(diameter, start.Text1);
    in.Text2 = text(circumference, start.Text2);
    // One of the two given alone: the other follows as the window writes it on a key release.
    if (given(diameter) && !given(circumference)) {
        if (auto u = UmfangAusDurchmesser(in.Text1, in.Combo1, sep)) in.Text2 = u->text;
    } else if (given(circumference) && !given(diameter)) {
        if (auto d = DurchmesserAusUmfang(in.Text2, in.Combo1, sep)) in.Text1 = d->text;
    }
    in.Text3 = text(conductor, start.Text3);
    in.Text4 = text(turns, start.Text4);
    in.Text6 = text(Option("power"), start.Text6);
    in.Text7 = text(Option("series-loss"), start.Text7);
    in.Text9 = text(Option("parallel-loss"), start.Text9);
    in.Text8 = text(length, start.Text8);
    if (!given(length)) {
        // As the window does after the conductor, then the turns, were entered.
        if (given(conductor))
            if (auto r = SpulenlaengeNachLeiter(in.Text8, in.Text3, in.Text4, sep); r && r->text8) in.Text8 = *r->text8;
        if (given(turns))
            if (auto r = SpulenlaengeNachWindungen(in.Text8, in.Text3, in.Text4, sep); r && r->text8)
                in.Text8 = *r->text8;
    }
    in.Text5 = start.Text5;

    const CalcOption &frequency = Option("frequency"), &sweepOption = Option("sweep");
    const QStringList frequencies = parser.values(qs(frequency.name));
    for (const QString& f : frequencies) o.frequenzen.add(f.toStdString());
    if (frequencies.isEmpty() && !given(sweepOption)) o.frequenzen.add(start.Text5);
    for (const QString& sweepText : parser.values(qs(sweepOption.name))) {
        const auto s = sweep(sweepText, asTyped);
        if (!s || o.frequenzen.size() + static_cast<std::size_t>(s->count) > static_cast<std::size_t>(kMaxRows))
            return refuse(sweepOption, sweepText);
        o.frequenzen.addSweep(s->from, s->step, static_cast<std::size_t>(s->count));
    }
    o.verhaeltnis = text(Option("ratio"), basis.kopplung.verhaeltnis);

    if (const CalcOption& save = Option("save-design"); given(save)) {
        // The lists by their keys: a text no list names has none.
        if (!MaterialVon(in.Combo2)) return refuse(material, qs(in.Combo2));
        basis.schleife = design::SchleifeAus(in);
        basis.einheiten = kDefaultUnits;  // the fields hold metric texts, whatever was typed
        basis.schleife.felder.Text5 = o.frequenzen[0];
        basis.kopplung.verhaeltnis = o.verhaeltnis;
        // Numbers with the language's separator, as the window writes its fields; the
        // derived ones (circumference, coil length) came with the locale's.
        for (const FeldSchluessel& feld : kLoopSchluessel)
            basis.schleife.felder.*feld.text = MitTrenner(basis.schleife.felder.*feld.text, lang);
        basis.kopplung.verhaeltnis = MitTrenner(basis.kopplung.verhaeltnis, lang);
        basis.abstimmung = SheetFieldsFrom(parser, basis.abstimmung);
        o.entwurf = std::move(basis);
        o.entwurfDatei = Value(parser, save).toStdString();
    }
    out.options = std::move(o);
    return out;
}

}  // namespace ringfeld::cli
