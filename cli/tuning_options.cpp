// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/tuning_options.h"

#include <QStringList>

#include <array>
#include <vector>

#include "cli/option_table.h"
#include "platform/qt_text.h"
#include "text/strict_number.h"

namespace ringfeld::cli {
namespace {

using tuning::Field;
using FieldNumbers = std::array<std::optional<double>, tuning::kFieldCount>;

// Between `least` and `most` numbers separated by colons, each plain (StrikteZahl).
std::optional<std::vector<double>> numbers(const QString& text, std::size_t least, std::size_t most) {
    const QStringList parts = text.split(':');
    if (parts.size() < static_cast<qsizetype>(least) || parts.size() > static_cast<qsizetype>(most))
        return std::nullopt;
    std::vector<double> out;
    for (const QString& part : parts) {
        const auto value = StrikteZahl(part.toStdString());
        if (!value) return std::nullopt;
        out.push_back(*value);
    }
    return out;
}

// The sheet's options from the window's fields the options filled; the range is always given.
tuning::SheetOptions sheetOptions(const FieldNumbers& field) {
    auto v = [&](Field f) { return field[static_cast<std::size_t>(f)]; };
    tuning::SheetOptions o;
    o.fromMHz = v(Field::From).value_or(0), o.toMHz = v(Field::To).value_or(0), o.stepMHz = v(Field::Step).value_or(0);
    o.capacitorQ = v(Field::CapQ);
    o.groundRatio = v(Field::Ground).value_or(o.groundRatio);
    o.strayPf = v(Field::Stray).value_or(o.strayPf);
    o.capMinPf = v(Field::CapMin), o.capMaxPf = v(Field::CapMax);
    o.capVPeakV = v(Field::CapVolts);
    if (v(Field::MeasFreq))
        o.measured = tuning::Messung{*v(Field::MeasFreq), *v(Field::MeasBandwidth),
                                     v(Field::MeasVswr).value_or(tuning::Messung{}.vswr)};
    return o;
}

}  // namespace

TuningParse ParseTuningOptions(const QCommandLineParser& parser, Language lang) {
    TuningParse out;
    const CalcOption& range = Option("tuning");
    out.usageError = RunMisused(parser, kTuningRun, lang);
    if (!IsSet(parser, range) || !out.usageError.isEmpty()) return out;
    auto refuse = [&](const CalcOption& option) {
        out.usageError = ValueRefused(parser, option, Expected(option, lang, true), lang);
        return out;
    };
    // Each option's numbers into the window's fields it fills; a value that does not read refuses.
    FieldNumbers field;
    for (const CalcOption& option : kCalcOptions) {
        if (option.sheet.count == 0 || !IsSet(parser, option)) continue;
        const auto values = numbers(Value(parser, option), option.sheet.least, option.sheet.count);
        if (!values) return refuse(option);
        for (std::size_t i = 0; i < values->size(); ++i)
            field[static_cast<std::size_t>(option.sheet.fields[i])] = (*values)[i];
    }
    const tuning::SheetOptions o = sheetOptions(field);
    if (!(o.fromMHz > 0)) return refuse(range);
    // The sheet's own check names the option whose value it refuses.
    if (const auto fault = tuning::PruefeOptionen(o); fault != tuning::OptionFault::None)
        for (const CalcOption& option : kCalcOptions)
            if (option.sheet.count > 0 && option.sheet.fault == fault) return refuse(option);
    if (tuning::PruefeOptionen(o) != tuning::OptionFault::None) return refuse(range);  // a check no option names
    out.options = o;
    return out;
}

}  // namespace ringfeld::cli
