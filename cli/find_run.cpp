// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/find_run.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

#include "cli/numeric_options.h"
#include "cli/tuning_run.h"
#include "cli/usage_errors.h"
#include "export/finder_export.h"
#include "finder/finder_columns.h"
#include "finder/finder_message.h"
#include "platform/qt_text.h"
#include "text/catalog/cli_texts.h"
#include "text/catalog/finder_texts.h"
#include "text/strict_number.h"
#include "text/text_lines.h"

namespace ringfeld::cli {
namespace {

using finder::Feld;

struct FindOption {
    std::string_view name, valueName;
    const Tri& help;
};

constexpr std::array<FindOption, 7> kFindOptions{{
    {"find", "from:to", texte::kHelpFind},
    {"sizes", "smin:smax[:step]", texte::kHelpSizes},
    {"shapes", "list", texte::kHelpShapes},
    {"materials", "list", texte::kHelpMaterials},
    {"conductors", "list", texte::kHelpConductors},
    {"spacing", "s", texte::kHelpSpacing},
    {"top", "n", texte::kHelpTop},
}};

// The loop's own fields and the other runs do not go with --find.
constexpr std::array<std::string_view, 12> kNotWithFind{"diameter",  "circumference", "conductor", "length",
                                                        "frequency", "sweep",         "shape",     "material",
                                                        "ratio",     "as-typed",      "tuning",    "measured"};

// The option that gives each field.
constexpr std::string_view optionOf(Feld f) {
    switch (f) {
        case Feld::From:
        case Feld::To: return "find";
        case Feld::CapMin:
        case Feld::CapMax: return "cap-range";
        case Feld::CapVPeak: return "cap-vpeak";
        case Feld::CapQ: return "cap-q";
        case Feld::Stray: return "stray-c";
        case Feld::Ground: return "ground-ratio";
        case Feld::Power: return "power";
        case Feld::SeriesLoss: return "series-loss";
        case Feld::ParallelLoss: return "parallel-loss";
        case Feld::SizeMin:
        case Feld::SizeMax:
        case Feld::SizeStep: return "sizes";
        case Feld::Shapes: return "shapes";
        case Feld::Materials: return "materials";
        case Feld::Conductors: return "conductors";
        case Feld::Turns: return "turns";
        case Feld::Spacing: return "spacing";
        case Feld::CapMargin: return "cap-margin";
        case Feld::MaxWavelengths: return "max-wavelengths";
    }
    return {};
}

QString listOf(Language lang, std::initializer_list<std::string_view> entries) {
    QStringList names;
    for (std::string_view e : entries) names << qs(e);
    return qs(texte::kExpectList, lang) + names.join(", ");
}

QString expectedFor(std::string_view name, Language lang) {
    if (name == "find") return qs(texte::kExpectFind, lang);
    if (name == "sizes") return qs(texte::kExpectSizes, lang);
    if (name == "shapes") return listOf(lang, {"circle", "square"});
    if (name == "materials") return listOf(lang, {"Cu", "Al", "Fe", "Ag", "Zn", "brass"});
    if (name == "conductors") return qs(texte::kExpectConductors, lang);
    if (name == "turns") return qs(texte::kExpectTurns, lang);
    if (name == "spacing") return qs(texte::kExpectSpacing, lang);
    if (name == "top") return qs(texte::kExpectTop, lang);
    for (const NumericOption& o : kNumericOptions)
        if (name == o.name) return ExpectedNumber(o, lang);
    return TuningExpected(qs(name), lang);
}

}  // namespace

QString FindExpected(const QString& name, Language lang) {
    const std::string n = name.toStdString();
    for (const FindOption& o : kFindOptions)
        if (n == o.name) return expectedFor(n, lang);
    return {};
}

void DefineFindOptions(QCommandLineParser& parser, Language lang) {
    for (const FindOption& o : kFindOptions)
        parser.addOption(QCommandLineOption(qs(o.name), qs(o.help, lang), qs(o.valueName)));
}

FindParse ParseFindOptions(const QCommandLineParser& parser, Language lang) {
    FindParse out;
    if (!parser.isSet("find")) {
        for (const FindOption& o : kFindOptions)
            if (parser.isSet(qs(o.name))) out.usageError = qs(texte::kOnlyWithFind, lang).arg("--" + qs(o.name));
        return out;
    }
    for (std::string_view other : kNotWithFind)
        if (parser.isSet(qs(other))) {
            out.usageError = qs(texte::kNotWithFind, lang).arg("--" + qs(other));
            return out;
        }
    auto refuse = [&](std::string_view name) {
        out.usageError = UsageError(lang, "--" + qs(name), parser.value(qs(name)), expectedFor(name, lang));
        return out;
    };
    if (!parser.isSet("cap-range")) {
        out.usageError = qs(texte::kFindNeedsRange, lang);
        return out;
    }

    // The options' texts into the search's fields: a value of several parts fills
    // several fields; what is not given keeps its start value (two parts of --sizes
    // keep the step of a centimetre).
    FindOptions f;
    f.texte = finder::FinderVorgaben();
    auto put = [&](std::string_view name, std::initializer_list<Feld> fields, qsizetype least) {
        if (!parser.isSet(qs(name))) return true;
        const QStringList parts = parser.value(qs(name)).split(':');
        if (parts.size() < least || parts.size() > static_cast<qsizetype>(fields.size())) return false;
        for (qsizetype i = 0; i < parts.size(); ++i) f.texte[finder::at(fields.begin()[i])] = parts[i].toStdString();
        return true;
    };
    const std::pair<std::string_view, Feld> single[] = {
        {"cap-vpeak", Feld::CapVPeak},         {"cap-q", Feld::CapQ},    {"stray-c", Feld::Stray},
        {"ground-ratio", Feld::Ground},        {"power", Feld::Power},   {"series-loss", Feld::SeriesLoss},
        {"parallel-loss", Feld::ParallelLoss}, {"shapes", Feld::Shapes}, {"materials", Feld::Materials},
        {"conductors", Feld::Conductors},      {"turns", Feld::Turns},   {"spacing", Feld::Spacing}};
    if (!put("find", {Feld::From, Feld::To}, 2)) return refuse("find");
    if (!put("cap-range", {Feld::CapMin, Feld::CapMax}, 2)) return refuse("cap-range");
    if (!put("sizes", {Feld::SizeMin, Feld::SizeMax, Feld::SizeStep}, 2)) return refuse("sizes");
    for (const auto& [name, field] : single)
        if (parser.isSet(qs(name))) f.texte[finder::at(field)] = parser.value(qs(name)).toStdString();

    const finder::FinderGelesen gelesen = finder::LiesFinder(f.texte, lang);
    for (std::size_t i = 0; i < finder::kFeldAnzahl; ++i)
        if (!gelesen.reasons[i].empty()) return refuse(optionOf(static_cast<Feld>(i)));
    f.options = *gelesen.options;
    if (parser.isSet("top")) {
        const auto top = StrikteZahl(parser.value("top").toStdString());
        if (!top || !(*top >= 1 && *top <= finder::kMaxKandidaten) || *top != static_cast<int>(*top))
            return refuse("top");
        f.top = static_cast<int>(*top);
    }
    out.options = std::move(f);
    return out;
}

namespace {

// Every cell but a line's last is as wide as the widest in its column.
QString line(const std::vector<qsizetype>& width, const QStringList& cells) {
    QString text;
    for (qsizetype i = 0; i < cells.size(); ++i)
        text += (i ? "  " : "") + cells[i].rightJustified(width[static_cast<std::size_t>(i)]);
    while (text.endsWith(' ')) text.chop(1);
    return text + '\n';
}

QString head(const FindOptions& f, Language lang, std::string_view sep) {
    const finder::FinderOptionen& o = f.options;
    auto given = [&](Feld field) {
        QString text = qs(f.texte[finder::at(field)]).trimmed();
        return text.replace(QLatin1Char('.'), qs(sep)).replace(QLatin1Char(','), qs(sep));
    };
    std::string text =
        MitWerten(finder::texte::kKopf.in(lang),
                  {given(Feld::From).toStdString(), given(Feld::To).toStdString(), given(Feld::CapMin).toStdString(),
                   given(Feld::CapMax).toStdString(), given(Feld::Power).toStdString(),
                   given(Feld::SeriesLoss).toStdString(), given(Feld::ParallelLoss).toStdString()});
    if (o.sheet.capVPeakV) text += MitWert(finder::texte::kKopfSpannung.in(lang), given(Feld::CapVPeak).toStdString());
    if (o.sheet.capacitorQ) text += MitWert(finder::texte::kKopfGuete.in(lang), given(Feld::CapQ).toStdString());
    if (o.sheet.strayPf > 0) text += MitWert(finder::texte::kKopfStreu.in(lang), given(Feld::Stray).toStdString());
    if (o.sheet.groundRatio > 0) text += MitWert(finder::texte::kKopfErde.in(lang), given(Feld::Ground).toStdString());
    return qs(text) + '\n';
}

QString table(const finder::Ergebnis& e, std::size_t shown, Language lang, std::string_view sep) {
    QStringList names, units;
    for (const finder::FinderSpalte& s : finder::kFinderSpalten) {
        names << qs(s.text.shortHeading, lang);
        units << (s.text.unit.empty() ? QString() : "[" + qs(s.text.unit) + "]");
    }
    std::vector<QStringList> rows;
    for (std::size_t i = 0; i < shown; ++i) {
        QStringList cells;
        for (const finder::FinderSpalte& s : finder::kFinderSpalten)
            cells << qs(finder::ZellenText(s, e.designs[i], lang, sep));
        rows.push_back(cells);
    }
    std::vector<qsizetype> width(finder::kFinderSpalten.size());
    for (const QStringList* cells : {&names, &units})
        for (qsizetype i = 0; i < cells->size(); ++i)
            width[static_cast<std::size_t>(i)] = std::max(width[static_cast<std::size_t>(i)], (*cells)[i].size());
    for (const QStringList& cells : rows)
        for (qsizetype i = 0; i < cells.size(); ++i)
            width[static_cast<std::size_t>(i)] = std::max(width[static_cast<std::size_t>(i)], cells[i].size());
    QString text = line(width, names) + line(width, units);
    for (const QStringList& cells : rows) text += line(width, cells);
    return text;
}

}  // namespace

int WriteFind(const FindOptions& f, FindFormat format, Language lang, std::string_view sep, Output& out, Output& err) {
    const finder::Ergebnis e = finder::Suchen(f.options);
    const finder::FinderExport x{f.texte, f.options, e, lang, f.top};
    const int status = e.qualified > 0 ? 0 : 1;
    switch (format) {
        case FindFormat::Json: out.write(finder::FinderJson(x)); return status;
        case FindFormat::Csv:
            out.write(finder::FinderCsv(x));
            if (status) err.write("ringfeld-calc: " + finder::Begruendung(e, f.options, lang, sep) + '\n');
            return status;
        case FindFormat::Text: break;
    }
    QString text = head(f, lang, sep) + qs(finder::Zaehlung(e, lang)) + '\n' + qs(finder::Ausschluesse(e, lang)) + '\n';
    if (status) {
        text += '\n' + qs(finder::Begruendung(e, f.options, lang, sep)) + '\n';
    } else {
        const std::size_t shown = std::min(e.designs.size(), static_cast<std::size_t>(f.top));
        text += '\n' + table(e, shown, lang, sep) + '\n' + qs(finder::texte::kFussnote, lang) + '\n';
    }
    out.write(text.toStdString());
    return status;
}

}  // namespace ringfeld::cli
