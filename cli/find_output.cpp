// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/find_output.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

#include "cli/text_table.h"
#include "export/finder_export.h"
#include "finder/finder_columns.h"
#include "finder/finder_message.h"
#include "platform/qt_text.h"
#include "text/catalog/cli_texts.h"
#include "text/catalog/finder_texts.h"
#include "text/text_lines.h"

namespace ringfeld::cli {
namespace {

using finder::Feld;

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

QString table(const finder::Ergebnis& e, std::size_t shown, Language lang, Units einheiten, std::string_view sep) {
    QStringList names, units;
    for (const finder::FinderSpalte& s : finder::kFinderSpalten) {
        names << qs(s.text.shortHeading, lang);
        const std::string_view unit = finder::SpaltenEinheit(s, einheiten, lang);
        units << (unit.empty() ? QString() : "[" + qs(unit) + "]");
    }
    std::vector<QStringList> rows;
    for (std::size_t i = 0; i < shown; ++i) {
        QStringList cells;
        for (const finder::FinderSpalte& s : finder::kFinderSpalten)
            cells << qs(finder::ZellenText(s, e.designs[i], lang, einheiten, sep));
        rows.push_back(cells);
    }
    TextTable t(finder::kFinderSpalten.size(), LastCell::Aligned);
    t.widen(names);
    t.widen(units);
    for (const QStringList& cells : rows) t.widen(cells);
    QString text = t.line(names) + t.line(units);
    for (const QStringList& cells : rows) text += t.line(cells);
    return text;
}

}  // namespace

int WriteFind(const FindOptions& f, OutputFormat format, Language lang, std::string_view sep, Output& out,
              Output& err) {
    const finder::Ergebnis e = finder::Suchen(f.options);
    const finder::FinderExport x{f.texte, f.options, e, lang, f.top};
    const int status = e.qualified > 0 ? 0 : 1;
    switch (format) {
        case OutputFormat::Json: out.write(finder::FinderJson(x)); return status;
        case OutputFormat::Csv:
            out.write(finder::FinderCsv(x));
            if (status) err.write("ringfeld-calc: " + finder::Begruendung(e, f.options, lang, sep) + '\n');
            return status;
        case OutputFormat::Text: break;
    }
    QString text = head(f, lang, sep) + qs(finder::Zaehlung(e, lang)) + '\n' + qs(finder::Ausschluesse(e, lang)) + '\n';
    for (const std::string& note : finder::Hinweise(e, f.options, lang, sep)) text += qs(note) + '\n';
    if (status) {
        text += '\n' + qs(finder::Begruendung(e, f.options, lang, sep)) + '\n';
    } else {
        const std::size_t shown = std::min(e.designs.size(), static_cast<std::size_t>(f.top));
        text += '\n' + table(e, shown, lang, f.einheiten, sep) + '\n' + qs(finder::texte::kFussnote, lang) + '\n';
    }
    out.write(text.toStdString());
    return status;
}

}  // namespace ringfeld::cli
