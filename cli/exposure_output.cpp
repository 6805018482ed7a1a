// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/exposure_output.h"

#include <QStringList>

#include <algorithm>
#include <array>

#include "cli/calc_options.h"
#include "cli/row_blocks.h"
#include "cli/text_table.h"
#include "core/constants.h"
#include "core/frequency_steps.h"
#include "export/exposure_export.h"
#include "platform/qt_text.h"
#include "presentation/exposure_inputs.h"
#include "text/catalog/tuning_texts.h"
#include "text/length_texts.h"
#include "text/messages.h"
#include "text/number_format.h"

namespace ringfeld::cli {
namespace {

using namespace exposure;
namespace et = exposure::texte;

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

// A row with its index and its places' checks, computed on the row's core.
struct CheckedRow {
    Row row;
    std::size_t index = 0;
    std::vector<PlaceChecks> places;
};

// What the rows tell beside their text: whether every one was computed, the largest
// capacitor voltage, the worst case and the places over the rows.
struct Tally {
    bool computed = true;
    double vPeak = 0;
    Summary summary;
    void add(const CheckedRow& c) {
        computed = computed && c.row.result.has_value();
        if (c.row.result) vPeak = std::max(vPeak, c.row.result->V_peak_V);
        summary.add(c.row, c.index, c.places);
    }
    void add(const Tally& later) {
        computed = computed && later.computed;
        vPeak = std::max(vPeak, later.vPeak);
        summary.add(later.summary);
    }
};

constexpr std::size_t kBytesPerRow = 4096;  // the longest rows, in any format

template <typename Put>
Tally writeInBlocks(const Rows& rows, Output& out, Put put) {
    return StreamRows<Tally>(
        rows.count, kBytesPerRow, out,
        [&](std::size_t i) {
            CheckedRow c{rows.at(i), i, {}};
            c.places = CheckPlaces(c.row, rows.chosen.places);
            return c;
        },
        [&](std::string& text, const CheckedRow& c, std::size_t i) { put(text, c.row, i); });
}

// ---- the text table

struct Format {
    std::string_view sep;
    Language lang;
    Units units;  // of the distances
    QString sig(double v) const { return qs(Signifikant(v, sep)); }
    QString distance(const Distance& d) const { return qs(AbstandZahl(d, lang, units, sep)); }
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
        cells << fmt.distance(l.safety) << qs(et::ComponentText(l.governing), fmt.lang)
              << qs(et::TableTexte(l.table).name, fmt.lang);
    } else {
        for (int i = 0; i < 8; ++i) cells << QStringLiteral("-");
    }
    cells << qs(FlagsText(l.flags, fmt.lang));
    return cells;
}

QString fieldLines(const Row& row, const ExposureOptions& o, const Format& fmt) {
    QString lines;
    if (!row.result) return lines;
    for (const NamedDistance& place : o.places) {
        const double d = place.metres;
        const auto f = FieldsAt(*row.result, d);
        if (!f) continue;
        lines += qs(et::kTextFelder, fmt.lang)
                     .arg(qs(MeterText(d, fmt.units, fmt.sep)), fmt.sig((*f)[0]), fmt.sig((*f)[1]), fmt.sig((*f)[2]),
                          qs(UnitCaption(LengthQuantity::Distance, fmt.units, fmt.lang)));
        if (d <= row.result->nearRadius_m) lines += "  (" + qs(FlagsText(kNearConductor, fmt.lang)) + ')';
        lines += '\n';
    }
    return lines;
}

// The worst case over the rows of the chosen standard and population, then each place
// against every standard for the chosen population, at its highest over the rows.
QString summaryText(const Summary& summary, const ExposureOptions& o, const Format& fmt) {
    QString text;
    if (const auto& worst = summary.worst[LimitIndex(o.standard, o.population)])
        text += qs(GroessterAbstand(*worst, fmt.lang, fmt.units, fmt.sep)) + '\n';
    if (!o.places.empty()) text += qs(et::kTextOrte, fmt.lang) + '\n';
    for (std::size_t p = 0; p < o.places.size() && p < summary.places.size(); ++p)
        for (Standard s : kStandards) {
            const std::size_t slot = LimitIndex(s, o.population);
            const PlaceCheck& check = summary.places[p].worst[slot];
            if (!check.hasLimits) continue;
            text += "  " +
                    qs(et::kOrtBei, fmt.lang)
                        .arg(qs(OrtUrteil(o.places[p], check, s, o.population, fmt.lang, fmt.units, fmt.sep)),
                             qs(FormatZahl(summary.places[p].frequencyMHz[slot], "0.0#####", fmt.sep))) +
                    '\n';
        }
    return text + (text.isEmpty() ? "" : "\n");
}

int writeText(const Rows& rows, std::string_view sep, Output& out) {
    const CalcOptions& options = rows.options;
    const ExposureOptions& o = rows.chosen;
    const Language lang =
        SpracheVon(options.sprache) == Language::None ? kStandardSprache : SpracheVon(options.sprache);
    const Format fmt{sep, lang, options.einheiten};
    QString head = LoopInputsLine(options.felder, options.einheiten, sep);
    const CurrentSource used =
        o.settings.source == CurrentSource::Measured && rows.ratio ? CurrentSource::Measured : CurrentSource::Model;
    head += qs(et::kTextEinstellung, lang)
                .arg(fmt.sig(o.settings.modeFactor), fmt.sig(o.settings.share6min * constants::kPercentPerUnit),
                     fmt.sig(o.settings.share30min * constants::kPercentPerUnit), qs(et::SourceText(used), lang)) +
            '\n';
    if (o.settings.source == CurrentSource::Measured)
        head += (rows.ratio ? qs(et::kGemessenSkaliert, lang)
                                  .arg(qs(FormatZahl(rows.measured->input.frequencyMHz, "0.0#####", sep)))
                            : qs(et::kKeineMessungDa, lang)) +
                '\n';
    if (rows.measured && rows.measured->ending != Ending::Ok)
        head += NoteLine(qs(tuning::texte::kGemessenVorsatz, lang) +
                         qs(AbbruchZeile(rows.measured->ending, rows.measured->fault, rows.loop.N.wert, lang)));
    // The tables and their averaging at the first row's frequency (ICNIRP 1998 averages only
    // from 100 kHz); each row names the table that governs it.
    const double firstMHz = rows.count > 0 ? rows.at(0).frequencyMHz : 0;
    head += qs(et::kTextNorm, lang)
                .arg(qs(StandardName(o.standard, lang)), qs(PopulationName(o.population, lang)),
                     qs(TabellenMittelung(o.standard, o.population, firstMHz, o.settings.icnirp2010With1998, lang)),
                     qs(et::StandardTexte(o.standard).source, lang)) +
            '\n';
    if (const std::string with2010 = Icnirp2010Satz(o.standard, o.settings, lang); !with2010.empty())
        head += qs(with2010) + '\n';
    head += '\n';
    out.write(head.toUtf8().toStdString());

    QStringList names, units;
    for (const et::TextSpalte& c : et::kTextSpalten) {
        names << qs(c.name, lang);
        const std::string_view unit =
            c.distance ? UnitCaption(LengthQuantity::Distance, options.einheiten, lang) : c.unit;
        units << (unit.empty() ? QString() : "[" + qs(unit) + "]");
    }
    names << QString();  // the note, last, needs no heading
    units << QString();
    TextTable table(static_cast<std::size_t>(names.size()), LastCell::AsItIs);  // the flags stand as they are
    table.widen(names);
    table.widen(units);
    WidenInBlocks(table, rows.count, [&](std::size_t i) { return rowCells(rows.at(i), o, fmt); });
    out.write((table.line(names) + table.line(units)).toUtf8().toStdString());
    const Tally all = writeInBlocks(rows, out, [&](std::string& text, const Row& row, std::size_t) {
        QString lines = table.line(rowCells(row, o, fmt));
        if (!row.result) lines += NoteLine(qs(AbbruchZeile(row.ending, row.fault, rows.loop.N.wert, lang)));
        lines += fieldLines(row, o, fmt);
        text += lines.toStdString();
    });
    const QString capacitor =
        all.vPeak > 0 ? qs(et::kKondensator, lang).arg(fmt.sig(all.vPeak)) : qs(et::kKondensatorOhneWert, lang);
    out.write(
        ('\n' + summaryText(all.summary, o, fmt) + qs(ModellText(lang, options.einheiten)) + '\n' + capacitor + '\n')
            .toUtf8()
            .toStdString());
    return all.computed ? 0 : 1;
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
                               o.places,
                               options.tuning ? &*options.tuning : nullptr,
                               rows.measured ? &*rows.measured : nullptr,
                               rows.ratio,
                               lang == Language::None ? kStandardSprache : lang};
        std::string text;
        if (options.format == OutputFormat::Json) {
            ExposureJsonStart(text, e);
            out.write(text);
            const Tally all = writeInBlocks(
                rows, out, [&](std::string& t, const Row& row, std::size_t i) { ExposureJsonRow(t, e, row, i); });
            text.clear();
            ExposureJsonEnd(text, e, all.summary);
            out.write(text);
            status = all.computed ? 0 : 1;
        } else {
            ExposureCsvHeader(text, e);
            out.write(text);
            status = writeInBlocks(
                         rows, out,
                         [&](std::string& t, const Row& row, std::size_t) {
                             ExposureCsvRow(t, e, row);
                         }).computed
                         ? 0
                         : 1;
        }
    }
    return status != 0 || measuredRefused ? 1 : 0;
}

}  // namespace ringfeld::cli
