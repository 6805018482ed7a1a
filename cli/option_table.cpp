// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/option_table.h"

#include <QStringList>

#include "cli/exposure_options.h"
#include "cli/output.h"
#include "cli/usage_errors.h"
#include "core/exposure.h"
#include "export/field_keys.h"
#include "platform/qt_text.h"
#include "text/length_texts.h"
#include "text/list_texts.h"
#include "text/strict_number.h"

namespace ringfeld::cli {
namespace {

template <typename Items, typename Name>
QStringList names(const Items& items, Name name) {
    QStringList out;
    for (const auto& item : items) out << qs(name(item));
    return out;
}

QStringList texts(const std::vector<std::string_view>& entries) {
    return names(entries, [](std::string_view s) { return s; });
}

// "a list separated by commas of: circle, square"
QString listOf(Language lang, const QStringList& entries) {
    return qs(texte::kExpectList, lang) + entries.join(QStringLiteral(", "));
}

}  // namespace

namespace describe {

QString Sweep(Language lang, bool strict) {
    return qs(texte::kExpectSweep.in(lang))
        .arg(strict ? qs(texte::kExpectFromPositive.in(lang)) : QString(), QString::number(kMaxRows));
}

QString Shape(Language lang, bool) { return OneOf(lang, texts(FormTexteAllerSprachen())); }

QString Material(Language lang, bool) { return OneOf(lang, texts(MaterialTexteAllerSprachen())); }

// Every stored word, then every code.
QString Lang(Language lang, bool) {
    return OneOf(lang, names(kSprachen, [](const SprachEintrag& e) { return e.gespeichert; }) +
                           names(kSprachen, [](const SprachEintrag& e) { return e.code; }));
}

QString UnitSystems(Language lang, bool) {
    return OneOf(lang, names(kUnitSystems, [](const UnitSystem& s) { return s.word; }));
}

QString Format(Language lang, bool) {
    return OneOf(lang, names(kOutputFormats, [](const auto& f) { return f.second; }));
}

QString Tuning(Language lang, bool) { return qs(texte::kExpectTuning, lang).arg(tuning::kMaxSheetRows); }

QString Standard(Language lang, bool) { return OneOf(lang, names(exposure::kStandards, exposure::StandardKey)); }

QString Population(Language lang, bool) { return OneOf(lang, names(exposure::kPopulations, exposure::PopulationKey)); }

QString CurrentSource(Language lang, bool) { return OneOf(lang, names(kCurrentSources, exposure::CurrentSourceKey)); }

QString Shapes(Language lang, bool) {
    return listOf(lang, names(kFormListe, [](const FormEintrag& e) { return FormKey(e.form); }));
}

QString Materials(Language lang, bool) {
    return listOf(lang, names(kMaterialien, [](const MaterialDaten& m) { return m.key; }));
}

}  // namespace describe

bool InRange(Range range, double value) {
    switch (range) {
        case Range::Positive: return value > 0;
        case Range::NonNegative: return value >= 0;
        case Range::None: break;
    }
    return false;
}

std::optional<double> ReadNumber(const CalcOption& option, std::string_view text, Units units) {
    const auto value = option.length ? LengthFromText(text, *option.length, units) : StrikteZahl(text);
    if (!value || !InRange(option.takes.range, *value)) return std::nullopt;
    return value;
}

QString Expected(const CalcOption& option, Language lang, bool strict) {
    const Takes& t = option.takes;
    if (t.sentence) return qs(*t.sentence, lang);
    if (t.describe) return t.describe(lang, strict);
    if (t.range == Range::None) return {};
    QString text = qs((t.range == Range::Positive ? texte::kExpectPositive : texte::kExpectNonNegative).in(lang));
    if (!t.unit.empty()) text += qs(texte::kExpectIn.in(lang)) + qs(t.unit);
    return text + qs(texte::kExpectSuchAs.in(lang));
}

QString ExpectedWithFind(const CalcOption& option, Language lang) {
    return option.finder.rule ? qs(*option.finder.rule, lang) : Expected(option, lang, true);
}

QString ExpectedNamed(const QString& name, Language lang, bool strict) {
    const CalcOption* option = OptionNamed(name.toStdString());
    return option ? Expected(*option, lang, strict) : QString();
}

void DefineOptions(QCommandLineParser& parser, Language lang) {
    for (const CalcOption& o : kCalcOptions) {
        QStringList optionNames{qs(o.name)};
        if (o.name == "help") optionNames.prepend(QStringLiteral("h"));
        parser.addOption(QCommandLineOption(optionNames, qs(o.help, lang), qs(o.valueName)));
    }
}

namespace {

unsigned runsGiven(const QCommandLineParser& parser) {
    unsigned given = kNoRun;
    for (const auto& [bit, name] : kRunOptions)
        if (parser.isSet(qs(name))) given |= bit;
    return given;
}

template <typename Messages>
const Tri& messageFor(const Messages& messages, unsigned runs) {
    for (const auto& [which, text] : messages)
        if (which == runs) return *text;
    return *messages.front().second;  // the table's check leaves no set without its message
}

}  // namespace

QString RunMisused(const QCommandLineParser& parser, RunBit run, Language lang) {
    const unsigned given = runsGiven(parser);
    for (const CalcOption& o : kCalcOptions) {
        if (!IsSet(parser, o)) continue;
        if ((given & run) && (o.refusedWith & run))
            return qs(messageFor(kRefusedMessages, run), lang).arg("--" + qs(o.name));
        if (!(given & run) && (o.needs & run) && !(o.needs & given))
            return qs(messageFor(kNeedsMessages, o.needs), lang).arg("--" + qs(o.name));
    }
    return {};
}

QString ValueRefused(const QCommandLineParser& parser, const CalcOption& option, const QString& expected,
                     Language lang) {
    return UsageError(lang, "--" + qs(option.name), Value(parser, option), expected);
}

}  // namespace ringfeld::cli
