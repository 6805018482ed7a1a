// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "tuning/abstimm_zusammenfassung.h"

#include "platform/qt_text.h"
#include "text/abstimm_texte.h"
#include "tuning/abstimm_modell.h"

namespace ringfeld::tuning {
namespace {

QString tr(const Tri& t, Language lang) { return qs(t.in(lang)); }
// An unset value shows as a dash.
QString zahl(const std::optional<double>& v, int decimals) {
    const QString text = v ? ZahlText(*v, decimals) : QString();
    return text.isEmpty() ? QStringLiteral("–") : text;
}

}  // namespace

QStringList Zusammenfassung(const Sheet& sheet, Language lang) {
    const Summary& s = sheet.summary;
    QStringList lines;
    lines << tr(texte::kZeilen, lang).arg(s.rows_ok).arg(s.rows_refused);
    if (s.rows_ok == 0) return lines;
    lines << (tr(texte::kCSpanneVorsatz, lang) + tr(texte::kCSpanne, lang))
                 .arg(zahl(s.C_tune_min_pF, 1), zahl(s.C_tune_min_at_MHz, 4), zahl(s.C_tune_max_pF, 1),
                      zahl(s.C_tune_max_at_MHz, 4));
    lines << tr(texte::kVpeakMax, lang).arg(zahl(s.V_peak_max_V, 0), zahl(s.V_peak_max_at_MHz, 4));
    lines << tr(texte::kIrmsMax, lang).arg(zahl(s.I_rms_max_A, 2));
    lines << (tr(texte::kPKondensator, lang) + tr(texte::kPcapMaxNach, lang)).arg(zahl(s.P_capacitor_max_W, 2));
    if (s.hasCapacitorCover)
        lines << tr(texte::kDeckt, lang).arg(zahl(s.capacitor_covers_from_MHz, 3), zahl(s.capacitor_covers_to_MHz, 3));
    return lines;
}

QString MessErgebnis(const Sheet& sheet, Language lang) {
    if (!sheet.measured) return tr(texte::kKeineMessung, lang);
    const MeasuredResult& m = *sheet.measured;
    if (m.ending != Ending::Ok)
        return tr(texte::kGemessenVorsatz, lang) + qs(ZeilenMeldung(sheet, m.ending, m.fault, lang));
    QString text = tr(texte::kGemessenVorsatz, lang) + tr(texte::kGemessen, lang)
                                                           .arg(zahl(m.Q, 0), zahl(m.R_total_ohm, 4),
                                                                zahl(m.R_model_ohm, 4), zahl(m.R_unexplained_ohm, 4),
                                                                zahl(m.efficiency_percent, 2), zahl(m.gain_dBi, 2));
    for (Flag f : m.flags) text += QStringLiteral(" · ") + tr(texte::FlagText(f), lang);
    return text;
}

}  // namespace ringfeld::tuning
