// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Inside the finder: one candidate through the tuning sheet's rows, shared by the
// exhaustive scan and the search that halves the sizes, so that both count and
// pick by the same code.
//
// Why the band's ends decide every condition but the voltage: for one loop L and the
// self-capacitance CL do not depend on the frequency, so the tuning capacitance
// C = 25330.2 / (f^2 L) - CL - stray falls as f rises (core/loop_model.cpp), and a
// row's no_capacitor_fits (C <= 0), self_capacitance (CL >= C) and capacitor_range
// (C outside Cmin..Cmax) show at TO or FROM whenever they show at any row. The
// model's refusals lie at the ends too: the conductor's length N U / lambda and the
// capacitance check grow with f (TO), the lowest frequency is checked at FROM, and
// the other checks do not depend on f; N U / lambda is largest at TO. So a candidate
// whose end rows exclude it is counted under the first condition they show without
// computing its other rows. The peak voltage may be highest inside the band.

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

#include "finder/finder_search.h"

namespace ringfeld::finder::detail {

// One combination of the search space, its fields read once; the size varies.
struct Kombination {
    Form form;
    Material material;
    double conductorMm;
    int turns;
    LoopEingaben felder;
    LoopZahlen zahlen;
};

// What the band's end rows decide about a candidate; Offen: its other rows are needed.
enum class Klasse { Abgelehnt, NichtKlein, KeinKondensator, Eigenkapazitaet, Bereich, Offen };

// A candidate's fields and its rows at TO and (where TO is accepted) FROM.
struct Enden {
    double size = 0;
    LoopEingaben felder;
    LoopZahlen z;
    tuning::SheetRow to, from;  // from: as to for a single frequency; unset values where not computed
    bool fromComputed = false;
    Klasse klasse = Klasse::Offen;
    // Conditions that each change at most once over the sizes of a combination (at
    // most once within one inductance formula): where they agree at two sizes, they
    // hold for every size between (finder/size_bisection.cpp).
    struct Schluessel {
        Klasse klasse;
        Ending to, from;
        bool ring, notSmall, noCapacitor, noOrSelf, belowMin, aboveMax;
        bool operator==(const Schluessel&) const = default;
    } schluessel{};
};

// The loop itself in a design: its combination and the size the candidate gives it.
inline void LoopInto(Entwurf& d, const Kombination& k, const Enden& e) {
    d.form = k.form;
    d.material = k.material;
    d.conductorMm = k.conductorMm;
    d.turns = k.turns;
    d.sizeM = e.z.D.wert;
    d.lengthMm = e.z.l.wert;
    d.conductorLengthM = k.turns * e.z.U.wert;
}

// Every row of a candidate whose ends left it open.
struct Voll {
    std::optional<tuning::SheetRow> refused;  // the first row the model refused, if any
    std::optional<Ausschluss> flag;           // a static flag on an inner row (never, see the top)
    bool spannung = false;                    // a peak voltage above the rating / margin
    Entwurf entwurf;                          // worst efficiency and maxima over the rows
    std::vector<char> rowOk;                  // per row: no flag that excludes it
    std::vector<double> rowEta;               // per row: efficiency
};

class Rechner {
public:
    explicit Rechner(const FinderOptionen& o);

    const FinderOptionen& options() const { return o_; }
    const std::vector<Kombination>& kombinationen() const { return kombinationen_; }
    long long groessen() const { return groessen_; }
    std::size_t zeilen() const { return frequenzen_.size(); }
    double frequenz(std::size_t i) const { return frequenzen_[i]; }
    // The rating divided by the margin; none without a rating.
    std::optional<double> grenze() const { return sheet_.capVPeakV; }

    Enden enden(const Kombination& k, double size) const;
    tuning::SheetRow zeile(const LoopZahlen& z, std::size_t i) const;
    Voll voll(const Enden& e) const;
    // The design of a candidate that qualifies.
    Entwurf entwurf(const Kombination& k, const Enden& e, Voll&& v) const;

private:
    const FinderOptionen& o_;
    tuning::SheetOptions sheet_;
    std::vector<double> frequenzen_;
    long long groessen_ = 0;
    std::vector<Kombination> kombinationen_;
};

// The result of one part of a search (one combination, or a run of its sizes).
struct Teil {
    long long evaluated = 0, qualified = 0, unterMarge = 0;
    std::array<long long, kAusschlussAnzahl> excluded{};
    Befund befund;
    std::optional<Entwurf> best;  // of the part's combination
};

// Later parts joined to earlier ones: counts add, the first refusal stays, extremes
// and the best are kept (of equal ones the earlier).
void Hinzu(Teil& a, Teil&& b);
// Keeps `t` as the run of its width where it is more efficient than the one kept.
void Teilbaender(std::vector<std::optional<Befund::Teilband>>& kept, Befund::Teilband&& t);

// Runs `teil(i)` for i = 0 ... parts - 1 on the given threads; false when stopped.
bool Parallel(long long parts, const Steuerung& s, const std::function<void(long long)>& teil);

// The two ways through the search space: every part's result in order of the parts,
// with the combination each part belongs to; empty when stopped.
struct Teile {
    std::vector<Teil> teile;
    std::vector<std::size_t> kombination;
};
Teile Vollstaendig(const Rechner& r, const Steuerung& s);
Teile Halbierend(const Rechner& r, const Steuerung& s);

// What a builder can do when nothing qualifies, from the reasons (ranked).
std::vector<Vorschlag> Vorschlaege(const Befund& b, const FinderOptionen& o);

}  // namespace ringfeld::finder::detail
