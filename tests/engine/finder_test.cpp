// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The loop finder against the tuning-range sheet it is built on: a candidate's
// fields as worked by hand, a small search whose every candidate is computed as a
// whole sheet here, the searches where nothing qualifies with their sentence, the
// ranking's ties, and the thread count.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/tuning_sheet.h"
#include "export/finder_export.h"
#include "finder/finder_inputs.h"
#include "finder/finder_message.h"

using namespace ringfeld;
using namespace ringfeld::finder;

namespace {

// The start values with some fields as given, read as the window reads them.
FinderOptionen optionen(std::initializer_list<std::pair<Feld, const char*>> felder) {
    FeldTexte t = FinderVorgaben();
    for (const auto& [f, text] : felder) t[at(f)] = text;
    const FinderGelesen g = LiesFinder(t, Language::English);
    if (!g.options) ADD_FAILURE() << "inputs refused";
    return g.options.value_or(FinderOptionen{});
}

// The sheet of a candidate at the band's 51 frequencies, computed as the tuning window would.
tuning::Sheet blatt(const FinderOptionen& o, double size, Form form = Form::Kreis, double conductor = 20,
                    int turns = 1) {
    tuning::SheetOptions s = o.sheet;
    s.fromMHz = o.fromMHz;
    s.toMHz = o.toMHz;
    s.stepMHz = (o.toMHz - o.fromMHz) / 50;
    return tuning::BerechneAbstimmbereich(LoopLesen(KandidatFelder(o, form, Material::Cu, conductor, turns, size)), s);
}

}  // namespace

TEST(Finder, CandidateFieldsAsTheMainWindowWritesThem) {
    // A 1 m circle: U = pi m, written "##0.0##": 3.142. Three turns of 0.8 mm at spacing 1:
    // (3 - 1) * 1 * 0.8 = 1.6 mm, below (3 - 1) * 0.8 + 1 = 2.6 mm, raised to 2.6 ("#0.0#").
    const LoopEingaben e = KandidatFelder(optionen({{Feld::Spacing, "1"}}), Form::Kreis, Material::Cu, 0.8, 3, 1.0);
    EXPECT_EQ(e.Text1, "1");
    EXPECT_EQ(e.Text2, "3.142");
    EXPECT_EQ(e.Text3, "0.8");
    EXPECT_EQ(e.Text4, "3");
    EXPECT_EQ(e.Text8, "2.6");
    // The fourth size of 0.5 m in 0.01 m steps is 0.53 m, a square's U four sides: 2.12 m;
    // two turns of 22 mm at the spacing 2: 44 mm; the frequency is FROM.
    const FinderOptionen o = optionen({});
    const LoopEingaben q = KandidatFelder(o, Form::Quadrat, Material::Al, 22, 2, Groesse(o, 3));
    EXPECT_EQ(q.Text1, "0.53");
    EXPECT_EQ(q.Text2, "2.12");
    EXPECT_EQ(q.Text8, "44");
    EXPECT_EQ(q.Text5, "7");
    // One turn: typing the turns writes the conductor's diameter into the coil length, "#0.0#".
    EXPECT_EQ(KandidatFelder(o, Form::Kreis, Material::Cu, 22, 1, 1.0).Text8, "22.0");
}

TEST(Finder, BestDesignIsTheBestOfTheSheets) {
    // 7.0-7.2 MHz, a 10-250 pF capacitor of Q 1000, 5 pF stray: 0.8 m needs more than
    // 250 pF at 7 MHz; the larger loops qualify.
    const FinderOptionen o = optionen({{Feld::To, "7.2"},
                                       {Feld::CapQ, "1000"},
                                       {Feld::Stray, "5"},
                                       {Feld::SizeMin, "0.8"},
                                       {Feld::SizeMax, "1.2"},
                                       {Feld::SizeStep, "0.1"},
                                       {Feld::Shapes, "circle"},
                                       {Feld::Materials, "Cu"},
                                       {Feld::Conductors, "22"},
                                       {Feld::Turns, "1"}});
    const Ergebnis r = Suchen(o);
    int qualified = 0;
    double bestWorst = -1, bestGain = 0;
    tuning::Sheet best;
    for (double size : {0.8, 0.9, 1.0, 1.1, 1.2}) {
        const tuning::Sheet s = blatt(o, size, Form::Kreis, 22);
        ASSERT_EQ(s.rows.size(), 51u);
        bool ok = true;
        double worst = std::numeric_limits<double>::infinity(), gain = 0;
        for (const tuning::SheetRow& row : s.rows) {
            ok = ok && row.values;
            if (!row.values) continue;
            for (tuning::Flag f : row.values->flags)
                ok = ok && (f == tuning::Flag::RrFormulaRange || f == tuning::Flag::ProximityClamped);
            if (row.values->efficiency_percent < worst)
                worst = row.values->efficiency_percent, gain = row.values->gain_dBi;
        }
        if (ok) ++qualified;
        if (ok && worst > bestWorst) bestWorst = worst, bestGain = gain, best = s;
    }
    EXPECT_EQ(r.evaluated, 5);
    EXPECT_EQ(r.qualified, qualified);
    ASSERT_EQ(r.designs.size(), 1u);
    const Entwurf& d = r.designs[0];
    const tuning::RowValues &from = *best.rows.front().values, &to = *best.rows.back().values;
    EXPECT_EQ(d.sizeM, best.loop.D.wert);
    EXPECT_EQ(d.conductorLengthM, best.loop.U.wert);
    EXPECT_EQ(d.efficiencyFromPercent, from.efficiency_percent);
    EXPECT_EQ(d.efficiencyToPercent, to.efficiency_percent);
    EXPECT_EQ(d.efficiencyWorstPercent, bestWorst);
    EXPECT_EQ(d.gainWorstDbi, bestGain);
    EXPECT_EQ(d.bandwidthFromKHz, from.bandwidth_halfpower_kHz);
    EXPECT_EQ(d.bandwidthToKHz, to.bandwidth_halfpower_kHz);
    EXPECT_EQ(d.cTuneFromPf, from.C_tune_pF);
    EXPECT_EQ(d.cTuneToPf, to.C_tune_pF);
    EXPECT_EQ(d.vPeakMaxV, *best.summary.V_peak_max_V);
    EXPECT_EQ(d.iRmsMaxA, *best.summary.I_rms_max_A);
    EXPECT_EQ(d.pCapacitorMaxW, *best.summary.P_capacitor_max_W);
    EXPECT_GT(d.pCapacitorMaxW, 0);
}

TEST(Finder, NothingQualifiesSaysWhy) {
    struct Fall {
        const char* name;
        FinderOptionen o;
        Ausschluss grund;
        const char* satz;  // part of the sentence
    };
    // One loop of 20 mm copper tube, a circle, with these turns and the fields given.
    auto mit = [](std::initializer_list<std::pair<Feld, const char*>> felder, const char* turns) {
        FeldTexte t = FinderVorgaben();
        t[at(Feld::Shapes)] = "circle", t[at(Feld::Materials)] = "Cu", t[at(Feld::Conductors)] = "20";
        t[at(Feld::Turns)] = turns;
        for (const auto& [k, text] : felder) t[at(k)] = text;
        return LiesFinder(t, Language::English).options.value_or(FinderOptionen{});
    };
    const Fall faelle[] = {
        {"3 turns of 3 m at 10 m",
         mit({{Feld::From, "28"},
              {Feld::To, "29.7"},
              {Feld::SizeMin, "3"},
              {Feld::SizeMax, "3.2"},
              {Feld::SizeStep, "0.1"}},
             "3"),
         Ausschluss::ModelRefused,
         "the conductor N·U is longer than 0.41 λ at 29.7 MHz for every loop of the search, the calculation refuses "
         "(3 candidates)"},
        {"500 pF stray",
         mit({{Feld::From, "14"},
              {Feld::Stray, "500"},
              {Feld::SizeMin, "1"},
              {Feld::SizeMax, "1.2"},
              {Feld::SizeStep, "0.1"}},
             "1"),
         Ausschluss::NoCapacitorFits, "exceed the capacitance needed at 14.35 MHz (3 candidates)"},
        {"2 turns at 20 m",
         mit({{Feld::From, "14"}, {Feld::SizeMin, "0.6"}, {Feld::SizeMax, "0.7"}, {Feld::SizeStep, "0.1"}}, "2"),
         Ausschluss::SelfCapacitance, "the self-capacitance is at least C tune at 14.35 MHz (2 candidates)"},
        {"a 10-20 pF capacitor",
         mit({{Feld::To, "7.2"},
              {Feld::CapMax, "20"},
              {Feld::SizeMin, "1"},
              {Feld::SizeMax, "1.2"},
              {Feld::SizeStep, "0.1"}},
             "1"),
         Ausschluss::CapacitorRange,
         "the capacitor's maximum 20 pF is below C tune at 7 MHz for every loop of the search (3 candidates)"},
        {"a 40-60 pF capacitor",
         mit({{Feld::CapMin, "40"}, {Feld::CapMax, "60"}, {Feld::SizeMin, "1"}, {Feld::SizeStep, "0.1"}}, "1"),
         Ausschluss::CapacitorRange,
         "the capacitor's minimum 40 pF is above C tune at 14.35 MHz for every loop larger than 1.1 m (9 candidates)"},
        {"a 100 V rating",
         mit({{Feld::To, "7.2"},
              {Feld::CapVPeak, "100"},
              {Feld::SizeMin, "1"},
              {Feld::SizeMax, "1.2"},
              {Feld::SizeStep, "0.1"}},
             "1"),
         Ausschluss::CapacitorVoltage, "the peak voltage exceeds the rating 100 V, the lowest being "},
        {"a 1 V rating",
         mit({{Feld::To, "7.2"},
              {Feld::CapVPeak, "1"},
              {Feld::SizeMin, "1"},
              {Feld::SizeMax, "1.1"},
              {Feld::SizeStep, "0.1"}},
             "1"),
         Ausschluss::CapacitorVoltage, "the peak voltage exceeds the rating 1 V, the lowest being "},
        {"a conductor of 0.1 µm",
         mit({{Feld::Conductors, "0.0001"}, {Feld::SizeMin, "1"}, {Feld::SizeMax, "1.1"}, {Feld::SizeStep, "0.1"}},
             "1"),
         Ausschluss::ModelRefused, "the calculation refuses (2 candidates): Value unreal! or incomplete input!"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Ergebnis r = Suchen(f.o);
        EXPECT_EQ(r.qualified, 0);
        EXPECT_EQ(r.excluded[static_cast<std::size_t>(f.grund)], r.evaluated);
        const std::string satz = Begruendung(r, f.o, Language::English, ".");
        EXPECT_NE(satz.find(f.satz), std::string::npos) << satz;
        EXPECT_TRUE((satz.ends_with('.') || satz.ends_with('!')) && !satz.ends_with("!.")) << satz;  // one closing mark
        if (f.grund == Ausschluss::CapacitorVoltage) {
            // The power named keeps the lowest peak voltage V at the rating: P (rating / V)^2 of
            // the 100 W, rounded down to its first significant digit at the latest.
            const double rating = std::stod(satz.substr(satz.find("rating ") + 7));
            const double lowest = std::stod(satz.substr(satz.find("lowest being ") + 13));
            const double keeps = std::stod(satz.substr(satz.find("at most ") + 8));
            const double exact = 100 * (rating / lowest) * (rating / lowest);
            EXPECT_GT(keeps, 0) << satz;
            EXPECT_LE(keeps, exact) << satz;
            EXPECT_GT(keeps, exact / 10) << satz;
        }
    }
    // "Larger than 1.1 m": the sheet's C tune at 14.35 MHz reaches 40 pF at 1.1 m, not at 1.2 m.
    const FinderOptionen o = faelle[4].o;
    EXPECT_GE(blatt(o, 1.1).rows.back().values->C_tune_pF, 40);
    EXPECT_LT(blatt(o, 1.2).rows.back().values->C_tune_pF, 40);
}

TEST(Finder, RankingAndTies) {
    auto entwurf = [](double worst, int turns, double conductor, Form form, Material m, double size) {
        Entwurf e;
        e.efficiencyWorstPercent = worst, e.turns = turns, e.conductorMm = conductor;
        e.form = form, e.material = m, e.sizeM = size;
        return e;
    };
    using F = Form;
    using M = Material;
    const std::vector<Material> order{M::Al, M::Cu};  // as given, not the list's order
    struct Paar {
        const char* name;
        Entwurf vor, nach;
    } paare[] = {
        {"efficiency before turns", entwurf(10, 3, 35, F::Quadrat, M::Cu, 2), entwurf(9, 1, 6, F::Kreis, M::Al, 1)},
        {"fewer turns", entwurf(10, 1, 35, F::Quadrat, M::Cu, 2), entwurf(10, 2, 6, F::Kreis, M::Al, 1)},
        {"thinner conductor", entwurf(10, 2, 6, F::Quadrat, M::Cu, 2), entwurf(10, 2, 8, F::Kreis, M::Al, 1)},
        {"circle before square", entwurf(10, 2, 8, F::Kreis, M::Cu, 2), entwurf(10, 2, 8, F::Quadrat, M::Al, 1)},
        {"material as given", entwurf(10, 2, 8, F::Kreis, M::Al, 2), entwurf(10, 2, 8, F::Kreis, M::Cu, 1)},
    };
    for (const Paar& p : paare) {
        SCOPED_TRACE(p.name);
        EXPECT_TRUE(RangVor(p.vor, p.nach, order));
        EXPECT_FALSE(RangVor(p.nach, p.vor, order));
    }
    // Within a combination: the higher worst efficiency, of equal ones the smaller size.
    EXPECT_TRUE(Besser(entwurf(10, 1, 8, F::Kreis, M::Cu, 2), entwurf(9, 1, 8, F::Kreis, M::Cu, 1)));
    EXPECT_TRUE(Besser(entwurf(10, 1, 8, F::Kreis, M::Cu, 1), entwurf(10, 1, 8, F::Kreis, M::Cu, 2)));
    EXPECT_FALSE(Besser(entwurf(10, 1, 8, F::Kreis, M::Cu, 2), entwurf(10, 1, 8, F::Kreis, M::Cu, 1)));
}

TEST(Finder, ResultDoesNotDependOnTheThreads) {
    const FinderOptionen o = optionen({{Feld::SizeStep, "0.05"}, {Feld::CapVPeak, "7000"}});
    const FeldTexte t = FinderVorgaben();
    std::string erster;
    for (unsigned threads : {1u, 2u, 3u}) {
        Steuerung s;
        s.threads = threads;
        const Ergebnis r = Suchen(o, s);
        const std::string json = FinderJson({t, o, r, Language::English, std::nullopt});
        if (erster.empty()) erster = json;
        EXPECT_EQ(json, erster) << threads << " threads";
    }
}

// A count takes the singular for one, in French for zero too, else the plural; the
// summary line puts each count with its own form (0, 1, 2, 5 in every language).
TEST(Counts, SingularAndPluralPerLanguage) {
    const struct {
        Language lang;
        long long n;
        const char* summary;
    } cases[] = {
        {Language::German, 0, "0 Kandidaten, 0 erfüllen die Bedingungen, 0 Entwürfe (je Kombination der beste)"},
        {Language::German, 1, "1 Kandidat, 1 erfüllt die Bedingungen, 1 Entwurf (je Kombination der beste)"},
        {Language::German, 2, "2 Kandidaten, 2 erfüllen die Bedingungen, 2 Entwürfe (je Kombination der beste)"},
        {Language::German, 5, "5 Kandidaten, 5 erfüllen die Bedingungen, 5 Entwürfe (je Kombination der beste)"},
        {Language::French, 0, "0 candidat, 0 convient, 0 modèle (le meilleur de chaque combinaison)"},
        {Language::French, 1, "1 candidat, 1 convient, 1 modèle (le meilleur de chaque combinaison)"},
        {Language::French, 2, "2 candidats, 2 conviennent, 2 modèles (le meilleur de chaque combinaison)"},
        {Language::French, 5, "5 candidats, 5 conviennent, 5 modèles (le meilleur de chaque combinaison)"},
        {Language::English, 0, "0 candidates, 0 qualify, 0 designs (the best of each combination)"},
        {Language::English, 1, "1 candidate, 1 qualifies, 1 design (the best of each combination)"},
        {Language::English, 2, "2 candidates, 2 qualify, 2 designs (the best of each combination)"},
        {Language::English, 5, "5 candidates, 5 qualify, 5 designs (the best of each combination)"},
    };
    for (const auto& c : cases) {
        Ergebnis e;
        e.evaluated = e.qualified = c.n;
        e.designs.resize(static_cast<std::size_t>(c.n));
        EXPECT_EQ(Zaehlung(e, c.lang), c.summary);
    }
}
