// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "exposure/exposure_state.h"

#include "platform/qt_text.h"
#include "text/catalog/shape_texts.h"
#include "text/catalog/tuning_texts.h"
#include "text/length_texts.h"
#include "text/loop_field_units.h"
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

Stand Berechnen(Language lang, std::string sep, Units units, const LoopEingaben& loop, const Eingaben& eingaben,
                const tuning::Sheet* sheet) {
    Stand s;
    s.lang = lang;
    s.sep = std::move(sep);
    s.units = units;
    s.loop = loop;
    s.eingaben = eingaben;
    s.gelesen = LiesEingaben(eingaben, lang, units);
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
    s.summary = SummaryOf(s.genutzt(), s.gelesen.places);
    s.gruppen = GroupRows(s.zeilen, s.slot());
    return s;
}

QString MitAbstandEinheit(const Tri& text, Units units, Language lang) {
    return qs(WithUnit(text.in(lang), LengthQuantity::Distance, units, lang));
}

const Row* Stand::schlimmsteZeile() const {
    const std::span<const Row> rows = genutzt();
    if (const auto& w = summary.worst[slot()]; w && w->row < rows.size()) return &rows[w->row];
    return einzel ? &*einzel : nullptr;
}

QString Kopfzeile(const Stand& s) {
    const auto& worst = s.summary.worst[s.slot()];
    return worst ? qs(GroessterAbstand(*worst, s.lang, s.units, s.sep)) : QString();
}

QString MittelungZeile(const Stand& s) {
    const Row* row = s.schlimmsteZeile();
    if (!row) return {};
    return qs(StandardName(s.eingaben.standard, s.lang)) + qs(texte::kDoppelpunkt, s.lang) +
           qs(TabellenMittelung(s.eingaben.standard, s.eingaben.population, row->frequencyMHz,
                                s.gelesen.settings && s.gelesen.settings->icnirp2010With1998, s.lang));
}

OrtZellen OrtUrteile(const Stand& s, std::size_t typed) {
    OrtZellen out;
    const auto& reasons = s.gelesen.placeReasons;
    std::size_t usable = 0;
    for (std::size_t i = 0; i < typed && i < reasons.size(); ++i) usable += reasons[i].empty() ? 1 : 0;
    const bool has = typed < reasons.size() && reasons[typed].empty() && usable < s.summary.places.size();
    for (Standard standard : kStandards) {
        const std::size_t slot = LimitIndex(standard, s.eingaben.population);
        const PlaceCheck* c = has ? &s.summary.places[usable].worst[slot] : nullptr;
        if (!c || !c->hasLimits) {
            out.urteile << kStrich, out.felder << QString(), out.ok.push_back(-1);
            continue;
        }
        out.urteile << qs(ProzentText(c->worstPercent, s.sep)).append(QStringLiteral(" % – ")) +
                           qs(c->within ? texte::kJa : texte::kNein, s.lang);
        out.ok.push_back(c->within ? 1 : 0);
        // The raw fields at the row the highest percentage comes from.
        const std::span<const Row> rows = s.genutzt();
        const std::size_t row = s.summary.places[usable].row[slot];
        const auto f = row < rows.size() && rows[row].result
                           ? FieldsAt(*rows[row].result, s.gelesen.places[usable].metres)
                           : std::nullopt;
        QString tip =
            qs(OrtUrteil(s.gelesen.places[usable], *c, standard, s.eingaben.population, s.lang, s.units, s.sep));
        if (f)
            tip +=
                '\n' +
                qs(texte::kTextFelder, s.lang)
                    .arg(qs(MeterText(s.gelesen.places[usable].metres, s.units, s.sep)), zahl(s, (*f)[0]),
                         zahl(s, (*f)[1]), zahl(s, (*f)[2]), qs(UnitCaption(LengthQuantity::Distance, s.units, s.lang)))
                    .trimmed() +
                QStringLiteral(", %1 MHz").arg(qs(FormatZahl(rows[row].frequencyMHz, kMhz, s.sep)));
        out.felder << tip;
    }
    return out;
}

QStringList OrtSaetze(const Stand& s) {
    QStringList out;
    for (std::size_t p = 0; p < s.gelesen.places.size() && p < s.summary.places.size(); ++p)
        for (Standard standard : kStandards) {
            const std::size_t slot = LimitIndex(standard, s.eingaben.population);
            const PlaceCheck& c = s.summary.places[p].worst[slot];
            if (!c.hasLimits) continue;
            out << qs(texte::kOrtBei, s.lang)
                       .arg(qs(OrtUrteil(s.gelesen.places[p], c, standard, s.eingaben.population, s.lang, s.units,
                                         s.sep)),
                            qs(FormatZahl(s.summary.places[p].frequencyMHz[slot], kMhz, s.sep)));
        }
    return out;
}

EingabenListe EingabenZeilen(const Stand& s) {
    const Language lang = s.lang;
    EingabenListe out;
    auto eintrag = [&](std::vector<Eingabe>& liste, const Tri& caption, const QString& wert,
                       std::string_view unit = {}) {
        liste.push_back({qs(caption, lang), wert + (unit.empty() ? QString() : ' ' + qs(unit))});
    };
    const FormEintrag& form = FormTexte(LoopLesen(s.loop).form);
    // The lengths in the units chosen, each with its unit from the units table; the numbers
    // as typed, with the language's separator.
    const LoopEingaben shown = InputsIn(s.loop, s.units, s.sep);
    for (const texte::SchleifenFeld& f : texte::kSchleifenFelder) {
        std::string_view unit = f.unit;
        for (const LoopLengthField& l : kLoopLengthFields)
            if (l.text == f.text) unit = UnitCaption(l.quantity, s.units, lang);
        eintrag(out.schleife, f.text == &LoopEingaben::Text1 ? form.groesse : f.caption,
                qs(MitTrenner(shown.*f.text, lang)), unit);
    }
    auto& b = out.betrieb;
    const auto mode = ModeIndex(s.eingaben.mode);
    eintrag(b, texte::kBetriebsart, qs(mode ? texte::kModeTexte[*mode] : texte::kEigenerFaktor, lang));
    // The numbers as typed, with the language's separator.
    eintrag(b, texte::kFaktor, qs(MitTrenner(s.eingaben.modeFactor, lang)));
    eintrag(b, texte::kAnteil6, qs(MitTrenner(s.eingaben.txShare6, lang)), "%");
    eintrag(b, texte::kAnteil30, qs(MitTrenner(s.eingaben.txShare30, lang)), "%");
    eintrag(b, texte::kNorm, qs(StandardName(s.eingaben.standard, lang)));
    if (s.eingaben.standard == Standard::Icnirp1998)
        eintrag(b, texte::kMitIcnirp2010, qs(s.eingaben.icnirp2010With1998 ? texte::kJa : texte::kNein, lang));
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
                      .arg(qs(texte::TableTexte(l.table).name, lang), personen, zahl(s, l.limits->H_Apm),
                           zahl(s, l.limits->E_Vpm), qs(texte::MittelungText(l.limits->averaging), lang));
    out.abstaende =
        qs(texte::kAbstaende, lang)
            .arg(qs(AbstandText(l.safety, lang, s.units, s.sep)), qs(texte::ComponentText(l.governing), lang),
                 qs(AbstandText(l.distances[0], lang, s.units, s.sep)),
                 qs(AbstandText(l.distances[1], lang, s.units, s.sep)),
                 qs(AbstandText(l.distances[2], lang, s.units, s.sep)));
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
                for (std::size_t c = 0; c < l->distances.size(); ++c)
                    z.zellen << qs(AbstandZahl(l->distances[c], s.lang, s.units, s.sep)) +
                                    (l->nearConductor[c] ? qs(texte::kNahZeichen) : QString());
                z.zellen << qs(AbstandZahl(l->safety, s.lang, s.units, s.sep));
                z.massgebend = 4 + static_cast<int>(l->governing);
            } else {
                for (int i = 0; i < 5; ++i) z.zellen << kStrich;
                z.zellen << (l ? qs(texte::kAusserhalb, s.lang) : kStrich);
            }
            out.push_back(z);
        }
    return out;
}

QString NahHinweis(const Stand& s) {
    const Result* r = s.ergebnis();
    if (!r) return {};
    for (const LimitResult& l : r->limits)
        for (bool near : l.nearConductor)
            if (l.limits && near) return qs(texte::kNahZeichen) + ' ' + qs(texte::kOrtNah, s.lang);
    return {};
}

QStringList FrequenzZellen(const Stand& s, const RowGroup& g) {
    const Row& row = s.zeilen[g.sample];
    const QString von = qs(FormatZahl(g.fromMHz, kMhz, s.sep));
    QStringList z{
        g.first == g.last ? von : qs(texte::kFrequenzSpanne, s.lang).arg(von, qs(FormatZahl(g.toMHz, kMhz, s.sep)))};
    if (!row.result) {
        for (int i = 0; i < 5; ++i) z << QString();
        return z << qs(AbbruchZeile(row.ending, row.fault, LoopLesen(s.loop).N.wert, s.lang));
    }
    const Result& r = *row.result;
    const LimitResult& l = r.limits[s.slot()];
    z << zahl(s, r.R_total_ohm) << zahl(s, r.I_rms_A);
    if (l.limits)
        z << zahl(s, l.limits->H_Apm) << qs(AbstandZahl(l.safety, s.lang, s.units, s.sep))
          << qs(texte::ComponentText(l.governing), s.lang) + QStringLiteral(", ") +
                 qs(texte::TableTexte(l.table).name, s.lang);
    else
        z << kStrich << kStrich << kStrich;
    return z << qs(FlagsText(l.flags, s.lang));
}

}  // namespace ringfeld::exposure
