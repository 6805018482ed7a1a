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
#include "finder/finder_columns.h"
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
         mit({{Feld::CapMin, "40"},
              {Feld::CapMax, "60"},
              {Feld::SizeMin, "1"},
              {Feld::SizeStep, "0.1"},
              {Feld::MaxWavelengths, "0.5"}},
             "1"),
         Ausschluss::CapacitorRange,
         "the capacitor's minimum 40 pF is above C tune at 14.35 MHz for every loop larger than 1.1 m (9 candidates)"},
        {"a 100 V rating",
         mit({{Feld::To, "7.2"},
              {Feld::CapVPeak, "100"},
              {Feld::SizeMin, "1"},
              {Feld::SizeMax, "1.2"},
              {Feld::SizeStep, "0.1"}},
             "1"),
         Ausschluss::CapacitorVoltage, "the peak voltage exceeds 67 V, the rating 100 V divided by the margin 1.5, "},
        {"a 1 V rating",
         mit({{Feld::To, "7.2"},
              {Feld::CapVPeak, "1"},
              {Feld::SizeMin, "1"},
              {Feld::SizeMax, "1.1"},
              {Feld::SizeStep, "0.1"}},
             "1"),
         Ausschluss::CapacitorVoltage, "the peak voltage exceeds 1 V, the rating 1 V divided by the margin 1.5, "},
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
            // The power named keeps the lowest peak voltage V at the rating / margin G: P (G / V)^2
            // of the 100 W, rounded down to its first significant digit at the latest.
            const double rating = std::stod(satz.substr(satz.find("the rating ") + 11)) / 1.5;
            const double lowest = std::stod(satz.substr(satz.find("lowest being ") + 13));
            const double keeps = std::stod(satz.substr(satz.rfind("at most ") + 8));
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

// The loop of the hand-worked examples below: a circle of 22 mm copper, one turn, at the
// finder's start power (100 W) and losses (Rs 0.05 Ohm, Rp 10 MOhm), a 10-250 pF capacitor,
// worked by hand from the formulas the model cites (ring inductance, Rr = 31171 N^2 A^2 /
// lambda^4, skin loss with sigma 57.1428 MS/m; V = sqrt(2 P / R) X): at 7.1 MHz a 1 m circle
// has L 2.448026 uH, R 0.0890641 Ohm, X 109.20795 Ohm, V peak 5175.091 V, efficiency 6.772927 %;
// the 0.9 m and 1.1 m circles 4679.6 V and 5635.8 V. At 14.35 MHz N U / lambda is 0.135225,
// 0.150292 and 0.165312 for 0.9, 1 and 1.1 m (U = 2.827, 3.142, 3.456 m).
FinderOptionen kupferkreis(const std::vector<std::pair<Feld, const char*>>& felder) {
    FeldTexte t = FinderVorgaben();
    t[at(Feld::From)] = "7.1", t[at(Feld::To)] = "7.1", t[at(Feld::SizeMin)] = "1", t[at(Feld::SizeMax)] = "1";
    t[at(Feld::Shapes)] = "circle", t[at(Feld::Materials)] = "Cu", t[at(Feld::Conductors)] = "22";
    t[at(Feld::Turns)] = "1", t[at(Feld::SizeStep)] = "0.1";
    for (const auto& [f, text] : felder) t[at(f)] = text;
    const FinderGelesen g = LiesFinder(t, Language::English);
    if (!g.options) ADD_FAILURE() << "inputs refused";
    return g.options.value_or(FinderOptionen{});
}

TEST(Finder, MarginAndSmallLoopExclude) {
    using F = Feld;
    const char* drei[] = {"0.9", "1.1"};  // sizes 0.9, 1 and 1.1 m
    struct Fall {
        const char* name;
        FinderOptionen o;
        long long qualified, notSmall, voltage, unterMarge;
        double headroom;  // of the best design; 0: none, -1: not a number
    } faelle[] = {
        {"5175 V against 7000 V / 1.5", kupferkreis({{F::CapVPeak, "7000"}}), 0, 0, 1, 1, 0},
        {"5175 V against 7000 V / 1.3", kupferkreis({{F::CapVPeak, "7000"}, {F::CapMargin, "1.3"}}), 1, 0, 0, 0,
         7000 / 5175.091},
        {"5175 V against 5000 V / 1", kupferkreis({{F::CapVPeak, "5000"}, {F::CapMargin, "1"}}), 0, 0, 1, 0, 0},
        {"no rating", kupferkreis({}), 1, 0, 0, 0, -1},
        {"three sizes against 7000 V / 1.3: 1.1 m keeps the rating only",
         kupferkreis({{F::SizeMin, drei[0]}, {F::SizeMax, drei[1]}, {F::CapVPeak, "7000"}, {F::CapMargin, "1.3"}}), 2,
         0, 1, 1, 7000 / 5175.091},
        {"N U / lambda 0.1353, 0.1503, 0.1653 against 0.15",
         kupferkreis({{F::From, "14"},
                      {F::To, "14.35"},
                      {F::SizeMin, drei[0]},
                      {F::SizeMax, drei[1]},
                      {F::MaxWavelengths, "0.15"}}),
         1, 2, 0, 0, -1},
        {"the same against 0.151",
         kupferkreis({{F::From, "14"},
                      {F::To, "14.35"},
                      {F::SizeMin, drei[0]},
                      {F::SizeMax, drei[1]},
                      {F::MaxWavelengths, "0.151"}}),
         2, 1, 0, 0, -1},
        {"1.8 m, U 5.655 m: 0.2705 against 0.25",
         kupferkreis({{F::From, "14"}, {F::To, "14.35"}, {F::SizeMin, "1.8"}, {F::SizeMax, "1.8"}}), 0, 1, 0, 0, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Ergebnis r = Suchen(f.o);
        EXPECT_EQ(r.qualified, f.qualified);
        EXPECT_EQ(r.excluded[at(Ausschluss::NotSmall)], f.notSmall);
        EXPECT_EQ(r.excluded[at(Ausschluss::CapacitorVoltage)], f.voltage);
        EXPECT_EQ(r.unterMarge, f.unterMarge);
        ASSERT_EQ(r.designs.empty(), f.headroom == 0);
        if (f.headroom > 0) {
            EXPECT_NEAR(r.designs[0].headroom, f.headroom, 1e-6);
        }
        if (f.headroom < 0) {
            EXPECT_TRUE(std::isnan(r.designs[0].headroom));
        }
        // Each exclusion is explained: the margin's beside the designs, the limit's when none is left.
        if (f.unterMarge > 0 && f.qualified > 0) {
            EXPECT_EQ(Margenhinweis(r, f.o, Language::English, "."),
                      "Capacitor voltage: 1 of them within the rating of 7000 V but above 5385 V (the rating "
                      "divided by the margin 1.3).");
        }
        // Beside designs, the candidates beyond the limit are counted in a note of their own.
        if (f.qualified > 0) {
            const std::vector<std::string> notes = Hinweise(r, f.o, Language::English, ".");
            const std::string count = f.notSmall == 1 ? "1 candidate" : std::to_string(f.notSmall) + " candidates";
            const std::string note = "Not a small loop: " + count + " left out for a conductor N·U above " +
                                     KurzText(f.o.maxWavelengths) +
                                     " λ at 14.35 MHz, where the small-loop formulas no longer hold.";
            EXPECT_EQ(std::count(notes.begin(), notes.end(), note), f.notSmall > 0 ? 1 : 0);
            const std::string marge = Margenhinweis(r, f.o, Language::English, ".");
            EXPECT_EQ(std::count(notes.begin(), notes.end(), marge), f.unterMarge > 0 ? 1 : 0);
        }
        if (f.notSmall > 0 && f.qualified == 0) {
            EXPECT_NE(Begruendung(r, f.o, Language::English, ".").find("longer than 0.25 λ at 14.35 MHz"),
                      std::string::npos);
        }
    }
}

TEST(Finder, SearchEdgeIsMarked) {
    using F = Feld;
    // 7-7.2 MHz, 0.9, 1 and 1.1 m: C tune at 7 MHz 238.6, 208.4, 184.3 pF, at 7.2 MHz 225.4,
    // 196.8, 174.1 pF; the efficiency grows with the size.
    auto band = [](std::vector<std::pair<Feld, const char*>> mehr) {
        mehr.insert(mehr.begin(), {{F::From, "7"}, {F::To, "7.2"}, {F::SizeMin, "0.9"}, {F::SizeMax, "1.1"}});
        return kupferkreis(mehr);
    };
    struct Fall {
        const char* name;
        FinderOptionen o;
        int edge;
        const char* hinweis;
    } faelle[] = {
        {"all three fit: 1.1 m, the largest", band({}), 1,
         "1 design is at the search's largest size (1.1 m): a search with larger loops may find a better one."},
        {"200-250 pF: only 0.9 m, the smallest", band({{F::CapMin, "200"}}), -1,
         "1 design is at the search's smallest size (0.9 m): a search with smaller loops may find a better one."},
        {"180-220 pF: only 1 m, inside", band({{F::CapMin, "180"}, {F::CapMax, "220"}}), 0, ""},
        {"one size: no edge", band({{F::SizeMin, "1"}, {F::SizeMax, "1"}}), 0, ""},
        {"two conductors at the largest", band({{F::Conductors, "22, 28"}}), 1,
         "2 designs are at the search's largest size (1.1 m): a search with larger loops may find a better one."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Ergebnis r = Suchen(f.o);
        ASSERT_FALSE(r.designs.empty());
        for (const Entwurf& d : r.designs) EXPECT_EQ(d.searchEdge, f.edge);
        EXPECT_EQ(Randhinweis(r, f.o, Language::English, "."), f.hinweis);
    }
}

TEST(Finder, NothingQualifiesProposesWhatHelps) {
    using F = Feld;
    using A = VorschlagArt;
    struct Erwartet {
        A art;
        double wert;  // rating (V), power (W) or FROM of the part (MHz)
        double bis;   // TO of the part (MHz)
        double eta;   // %
        double size, conductor;
        bool unterZehntel;
    };
    struct Fall {
        const char* name;
        FinderOptionen o;
        std::vector<Erwartet> vorschlaege;
        const char* satz;  // part of the sentence
    } faelle[] = {
        // 5175.091 V at 100 W against 4000 V / 1.5: a rating of 1.5 x 5175.091 V; or
        // 100 W (2666.67 / 5175.091)^2 = 26.552 W.
        {"one loop, its voltage too high",
         kupferkreis({{F::CapVPeak, "4000"}}),
         {{A::Festigkeit, 7762.637, 0, 6.772927, 1, 22, false}, {A::Leistung, 26.55226, 0, 6.772927, 1, 22, false}},
         "The only candidate does not qualify. What would help: a capacitor rated at least 7763 V (loop: circle 1 m, "
         "22 mm Cu, 1 turn; η 6.77 %); or at most 26.5 W (the same loop; η 6.77 %). Why: "},
        // 7-14 MHz with a 60-250 pF capacitor: C tune = 25330.2 / (f^2 2.448026) - 2.7838 pF
        // reaches 60 pF at 12.8377 MHz, so the rows 7 ... 12.74 MHz (7 + 41 x 0.14) qualify;
        // the worst efficiency over them is the lowest frequency's, 6.442094 %.
        {"the capacitor's minimum cuts the band",
         kupferkreis({{F::From, "7"}, {F::To, "14"}, {F::CapMin, "60"}}),
         {{A::Teilband, 7, 12.74, 6.442094, 1, 22, false}},
         "What would help: only part of the band: 7 to 12.74 MHz (loop: circle 1 m, 22 mm Cu, 1 turn; η 6.44 %)."},
        // Copper and iron of 1 and 22 mm against 1500 V / 1: copper 22 mm is the most
        // efficient (5175.091 V, 6.772927 %), iron 1 mm (sigma 8.3 MS/m: 2010.538 V,
        // 0.3178568 %) the lowest voltage, below a tenth of the best; it keeps the rating
        // up to 100 W (1500 / 2010.538)^2 = 55.66 W, the copper loop up to 8.4013 W.
        {"a lossy loop of low voltage",
         kupferkreis({{F::CapVPeak, "1500"}, {F::CapMargin, "1"}, {F::Materials, "Cu, Fe"}, {F::Conductors, "1, 22"}}),
         {{A::Festigkeit, 5175.091, 0, 6.772927, 1, 22, false}, {A::Leistung, 8.401301, 0, 6.772927, 1, 22, false}},
         "the lowest being 2011 V (4 candidates): a capacitor with a higher rating or at most 55.6 W (with a loop "
         "of only 0.3179 % efficiency, less than a tenth of the best, 6.77 %)."},
        // 7-8 MHz, 95-250 pF, 7800 V / 1.5 = 5200 V, copper of 0.5 and 22 mm: the 22 mm loop
        // fits the capacitor (C tune 208.4 to 158.9 pF) but reaches 5644.96 V at 8 MHz, so it
        // needs 8467.44 V, or 100 W (5200 / 5644.96)^2 = 84.856 W, and keeps 5200 V up to
        // 7.14 MHz (5197.2 V; 5208.3 V at 7.16 MHz), at 6.442094 %. The 0.5 mm loop (L 4.8257
        // uH, 0.3927 %, below a tenth) covers a wider part, up to 7.32 MHz (C tune 95.18 pF),
        // and is not proposed.
        {"a wider part only with a loop below a tenth",
         kupferkreis(
             {{F::From, "7"}, {F::To, "8"}, {F::CapMin, "95"}, {F::CapVPeak, "7800"}, {F::Conductors, "0.5, 22"}}),
         {{A::Festigkeit, 8467.439, 0, 6.442094, 1, 22, false},
          {A::Leistung, 84.85649, 0, 6.442094, 1, 22, false},
          {A::Teilband, 7, 7.14, 6.442094, 1, 22, false}},
         "or only part of the band: 7 to 7.14 MHz (the same loop; η 6.44 %)."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Ergebnis r = Suchen(f.o);
        EXPECT_EQ(r.qualified, 0);
        ASSERT_EQ(r.vorschlaege.size(), f.vorschlaege.size());
        for (std::size_t i = 0; i < f.vorschlaege.size(); ++i) {
            const Vorschlag& v = r.vorschlaege[i];
            const Erwartet& e = f.vorschlaege[i];
            EXPECT_EQ(v.art, e.art);
            const double wert = e.art == A::Festigkeit ? v.ratingV : e.art == A::Leistung ? v.powerW : v.fromMHz;
            EXPECT_NEAR(wert, e.wert, 1e-6 * e.wert);
            if (e.art == A::Teilband) {
                EXPECT_NEAR(v.toMHz, e.bis, 1e-9);
            }
            EXPECT_NEAR(v.loop.efficiencyWorstPercent, e.eta, 1e-6);
            EXPECT_EQ(v.loop.sizeM, e.size);
            EXPECT_EQ(v.loop.conductorMm, e.conductor);
            EXPECT_EQ(v.unterZehntel, e.unterZehntel);
        }
        const std::string satz = Begruendung(r, f.o, Language::English, ".");
        EXPECT_NE(satz.find(f.satz), std::string::npos) << satz;
        // The JSON lists them in the same order, by kind.
        const std::string json = FinderJson({FinderVorgaben(), f.o, r, Language::English, std::nullopt});
        std::size_t at = json.find("\"proposals\":[");
        for (const Erwartet& e : f.vorschlaege) {
            const char* kind = e.art == A::Festigkeit ? "rating" : e.art == A::Leistung ? "power" : "part_of_band";
            at = json.find(std::string("{\"kind\":\"") + kind + "\"", at);
            ASSERT_NE(at, std::string::npos) << kind;
        }
    }
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

TEST(Finder, HalvingFindsWhatTheExhaustiveScanFinds) {
    // Bands, capacitors and ratings across the conditions; sizes across the inductance
    // formula's change for one turn (D = 10.87 d: 0.24 m for 22 mm, 0.38 m for 35 mm).
    const std::vector<std::pair<const char*, const char*>> baender{{"7", "7.2"},   {"7", "14.35"},   {"14", "14.35"},
                                                                   {"3.5", "3.8"}, {"10.1", "10.1"}, {"21", "29.7"}};
    struct Kondensator {
        const char *min, *max, *q, *stray;
    };
    const Kondensator kondensatoren[] = {{"10", "250", "", "0"}, {"40", "60", "", "0"}, {"5", "100", "1000", "20"}};
    const std::vector<std::pair<const char*, const char*>> festigkeiten{
        {"", "1.5"}, {"3000", "1.5"}, {"800", "1"}, {"10000", "1.5"}};
    int mitEntwurf = 0, ohne = 0;
    for (const auto& [von, bis] : baender)
        for (const Kondensator& c : kondensatoren)
            for (const auto& [volt, marge] : festigkeiten) {
                const FinderOptionen o = optionen({{Feld::From, von},
                                                   {Feld::To, bis},
                                                   {Feld::CapMin, c.min},
                                                   {Feld::CapMax, c.max},
                                                   {Feld::CapQ, c.q},
                                                   {Feld::Stray, c.stray},
                                                   {Feld::CapVPeak, volt},
                                                   {Feld::CapMargin, marge},
                                                   {Feld::SizeMin, "0.2"},
                                                   {Feld::SizeStep, "0.05"},
                                                   {Feld::Conductors, "6, 22, 35"}});
                SCOPED_TRACE(std::string(von) + "-" + bis + " MHz, " + c.min + "-" + c.max + " pF, " + volt + " V");
                const Ergebnis schnell = Suchen(o), alle = SuchenVollstaendig(o);
                EXPECT_EQ(schnell.excluded, alle.excluded);
                EXPECT_EQ(schnell.unterMarge, alle.unterMarge);
                EXPECT_EQ(FinderJson({FinderVorgaben(), o, schnell, Language::English, std::nullopt}),
                          FinderJson({FinderVorgaben(), o, alle, Language::English, std::nullopt}));
                (alle.qualified > 0 ? mitEntwurf : ohne) += 1;
            }
    // Around the inductance formula's change for one turn of 35 mm (D = 0.3805 m): at 14 MHz
    // the ring's 15 % less inductance puts C tune above 200 pF just above it, while both
    // ends of 0.37 ... 0.45 m fit.
    const FinderOptionen wechsel = optionen({{Feld::From, "14"},
                                             {Feld::CapMax, "200"},
                                             {Feld::SizeMin, "0.37"},
                                             {Feld::SizeMax, "0.45"},
                                             {Feld::SizeStep, "0.001"},
                                             {Feld::Shapes, "circle"},
                                             {Feld::Materials, "Cu"},
                                             {Feld::Conductors, "35"},
                                             {Feld::Turns, "1"}});
    const Ergebnis schnell = Suchen(wechsel), alle = SuchenVollstaendig(wechsel);
    EXPECT_GT(alle.excluded[at(Ausschluss::CapacitorRange)], 0);
    EXPECT_EQ(schnell.excluded, alle.excluded);
    EXPECT_GT(mitEntwurf, 12);  // the grid is not all empty
    EXPECT_GT(ohne, 0);
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
    // The notes under the counts: n designs at the search's edge, n candidates not small.
    const struct {
        Language lang;
        long long n;
        const char *edge, *notSmall;
    } notes[] = {
        {Language::German, 1, "1 Entwurf liegt am oberen", "Keine kleine Loop: 1 Kandidat mit"},
        {Language::German, 2, "2 Entwürfe liegen am oberen", "Keine kleine Loop: 2 Kandidaten mit"},
        {Language::French, 1, "1 modèle est à la plus", "Pas une petite boucle : 1 candidat exclu, son"},
        {Language::French, 5, "5 modèles sont à la plus", "Pas une petite boucle : 5 candidats exclus, leur"},
        {Language::English, 1, "1 design is at", "Not a small loop: 1 candidate left out"},
        {Language::English, 2, "2 designs are at", "Not a small loop: 2 candidates left out"},
    };
    FinderOptionen o;
    o.sizeMinM = o.sizeMaxM = 1, o.sizeStepM = 0.1;
    for (const auto& c : notes) {
        Ergebnis e;
        e.designs.resize(static_cast<std::size_t>(c.n));
        for (Entwurf& d : e.designs) d.searchEdge = 1;
        e.excluded[at(Ausschluss::NotSmall)] = c.n;
        const std::vector<std::string> shown = Hinweise(e, o, c.lang, ".");
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_TRUE(shown[0].starts_with(c.edge)) << shown[0];
        EXPECT_TRUE(shown[1].starts_with(c.notSmall)) << shown[1];
    }
}
