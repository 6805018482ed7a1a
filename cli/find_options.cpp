// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/find_options.h"

#include <QStringList>

#include "cli/option_table.h"
#include "platform/qt_text.h"
#include "text/strict_number.h"

namespace ringfeld::cli {
namespace {

// The option whose value fills the finder's field; the table gives every field one.
const CalcOption& optionFilling(std::size_t field) {
    for (const CalcOption& o : kCalcOptions)
        for (std::size_t p = 0; p < o.finder.count; ++p)
            if (finder::at(o.finder.fields[p]) == field) return o;
    return Option("find");
}

}  // namespace

FindParse ParseFindOptions(const QCommandLineParser& parser, Language lang, Units units) {
    FindParse out;
    const CalcOption& band = Option("find");
    out.usageError = RunMisused(parser, kFindRun, lang);
    if (!IsSet(parser, band) || !out.usageError.isEmpty()) return out;
    auto refuse = [&](const CalcOption& option) {
        out.usageError = ValueRefused(parser, option, ExpectedWithFind(option, lang), lang);
        return out;
    };
    if (!IsSet(parser, Option("cap-range"))) {
        out.usageError = qs(texte::kFindNeedsRange, lang);
        return out;
    }

    // The options' texts into the search's fields, the band's first: a value of several
    // fields is cut at its colons; what is not given keeps its start value (two parts
    // of --sizes keep the step of a centimetre).
    FindOptions f;
    f.texte = finder::FinderVorgaben();
    auto put = [&](const CalcOption& option) {
        if (option.finder.count == 0 || !IsSet(parser, option)) return true;
        const QString value = Value(parser, option);
        const QStringList parts = option.finder.count == 1 ? QStringList{value} : value.split(':');
        if (parts.size() < static_cast<qsizetype>(option.finder.least) ||
            parts.size() > static_cast<qsizetype>(option.finder.count))
            return false;
        for (qsizetype i = 0; i < parts.size(); ++i)
            f.texte[finder::at(option.finder.fields[static_cast<std::size_t>(i)])] = parts[i].toStdString();
        return true;
    };
    if (!put(band)) return refuse(band);
    for (const CalcOption& option : kCalcOptions)
        if (&option != &band && !put(option)) return refuse(option);

    // Lengths in feet and inches read at the edge, as the window reads them.
    f.texte = finder::LaengenIn(f.texte, units, Units::Metric, ".");
    f.einheiten = units;
    const finder::FinderGelesen gelesen = finder::LiesFinder(f.texte, lang);
    for (std::size_t i = 0; i < finder::kFeldAnzahl; ++i)
        if (!gelesen.reasons[i].empty()) return refuse(optionFilling(i));
    f.options = *gelesen.options;
    f.options.einheiten = units;
    if (const CalcOption& top = Option("top"); IsSet(parser, top)) {
        const auto n = StrikteZahl(Value(parser, top).toStdString());
        if (!n || !(*n >= 1 && *n <= finder::kMaxKandidaten) || *n != static_cast<int>(*n)) return refuse(top);
        f.top = static_cast<int>(*n);
    }
    out.options = std::move(f);
    return out;
}

}  // namespace ringfeld::cli
