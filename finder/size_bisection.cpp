// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The search that does not compute every size of a combination, with the same
// counts and designs as the exhaustive scan (tests/engine/finder_test.cpp holds it
// to that over a grid of bands, capacitors and ratings).
//
// 1. What the end rows decide changes at most once over the sizes: with the size
//    the inductance L, the circumference U and the self-capacitance CL grow, so the
//    tuning capacitance falls at every frequency, N U / lambda grows, and each
//    refusal and flag sets in at one size (candidate.h). Only where the model
//    changes its inductance formula does L jump (RingFormel); that is part of the
//    key. Where the key of the end rows is the same at two sizes it is the same at
//    every size between, so the sizes are halved until the keys at the ends agree.
// 2. Where the end rows leave the candidates open, only the voltage and the
//    efficiency remain. For sizes a <= s <= b and frequencies FROM <= f <= TO,
//    every part of the loss R grows with the size (skin loss ~ U, Rr ~ A^2, X^2 / Rp
//    ~ L^2, the capacitor's 1 / (omega C Q) as C falls) and with the frequency
//    (1 / (f C) grows too: f C = 25330.2 / (f L) - (CL + stray) f), and so does
//    the reactance X = 2 pi f L. Hence, with V = sqrt(2 P / R) X,
//        V(s, f) <= sqrt(2 P / R(a, FROM)) X(b, TO)
//        max over f of V(s, f) >= sqrt(2 P / R(b, f)) X(a, f), f = FROM and TO
//        worst efficiency(s) <= Rr(s, FROM) / R(s, FROM) <= Rr(b, FROM) / R(a, FROM).
//    Sizes whose voltage bounds fall in one class (within the rating / margin,
//    within the rating, above it) are counted without their rows; the others are
//    halved down to single sizes, which are computed. The best size is searched
//    from the largest down, skipping every run of sizes whose efficiency bound is
//    below the best found (a tie is computed: of equal ones the smaller size wins).
//    The bounds are widened by kSpiel so that rounding never decides.

#include <algorithm>
#include <cmath>
#include <map>

#include "candidate.h"

namespace ringfeld::finder::detail {
namespace {

constexpr double kSqrt2 = 1.41421356237309504880;
constexpr double kProzent = 100;
// Relative widening of every bound, far above the rounding of the rows' arithmetic.
constexpr double kSpiel = 1e-9;

// A candidate's peak voltage: within the rating / margin, within the rating, above it.
enum class Spannung { Frei, Marge, Hoch };

class Halbierer {
public:
    Halbierer(const Rechner& r, const Kombination& k) : r_(r), k_(k) {}

    Teil suchen() {
        const long long n = r_.groessen();
        t_.evaluated = n;
        zerlegen(0, n - 1);
        zuweisen(n - 1, n - 1, ende(n - 1));
        for (const auto& [a, b] : offen_) spannung(a, b);
        // The best size, from the largest sizes down.
        std::sort(frei_.begin(), frei_.end(), [](const auto& x, const auto& y) { return x.first > y.first; });
        for (const auto& [a, b] : frei_) bester(a, b);
        return std::move(t_);
    }

private:
    const Enden& ende(long long g) {
        auto it = enden_.find(g);
        if (it == enden_.end()) it = enden_.emplace(g, r_.enden(k_, Groesse(r_.options(), g))).first;
        return it->second;
    }

    Voll& voll(long long g) {
        auto it = volle_.find(g);
        if (it == volle_.end()) it = volle_.emplace(g, r_.voll(ende(g))).first;
        return it->second;
    }

    // Sizes [a, b) take their class from the end rows; a and b are computed.
    void zerlegen(long long a, long long b) {
        if (b <= a) return;
        const Enden& ea = ende(a);
        if (ea.schluessel == ende(b).schluessel) return zuweisen(a, b - 1, ea);
        if (b - a == 1) return zuweisen(a, a, ea);
        const long long m = a + (b - a) / 2;
        zerlegen(a, m);
        zerlegen(m, b);
    }

    void zuweisen(long long a, long long b, const Enden& e) {
        const long long anzahl = b - a + 1;
        switch (e.klasse) {
            case Klasse::Abgelehnt: t_.excluded[at(Ausschluss::ModelRefused)] += anzahl; return;
            case Klasse::NichtKlein: t_.excluded[at(Ausschluss::NotSmall)] += anzahl; return;
            case Klasse::KeinKondensator: t_.excluded[at(Ausschluss::NoCapacitorFits)] += anzahl; return;
            case Klasse::Eigenkapazitaet: t_.excluded[at(Ausschluss::SelfCapacitance)] += anzahl; return;
            case Klasse::Bereich: t_.excluded[at(Ausschluss::CapacitorRange)] += anzahl; return;
            case Klasse::Offen: break;
        }
        // Runs of one key stay apart: the bounds hold within one inductance formula.
        if (!offen_.empty() && offen_.back().second + 1 == a && ende(offen_.back().first).schluessel == e.schluessel)
            offen_.back().second = b;
        else
            offen_.emplace_back(a, b);
    }

    Spannung klasse(double volt) const {
        const double rating = *r_.options().sheet.capVPeakV;
        return volt <= *r_.grenze() ? Spannung::Frei : volt <= rating ? Spannung::Marge : Spannung::Hoch;
    }

    // Sizes [a, b], all open: their voltage, by bounds where they decide, else by the rows.
    void spannung(long long a, long long b) {
        if (!r_.grenze()) return frei(a, b);
        const tuning::RowValues &aFrom = *ende(a).from.values, &aTo = *ende(a).to.values;
        const tuning::RowValues &bFrom = *ende(b).from.values, &bTo = *ende(b).to.values;
        const double P = ende(a).z.P.wert;
        const double hoechste = kSqrt2 * std::sqrt(P / aFrom.R_total_ohm) * bTo.X_ohm;
        const double niedrigste = std::max(kSqrt2 * std::sqrt(P / bFrom.R_total_ohm) * aFrom.X_ohm,
                                           kSqrt2 * std::sqrt(P / bTo.R_total_ohm) * aTo.X_ohm);
        const Spannung oben = klasse(hoechste * (1 + kSpiel)), unten = klasse(niedrigste * (1 - kSpiel));
        if (oben == unten) return zaehlen(a, b, oben);
        if (a == b) {
            const Voll& v = voll(a);
            if (v.refused || v.flag) return einzeln(v);
            return zaehlen(a, a, v.spannung ? klasse(v.entwurf.vPeakMaxV) : Spannung::Frei);
        }
        const long long m = a + (b - a) / 2;
        spannung(a, m);
        spannung(m + 1, b);
    }

    // A single open size whose inner rows showed what its end rows did not (see candidate.h).
    void einzeln(const Voll& v) {
        t_.excluded[at(v.flag ? *v.flag : Ausschluss::ModelRefused)] += 1;
    }

    void zaehlen(long long a, long long b, Spannung s) {
        const long long anzahl = b - a + 1;
        if (s == Spannung::Frei) return frei(a, b);
        t_.excluded[at(Ausschluss::CapacitorVoltage)] += anzahl;
        if (s == Spannung::Marge) t_.unterMarge += anzahl;
    }

    void frei(long long a, long long b) {
        t_.qualified += b - a + 1;
        frei_.emplace_back(a, b);
    }

    // The best of the qualifying sizes [a, b].
    void bester(long long a, long long b) {
        const double schranke = ende(b).from.values->R_radiation_ohm / ende(a).from.values->R_total_ohm * kProzent;
        if (t_.best && schranke * (1 + kSpiel) < t_.best->efficiencyWorstPercent) return;
        if (a == b) {
            Entwurf d = r_.entwurf(k_, ende(a), Voll(voll(a)));
            if (!t_.best || Besser(d, *t_.best)) t_.best = std::move(d);
            return;
        }
        const long long m = a + (b - a) / 2;
        bester(m + 1, b);
        bester(a, m);
    }

    const Rechner& r_;
    const Kombination& k_;
    Teil t_;
    std::map<long long, Enden> enden_;
    std::map<long long, Voll> volle_;
    std::vector<std::pair<long long, long long>> offen_, frei_;
};

}  // namespace

Teile Halbierend(const Rechner& r, const Steuerung& s) {
    Teile out;
    const auto anzahl = static_cast<long long>(r.kombinationen().size());
    out.teile.resize(static_cast<std::size_t>(anzahl));
    const bool fertig = Parallel(anzahl, s, [&](long long i) {
        out.teile[static_cast<std::size_t>(i)] = Halbierer(r, r.kombinationen()[static_cast<std::size_t>(i)]).suchen();
        if (s.erledigt) s.erledigt->fetch_add(r.groessen());
    });
    if (!fertig) return {};
    for (long long i = 0; i < anzahl; ++i) out.kombination.push_back(static_cast<std::size_t>(i));
    return out;
}

}  // namespace ringfeld::finder::detail
