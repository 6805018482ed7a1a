// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/exposure_options.h"

#include "cli/option_table.h"
#include "cli/usage_errors.h"
#include "core/constants.h"
#include "platform/qt_text.h"
#include "presentation/exposure_inputs.h"
#include "text/length_texts.h"
#include "text/strict_number.h"

namespace ringfeld::cli {
namespace {

using namespace exposure;

// A plain number within [low, high].
std::optional<double> within(const QString& text, double low, double high) {
    const auto value = StrikteZahl(text.toStdString());
    if (!value || !(*value >= low && *value <= high)) return std::nullopt;
    return value;
}

// The entry `text` names (any case, blanks around), by the key each entry has.
template <typename T>
std::optional<T> named(const QString& text, const auto& all, auto key) {
    for (const T& item : all)
        if (text.trimmed().compare(qs(key(item)), Qt::CaseInsensitive) == 0) return item;
    return std::nullopt;
}

}  // namespace

std::optional<NamedDistance> ReadPlace(const QString& text, Units units) { return LiesOrt(str(text), units); }

ExposureParse ParseExposureOptions(const QCommandLineParser& parser, Language lang, Units units,
                                   const std::optional<tuning::SheetOptions>& sheet) {
    ExposureParse out;
    out.usageError = RunMisused(parser, kExposureRun, lang);
    if (!IsSet(parser, Option("exposure")) || !out.usageError.isEmpty()) return out;
    auto refuse = [&](const CalcOption& option, const QString& given) {
        out.usageError = UsageError(lang, "--" + qs(option.name), given, Expected(option, lang, true));
        return out;
    };
    ExposureOptions o;
    if (const CalcOption& standard = Option("standard"); IsSet(parser, standard)) {
        const auto s = named<Standard>(Value(parser, standard), kStandards, StandardKey);
        if (!s) return refuse(standard, Value(parser, standard));
        o.standard = *s;
    }
    if (const CalcOption& population = Option("population"); IsSet(parser, population)) {
        const auto p = named<Population>(Value(parser, population), kPopulations, PopulationKey);
        if (!p) return refuse(population, Value(parser, population));
        o.population = *p;
    }
    o.settings.icnirp2010With1998 = IsSet(parser, Option("icnirp2010-with-1998"));
    if (const CalcOption& factor = Option("mode-factor"); IsSet(parser, factor)) {
        const auto f = within(Value(parser, factor), 0, 1);
        if (!f) return refuse(factor, Value(parser, factor));
        o.settings.modeFactor = *f;
    }
    const auto share = [&](const CalcOption& option, std::initializer_list<double Settings::*> into) {
        if (!IsSet(parser, option)) return true;
        const auto s = within(Value(parser, option), 0, constants::kPercentPerUnit);
        if (!s) {
            refuse(option, Value(parser, option));
            return false;
        }
        for (double Settings::*field : into) o.settings.*field = *s / constants::kPercentPerUnit;
        return true;
    };
    if (!share(Option("tx-share"), {&Settings::share6min, &Settings::share30min}) ||
        !share(Option("share-6min"), {&Settings::share6min}) || !share(Option("share-30min"), {&Settings::share30min}))
        return out;
    const CalcOption& distance = Option("distance");
    for (const QString& text : parser.values(qs(distance.name))) {
        const auto place = ReadPlace(text, units);
        if (place) {
            o.places.push_back(*place);
            continue;
        }
        if (units == Units::Metric) return refuse(distance, text);
        out.usageError = UsageError(
            lang, "--" + qs(distance.name), text,
            qs(ringfeld::texte::kExpectImperial, lang).arg(qs(UnitCaption(LengthQuantity::Distance, units, lang))));
        return out;
    }
    if (const CalcOption& source = Option("current-source"); IsSet(parser, source)) {
        const auto s = named<CurrentSource>(Value(parser, source), kCurrentSources, CurrentSourceKey);
        if (!s) return refuse(source, Value(parser, source));
        if (*s == CurrentSource::Measured && !(sheet && sheet->measured)) {
            out.usageError = qs(exposure::texte::kMeasuredNeedsSheet, lang);
            return out;
        }
        o.settings.source = *s;
    }
    out.options = o;
    return out;
}

}  // namespace ringfeld::cli
