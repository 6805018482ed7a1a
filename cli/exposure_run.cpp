// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/exposure_run.h"

#include <QStringList>

#include <algorithm>
#include <array>

#include "cli/calc_options.h"
#include "cli/row_blocks.h"
#include "cli/usage_errors.h"
#include "core/constants.h"
#include "core/frequency_steps.h"
#include "export/exposure_export.h"
#include "platform/qt_text.h"
#include "presentation/exposure_inputs.h"
#include "text/catalog/tuning_texts.h"
#include "text/messages.h"
#include "text/number_format.h"
#include "text/strict_number.h"

namespace ringfeld::cli {
namespace {

using namespace exposure;
namespace et = exposure::texte;

struct ExposureOption {
    std::string_view name, valueName;  // no value name: a switch
    const Tri& help;
};
constexpr std::array<ExposureOption, 7> kExposureOptions{{
    {"exposure", "", et::kHelpExposure},
    {"standard", "name", et::kHelpStandard},
    {"population", "name", et::kHelpPopulation},
    {"mode-factor", "x", et::kHelpModeFactor},
    {"tx-share", "percent", et::kHelpTxShare},
    {"distance", "m", et::kHelpDistance},
    {"current-source", "source", et::kHelpCurrentSource},
}};

QStringList keys(auto all, auto key) {
    QStringList out;
    for (const auto& item : all) out << qs(key(item));
    return out;
}

QString expected(std::string_view name, Language lang) {
    if (name == "standard") return OneOf(lang, keys(kStandards, StandardKey));
    if (name == "population") return OneOf(lang, keys(kPopulations, PopulationKey));
    if (name == "current-source")
        return OneOf(lang, keys(std::array{CurrentSource::Model, CurrentSource::Measured}, CurrentSourceKey));
    if (name == "mode-factor") return qs(et::kExpectModeFactor, lang);
    if (name == "tx-share") return qs(et::kExpectTxShare, lang);
    if (name == "distance") return qs(et::kExpectDistance, lang);
    return {};
}

// A plain number within [low, high].
std::optional<double> within(const QString& text, double low, double high) {
    const auto value = StrikteZahl(text.toStdString());
    if (!value || !(*value >= low && *value <= high)) return std::nullopt;
    return value;
}

// The entry `text` names (any case, blanks around), by the key each entry has.
template <typename T>
std::optional<T> named(const QString& text, auto all, auto key) {
    for (const T& item : all)
        if (text.trimmed().compare(qs(key(item)), Qt::CaseInsensitive) == 0) return item;
    return std::nullopt;
}

}  // namespace

void DefineExposureOptions(QCommandLineParser& parser, Language lang) {
    for (const ExposureOption& o : kExposureOptions)
        parser.addOption(QCommandLineOption(qs(o.name), qs(o.help, lang), qs(o.valueName)));
}

QString ExposureExpected(const QString& name, Language lang) { return expected(name.toStdString(), lang); }

ExposureParse ParseExposureOptions(const QCommandLineParser& parser, Language lang,
                                   const std::optional<tuning::SheetOptions>& sheet) {
    ExposureParse out;
    if (!parser.isSet("exposure")) {
        for (const ExposureOption& o : kExposureOptions)
            if (parser.isSet(qs(o.name))) {
                out.usageError = qs(et::kOnlyWithExposure, lang).arg("--" + qs(o.name));
                break;
            }
        return out;
    }
    auto refuse = [&](std::string_view name, const QString& given) {
        out.usageError = UsageError(lang, "--" + qs(name), given, expected(name, lang));
        return out;
    };
    ExposureOptions o;
    if (parser.isSet("standard")) {
        const auto s = named<Standard>(parser.value("standard"), kStandards, StandardKey);
        if (!s) return refuse("standard", parser.value("standard"));
        o.standard = *s;
    }
    if (parser.isSet("population")) {
        const auto p = named<Population>(parser.value("population"), kPopulations, PopulationKey);
        if (!p) return refuse("population", parser.value("population"));
        o.population = *p;
    }
    if (parser.isSet("mode-factor")) {
        const auto f = within(parser.value("mode-factor"), 0, 1);
        if (!f) return refuse("mode-factor", parser.value("mode-factor"));
        o.settings.modeFactor = *f;
    }
    if (parser.isSet("tx-share")) {
        const auto share = within(parser.value("tx-share"), 0, constants::kPercentPerUnit);
        if (!share) return refuse("tx-share", parser.value("tx-share"));
        o.settings.transmitShare = *share / constants::kPercentPerUnit;
    }
    for (const QString& text : parser.values("distance")) {
        const auto d = within(text, kNearestM, kFarthestM);
        if (!d) return refuse("distance", text);
        o.distances.push_back(*d);
    }
    if (parser.isSet("current-source")) {
        const auto sources = std::array{CurrentSource::Model, CurrentSource::Measured};
        const auto s = named<CurrentSource>(parser.value("current-source"), sources, CurrentSourceKey);
        if (!s) return refuse("current-source", parser.value("current-source"));
        if (*s == CurrentSource::Measured && !(sheet && sheet->measured)) {
            out.usageError = qs(et::kMeasuredNeedsSheet, lang);
            return out;
        }
        o.settings.source = *s;
    }
    out.options = o;
    return out;
}

namespace {

// The rows: the options' frequencies with the sheet's default options, or the sheet's.
struct Rows {
    const CalcOptions& options;
    const ExposureOptions& chosen;
    LoopZahlen loop;
    tuning::SheetOptions sheet;
    std::size_t count = 0;
    std::optional<tuning::MeasuredResult> measured;
    std::optional<double> ratio;

    Rows(const CalcOptions& o, const ExposureOptions& e) : options(o), chosen(e), loop(LoopLesen(o.felder)) {
        if (o.tuning) {
            sheet = *o.tuning;
            count = static_cast<std::size_t>(
                FrequenzAnzahl(sheet.fromMHz, sheet.toMHz, sheet.stepMHz, tuning::kMaxSheetRows).value_or(0));
            if (sheet.measured) {
                measured = tuning::BerechneMessung(loop, sheet);
                ratio = MeasuredRatio(*measured);
            }
        } else {
            count = o.frequenzen.size();
        }
    }

    Row at(std::size_t i) const {
        tuning::SheetRow row;
        if (options.tuning) {
            row = tuning::BerechneZeile(loop, FrequenzSchritt(sheet.fromMHz, sheet.stepMHz, static_cast<long long>(i)),
                                        sheet);
        } else if (const Feldzahl f = FeldLesen(options.frequenzen[i]); f.fehler) {
            row.frequencyMHz = f.wert;
            row.ending = Ending::Fault;
            row.fault = f.fehler;
        } else {
            row = tuning::BerechneZeile(loop, f.wert, sheet);
        }
        return Evaluate(loop, row, chosen.settings, ratio);
    }
};

// A block of rows written out: its text, whether every row was computed, the largest
// capacitor voltage.
struct Block {
    std::string text;
    bool computed = true;
    double vPeak = 0;
};

template <typename Put>
int writeInBlocks(const Rows& rows, Output& out, double& vPeak, Put put) {
    int status = 0;
    RunInBlocks<Block>(
        rows.count,
        [&](std::size_t begin, std::size_t end, Block& block) {
            block.text.clear();
            block.text.reserve(kBlockRows * 4096);
            block.computed = true;
            block.vPeak = 0;
            for (std::size_t i = begin; i < end; ++i) {
                const Row row = rows.at(i);
                block.computed = block.computed && row.result.has_value();
                if (row.result) block.vPeak = std::max(block.vPeak, row.result->V_peak_V);
                put(block.text, row, i);
            }
        },
        [&](const Block& block) {
            out.write(block.text);
            if (!block.computed) status = 1;
            vPeak = std::max(vPeak, block.vPeak);
        });
    return status;
}

// ---- the text table

struct Format {
    std::string_view sep;
    Language lang;
    QString sig(double v) const { return qs(Signifikant(v, sep)); }
    QString distance(const Distance& d) const { return qs(AbstandZahl(d, lang, sep)); }
};

QStringList rowCells(const Row& row, const ExposureOptions& o, const Format& fmt) {
    QStringList cells{qs(FormatZahl(row.frequencyMHz, "0.0#####", fmt.sep))};
    if (!row.result) return cells << QString();  // the frequency stands in its column
    const Result& r = *row.result;
    const LimitResult& l = r.limits[LimitIndex(o.standard, o.population)];
    cells << fmt.sig(r.P_avg_W) << fmt.sig(r.R_total_ohm) << fmt.sig(r.I_rms_A) << fmt.sig(r.moment_Am2);
    if (l.limits) {
        cells << fmt.sig(l.limits->H_Apm) << fmt.sig(l.limits->E_Vpm);
        for (const Distance& d : l.distances) cells << fmt.distance(d);
        cells << fmt.distance(l.safety) << qs(et::ComponentText(l.governing), fmt.lang);
    } else {
        for (int i = 0; i < 7; ++i) cells << QStringLiteral("-");
    }
    cells << qs(FlagsText(l.flags, fmt.lang));
    return cells;
}

void widen(std::vector<qsizetype>& width, const QStringList& cells) {
    for (qsizetype i = 0; i + 1 < cells.size() && i < static_cast<qsizetype>(width.size()); ++i)
        width[static_cast<std::size_t>(i)] = std::max(width[static_cast<std::size_t>(i)], cells[i].size());
}

QString line(const std::vector<qsizetype>& width, const QStringList& cells) {
    QString text;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const bool last = i + 1 == cells.size() || i >= static_cast<qsizetype>(width.size());
        text += (i ? "  " : "") + (last ? cells[i] : cells[i].rightJustified(width[static_cast<std::size_t>(i)]));
    }
    while (text.endsWith(' ')) text.chop(1);
    return text + '\n';
}

QString fieldLines(const Row& row, const ExposureOptions& o, const Format& fmt) {
    QString lines;
    if (!row.result) return lines;
    for (double d : o.distances) {
        const auto f = FieldsAt(*row.result, d);
        if (!f) continue;
        lines += qs(et::kTextFelder, fmt.lang)
                     .arg(qs(MeterText(d, fmt.sep)), fmt.sig((*f)[0]), fmt.sig((*f)[1]), fmt.sig((*f)[2]));
        if (d <= row.result->nearRadius_m) lines += "  (" + qs(FlagsText(kNearConductor, fmt.lang)) + ')';
        lines += '\n';
    }
    return lines;
}

int writeText(const Rows& rows, std::string_view sep, Output& out) {
    const CalcOptions& options = rows.options;
    const ExposureOptions& o = rows.chosen;
    const Language lang =
        SpracheVon(options.sprache) == Language::None ? kStandardSprache : SpracheVon(options.sprache);
    const Format fmt{sep, lang};
    const LoopEingaben& l = options.felder;
    // One pass of arg(): a second one would take a "%1" in a field text for a place marker.
    QString head = QStringLiteral("%1, %2: D = %3 m, U = %4 m, d = %5 mm, N = %6, l = %7 mm, P = %8 W, Rs = %9 Ohm")
                       .arg(qs(l.Combo1), qs(l.Combo2), qs(l.Text1), qs(l.Text2), qs(l.Text3), qs(l.Text4), qs(l.Text8),
                            qs(l.Text6), qs(l.Text7)) +
                   ", Rp = " + qs(l.Text9) + " kOhm\n";
    const CurrentSource used =
        o.settings.source == CurrentSource::Measured && rows.ratio ? CurrentSource::Measured : CurrentSource::Model;
    head += qs(et::kTextEinstellung, lang)
                .arg(fmt.sig(o.settings.modeFactor), fmt.sig(o.settings.transmitShare * constants::kPercentPerUnit),
                     qs(et::SourceText(used), lang)) +
            '\n';
    if (o.settings.source == CurrentSource::Measured)
        head += (rows.ratio ? qs(et::kGemessenSkaliert, lang)
                                  .arg(qs(FormatZahl(rows.measured->input.frequencyMHz, "0.0#####", sep)))
                            : qs(et::kKeineMessungDa, lang)) +
                '\n';
    if (rows.measured && rows.measured->ending != Ending::Ok)
        head += "    ! " + qs(tuning::texte::kGemessenVorsatz, lang) +
                qs(AbbruchZeile(rows.measured->ending, rows.measured->fault, rows.loop.N.wert, lang)) + '\n';
    const TableSpan span = LimitTableSpan(o.standard, o.population);
    const auto minutes = LimitsAt(o.standard, o.population, span.toMHz)->averagingMinutes;
    head += qs(et::kTextNorm, lang)
                .arg(qs(StandardName(o.standard, lang)), qs(PopulationName(o.population, lang)), fmt.sig(minutes),
                     qs(et::StandardTexte(o.standard).source, lang)) +
            "\n\n";
    out.write(head.toUtf8().toStdString());

    QStringList names, units;
    for (const et::TextSpalte& c : et::kTextSpalten) {
        names << qs(c.name, lang);
        units << (c.unit.empty() ? QString() : "[" + qs(c.unit) + "]");
    }
    names << QString();  // the note, last, needs no heading
    units << QString();
    std::vector<qsizetype> width(static_cast<std::size_t>(names.size()));
    widen(width, names);
    widen(width, units);
    RunInBlocks<std::vector<qsizetype>>(
        rows.count,
        [&](std::size_t begin, std::size_t end, std::vector<qsizetype>& w) {
            w.assign(width.size(), 0);
            for (std::size_t i = begin; i < end; ++i) widen(w, rowCells(rows.at(i), o, fmt));
        },
        [&](const std::vector<qsizetype>& w) {
            for (std::size_t i = 0; i < w.size(); ++i) width[i] = std::max(width[i], w[i]);
        });
    out.write((line(width, names) + line(width, units)).toUtf8().toStdString());
    double vPeak = 0;
    const int status = writeInBlocks(rows, out, vPeak, [&](std::string& text, const Row& row, std::size_t) {
        QString lines = line(width, rowCells(row, o, fmt));
        if (!row.result) lines += "    ! " + qs(AbbruchZeile(row.ending, row.fault, rows.loop.N.wert, lang)) + '\n';
        lines += fieldLines(row, o, fmt);
        text += lines.toStdString();
    });
    const QString capacitor =
        vPeak > 0 ? qs(et::kKondensator, lang).arg(fmt.sig(vPeak)) : qs(et::kKondensatorOhneWert, lang);
    out.write(('\n' + qs(et::kModell, lang) + '\n' + capacitor + '\n').toUtf8().toStdString());
    return status;
}

}  // namespace

int WriteExposure(const CalcOptions& options, std::string_view localeSeparator, Output& out) {
    const ExposureOptions& o = *options.exposure;
    const Rows rows(options, o);
    const bool measuredRefused = rows.measured && rows.measured->ending != Ending::Ok;
    int status = 0;
    if (options.format == OutputFormat::Text) {
        status = writeText(rows, localeSeparator, out);
    } else {
        const Language lang = SpracheVon(options.sprache);
        const ExposureExport e{options.felder,
                               rows.loop,
                               o.standard,
                               o.population,
                               o.settings,
                               o.distances,
                               options.tuning ? &*options.tuning : nullptr,
                               rows.measured ? &*rows.measured : nullptr,
                               rows.ratio,
                               lang == Language::None ? kStandardSprache : lang};
        std::string text;
        double vPeak = 0;
        if (options.format == OutputFormat::Json) {
            ExposureJsonStart(text, e);
            out.write(text);
            status = writeInBlocks(rows, out, vPeak, [&](std::string& t, const Row& row, std::size_t i) {
                ExposureJsonRow(t, e, row, i);
            });
            text.clear();
            ExposureJsonEnd(text);
            out.write(text);
        } else {
            ExposureCsvHeader(text, e);
            out.write(text);
            status = writeInBlocks(rows, out, vPeak,
                                   [&](std::string& t, const Row& row, std::size_t) { ExposureCsvRow(t, e, row); });
        }
    }
    return status != 0 || measuredRefused ? 1 : 0;
}

}  // namespace ringfeld::cli
