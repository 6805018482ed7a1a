// The loop's electrical model against its worked examples and textbook formulas.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/text_zu_zahl.h"
#include "loop_fixture.h"

using namespace ringfeld;
using namespace ringfeld::testing;

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kMu0 = 4e-7 * kPi;
}  // namespace

TEST(LoopModell, StartValuesGiveTheDocumentedLoop) {
    DesignRecord rec = Record();
    const LoopAusgang out = LoopRechnen(StartWerte(), rec, ".");
    ASSERT_EQ(out.ending, Ending::Ok);
    EXPECT_TRUE(out.ankopplungFreigeben);
    EXPECT_FALSE(out.meldung);
    EXPECT_FALSE(out.beep);
    EXPECT_FALSE(out.ergebnisseLoeschen);
    EXPECT_EQ(out.spulenlaengeSichtbar, false);

    const std::array<std::string, kResultLabelCount> expected{
        "0.3393", "7.511", "16.3", "6.3", "2.616", "0.187", "90.23", "- 0.45", "234.42", "61.43", "3.991"};
    EXPECT_EQ(AngezeigteTexte(out), expected);

    EXPECT_NEAR(rec.Induktivitaet, 7.511e-6, 0.001e-6);
    EXPECT_NEAR(rec.Kapazitaet, 16.26, 0.005);
    EXPECT_NEAR(rec.RVerlust, 0.187, 0.0005);
    EXPECT_NEAR(rec.RGesamt, 2.899, 0.0005);
    EXPECT_NEAR(rec.XL, 679.6, 0.05);
    EXPECT_NEAR(rec.Guete, 234.42, 0.005);
    EXPECT_DOUBLE_EQ(rec.Windungen, 1);
    EXPECT_DOUBLE_EQ(rec.Umfang, 7.069);
    EXPECT_DOUBLE_EQ(rec.Frequenz, 14.4);
}

TEST(LoopModell, PhysicsRoundTrips) {
    DesignRecord rec = Record();
    ASSERT_EQ(LoopRechnen(StartWerte(), rec, ".").ending, Ending::Ok);
    const double f = 14.4e6, L = rec.Induktivitaet, C = rec.Kapazitaet * 1e-12;
    // The capacitor tunes the loop to the operating frequency.
    EXPECT_NEAR(1 / (2 * kPi * std::sqrt(L * C)), f, f * 1e-5);
    // Single ring of wire: mu0 r (ln(8 r / a) - 2) with a the conductor radius.
    EXPECT_NEAR(L, kMu0 * 1.125 * (std::log(8 * 1.125 / 0.006) - 2), L * 1e-9);
    EXPECT_NEAR(rec.XL, 2 * kPi * f * L, 1e-6);
    // Skin effect: Rs = sqrt(pi f mu0 / sigma) times length over perimeter.
    const double surface = std::sqrt(kPi * f * kMu0 / 57.1428e6);
    EXPECT_NEAR(rec.RVerlust, surface * 7.069 / (kPi * 0.012), 1e-9);
    EXPECT_NEAR(rec.Guete, rec.XL / rec.RGesamt, 1e-9);
}

TEST(LoopModell, ThreeTurnCoilUsesWheelersFormulaAndDividesEfficiencyByTurns) {
    DesignRecord rec = Record();
    const LoopAusgang out = LoopRechnen(DreiWindungen("7,1"), rec, ".");
    ASSERT_EQ(out.ending, Ending::Ok);
    EXPECT_EQ(out.spulenlaengeSichtbar, true);
    EXPECT_EQ(Shown(out, ResultLabel::lbInduktivitaet), "17.369");
    EXPECT_EQ(Shown(out, ResultLabel::lbC), "28.9");
    EXPECT_EQ(Shown(out, ResultLabel::lbCL), "27.9");
    EXPECT_NEAR(rec.Kapazitaet, 28.93, 0.005);

    // Wheeler: D^2 N^2 / (18 D + 40 l) microhenry with D and l in inches.
    const double D = 1 / 0.0254, l = 0.06 / 0.0254;
    EXPECT_NEAR(rec.Induktivitaet * 1e6, D * D * 9 / (18 * D + 40 * l), 1e-9);

    // Small-loop radiation resistance 320 pi^4 N^2 A^2 / lambda^4, over total loss, per turn.
    const double lambda = 300 / 7.1, area = kPi * 0.25;
    const double Rr = 320 * std::pow(kPi, 4) * 9 * area * area / std::pow(lambda, 4);
    EXPECT_NEAR(TextZuZahl(Shown(out, ResultLabel::lbRr)), Rr, 0.0005);
    EXPECT_NEAR(Rr / rec.RGesamt / 3 * 100, 5.578, 0.001);
    EXPECT_NEAR(TextZuZahl(Shown(out, ResultLabel::lbEta)), 5.578, 0.001);
}

TEST(LoopModell, SquareLoop) {
    DesignRecord rec = Record();
    const LoopEingaben in{"1", "4", "22", "1", "7,1", "100", "0", "22", "10000", "Quadrat", "Cu"};
    const LoopAusgang out = LoopRechnen(in, rec, ".");
    ASSERT_EQ(out.ending, Ending::Ok);
    EXPECT_EQ(Shown(out, ResultLabel::lbInduktivitaet), "2.805");
    EXPECT_EQ(Shown(out, ResultLabel::lbC), "179.1");
    // Any language's square name, and any unknown text, is a square.
    for (const char* shape : {"Square", "carrée", "Kreis ", ""}) {
        LoopEingaben other = in;
        other.Combo1 = shape;
        DesignRecord r = Record();
        EXPECT_EQ(Shown(LoopRechnen(other, r, "."), ResultLabel::lbInduktivitaet), "2.805") << shape;
    }
}

TEST(LoopModell, CircleNamesOfEveryLanguageAndBrassOfEveryLanguage) {
    DesignRecord german = Record();
    const auto reference = AngezeigteTexte(LoopRechnen(StartWerte(), german, "."));
    for (const char* shape : {"circulaire", "Circle"}) {
        LoopEingaben in = StartWerte();
        in.Combo1 = shape;
        DesignRecord rec = Record();
        EXPECT_EQ(AngezeigteTexte(LoopRechnen(in, rec, ".")), reference) << shape;
    }
    std::string brassRv;
    for (const char* brass : {"Messing", "Laiton", "brass"}) {
        LoopEingaben in = StartWerte();
        in.Combo2 = brass;
        DesignRecord rec = Record("englisch");
        const auto out = LoopRechnen(in, rec, ".");
        ASSERT_EQ(out.ending, Ending::Ok) << brass;
        if (brassRv.empty()) brassRv = Shown(out, ResultLabel::lbRv);
        EXPECT_EQ(Shown(out, ResultLabel::lbRv), brassRv);
    }
    // Brass conducts worse than copper: sqrt(57.1428 / 13.5) times the loss.
    EXPECT_NEAR(TextZuZahl(brassRv), 0.187 * std::sqrt(57.1428 / 13.5), 0.001);
}

TEST(LoopModell, RingOrCoilFormulaSwitchesAtTheRatioOf21739) {
    // Two turns one metre long, so D / l is D itself.
    auto inductance = [](const char* diameter) {
        const LoopEingaben in{diameter, "68,3", "10", "2", "0,5", "100", "0", "1000", "10000", "Kreis", "Cu"};
        DesignRecord rec = Record();
        LoopRechnen(in, rec, ".");
        return rec.Induktivitaet;
    };
    const double N = 2, l = 1;
    auto ring = [&](double D) { return N * N * D / 2 * kMu0 * (std::log(16 * D / 2 / l) - 2); };
    auto coil = [&](double D) {
        const double Di = D / 0.0254, li = l / 0.0254;
        return Di * Di * N * N / (18 * Di + 40 * li) * 1e-6;
    };
    EXPECT_NEAR(inductance("21,739"), ring(21.739), 1e-12);
    EXPECT_NEAR(inductance("21,7389"), coil(21.7389), 1e-12);
}

TEST(LoopModell, CoilLengthCountsOnlyForOtherThanExactlyOneTurn) {
    auto results = [](const char* turns, const char* length) {
        LoopEingaben in = StartWerte();
        in.Text4 = turns;
        in.Text8 = length;
        DesignRecord rec = Record();
        return AngezeigteTexte(LoopRechnen(in, rec, "."));
    };
    // One turn: the conductor diameter stands in for the coil length.
    EXPECT_EQ(results("1", "12"), results("1", "300"));
    // Half a turn hides the field, yet its length still enters the formulas.
    EXPECT_NE(results("0,5", "12"), results("0,5", "300"));
    LoopEingaben in = StartWerte();
    in.Text4 = "1,5";
    DesignRecord rec = Record();
    EXPECT_EQ(LoopRechnen(in, rec, ".").spulenlaengeSichtbar, true);
}

TEST(LoopModell, TinyLoopShowsRadiationResistanceInMilliohm) {
    LoopEingaben in = StartWerte();
    in.Text1 = "0,2";
    in.Text2 = "0,628";
    in.Text3 = "6";
    in.Text5 = "1,8";
    in.Text8 = "6";
    DesignRecord rec = Record();
    const LoopAusgang out = LoopRechnen(in, rec, ".");
    ASSERT_EQ(out.ending, Ending::Ok);
    const std::string rr = Shown(out, ResultLabel::lbRr);
    ASSERT_GE(rr.size(), 2u);
    EXPECT_EQ(rr.substr(rr.size() - 2), " m");
    // Read in milliohm, it matches the small-loop formula.
    const double lambda = 300 / 1.8, area = kPi * 0.01;
    EXPECT_NEAR(TextZuZahl(rr), 320 * std::pow(kPi, 4) * area * area / std::pow(lambda, 4) * 1000, 1e-7);
}
