// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "exposure/exposure_state.h"

#include "platform/qt_text.h"
#include "text/catalog/tuning_texts.h"
#include "text/messages.h"
#include "text/number_format.h"

namespace ringfeld::exposure {
namespace {

constexpr std::string_view kMhz = "0.0#####";
const QString kStrich = QStringLiteral("–");

// The row the sheet would have at the frequency text's number, or its reading's fault.
tuning::SheetRow zeileBei(const LoopZahlen& loop, const tuning::SheetOptions& options) {
    if (loop.f.fehler) {
        tuning::SheetRow row;
        row.ending = Ending::Fault;
        row.fault = loop.f.fehler;
        return row;
    }
    return tuning::BerechneZeile(loop, loop.f.wert, options);
}

QString zahl(const Stand& s, double v) { return qs(Signifikant(v, s.sep)); }

}  // namespace

Stand Berechnen(Language lang, std::string sep, const LoopEingaben& loop, const Eingaben& eingaben,
                const tuning::Sheet* sheet) {
    Stand s;
    s.lang = lang;
    s.sep = std::move(sep);
    s.loop = loop;
    s.eingaben = eingaben;
    s.gelesen = LiesEingaben(eingaben, lang);
    tuning::SheetOptions options;  // without a tuning range: no capacitor, ground or stray losses
    if (sheet && !sheet->rows.empty()) {
        options = sheet->options;
        s.blatt = sheet->options;
        s.hatBereich = true;
        s.gemessen = sheet->measured;
        if (s.gemessen) s.verhaeltnis = MeasuredRatio(*s.gemessen);
    }
    if (!s.gelesen.settings) return s;
    const Settings& settings = *s.gelesen.settings;
    const LoopZahlen zahlen = LoopLesen(loop);
    s.einzel = Evaluate(zahlen, zeileBei(zahlen, options), settings, s.verhaeltnis);
    if (s.hatBereich) {
        s.zeilen.reserve(sheet->rows.size());
        for (const tuning::SheetRow& row : sheet->rows)
            s.zeilen.push_back(Evaluate(sheet->loop, row, settings, s.verhaeltnis));
    }
    return s;
}

EingabenListe EingabenZeilen(const Stand& s) {
    const Language lang = s.lang;
    EingabenListe out;
    auto eintrag = [&](std::vector<Eingabe>& liste, const Tri& caption, const QString& wert,
                       std::string_view unit = {}) {
        liste.push_back({qs(caption, lang), wert + (unit.empty() ? QString() : ' ' + qs(unit))});
    };
    const bool quadrat = LoopLesen(s.loop).form == Form::Quadrat;
    for (const texte::SchleifenFeld& f : texte::kSchleifenFelder)
        eintrag(out.schleife, quadrat && f.text == &LoopEingaben::Text1 ? texte::kSeitenlaenge : f.caption,
                qs(s.loop.*f.text), f.unit);
    auto& b = out.betrieb;
    const auto mode = ModeIndex(s.eingaben.mode);
    eintrag(b, texte::kBetriebsart, qs(mode ? texte::kModeTexte[*mode] : texte::kEigenerFaktor, lang));
    eintrag(b, texte::kFaktor, qs(s.eingaben.modeFactor));
    eintrag(b, texte::kAnteil, qs(s.eingaben.txShare), "%");
    eintrag(b, texte::kNorm, qs(StandardName(s.eingaben.standard, lang)));
    eintrag(b, texte::kPersonen, qs(PopulationName(s.eingaben.population, lang)));
    const Result* r = s.ergebnis();
    eintrag(b, texte::kStromQuelle, qs(texte::SourceText(r ? r->source : s.eingaben.source), lang));
    if (s.hatBereich) {
        const tuning::SheetOptions& o = s.blatt;
        eintrag(b, texte::kAbstimmbereich,
                qs(texte::kBereichWerte, lang)
                    .arg(qs(FormatZahl(o.fromMHz, kMhz, s.sep)), qs(FormatZahl(o.toMHz, kMhz, s.sep)),
                         qs(FormatZahl(o.stepMHz, kMhz, s.sep))));
        eintrag(b, texte::kKondensatorGuete, o.capacitorQ ? zahl(s, *o.capacitorQ) : qs(texte::kVerlustfrei, lang));
        eintrag(b, texte::kErdverlust, zahl(s, o.groundRatio));
        eintrag(b, texte::kStreuC, zahl(s, o.strayPf), "pF");
    }
    return out;
}

QStringList ErgebnisTexte::zeilen() const {
    QStringList out;
    for (const QString* t : {&werte, &grenzen, &abstaende})
        if (!t->isEmpty()) out << *t;
    return out;
}

ErgebnisTexte ErgebnisZeilen(const Stand& s) {
    const Language lang = s.lang;
    if (!s.einzel) return {qs(texte::kEingabenPruefen, lang), {}, {}};
    if (!s.einzel->result)
        return {qs(AbbruchZeile(s.einzel->ending, s.einzel->fault, LoopLesen(s.loop).N.wert, lang)), {}, {}};
    const Result& r = *s.einzel->result;
    ErgebnisTexte out;
    out.werte =
        qs(texte::kWerte, lang)
            .arg(qs(FormatZahl(s.einzel->frequencyMHz, kMhz, s.sep)), zahl(s, r.R_total_ohm),
                 qs(texte::SourceText(r.source), lang), zahl(s, r.P_avg_W), zahl(s, r.I_rms_A), zahl(s, r.moment_Am2));
    const LimitResult& l = r.limits[s.slot()];
    const QString norm = qs(StandardName(s.eingaben.standard, lang));
    const QString personen = qs(PopulationName(s.eingaben.population, lang));
    if (!l.limits) {
        out.grenzen = qs(texte::kKeineGrenzwerte, lang).arg(norm, personen);
        return out;
    }
    out.grenzen = qs(texte::kGrenzwerte, lang)
                      .arg(norm, personen, zahl(s, l.limits->H_Apm), zahl(s, l.limits->E_Vpm),
                           zahl(s, l.limits->averagingMinutes));
    out.abstaende = qs(texte::kAbstaende, lang)
                        .arg(qs(AbstandText(l.safety, lang, s.sep)), qs(texte::ComponentText(l.governing), lang),
                             qs(AbstandText(l.distances[0], lang, s.sep)), qs(AbstandText(l.distances[1], lang, s.sep)),
                             qs(AbstandText(l.distances[2], lang, s.sep)));
    return out;
}

QStringList Hinweise(const Stand& s) {
    QStringList out;
    const Language lang = s.lang;
    if (const Result* r = s.ergebnis()) {
        const unsigned flags = r->limits[s.slot()].flags & ~unsigned{kOutsideTable};
        if (flags) out << qs(FlagsText(flags, lang));
        out << (r->V_peak_V > 0 ? qs(texte::kKondensator, lang).arg(zahl(s, r->V_peak_V))
                                : qs(texte::kKondensatorOhneWert, lang));
    }
    if (s.eingaben.source == CurrentSource::Measured)
        out << (s.verhaeltnis ? qs(texte::kGemessenSkaliert, lang)
                                    .arg(qs(FormatZahl(s.gemessen->input.frequencyMHz, kMhz, s.sep)))
                              : qs(texte::kKeineMessungDa, lang));
    return out;
}

std::vector<NormZeile> NormZeilen(const Stand& s) {
    std::vector<NormZeile> out;
    const Result* r = s.ergebnis();
    for (Standard standard : kStandards)
        for (Population population : kPopulations) {
            NormZeile z;
            z.zellen << qs(StandardName(standard, s.lang)) << qs(PopulationName(population, s.lang));
            const LimitResult* l = r ? &r->limits[LimitIndex(standard, population)] : nullptr;
            if (l && l->limits) {
                z.zellen << zahl(s, l->limits->H_Apm) << zahl(s, l->limits->E_Vpm);
                for (const Distance& d : l->distances) z.zellen << qs(AbstandZahl(d, s.lang, s.sep));
                z.zellen << qs(AbstandZahl(l->safety, s.lang, s.sep));
                z.massgebend = 4 + static_cast<int>(l->governing);
            } else {
                for (int i = 0; i < 5; ++i) z.zellen << kStrich;
                z.zellen << (l ? qs(texte::kAusserhalb, s.lang) : kStrich);
            }
            out.push_back(z);
        }
    return out;
}

QStringList FrequenzZellen(const Stand& s, const Row& row) {
    QStringList z{qs(FormatZahl(row.frequencyMHz, kMhz, s.sep))};
    if (!row.result) {
        for (int i = 0; i < 5; ++i) z << QString();
        return z << qs(AbbruchZeile(row.ending, row.fault, LoopLesen(s.loop).N.wert, s.lang));
    }
    const Result& r = *row.result;
    const LimitResult& l = r.limits[s.slot()];
    z << zahl(s, r.R_total_ohm) << zahl(s, r.I_rms_A);
    if (l.limits)
        z << zahl(s, l.limits->H_Apm) << qs(AbstandZahl(l.safety, s.lang, s.sep))
          << qs(texte::ComponentText(l.governing), s.lang);
    else
        z << kStrich << kStrich << kStrich;
    return z << qs(FlagsText(l.flags, s.lang));
}

}  // namespace ringfeld::exposure
