// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/vna_output.h"

#include <QString>

#include <algorithm>
#include <filesystem>

#include "core/constants.h"
#include "export/vna_export.h"
#include "platform/qt_text.h"
#include "presentation/tuning_display.h"
#include "presentation/vna_results.h"
#include "text/catalog/vna_texts.h"
#include "text/number_format.h"

namespace ringfeld::cli {
namespace {

using namespace constants;

constexpr Muster kSweepMhz{"0.0#####"};

QString text(const LoopZahlen& loop, const VnaOptions& o, const vna::LoopMeasurement& m, Language lang,
             std::string_view sep, Units units) {
    const std::vector<double>& f = o.sweep.frequencyHz;
    auto mhz = [&](double hz) { return qs(FormatZahl(hz / kHertzPerMegahertz, kSweepMhz, sep)); };
    QString out = qs(vna::texte::kTextMessung, lang)
                      .arg(qs(std::filesystem::path(o.file).filename().string()), QString::number(f.size()),
                           mhz(f.front()), mhz(f.back())) +
                  '\n';
    out += qs(vna::texte::kTextLoop, lang).arg(qs(tuning::SchleifenZeile(loop, lang, sep, units))) + '\n';
    if (const std::string refusal = vna::LoopRefusal(m, loop, lang); !refusal.empty())
        out += qs(vna::texte::kTextOhneLoop, lang).arg(qs(refusal)) + '\n';
    const std::vector<vna::ResultLine> lines = vna::ResultLines(m, lang, sep);
    qsizetype width = 0;
    for (const vna::ResultLine& l : lines) width = std::max(width, qs(l.caption).size());
    for (const vna::ResultLine& l : lines) out += qs(l.caption).leftJustified(width + 2) + qs(l.value) + '\n';
    if (const std::string notes = vna::LoopNotes(m, lang); !notes.empty()) out += qs(notes) + '\n';
    return out;
}

}  // namespace

int WriteVna(const LoopEingaben& eingaben, const VnaOptions& o, OutputFormat format, Language lang,
             std::string_view sep, Output& out, Units units) {
    const LoopZahlen loop = LoopLesen(eingaben);
    const vna::LoopMeasurement m = vna::MessungAufLoop(o.fit, loop, o.sheet);
    switch (format) {
        case OutputFormat::Json: out.write(vna::MessungJson(m)); break;
        case OutputFormat::Csv: out.write(vna::MessungCsv(m)); break;
        case OutputFormat::Text: out.write(text(loop, o, m, lang, sep, units).toStdString()); break;
    }
    return 0;
}

}  // namespace ringfeld::cli
