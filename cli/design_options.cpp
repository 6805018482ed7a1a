// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/design_options.h"

#include "cli/option_table.h"
#include "platform/qt_text.h"

namespace ringfeld::cli {
namespace {

bool blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// The option's value is empty: --tuning without a value, which takes the file's range.
bool givenEmpty(const QCommandLineParser& parser, const CalcOption& option) {
    return IsSet(parser, option) && Value(parser, option).isEmpty();
}

}  // namespace

QStringList TuningWithoutValue(const QStringList& arguments) {
    const QString tuning = "--" + qs(Option("tuning").name);
    QStringList out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        out << arguments[i];
        if (arguments[i] == tuning && (i + 1 == arguments.size() || arguments[i + 1].startsWith(QStringLiteral("--"))))
            out << QString();
    }
    return out;
}

QStringList SheetArgumentsFrom(const QCommandLineParser& parser, const tuning::FieldTexts& felder) {
    QStringList out;
    for (const CalcOption& o : kCalcOptions) {
        if (o.sheet.count == 0 || (IsSet(parser, o) && !givenEmpty(parser, o))) continue;
        // The parts the option needs, then the optional ones that are given.
        QStringList parts;
        bool given = false;
        for (std::size_t i = 0; i < o.sheet.count; ++i) {
            const std::string& text = felder[static_cast<std::size_t>(o.sheet.fields[i])];
            given = given || (i < o.sheet.least && !blank(text));
            if (i < o.sheet.least || !blank(text)) parts << qs(text);
        }
        if (given) out << QStringLiteral("--%1=%2").arg(qs(o.name), parts.join(QLatin1Char(':')));
    }
    return out;
}

design::Abstimmung SheetFieldsFrom(const QCommandLineParser& parser, design::Abstimmung base) {
    for (const CalcOption& o : kCalcOptions) {
        if (o.sheet.count == 0 || !IsSet(parser, o) || givenEmpty(parser, o)) continue;
        const QStringList parts = Value(parser, o).split(QLatin1Char(':'));
        for (std::size_t i = 0; i < o.sheet.count; ++i) {
            const auto field = static_cast<std::size_t>(o.sheet.fields[i]);
            base.felder[field] = i < static_cast<std::size_t>(parts.size())
                                     ? str(parts[static_cast<qsizetype>(i)])
                                     : std::string(tuning::kFieldDefaults[field]);
        }
        if (o.sheet.fields[0] == tuning::Field::From) base.band = 0;  // the range typed, no band
    }
    return base;
}

}  // namespace ringfeld::cli
