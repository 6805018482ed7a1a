// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The loop calculation as one table: input texts -> ending, shown texts, box
// text. Then its formulas against the textbook ones they come from.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "presentation/loop_rechnen.h"
#include "text/interface_titles.h"
#include "text/text_zu_zahl.h"

using namespace ringfeld;

namespace {

using Feld = std::string LoopEingaben::*;
using E = LoopEingaben;

// The start values of the main window: circle D 2.25 m, copper 12 mm, one turn, 14.4 MHz.
const LoopEingaben kStart{"2,25", "7,069", "12", "1", "14,4", "100", "0,05", "12", "10000", "Kreis", "Cu"};
// Circle D 1 m, three turns 60 mm long, 10 mm conductor, no series loss, 7.1 MHz.
const LoopEingaben kDrei{"1", "3,1416", "10", "3", "7,1", "100", "0", "60", "10000", "Kreis", "Cu"};

struct Fall {
    const char* name;
    LoopEingaben basis;
    std::vector<std::pair<Feld, const char*>> aenderungen;
    const char* sprache;
    Ending ending;
    const char* gezeigt;  // the eleven labels, '|' between them; '*' = not looked at
    const char* meldung;  // the box text, nullptr when no box
};

const char* const kDe = "deutsch";
const char* const kFr = "französisch";
const char* const kEn = "englisch";
const char* const kLeer = "||||||||||";  // every label blank

// Start-value results; the physics test below derives them from the formulas.
const char* const kStartTexte = "0.3393|7.511|16.3|6.3|2.616|0.187|90.23|- 0.45|234.42|61.43|3.991";

const Fall kFaelle[] = {
    {"start values", kStart, {}, kDe, Ending::Ok, kStartTexte, nullptr},
    // One turn: the conductor diameter replaces whatever the coil length says.
    {"one turn ignores coil length", kStart, {{&E::Text8, "300"}}, kDe, Ending::Ok, kStartTexte, nullptr},
    {"three turns", kDrei, {}, kDe, Ending::Ok, "*|17.369|28.9|27.9|*|*|*|*|*|*|*", nullptr},

    // ---- input refusals
    {"no diameter",
     kStart,
     {{&E::Text1, ""}},
     kDe,
     Ending::Input,
     kLeer,
     "Unreale Werte!\r\noder unvollständige Eingabe!"},
    {"no circumference",
     kStart,
     {{&E::Text2, ""}},
     kFr,
     Ending::Input,
     kLeer,
     "Valeurs impossibles!\r\nou données d'entrée incomplètes."},
    {"conductor below 0.1 mm",
     kStart,
     {{&E::Text3, "0,09"}},
     kEn,
     Ending::Input,
     kLeer,
     "Value unreal!\r\nor incomplete input!"},
    {"frequency below 0.01 MHz", kStart, {{&E::Text5, "0,009"}}, kDe, Ending::Input, kLeer, nullptr},
    {"turns below 0.1", kStart, {{&E::Text4, "0,05"}}, kDe, Ending::Input, kLeer, nullptr},
    // One turn: the length must still reach half the 12 mm conductor.
    {"one turn, length below d/2", kStart, {{&E::Text8, "5,9"}}, kDe, Ending::Input, kLeer, nullptr},
    {"one turn, length d/2", kStart, {{&E::Text8, "6"}}, kDe, Ending::Ok, kStartTexte, nullptr},
    // Three turns of 10 mm: (3 - 1) * 10 + 1 = 21 mm at least.
    {"coil below its minimum", kDrei, {{&E::Text8, "20,9"}}, kDe, Ending::Input, kLeer, nullptr},
    // Both pass the input check; so tight a coil has too much self-capacitance.
    {"coil at its minimum", kDrei, {{&E::Text8, "21"}}, kDe, Ending::Capacitance, "*|*|*|*|||||||", nullptr},
    // 2 x 1.332 + 1 = 3.664 mm, which the window writes as "3.66": accepted all the same.
    {"coil length as the window writes it",
     kDrei,
     {{&E::Text3, "1,332"}, {&E::Text8, "3.66"}},
     kDe,
     Ending::Capacitance,
     "*|*|*|*|||||||",
     nullptr},
    {"lowest accepted conductor and turns",
     kStart,
     {{&E::Text3, "0,1"}, {&E::Text4, "0,1"}, {&E::Text8, "1"}},
     kDe,
     Ending::Ok,
     "*|*|*|*|*|*|*|*|*|*|*",
     nullptr},

    // ---- length: N U / lambda at most 0.41
    // 7.069 m at 17.4 MHz: 7.069 / (300 / 17.4) = 0.41000 > 0.41 by 2e-6.
    {"conductor over 0.41 wavelengths",
     kStart,
     {{&E::Text5, "17,4"}},
     kDe,
     Ending::Length,
     "0.41||||||||||",
     "Unreale Werte!\r\n\r\nDie Länge des Leiters ist zu nahe an oder\r\nüber der Länge eines Halbwellen-Dipols."},
    {"length refusal, French",
     kStart,
     {{&E::Text5, "17,4"}},
     kFr,
     Ending::Length,
     "0.41||||||||||",
     "Valeurs impossibles!\r\n\r\nLa longueur du conducteur est trop proche ou supérieure\r\n"
     "à la longueur d'un dipôle demi-onde."},
    {"length refusal, English",
     kStart,
     {{&E::Text5, "30"}},
     kEn,
     Ending::Length,
     "*||||||||||",
     "Unrealistic datal!\r\n\r\nThe length of the conductor is too close to\r\nor longer than a half-wave dipole."},
    // 4.1 m at 30 MHz is 4.1 / 10 = 0.41 wavelengths exactly: accepted.
    {"conductor of exactly 0.41 wavelengths",
     kStart,
     {{&E::Text2, "4,1"}, {&E::Text5, "30"}},
     kDe,
     Ending::Ok,
     "0.41|*|*|*|*|*|*|*|*|*|*",
     nullptr},

    // ---- inductance below 1 nH
    {"inductance below 1 nH",
     kStart,
     {{&E::Text1, "0,0001"}, {&E::Text2, "0,0003"}, {&E::Text3, "0,1"}, {&E::Text8, "0,1"}},
     kFr,
     Ending::Inductance,
     "*||||||||||",
     "Valeurs impossibles! "},
    {"inductance refusal, English",
     kStart,
     {{&E::Text1, "0,0001"}, {&E::Text2, "0,0003"}, {&E::Text3, "0,1"}, {&E::Text8, "0,1"}},
     kEn,
     Ending::Inductance,
     "*||||||||||",
     "Unrealistic data!"},
    {"inductance refusal, German",
     kStart,
     {{&E::Text1, "0,0001"}, {&E::Text2, "0,0003"}, {&E::Text3, "0,1"}, {&E::Text8, "0,1"}},
     kDe,
     Ending::Inductance,
     "*||||||||||",
     "Unreale Werte!"},

    // ---- capacitance: C must exceed CL by at least 0.1 pF.
    // Three turns: CL = 100 U / g (N - 1) 0.0241 + 0.886 U with g = log10((100 l / N) / (d / 20))
    //   = log10(2 / 0.5) = 0.60206: 314.16 / 0.60206 * 2 * 0.0241 + 2.7834 = 27.93 pF.
    {"tuning below self-capacitance",
     kDrei,
     {{&E::Text5, "7,3"}},
     kDe,
     Ending::Capacitance,
     "*|17.369|27.4|27.9|||||||",
     "Unreale Werte!\r\n\r\nDie Frequenz für diese Berechnung ist zu hoch angesetzt! \r\n"
     "Die Eigenkapazität der Loop erreicht oder überschreitet die \r\nGröße der Gesamtkapazität. Dabei sind "
     "Schaltkapazitäten \r\nnoch nicht berücksichtigt.\r\n\r\nEs besteht auch die Möglichkeit den Abstand der "
     "Windungen   \r\n(Länge) zu vergrößern."},
    // 1.5 turns of 10 mm conductor in 7.5 mm: the pitch of 5 mm is the conductor's radius, so
    // g = log10(5 / 5) = 0, which the formula replaces by 0.0001:
    // CL = 314.16 / 0.0001 * 0.5 * 0.0241 + 0.886 * 3.1416 = 37856.3 + 2.8 = 37859 pF.
    {"turns touching: g = 0",
     kDrei,
     {{&E::Text4, "1,5"}, {&E::Text5, "7"}, {&E::Text8, "7,5"}},
     kDe,
     Ending::Capacitance,
     "*|*|*|37859|||||||",
     "*"},
    // g zero only within rounding (pitch 6 mm / 1.5 = 4 mm against a 4 mm radius; 1.54 mm / 1.1 =
    // 1.4 mm against 1.4 mm) or negative (5 mm / 1.5 < 4 mm) counts as 0.0001 as well:
    // CL = 3141600 x 0.5 x 0.0241 + 2.78 = 37859 pF, or x 0.1 instead of x 0.5: 7574 pF.
    {"pitch equal to the radius within rounding",
     kDrei,
     {{&E::Text4, "1,5"}, {&E::Text3, "8"}, {&E::Text5, "7"}, {&E::Text8, "6"}},
     kDe,
     Ending::Capacitance,
     "*|*|*|37859|||||||",
     "*"},
    {"pitch below the radius",
     kDrei,
     {{&E::Text4, "1,5"}, {&E::Text3, "8"}, {&E::Text5, "7"}, {&E::Text8, "5"}},
     kDe,
     Ending::Capacitance,
     "*|*|*|37859|||||||",
     "*"},
    {"tiny positive log term",
     kDrei,
     {{&E::Text4, "1,1"}, {&E::Text3, "2,8"}, {&E::Text5, "7"}, {&E::Text8, "1,54"}},
     kDe,
     Ending::Capacitance,
     "*|*|*|7574|||||||",
     "*"},
    // C = 25330.2 / (f^2 L) with L = 17.369 uH: 27.98 pF at 7.22 MHz, 0.04 pF above CL.
    {"tuning less than 0.1 pF above self-capacitance",
     kDrei,
     {{&E::Text5, "7,22"}},
     kDe,
     Ending::Capacitance,
     "*|17.369|28.0|27.9|||||||",
     "*"},
    {"capacitance refusal, French",
     kDrei,
     {{&E::Text5, "7,3"}},
     kFr,
     Ending::Capacitance,
     "*|*|*|*|||||||",
     "Valeurs impossibles!\r\n\r\nLa fréquence pour le calcul est trop élevée! La capacité\r\n"
     "propre de la Loop atteind ou dépasse la valeur \r\nde la capacité de l'ensemble. De plus, les capacités \r\n"
     "de connection ne sont pas encore prises en compte.\r\n\r\nIl est également possible d'augmenter la distance  "
     "\r\nde séparation des boucles (longueur)"},
    {"capacitance refusal, English",
     kDrei,
     {{&E::Text5, "7,3"}},
     kEn,
     Ending::Capacitance,
     "*|*|*|*|||||||",
     "Unrealistic data!\r\n\r\nThe frequency for this calculation is exeedingly high! \r\n"
     "The inherent capacitence of the loop reaches \r\nExeeds teh total capacity.\r\n\r\n"
     "There is also the possibilty to increase the distance between   \r\nthe turns of the wire."},
    // One turn of 0.1 mm wire, U 10 m at 12 MHz: L = mu0 r (ln(8 r / a) - 2) = 20.9 uH with
    // r = 1.59 m, a = 0.05 mm, so C = 25330.2 / (144 * 20.9) = 8.4 pF below CL = 0.886 * 10 = 8.86 pF.
    // One turn: no hint on the distance between turns.
    {"one turn below self-capacitance",
     kStart,
     {{&E::Text1, "3,183"}, {&E::Text2, "10"}, {&E::Text3, "0,1"}, {&E::Text5, "12"}, {&E::Text8, "1"}},
     kEn,
     Ending::Capacitance,
     "0.4|*|8.4|8.9|||||||",
     "Unrealistic data!\r\n\r\nThe frequency for this calculation is exeedingly high! \r\n"
     "The inherent capacitence of the loop reaches \r\nExeeds teh total capacity."},
    {"one turn, German: no hint",
     kStart,
     {{&E::Text1, "3,183"}, {&E::Text2, "10"}, {&E::Text3, "0,1"}, {&E::Text5, "12"}, {&E::Text8, "1"}},
     kDe,
     Ending::Capacitance,
     "*|*|*|*|||||||",
     "Unreale Werte!\r\n\r\nDie Frequenz für diese Berechnung ist zu hoch angesetzt! \r\n"
     "Die Eigenkapazität der Loop erreicht oder überschreitet die \r\nGröße der Gesamtkapazität. Dabei sind "
     "Schaltkapazitäten \r\nnoch nicht berücksichtigt."},

    // ---- arithmetic faults: the labels up to the fault are written
    {"parallel loss of zero",
     kStart,
     {{&E::Text9, "0"}},
     kDe,
     Ending::Fault,
     "*|*|*|*|2.616|0.187|||||",
     "Division durch Null"},
    {"unknown material", kStart, {{&E::Combo2, "Gold"}}, kEn, Ending::Fault, "*|*|*|*|2.616||||||", "Division by zero"},
    {"negative power",
     kStart,
     {{&E::Text6, "-3"}},
     kFr,
     Ending::Fault,
     "*|*|*|*|*|*|*|*|*|*|",
     "Appel de procédure ou argument incorrect"},
    {"diameter beyond a double", kStart, {{&E::Text1, "1e400"}}, kEn, Ending::Fault, kLeer, "Overflow"},
    {"coil length beyond a float", kDrei, {{&E::Text8, "1e39"}}, kDe, Ending::Fault, kLeer, "Überlauf"},
    // A language the program does not know: the box comes, empty; a fault still names itself.
    {"unknown language", kStart, {{&E::Text1, ""}}, "Deutsch", Ending::Input, kLeer, ""},
    {"unknown language, fault",
     kStart,
     {{&E::Text9, "0"}},
     "",
     Ending::Fault,
     "*|*|*|*|*|*|||||",
     "Division durch Null"},
};

class Rechnung : public ::testing::TestWithParam<Fall> {};

TEST_P(Rechnung, EndingTextsAndBox) {
    const Fall& f = GetParam();
    LoopEingaben in = f.basis;
    for (const auto& [feld, text] : f.aenderungen) in.*feld = text;
    DesignRecord rec;
    rec.Sprache = f.sprache;
    TitelSetzen(rec);
    const LoopAusgang out = LoopRechnen(in, rec, ".");

    ASSERT_EQ(out.ending, f.ending);
    const auto shown = AngezeigteTexte(out);
    std::string expected = f.gezeigt;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::string want = expected.substr(0, expected.find('|'));
        expected.erase(0, want.size() + 1);
        if (want != "*") {
            EXPECT_EQ(shown[i], want) << ResultLabelName(static_cast<ResultLabel>(i));
        }
    }

    const bool ok = f.ending == Ending::Ok;
    EXPECT_EQ(out.beep, !ok);
    EXPECT_EQ(out.ankopplungFreigeben, ok);
    if (f.ending != Ending::Capacitance) {  // what that refusal leaves in the other labels is the window's
        EXPECT_EQ(out.ergebnisseLoeschen,
                  f.ending == Ending::Input || f.ending == Ending::Length || f.ending == Ending::Inductance);
    }
    ASSERT_EQ(out.meldung.has_value(), !ok);
    if (ok) return;
    if (f.meldung && std::string(f.meldung) != "*") {
        EXPECT_EQ(out.meldung->text, f.meldung);
    }
    // Refused input and faults are errors; the physical limits are information.
    const bool fehler = f.ending == Ending::Input || f.ending == Ending::Fault;
    EXPECT_EQ(out.meldung->icon, fehler ? BoxIcon::Exclamation : BoxIcon::Information);
    EXPECT_EQ(out.meldung->title, fehler ? rec.FehlerTitel : rec.ProgrammTitel);
}

INSTANTIATE_TEST_SUITE_P(Tabelle, Rechnung, ::testing::ValuesIn(kFaelle), [](const auto& fall) {
    std::string name;
    for (const char c : std::string(fall.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

// ---------------------------------------------------------------- formulas

constexpr double kPi = 3.14159265358979323846;
constexpr double kMu0 = 4e-7 * kPi;

DesignRecord Rechnen(const LoopEingaben& in, LoopAusgang* out = nullptr) {
    DesignRecord rec;
    rec.Sprache = kDe;
    TitelSetzen(rec);
    const LoopAusgang a = LoopRechnen(in, rec, ".");
    if (out) *out = a;
    return rec;
}

double Gezeigt(const LoopAusgang& out, ResultLabel label) {
    return TextZuZahl(AngezeigteTexte(out)[static_cast<std::size_t>(label)]);
}

TEST(Formeln, StartValuesFollowTheTextbook) {
    const DesignRecord rec = Rechnen(kStart);
    const double f = 14.4e6, L = rec.Induktivitaet, C = rec.Kapazitaet * 1e-12;
    // Single ring: mu0 r (ln(8 r / a) - 2), r = 1.125 m, a = 6 mm (Grover, Inductance Calculations).
    EXPECT_NEAR(L, kMu0 * 1.125 * (std::log(8 * 1.125 / 0.006) - 2), L * 1e-9);
    // The capacitor tunes the loop: f = 1 / (2 pi sqrt(L C)).
    EXPECT_NEAR(1 / (2 * kPi * std::sqrt(L * C)), f, f * 1e-5);
    // Skin effect: Rs = sqrt(pi f mu0 / sigma), times length over perimeter; copper 57.1428 MS/m.
    EXPECT_NEAR(rec.RVerlust, std::sqrt(kPi * f * kMu0 / 57.1428e6) * 7.069 / (kPi * 0.012), 1e-9);
    EXPECT_NEAR(rec.XL, 2 * kPi * f * L, 1e-6);
    // Q = Rc / XL: the series losses 2.616 + 0.187 + 0.05 Ohm as a parallel resistance
    // XL^2 / R, in parallel with the 10000 kOhm of the parallel loss.
    const double rpe = rec.XL * rec.XL / (2.616 + 0.187 + 0.05);
    EXPECT_NEAR(rec.Guete, rpe * 1e7 / (rpe + 1e7) / rec.XL, 0.05);
}

TEST(Formeln, ThreeTurnCoilFollowsWheelerAndDividesEfficiencyByTurns) {
    LoopAusgang out;
    const DesignRecord rec = Rechnen(kDrei, &out);
    // Wheeler: D^2 N^2 / (18 D + 40 l) microhenry with D and l in inches.
    const double D = 1 / 0.0254, l = 0.06 / 0.0254;
    EXPECT_NEAR(rec.Induktivitaet * 1e6, D * D * 9 / (18 * D + 40 * l), 1e-9);
    // Radiation resistance 320 pi^4 N^2 A^2 / lambda^4 (Kraus, Antennas), efficiency Rr / R / N.
    const double lambda = 300 / 7.1, area = kPi * 0.25;
    const double Rr = 320 * std::pow(kPi, 4) * 9 * area * area / std::pow(lambda, 4);
    EXPECT_NEAR(Gezeigt(out, ResultLabel::lbRr), Rr, 0.0005);
    EXPECT_NEAR(Gezeigt(out, ResultLabel::lbEta), Rr / rec.RGesamt / 3 * 100, 0.001);
}

TEST(Formeln, RingOrCoilSwitchesAtTheRatioOf21739) {
    // Two turns one metre long, so D / l is D itself.
    auto inductance = [](const char* diameter) {
        return Rechnen({diameter, "68,3", "10", "2", "0,5", "100", "0", "1000", "10000", "Kreis", "Cu"}).Induktivitaet;
    };
    const double N = 2, l = 1;
    auto ring = [&](double D) { return N * N * D / 2 * kMu0 * (std::log(16 * D / 2 / l) - 2); };
    auto coil = [&](double D) {
        return (D / 0.0254) * (D / 0.0254) * N * N / (18 * D / 0.0254 + 40 * l / 0.0254) * 1e-6;
    };
    EXPECT_NEAR(inductance("21,739"), ring(21.739), 1e-12);
    EXPECT_NEAR(inductance("21,72"), coil(21.72), 1e-12);
}

TEST(Formeln, BrassConductsWorseThanCopperInEveryLanguage) {
    for (const char* brass : {"Messing", "Laiton", "brass"}) {
        LoopEingaben in = kStart;
        in.Combo2 = brass;
        // sqrt(57.1428 / 13.5) times the copper loss of 0.187 Ohm.
        EXPECT_NEAR(Rechnen(in).RVerlust, 0.18687 * std::sqrt(57.1428 / 13.5), 0.001) << brass;
    }
}

}  // namespace
