// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The loop finder's search: the candidates' fields, the ranking, and the two ways
// through the search space (finder/size_bisection.cpp, finder/exhaustive_scan.cpp)
// joined into designs.

#include "finder/finder_search.h"

#include "candidate.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/frequency_steps.h"
#include "text/input_rules.h"
#include "text/list_texts.h"

namespace ringfeld::finder {

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
    if (a.form != b.form) return a.form == Form::Kreis;
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

namespace {

// The parts joined in order: the counts of all, the best design of each combination,
// ranked; the search's edge marked; the reasons and proposals where nothing qualifies.
Ergebnis zusammen(const detail::Rechner& r, detail::Teile&& teile) {
    const FinderOptionen& o = r.options();
    Ergebnis out;
    detail::Teil alle;
    std::vector<std::optional<Entwurf>> best(r.kombinationen().size());
    for (std::size_t i = 0; i < teile.teile.size(); ++i) {
        detail::Teil& t = teile.teile[i];
        std::optional<Entwurf>& b = best[teile.kombination[i]];
        if (t.best && (!b || Besser(*t.best, *b))) b = std::move(t.best);
        detail::Hinzu(alle, std::move(t));
    }
    for (std::optional<Entwurf>& b : best)
        if (b) out.designs.push_back(std::move(*b));
    out.evaluated = alle.evaluated;
    out.qualified = alle.qualified;
    out.excluded = alle.excluded;
    out.unterMarge = alle.unterMarge;
    if (out.qualified == 0) {
        out.befund = std::move(alle.befund);
        out.vorschlaege = detail::Vorschlaege(out.befund, o);
    }

    std::stable_sort(out.designs.begin(), out.designs.end(),
                     [&](const Entwurf& a, const Entwurf& b) { return RangVor(a, b, o.materials); });
    const long long groessen = r.groessen();
    const double kleinste = Groesse(o, 0), groesste = Groesse(o, groessen - 1);
    for (std::size_t i = 0; i < out.designs.size(); ++i) {
        Entwurf& d = out.designs[i];
        d.rank = static_cast<int>(i + 1);
        if (groessen > 1) d.searchEdge = d.sizeM == groesste ? 1 : d.sizeM == kleinste ? -1 : 0;
    }
    return out;
}

bool suchbar(const FinderOptionen& o) { return KandidatenAnzahl(o) > 0 && o.sheet.capMinPf && o.sheet.capMaxPf; }

Ergebnis abgebrochen() {
    Ergebnis out;
    out.abgebrochen = true;
    return out;
}

}  // namespace

Ergebnis SuchenVollstaendig(const FinderOptionen& o, const Steuerung& s) {
    if (!suchbar(o)) return {};
    const detail::Rechner r(o);
    detail::Teile teile = detail::Vollstaendig(r, s);
    return teile.teile.empty() ? abgebrochen() : zusammen(r, std::move(teile));
}

Ergebnis Suchen(const FinderOptionen& o, const Steuerung& s) {
    if (!suchbar(o)) return {};
    const detail::Rechner r(o);
    detail::Teile teile = detail::Halbierend(r, s);
    if (teile.teile.empty()) return abgebrochen();
    Ergebnis out = zusammen(r, std::move(teile));
    if (out.qualified > 0) return out;
    // Nothing qualifies: every candidate again, for the reasons and what would help.
    if (s.erledigt) s.erledigt->store(0);
    teile = detail::Vollstaendig(r, s);
    return teile.teile.empty() ? abgebrochen() : zusammen(r, std::move(teile));
}

}  // namespace ringfeld::finder
