// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The loop finder's search: every candidate through the tuning-range sheet's rows,
// the band's ends first, on every core.
//
// Why the ends decide every condition but the voltage: for one loop L and the
// self-capacitance CL do not depend on the frequency, so the tuning capacitance
// C = 25330.2 / (f^2 L) - CL - stray falls as f rises (core/loop_model.cpp), and a
// row's no_capacitor_fits (C <= 0), self_capacitance (CL >= C) and capacitor_range
// (C outside Cmin..Cmax) show at TO or FROM whenever they show at any row. The
// model's refusals lie at the ends too: the conductor's length N U / lambda and the
// capacitance check grow with f (TO), the lowest frequency is checked at FROM, and
// the other checks do not depend on f. So a candidate whose end rows exclude it is
// counted under the first condition they show without computing its other rows.
// The peak voltage may be highest inside the band: it is checked on every row.

#include "finder/finder_search.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <mutex>
#include <thread>

#include "core/frequency_steps.h"
#include "text/input_rules.h"
#include "text/list_texts.h"

namespace ringfeld::finder {
namespace {

using tuning::Flag;
using tuning::RowValues;
using tuning::SheetRow;

// Candidates of one combination that one thread takes at a time: small enough that
// two cores stay busy to the end and a stop is seen within a few milliseconds.
constexpr long long kGroessenJeTeil = 32;

bool hat(const RowValues& v, Flag flag) { return std::find(v.flags.begin(), v.flags.end(), flag) != v.flags.end(); }

// One combination of the search space, its fields read once; the size varies.
struct Kombination {
    Form form;
    Material material;
    double conductorMm;
    int turns;
    LoopEingaben felder;
    LoopZahlen zahlen;
};

// What a part (one combination, a run of sizes) found.
struct Teil {
    long long evaluated = 0, qualified = 0;
    std::array<long long, kAusschlussAnzahl> excluded{};
    Befund befund;
    std::optional<Entwurf> best;  // of the part's combination
};

void groesste(std::optional<double>& at, double value) {
    if (!at || value > *at) at = value;
}
void kleinste(std::optional<double>& at, double value) {
    if (!at || value < *at) at = value;
}

class Suche {
public:
    explicit Suche(const FinderOptionen& o) : o_(o) {
        sheet_ = o.sheet;
        sheet_.fromMHz = o.fromMHz;
        sheet_.toMHz = o.toMHz;
        sheet_.stepMHz = (o.toMHz - o.fromMHz) / kSchritte;
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
        teileJeKombination_ = (groessen_ + kGroessenJeTeil - 1) / kGroessenJeTeil;
    }

    long long teile() const { return static_cast<long long>(kombinationen_.size()) * teileJeKombination_; }

    // Sizes [first, last) of one combination.
    Teil teil(long long index) const {
        const Kombination& k = kombinationen_[static_cast<std::size_t>(index / teileJeKombination_)];
        const long long first = index % teileJeKombination_ * kGroessenJeTeil;
        const long long last = std::min(groessen_, first + kGroessenJeTeil);
        Teil t;
        for (long long g = first; g < last; ++g) kandidat(k, Groesse(o_, g), t);
        return t;
    }

    long long kandidatenJeTeil(long long index) const {
        const long long first = index % teileJeKombination_ * kGroessenJeTeil;
        return std::min(groessen_, first + kGroessenJeTeil) - first;
    }

    const Kombination& kombination(long long teilIndex) const {
        return kombinationen_[static_cast<std::size_t>(teilIndex / teileJeKombination_)];
    }

private:
    SheetRow zeile(const LoopZahlen& z, std::size_t i) const {
        return tuning::BerechneZeile(z, frequenzen_[i], sheet_);
    }

    void ausschliessen(Teil& t, Ausschluss grund) const { ++t.excluded[static_cast<std::size_t>(grund)]; }

    void kandidat(const Kombination& k, double size, Teil& t) const {
        ++t.evaluated;
        LoopEingaben felder = k.felder;
        LoopZahlen z = k.zahlen;
        felder.Text1 = KurzText(size);
        if (auto u = UmfangAusDurchmesser(felder.Text1, felder.Combo1, ".")) felder.Text2 = u->text;
        z.D = FeldLesen(felder.Text1);
        z.U = FeldLesen(felder.Text2);
        const double D = z.D.wert;
        Befund& b = t.befund;

        // The band's ends first: TO, then FROM.
        const std::size_t last = frequenzen_.size() - 1;
        const SheetRow to = zeile(z, last);
        if (to.ending != Ending::Length) groesste(b.laengsterInnerhalb, k.turns * z.U.wert);
        if (!to.values) return abgelehnt(t, to, z);
        const SheetRow from = last > 0 ? zeile(z, 0) : to;
        if (!from.values) return abgelehnt(t, from, z);
        const RowValues &vTo = *to.values, &vFrom = *from.values;
        const double cMin = *sheet_.capMinPf, cMax = *sheet_.capMaxPf;
        if (vTo.C_tune_pF >= cMin)
            groesste(b.groessteUeberMinimum, D);
        else
            kleinste(b.kleinsteUnterMinimum, D);
        if (vFrom.C_tune_pF <= cMax)
            kleinste(b.kleinsteUnterMaximum, D);
        else
            groesste(b.groessteUeberMaximum, D);
        for (Flag flag : {Flag::NoCapacitorFits, Flag::SelfCapacitance, Flag::CapacitorRange}) {
            if (!hat(vTo, flag) && !hat(vFrom, flag)) continue;
            if (flag == Flag::CapacitorRange) {
                b.minimum += vTo.C_tune_pF < cMin;
                b.maximum += vFrom.C_tune_pF > cMax;
            }
            return ausschliessen(t, flag == Flag::NoCapacitorFits   ? Ausschluss::NoCapacitorFits
                                    : flag == Flag::SelfCapacitance ? Ausschluss::SelfCapacitance
                                                                    : Ausschluss::CapacitorRange);
        }

        // Every row, in order of frequency.
        Entwurf e;
        e.efficiencyWorstPercent = INFINITY;
        bool spannung = false;
        for (std::size_t i = 0; i <= last; ++i) {
            const SheetRow row = i == 0 ? from : i == last ? to : zeile(z, i);
            if (!row.values) return abgelehnt(t, row, z);
            const RowValues& v = *row.values;
            for (Flag flag : {Flag::NoCapacitorFits, Flag::SelfCapacitance, Flag::CapacitorRange})
                if (hat(v, flag))  // never, by the reasoning at the top; counted as the rows show it
                    return ausschliessen(t, flag == Flag::NoCapacitorFits   ? Ausschluss::NoCapacitorFits
                                            : flag == Flag::SelfCapacitance ? Ausschluss::SelfCapacitance
                                                                            : Ausschluss::CapacitorRange);
            spannung = spannung || hat(v, Flag::CapacitorVoltage);
            if (v.efficiency_percent < e.efficiencyWorstPercent) {
                e.efficiencyWorstPercent = v.efficiency_percent;
                e.gainWorstDbi = v.gain_dBi;
            }
            // Unset only without power, which the finder's inputs refuse.
            e.vPeakMaxV = std::max(e.vPeakMaxV, v.V_peak_V.value_or(0));
            e.iRmsMaxA = std::max(e.iRmsMaxA, v.I_rms_A.value_or(0));
            e.pCapacitorMaxW = std::max(e.pCapacitorMaxW, v.P_capacitor_W.value_or(0));
            e.rowsRrFormulaRange += hat(v, Flag::RrFormulaRange);
        }
        if (spannung) {
            kleinste(b.kleinsteSpannung, e.vPeakMaxV);
            return ausschliessen(t, Ausschluss::CapacitorVoltage);
        }
        ++t.qualified;
        e.sizeM = D;
        if (t.best && !Besser(e, *t.best)) return;
        e.form = k.form;
        e.material = k.material;
        e.conductorMm = k.conductorMm;
        e.turns = k.turns;
        e.lengthMm = z.l.wert;
        e.conductorLengthM = k.turns * z.U.wert;
        e.efficiencyFromPercent = vFrom.efficiency_percent;
        e.efficiencyToPercent = vTo.efficiency_percent;
        e.bandwidthFromKHz = vFrom.bandwidth_halfpower_kHz;
        e.bandwidthToKHz = vTo.bandwidth_halfpower_kHz;
        e.cTuneFromPf = vFrom.C_tune_pF;
        e.cTuneToPf = vTo.C_tune_pF;
        e.felder = std::move(felder);
        t.best = std::move(e);
    }

    void abgelehnt(Teil& t, const SheetRow& row, const LoopZahlen& z) const {
        if (row.ending == Ending::Length)
            ++t.befund.laenge;
        else if (row.ending == Ending::Capacitance)
            ++t.befund.kapazitaet;
        else if (!t.befund.ersteAndere)
            t.befund.ersteAndere = Befund::Abbruch{row.ending, row.fault, static_cast<int>(z.N.wert)};
        ausschliessen(t, Ausschluss::ModelRefused);
    }

    const FinderOptionen& o_;
    tuning::SheetOptions sheet_;
    std::vector<double> frequenzen_;
    long long groessen_ = 0;
    std::vector<Kombination> kombinationen_;
    long long teileJeKombination_ = 1;
};

void besser(std::optional<Entwurf>& a, std::optional<Entwurf>&& b) {
    if (b && (!a || Besser(*b, *a))) a = std::move(b);
}

// Later parts joined to earlier ones: counts add, the first refusal stays, extremes
// are kept.
void hinzu(Teil& a, const Teil& b) {
    a.evaluated += b.evaluated;
    a.qualified += b.qualified;
    for (std::size_t i = 0; i < kAusschlussAnzahl; ++i) a.excluded[i] += b.excluded[i];
    Befund& x = a.befund;
    const Befund& y = b.befund;
    x.laenge += y.laenge;
    x.kapazitaet += y.kapazitaet;
    x.minimum += y.minimum;
    x.maximum += y.maximum;
    if (!x.ersteAndere) x.ersteAndere = y.ersteAndere;
    if (y.laengsterInnerhalb) groesste(x.laengsterInnerhalb, *y.laengsterInnerhalb);
    if (y.groessteUeberMinimum) groesste(x.groessteUeberMinimum, *y.groessteUeberMinimum);
    if (y.kleinsteUnterMinimum) kleinste(x.kleinsteUnterMinimum, *y.kleinsteUnterMinimum);
    if (y.kleinsteUnterMaximum) kleinste(x.kleinsteUnterMaximum, *y.kleinsteUnterMaximum);
    if (y.groessteUeberMaximum) groesste(x.groessteUeberMaximum, *y.groessteUeberMaximum);
    if (y.kleinsteSpannung) kleinste(x.kleinsteSpannung, *y.kleinsteSpannung);
}

}  // namespace

bool Besser(const Entwurf& neu, const Entwurf& alt) {
    if (neu.efficiencyWorstPercent != alt.efficiencyWorstPercent)
        return neu.efficiencyWorstPercent > alt.efficiencyWorstPercent;
    return neu.sizeM < alt.sizeM;
}

bool RangVor(const Entwurf& a, const Entwurf& b, const std::vector<Material>& materials) {
    if (a.efficiencyWorstPercent != b.efficiencyWorstPercent)
        return a.efficiencyWorstPercent > b.efficiencyWorstPercent;
    if (a.turns != b.turns) return a.turns < b.turns;
    if (a.conductorMm != b.conductorMm) return a.conductorMm < b.conductorMm;
    if (a.form != b.form) return a.form < b.form;  // the shape list's order: the circle first
    auto platz = [&](Material m) { return std::find(materials.begin(), materials.end(), m) - materials.begin(); };
    return platz(a.material) < platz(b.material);
}

std::string KurzText(double value) {
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, r.ptr);
}

std::optional<long long> GroessenAnzahl(const FinderOptionen& o) {
    if (!(o.sizeMinM > 0)) return std::nullopt;
    // The frequencies' rule: SMAX counts when the span is a whole number of steps within rounding.
    return FrequenzAnzahl(o.sizeMinM, o.sizeMaxM, o.sizeStepM, kMaxKandidaten);
}

// Each size rounded to 1 micrometre, as the frequencies are to 1 Hz, so that 0.5 + 3 * 0.01 reads 0.53.
double Groesse(const FinderOptionen& o, long long index) { return FrequenzSchritt(o.sizeMinM, o.sizeStepM, index); }

long long KandidatenAnzahl(const FinderOptionen& o) {
    return GroessenAnzahl(o).value_or(0) *
           static_cast<long long>(o.shapes.size() * o.materials.size() * o.conductorsMm.size() * o.turns.size());
}

LoopEingaben KandidatFelder(const FinderOptionen& o, Form form, Material material, double conductorMm, int turns,
                            double sizeM) {
    LoopEingaben e;
    for (const FormEintrag& f : kFormListe)
        if (f.form == form) e.Combo1 = std::string(f.text.in(o.listenSprache));
    for (const MaterialEintrag& m : kMaterialListe)
        if (m.material == material) e.Combo2 = std::string(m.text.in(o.listenSprache));
    e.Text1 = KurzText(sizeM);
    if (auto u = UmfangAusDurchmesser(e.Text1, e.Combo1, ".")) e.Text2 = u->text;
    e.Text3 = KurzText(conductorMm);
    e.Text4 = std::to_string(turns);
    e.Text5 = o.fromText;
    e.Text6 = o.power;
    e.Text7 = o.seriesLoss;
    e.Text9 = o.parallelLoss;
    // The coil length typed first, (N - 1) s d (one turn: the conductor), then the
    // conductor and the turns, whose rules raise a length too short for them.
    e.Text8 = KurzText(turns > 1 ? (turns - 1) * o.spacing * conductorMm : conductorMm);
    if (auto r = SpulenlaengeNachLeiter(e.Text8, e.Text3, e.Text4, "."); r && r->text8) e.Text8 = *r->text8;
    if (auto r = SpulenlaengeNachWindungen(e.Text8, e.Text3, e.Text4, "."); r && r->text8) e.Text8 = *r->text8;
    return e;
}

Ergebnis Suchen(const FinderOptionen& o, const Steuerung& s) {
    Ergebnis out;
    if (KandidatenAnzahl(o) == 0 || !o.sheet.capMinPf || !o.sheet.capMaxPf) return out;
    const Suche suche(o);
    const long long teile = suche.teile();
    std::vector<Teil> ergebnisse(static_cast<std::size_t>(teile));

    // Each thread takes the next part until none is left; the parts are joined in
    // their order afterwards, so the result is that of one thread.
    std::atomic<long long> naechster{0};
    std::atomic<bool> abgebrochen{false};
    auto arbeiten = [&] {
        for (long long i; (i = naechster.fetch_add(1)) < teile;) {
            if (s.stop.stop_requested()) {
                abgebrochen = true;
                return;
            }
            ergebnisse[static_cast<std::size_t>(i)] = suche.teil(i);
            if (s.erledigt) s.erledigt->fetch_add(suche.kandidatenJeTeil(i));
        }
    };
    const unsigned cores = s.threads ? s.threads : std::max(1u, std::thread::hardware_concurrency());
    {
        std::vector<std::jthread> helfer;
        for (unsigned i = 1; i < cores && i < teile; ++i) helfer.emplace_back(arbeiten);
        arbeiten();
    }
    out.abgebrochen = abgebrochen;
    if (out.abgebrochen) return out;

    // Joined in order: the counts of all, the best design of each combination.
    Teil alle;
    std::optional<Entwurf> best;
    for (long long i = 0; i < teile; ++i) {
        Teil& t = ergebnisse[static_cast<std::size_t>(i)];
        hinzu(alle, t);
        besser(best, std::move(t.best));
        const bool letzter = i + 1 == teile || &suche.kombination(i + 1) != &suche.kombination(i);
        if (letzter && best) out.designs.push_back(std::move(*best));
        if (letzter) best.reset();
    }
    out.evaluated = alle.evaluated;
    out.qualified = alle.qualified;
    out.excluded = alle.excluded;
    out.befund = alle.befund;

    std::stable_sort(out.designs.begin(), out.designs.end(),
                     [&](const Entwurf& a, const Entwurf& b) { return RangVor(a, b, o.materials); });
    for (std::size_t i = 0; i < out.designs.size(); ++i) out.designs[i].rank = static_cast<int>(i + 1);
    return out;
}

}  // namespace ringfeld::finder
