// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/design_options.h"

#include <array>
#include <vector>

#include "platform/qt_text.h"

namespace ringfeld::cli {
namespace {

using tuning::Field;

// Each sheet option and the tuning-range window's fields its parts go to, in order.
struct SheetOption {
    const char* name;
    std::vector<Field> fields;
    std::size_t least;  // the parts an option needs; the rest may be left out
};
const std::array<SheetOption, 7> kSheetOptions{{
    {"tuning", {Field::From, Field::To, Field::Step}, 3},
    {"cap-q", {Field::CapQ}, 1},
    {"ground-ratio", {Field::Ground}, 1},
    {"stray-c", {Field::Stray}, 1},
    {"cap-range", {Field::CapMin, Field::CapMax}, 2},
    {"cap-vpeak", {Field::CapVolts}, 1},
    {"measured", {Field::MeasFreq, Field::MeasBandwidth, Field::MeasVswr}, 2},
}};

bool blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

QStringList TuningWithoutValue(const QStringList& arguments) {
    QStringList out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        out << arguments[i];
        if (arguments[i] == QStringLiteral("--tuning") &&
            (i + 1 == arguments.size() || arguments[i + 1].startsWith(QStringLiteral("--"))))
            out << QString();
    }
    return out;
}

QStringList SheetArgumentsFrom(const QCommandLineParser& parser, const tuning::FieldTexts& felder) {
    QStringList out;
    for (const SheetOption& o : kSheetOptions) {
        if (parser.isSet(o.name) && !parser.value(o.name).isEmpty()) continue;
        // The parts the option needs, then the optional ones that are given.
        QStringList parts;
        bool given = false;
        for (std::size_t i = 0; i < o.fields.size(); ++i) {
            const std::string& text = felder[static_cast<std::size_t>(o.fields[i])];
            given = given || (i < o.least && !blank(text));
            if (i < o.least || !blank(text)) parts << qs(text);
        }
        if (given) out << QStringLiteral("--%1=%2").arg(QLatin1String(o.name), parts.join(QLatin1Char(':')));
    }
    return out;
}

design::Abstimmung SheetFieldsFrom(const QCommandLineParser& parser, design::Abstimmung base) {
    for (const SheetOption& o : kSheetOptions) {
        if (!parser.isSet(o.name) || parser.value(o.name).isEmpty()) continue;
        const QStringList parts = parser.value(o.name).split(QLatin1Char(':'));
        for (std::size_t i = 0; i < o.fields.size(); ++i)
            base.felder[static_cast<std::size_t>(o.fields[i])] =
                i < static_cast<std::size_t>(parts.size())
                    ? str(parts[static_cast<qsizetype>(i)])
                    : std::string(tuning::kFieldDefaults[static_cast<std::size_t>(o.fields[i])]);
        if (o.fields.front() == Field::From) base.band = 0;
    }
    return base;
}

}  // namespace ringfeld::cli
