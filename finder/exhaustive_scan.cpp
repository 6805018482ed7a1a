// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The exhaustive scan: every candidate through its end rows and, where they leave
// it open, every row; with what the sentence about an empty result needs and the
// widest part of the band that one loop covers. The reference for the search that
// halves the sizes, and its second pass where nothing qualifies.

#include <algorithm>
#include <cmath>

#include "candidate.h"

namespace ringfeld::finder::detail {
namespace {

using tuning::Flag;
using tuning::RowValues;
using tuning::SheetRow;

// Candidates of one combination that one thread takes at a time: small enough that
// two cores stay busy to the end and a stop is seen within a few milliseconds.
constexpr long long kGroessenJeTeil = 32;
// A part of the band has at least two rows.
constexpr int kKuerzesterTeil = 2;

bool hat(const RowValues& v, Flag flag) { return std::find(v.flags.begin(), v.flags.end(), flag) != v.flags.end(); }

void groesste(std::optional<double>& at, double value) {
    if (!at || value > *at) at = value;
}
void kleinste(std::optional<double>& at, double value) {
    if (!at || value < *at) at = value;
}

class Scan {
public:
    explicit Scan(const Rechner& r) : r_(r), o_(r.options()) {
        teileJeKombination_ = (r.groessen() + kGroessenJeTeil - 1) / kGroessenJeTeil;
    }

    long long teile() const { return static_cast<long long>(r_.kombinationen().size()) * teileJeKombination_; }
    std::size_t kombination(long long teil) const { return static_cast<std::size_t>(teil / teileJeKombination_); }
    long long erste(long long teil) const { return teil % teileJeKombination_ * kGroessenJeTeil; }
    long long anzahl(long long teil) const {
        return std::min(r_.groessen(), erste(teil) + kGroessenJeTeil) - erste(teil);
    }

    Teil teil(long long index) {
        const Kombination& k = r_.kombinationen()[kombination(index)];
        Teil t;
        for (long long g = erste(index), n = anzahl(index); n > 0; ++g, --n) kandidat(k, Groesse(o_, g), t);
        return t;
    }

private:
    void kandidat(const Kombination& k, double size, Teil& t) {
        ++t.evaluated;
        const Enden e = r_.enden(k, size);
        Befund& b = t.befund;
        const double laenge = k.turns * e.z.U.wert;
        if (e.to.ending != Ending::Length) groesste(b.laengsterInnerhalb, laenge);
        std::optional<Voll> v;
        if (e.klasse == Klasse::Offen) v = r_.voll(e);
        teilband(k, e, v ? &*v : nullptr, b);

        switch (e.klasse) {
            case Klasse::Abgelehnt: return abgelehnt(t, e.to.values ? e.from : e.to, e.z);
            case Klasse::NichtKlein: return ausschliessen(t, Ausschluss::NotSmall);
            default: break;
        }
        groesste(b.laengsterKlein, laenge);
        const RowValues &vTo = *e.to.values, &vFrom = *e.from.values;
        if (!e.schluessel.belowMin)
            groesste(b.groessteUeberMinimum, e.z.D.wert);
        else
            kleinste(b.kleinsteUnterMinimum, e.z.D.wert);
        if (!e.schluessel.aboveMax)
            kleinste(b.kleinsteUnterMaximum, e.z.D.wert);
        else
            groesste(b.groessteUeberMaximum, e.z.D.wert);
        switch (e.klasse) {
            case Klasse::KeinKondensator: return ausschliessen(t, Ausschluss::NoCapacitorFits);
            case Klasse::Eigenkapazitaet: return ausschliessen(t, Ausschluss::SelfCapacitance);
            case Klasse::Bereich:
                b.minimum += vTo.C_tune_pF < *o_.sheet.capMinPf;
                b.maximum += vFrom.C_tune_pF > *o_.sheet.capMaxPf;
                return ausschliessen(t, Ausschluss::CapacitorRange);
            default: break;
        }

        if (v->refused) return abgelehnt(t, *v->refused, e.z);
        if (v->flag) return ausschliessen(t, *v->flag);
        if (v->spannung) {
            const Entwurf& d = v->entwurf;
            if (!b.kleinsteSpannung || d.vPeakMaxV < *b.kleinsteSpannung) {
                b.kleinsteSpannung = d.vPeakMaxV;
                b.kleinsteSpannungEta = d.efficiencyWorstPercent;
            }
            t.unterMarge += d.vPeakMaxV <= *o_.sheet.capVPeakV;
            if (!b.besteSpannung || d.efficiencyWorstPercent > b.besteSpannung->efficiencyWorstPercent)
                b.besteSpannung = r_.entwurf(k, e, std::move(*v));
            return ausschliessen(t, Ausschluss::CapacitorVoltage);
        }
        ++t.qualified;
        // The design is built only where it is better: its size and efficiency decide.
        v->entwurf.sizeM = e.z.D.wert;
        if (!t.best || Besser(v->entwurf, *t.best)) t.best = r_.entwurf(k, e, std::move(*v));
    }

    // The runs of rows over which the candidate qualifies. A row qualifies when the
    // model accepts it, N U stays within the limit, C tune lies in the capacitor's
    // range above the self-capacitance, and the voltage keeps the rating. All but
    // the voltage hold on one run of rows (they change once with f, see candidate.h):
    // its ends are found by halving, then its rows are computed.
    void teilband(const Kombination& k, const Enden& e, const Voll* v, Befund& b) const {
        const std::size_t last = r_.zeilen() - 1;
        if (last + 1 < kKuerzesterTeil) return;
        std::vector<char> ok;
        std::vector<double> eta;
        std::size_t lo = 0, hi = last;
        if (v) {
            if (v->refused || v->flag) return;
            ok = v->rowOk;
            eta = v->rowEta;
        } else {
            std::vector<std::optional<SheetRow>> rows(last + 1);
            auto row = [&](std::size_t i) -> const SheetRow& {
                if (!rows[i]) rows[i] = i == last ? e.to : i == 0 && e.fromComputed ? e.from : r_.zeile(e.z, i);
                return *rows[i];
            };
            // True up to a row: accepted, within the limit, capacitance above Cmin and CL.
            auto unten = [&](std::size_t i) {
                const SheetRow& w = row(i);
                if (!w.values) return false;
                const RowValues& x = *w.values;
                return x.conductor_wavelengths <= o_.maxWavelengths && !hat(x, Flag::NoCapacitorFits) &&
                       !hat(x, Flag::SelfCapacitance) && x.C_tune_pF >= *o_.sheet.capMinPf;
            };
            // True from a row on: the capacitance at most Cmax (a refused row lies above).
            auto oben = [&](std::size_t i) {
                const SheetRow& w = row(i);
                return !w.values || w.values->C_tune_pF <= *o_.sheet.capMaxPf;
            };
            if (!unten(0) || !oben(last)) return;
            if (!unten(last)) {
                std::size_t a = 0, z = last;  // unten(a), !unten(z)
                while (z - a > 1) {
                    const std::size_t m = a + (z - a) / 2;
                    (unten(m) ? a : z) = m;
                }
                hi = a;
            }
            if (!oben(0)) {
                std::size_t a = 0, z = last;  // !oben(a), oben(z)
                while (z - a > 1) {
                    const std::size_t m = a + (z - a) / 2;
                    (oben(m) ? z : a) = m;
                }
                lo = z;
            }
            if (hi < lo || static_cast<int>(hi - lo + 1) < kKuerzesterTeil) return;
            ok.assign(last + 1, 0);
            eta.assign(last + 1, 0);
            for (std::size_t i = lo; i <= hi; ++i) {
                const SheetRow& w = row(i);
                // Between the two ends none of the conditions above fails; the voltage may.
                ok[i] = w.values && !hat(*w.values, Flag::CapacitorVoltage) && !hat(*w.values, Flag::CapacitorRange);
                if (w.values) eta[i] = w.values->efficiency_percent;
            }
        }
        // Each run of qualifying rows, with the worst efficiency over it.
        for (std::size_t i = lo; i <= hi;) {
            if (!ok[i]) {
                ++i;
                continue;
            }
            std::size_t j = i;
            double worst = eta[i];
            while (j + 1 <= hi && ok[j + 1]) worst = std::min(worst, eta[++j]);
            if (static_cast<int>(j - i + 1) >= kKuerzesterTeil) {
                Befund::Teilband t;
                t.first = static_cast<int>(i);
                t.last = static_cast<int>(j);
                t.fromMHz = r_.frequenz(i);
                t.toMHz = r_.frequenz(j);
                Entwurf& d = t.loop;
                d.efficiencyWorstPercent = worst;
                LoopInto(d, k, e);
                Teilbaender(b.teilbaender, std::move(t));
            }
            i = j + 1;
        }
    }

    void ausschliessen(Teil& t, Ausschluss grund) const { ++t.excluded[at(grund)]; }

    void abgelehnt(Teil& t, const SheetRow& row, const LoopZahlen& z) const {
        if (row.ending == Ending::Length)
            ++t.befund.laenge;
        else if (row.ending == Ending::Capacitance)
            ++t.befund.kapazitaet;
        else if (!t.befund.ersteAndere)
            t.befund.ersteAndere = Befund::Abbruch{row.ending, row.fault, static_cast<int>(z.N.wert)};
        ausschliessen(t, Ausschluss::ModelRefused);
    }

    const Rechner& r_;
    const FinderOptionen& o_;
    long long teileJeKombination_ = 1;
};

}  // namespace

Teile Vollstaendig(const Rechner& r, const Steuerung& s) {
    Scan scan(r);
    Teile out;
    out.teile.resize(static_cast<std::size_t>(scan.teile()));
    const bool fertig = Parallel(scan.teile(), s, [&](long long i) {
        out.teile[static_cast<std::size_t>(i)] = scan.teil(i);
        if (s.erledigt) s.erledigt->fetch_add(scan.anzahl(i));
    });
    if (!fertig) return {};
    for (long long i = 0; i < scan.teile(); ++i) out.kombination.push_back(scan.kombination(i));
    return out;
}

}  // namespace ringfeld::finder::detail
