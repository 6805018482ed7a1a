// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// One candidate through the tuning sheet's rows: its end rows and what they decide,
// then every row; the joining of parts and the threads that run them.

#include "candidate.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "core/frequency_steps.h"
#include "text/input_rules.h"

namespace ringfeld::finder::detail {
namespace {

using tuning::Flag;
using tuning::RowValues;
using tuning::SheetRow;

bool hat(const RowValues& v, Flag flag) { return std::find(v.flags.begin(), v.flags.end(), flag) != v.flags.end(); }

// The flags that exclude a row whatever its voltage, in the order they are counted.
constexpr std::pair<Flag, Ausschluss> kStatisch[] = {{Flag::NoCapacitorFits, Ausschluss::NoCapacitorFits},
                                                     {Flag::SelfCapacitance, Ausschluss::SelfCapacitance},
                                                     {Flag::CapacitorRange, Ausschluss::CapacitorRange}};

void groesste(std::optional<double>& at, const std::optional<double>& value) {
    if (value && (!at || *value > *at)) at = value;
}
void kleinste(std::optional<double>& at, const std::optional<double>& value) {
    if (value && (!at || *value < *at)) at = value;
}

}  // namespace

Rechner::Rechner(const FinderOptionen& o) : o_(o) {
    sheet_ = o.sheet;
    sheet_.fromMHz = o.fromMHz;
    sheet_.toMHz = o.toMHz;
    sheet_.stepMHz = (o.toMHz - o.fromMHz) / kSchritte;
    // The rows flag a peak voltage above the rating divided by the margin.
    if (o.sheet.capVPeakV) sheet_.capVPeakV = *o.sheet.capVPeakV / o.capMargin;
    const int count = o.toMHz > o.fromMHz ? kSchritte + 1 : 1;
    for (int i = 0; i < count; ++i) frequenzen_.push_back(FrequenzSchritt(o.fromMHz, sheet_.stepMHz, i));
    groessen_ = GroessenAnzahl(o).value_or(0);
    for (Form form : o.shapes)
        for (Material material : o.materials)
            for (double d : o.conductorsMm)
                for (int n : o.turns) {
                    Kombination k{form, material, d, n, {}, {}};
                    k.felder = KandidatFelder(o, form, material, d, n, o.sizeMinM);
                    k.zahlen = LoopLesen(k.felder);
                    kombinationen_.push_back(std::move(k));
                }
}

SheetRow Rechner::zeile(const LoopZahlen& z, std::size_t i) const {
    return tuning::BerechneZeile(z, frequenzen_[i], sheet_);
}

Enden Rechner::enden(const Kombination& k, double size) const {
    Enden e;
    e.size = size;
    e.felder = k.felder;
    e.z = k.zahlen;
    e.felder.Text1 = KurzText(size);
    if (auto u = UmfangAusDurchmesser(e.felder.Text1, e.felder.Combo1, ".")) e.felder.Text2 = u->text;
    e.z.D = FeldLesen(e.felder.Text1);
    e.z.U = FeldLesen(e.felder.Text2);
    Enden::Schluessel& s = e.schluessel;
    s.ring = RingFormel(e.z);

    // TO first, then FROM.
    const std::size_t last = frequenzen_.size() - 1;
    e.to = zeile(e.z, last);
    s.to = e.to.ending;
    e.klasse = Klasse::Abgelehnt;
    if (e.to.values) {
        e.from = last > 0 ? zeile(e.z, 0) : e.to;
        e.fromComputed = true;
        s.from = e.from.ending;
    }
    if (e.to.values && e.from.values) {
        const RowValues &vTo = *e.to.values, &vFrom = *e.from.values;
        s.notSmall = vTo.conductor_wavelengths > o_.maxWavelengths;
        s.noCapacitor = hat(vTo, Flag::NoCapacitorFits);
        s.noOrSelf = s.noCapacitor || hat(vTo, Flag::SelfCapacitance);
        s.belowMin = vTo.C_tune_pF < *sheet_.capMinPf;
        s.aboveMax = vFrom.C_tune_pF > *sheet_.capMaxPf;
        e.klasse = Klasse::Offen;
        if (s.notSmall) {
            e.klasse = Klasse::NichtKlein;
        } else {
            for (const auto& [flag, grund] : kStatisch)
                if (hat(vTo, flag) || hat(vFrom, flag)) {
                    e.klasse = grund == Ausschluss::NoCapacitorFits   ? Klasse::KeinKondensator
                               : grund == Ausschluss::SelfCapacitance ? Klasse::Eigenkapazitaet
                                                                      : Klasse::Bereich;
                    break;
                }
        }
    }
    s.klasse = e.klasse;
    return e;
}

Voll Rechner::voll(const Enden& e) const {
    Voll v;
    Entwurf& d = v.entwurf;
    d.efficiencyWorstPercent = INFINITY;
    const std::size_t last = frequenzen_.size() - 1;
    v.rowOk.assign(last + 1, 0);
    v.rowEta.assign(last + 1, 0);
    // Every row, in order of frequency.
    for (std::size_t i = 0; i <= last; ++i) {
        const SheetRow row = i == 0 ? e.from : i == last ? e.to : zeile(e.z, i);
        if (!row.values) {
            v.refused = row;
            return v;
        }
        const RowValues& r = *row.values;
        for (const auto& [flag, grund] : kStatisch)
            if (hat(r, flag)) {  // never, by the reasoning in the header; counted as the rows show it
                v.flag = grund;
                return v;
            }
        const bool hoch = hat(r, Flag::CapacitorVoltage);
        v.spannung = v.spannung || hoch;
        v.rowOk[i] = !hoch;
        v.rowEta[i] = r.efficiency_percent;
        if (r.efficiency_percent < d.efficiencyWorstPercent) {
            d.efficiencyWorstPercent = r.efficiency_percent;
            d.gainWorstDbi = r.gain_dBi;
        }
        // Unset only without power, which the finder's inputs refuse.
        d.vPeakMaxV = std::max(d.vPeakMaxV, r.V_peak_V.value_or(0));
        d.iRmsMaxA = std::max(d.iRmsMaxA, r.I_rms_A.value_or(0));
        d.pCapacitorMaxW = std::max(d.pCapacitorMaxW, r.P_capacitor_W.value_or(0));
        d.rowsRrFormulaRange += hat(r, Flag::RrFormulaRange);
    }
    return v;
}

Entwurf Rechner::entwurf(const Kombination& k, const Enden& e, Voll&& v) const {
    Entwurf d = std::move(v.entwurf);
    const RowValues &vFrom = *e.from.values, &vTo = *e.to.values;
    LoopInto(d, k, e);
    d.efficiencyFromPercent = vFrom.efficiency_percent;
    d.efficiencyToPercent = vTo.efficiency_percent;
    d.bandwidthFromKHz = vFrom.bandwidth_halfpower_kHz;
    d.bandwidthToKHz = vTo.bandwidth_halfpower_kHz;
    d.cTuneFromPf = vFrom.C_tune_pF;
    d.cTuneToPf = vTo.C_tune_pF;
    if (o_.sheet.capVPeakV) d.headroom = *o_.sheet.capVPeakV / d.vPeakMaxV;
    d.felder = e.felder;
    return d;
}

void Hinzu(Teil& a, Teil&& b) {
    a.evaluated += b.evaluated;
    a.qualified += b.qualified;
    a.unterMarge += b.unterMarge;
    for (std::size_t i = 0; i < kAusschlussAnzahl; ++i) a.excluded[i] += b.excluded[i];
    Befund& x = a.befund;
    Befund& y = b.befund;
    x.laenge += y.laenge;
    x.kapazitaet += y.kapazitaet;
    x.minimum += y.minimum;
    x.maximum += y.maximum;
    if (!x.ersteAndere) x.ersteAndere = y.ersteAndere;
    groesste(x.laengsterInnerhalb, y.laengsterInnerhalb);
    groesste(x.laengsterKlein, y.laengsterKlein);
    groesste(x.groessteUeberMinimum, y.groessteUeberMinimum);
    kleinste(x.kleinsteUnterMinimum, y.kleinsteUnterMinimum);
    kleinste(x.kleinsteUnterMaximum, y.kleinsteUnterMaximum);
    groesste(x.groessteUeberMaximum, y.groessteUeberMaximum);
    if (y.kleinsteSpannung && (!x.kleinsteSpannung || *y.kleinsteSpannung < *x.kleinsteSpannung)) {
        x.kleinsteSpannung = y.kleinsteSpannung;
        x.kleinsteSpannungEta = y.kleinsteSpannungEta;
    }
    if (y.besteSpannung &&
        (!x.besteSpannung || y.besteSpannung->efficiencyWorstPercent > x.besteSpannung->efficiencyWorstPercent))
        x.besteSpannung = std::move(y.besteSpannung);
    for (std::optional<Befund::Teilband>& t : y.teilbaender)
        if (t) Teilbaender(x.teilbaender, std::move(*t));
}

void Teilbaender(std::vector<std::optional<Befund::Teilband>>& kept, Befund::Teilband&& t) {
    const auto breite = static_cast<std::size_t>(t.last - t.first);
    if (kept.size() <= breite) kept.resize(breite + 1);
    std::optional<Befund::Teilband>& k = kept[breite];
    if (!k || t.loop.efficiencyWorstPercent > k->loop.efficiencyWorstPercent) k = std::move(t);
}

bool Parallel(long long parts, const Steuerung& s, const std::function<void(long long)>& teil) {
    // Each thread takes the next part until none is left.
    std::atomic<long long> naechster{0};
    std::atomic<bool> abgebrochen{false};
    auto arbeiten = [&] {
        for (long long i; (i = naechster.fetch_add(1)) < parts;) {
            if (s.stop.stop_requested()) {
                abgebrochen = true;
                return;
            }
            teil(i);
        }
    };
    const unsigned cores = s.threads ? s.threads : std::max(1u, std::thread::hardware_concurrency());
    {
        std::vector<std::jthread> helfer;
        for (unsigned i = 1; i < cores && i < parts; ++i) helfer.emplace_back(arbeiten);
        arbeiten();
    }
    return !abgebrochen;
}

}  // namespace ringfeld::finder::detail
