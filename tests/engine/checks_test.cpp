// The four refusals, the error path, and what each leaves in labels and record.
#include <gtest/gtest.h>

#include "engine/input_rules.h"
#include "loop_fixture.h"

using namespace ringfeld;
using namespace ringfeld::testing;

namespace {

LoopAusgang Calc(const LoopEingaben& in, const std::string& sprache = "deutsch") {
    DesignRecord rec = Record(sprache);
    return LoopRechnen(in, rec, ".");
}

LoopEingaben With(std::string LoopEingaben::*field, const char* text, LoopEingaben in = StartWerte()) {
    in.*field = text;
    return in;
}

}  // namespace

TEST(InputCheck, RefusesMissingOrTooSmallInputs) {
    EXPECT_EQ(Calc(With(&LoopEingaben::Text1, "")).ending, Ending::Input);
    EXPECT_EQ(Calc(With(&LoopEingaben::Text2, "")).ending, Ending::Input);
    EXPECT_EQ(Calc(With(&LoopEingaben::Text3, "0,09")).ending, Ending::Input);
    EXPECT_EQ(Calc(With(&LoopEingaben::Text5, "0,009")).ending, Ending::Input);
    EXPECT_EQ(Calc(With(&LoopEingaben::Text4, "0,05")).ending, Ending::Input);
    // One turn: the length must still reach half the conductor diameter.
    EXPECT_EQ(Calc(With(&LoopEingaben::Text8, "5,9")).ending, Ending::Input);
    EXPECT_EQ(Calc(With(&LoopEingaben::Text8, "6")).ending, Ending::Ok);
    // The lowest accepted values pass this check.
    LoopEingaben low = With(&LoopEingaben::Text3, "0,1");
    low.Text4 = "0,1";
    low.Text8 = "1";
    EXPECT_NE(Calc(low).ending, Ending::Input);
}

TEST(InputCheck, CoilMustHoldOneConductorPerTurnPlusOneMillimetre) {
    LoopEingaben in = DreiWindungen("7,1");
    EXPECT_NE(Calc(With(&LoopEingaben::Text8, "21", in)).ending, Ending::Input);
    EXPECT_EQ(Calc(With(&LoopEingaben::Text8, "20,9", in)).ending, Ending::Input);
}

TEST(InputCheck, AcceptsTheMinimumAsTheWindowWritesIt) {
    // 2 x 1.332 + 1 = 3.664 mm, which the window writes as "3.66".
    auto rule = SpulenlaengeNachWindungen("1", "1,332", "3", ".");
    ASSERT_TRUE(rule && rule->text8);
    EXPECT_EQ(*rule->text8, "3.66");

    LoopEingaben in = DreiWindungen("7,1");
    in.Text3 = "1,332";
    EXPECT_NE(Calc(With(&LoopEingaben::Text8, "3.66", in)).ending, Ending::Input);
    EXPECT_NE(Calc(With(&LoopEingaben::Text8, "3,664", in)).ending, Ending::Input);
    EXPECT_EQ(Calc(With(&LoopEingaben::Text8, "3,65", in)).ending, Ending::Input);
}

TEST(InputCheck, BoxAndWhatItLeaves) {
    DesignRecord rec = Record();
    ASSERT_EQ(LoopRechnen(StartWerte(), rec, ".").ending, Ending::Ok);
    const DesignRecord before = rec;

    LoopEingaben in = With(&LoopEingaben::Text1, "");
    in.Text4 = "2";
    in.Text5 = "7";
    in.Text2 = "5";
    const LoopAusgang out = LoopRechnen(in, rec, ".");
    ASSERT_EQ(out.ending, Ending::Input);
    EXPECT_TRUE(out.beep);
    EXPECT_TRUE(out.ergebnisseLoeschen);
    EXPECT_FALSE(out.ankopplungFreigeben);
    EXPECT_EQ(out.spulenlaengeSichtbar, true);
    for (const auto& text : out.darstellung.texte) EXPECT_FALSE(text);
    ASSERT_TRUE(out.meldung);
    EXPECT_EQ(out.meldung->text, "Unreale Werte!\r\noder unvollständige Eingabe!");
    EXPECT_EQ(out.meldung->title, " Fehler ");
    EXPECT_EQ(out.meldung->icon, BoxIcon::Exclamation);
    // The inputs are new, the results those of the last successful calculation.
    EXPECT_EQ(rec.Windungen, 2);
    EXPECT_EQ(rec.Umfang, 5);
    EXPECT_EQ(rec.Frequenz, 7);
    EXPECT_EQ(rec.Kapazitaet, before.Kapazitaet);
    EXPECT_EQ(rec.RGesamt, before.RGesamt);
    EXPECT_EQ(rec.Guete, before.Guete);
}

TEST(LengthCheck, ConductorUpTo041WavelengthsPasses) {
    const LoopAusgang pass = Calc(With(&LoopEingaben::Text5, "17,39"));
    EXPECT_EQ(pass.ending, Ending::Ok);
    EXPECT_EQ(Shown(pass, ResultLabel::lbLamda), "0.4098");

    const LoopAusgang fail = Calc(With(&LoopEingaben::Text5, "17,4"));
    ASSERT_EQ(fail.ending, Ending::Length);
    EXPECT_TRUE(fail.ergebnisseLoeschen);
    EXPECT_EQ(Shown(fail, ResultLabel::lbLamda), "0.41");  // shown before the check
    ASSERT_TRUE(fail.meldung);
    EXPECT_EQ(fail.meldung->title, " Ringfeld ");
    EXPECT_EQ(fail.meldung->icon, BoxIcon::Information);
    EXPECT_EQ(fail.meldung->text,
              "Unreale Werte!\r\n\r\nDie Länge des Leiters ist zu nahe an oder\r\nüber der Länge eines Halbwellen-Dipols.");
}

TEST(InductanceCheck, BelowOneNanohenryIsRefusedAndKeptInTheRecord) {
    LoopEingaben in = StartWerte();
    in.Text1 = "0,0001";
    in.Text2 = "0,0003";
    in.Text3 = "0,1";
    in.Text8 = "0,1";
    DesignRecord rec = Record("französisch");
    const LoopAusgang out = LoopRechnen(in, rec, ".");
    ASSERT_EQ(out.ending, Ending::Inductance);
    EXPECT_LT(rec.Induktivitaet * 1e6, 0.001);
    EXPECT_NE(rec.Induktivitaet, 0);
    EXPECT_TRUE(out.ergebnisseLoeschen);
    EXPECT_FALSE(out.darstellung.texte[static_cast<int>(ResultLabel::lbInduktivitaet)]);
    EXPECT_EQ(out.meldung->text, "Valeurs impossibles! ");
    EXPECT_EQ(out.meldung->title, "Ringfeld");
}

TEST(CapacitanceCheck, SelfCapacitanceAboveTuningIsRefusedWithHintForSeveralTurns) {
    DesignRecord rec = Record();
    ASSERT_EQ(LoopRechnen(StartWerte(), rec, ".").ending, Ending::Ok);
    const double oldQ = rec.Guete;

    const LoopAusgang out = LoopRechnen(DreiWindungen("7,3"), rec, ".");
    ASSERT_EQ(out.ending, Ending::Capacitance);
    EXPECT_TRUE(out.ergebnisseLoeschen);
    EXPECT_FALSE(out.ankopplungFreigeben);
    EXPECT_TRUE(out.beep);
    EXPECT_EQ(Shown(out, ResultLabel::lbInduktivitaet), "17.369");
    EXPECT_EQ(Shown(out, ResultLabel::lbC), "27.4");
    EXPECT_EQ(Shown(out, ResultLabel::lbCL), "27.9");
    EXPECT_FALSE(out.darstellung.texte[static_cast<int>(ResultLabel::lbRr)]);
    EXPECT_NEAR(rec.Kapazitaet, 27.37, 0.005);
    EXPECT_EQ(rec.Guete, oldQ);
    EXPECT_EQ(out.meldung->icon, BoxIcon::Information);
    EXPECT_NE(out.meldung->text.find("\r\n\r\nEs besteht auch die Möglichkeit den Abstand der Windungen   \r\n"
                                     "(Länge) zu vergrößern."),
              std::string::npos);

    // One turn or half a turn: no hint.
    for (const char* turns : {"1", "0,5"}) {
        LoopEingaben in = StartWerte();
        in.Text4 = turns;
        in.Text5 = "17";
        in.Text8 = "7000";
        in.Text1 = "0,3";
        in.Text2 = "0,5";
        const LoopAusgang few = Calc(in, "englisch");
        if (few.ending != Ending::Capacitance) continue;
        EXPECT_EQ(few.meldung->text.find("There is also"), std::string::npos) << turns;
    }
    const LoopAusgang english = Calc(DreiWindungen("7,3"), "englisch");
    EXPECT_EQ(english.meldung->text,
              "Unrealistic data!\r\n\r\nThe frequency for this calculation is exeedingly high! \r\n"
              "The inherent capacitence of the loop reaches \r\nExeeds teh total capacity.\r\n\r\n"
              "There is also the possibilty to increase the distance between   \r\nthe turns of the wire.");
}

TEST(CapacitanceCheck, PitchAtOrBelowTheConductorRadiusIsRefused) {
    // D = 1 m, U = 3.1416 m, 7 MHz. The log term g = log10(pitch / conductor radius)
    // is zero within rounding (pitch 6 mm / 1.5 = 4 mm against a 4 mm radius;
    // 1.54 mm / 1.1 = 1.4 mm against 1.4 mm) or negative (5 mm / 1.5), and counts
    // as 0.0001: CL = 100 U / 0.0001 x (N - 1) x 0.0241 + 0.886 U
    // = 3141600 x 0.5 x 0.0241 + 2.78 = 37859 pF, or x 0.1 instead: 7574 pF.
    struct Row { const char *turns, *conductor, *length, *cl; };
    for (const Row& r : {Row{"1,5", "8", "6", "37859"}, Row{"1,5", "8", "5", "37859"}, Row{"1,1", "2,8", "1,54", "7574"}}) {
        LoopEingaben in = DreiWindungen("7");
        in.Text4 = r.turns, in.Text3 = r.conductor, in.Text8 = r.length;
        const LoopAusgang out = Calc(in);
        ASSERT_EQ(out.ending, Ending::Capacitance) << r.length;
        EXPECT_EQ(Shown(out, ResultLabel::lbCL), r.cl) << r.length;
        EXPECT_NE(out.meldung->text.find("(Länge) zu vergrößern."), std::string::npos);
    }
}

TEST(ErrorPath, ParallelLossOfZeroDividesByZeroAfterRrAndRv) {
    DesignRecord rec = Record();
    const LoopAusgang out = LoopRechnen(With(&LoopEingaben::Text9, "0"), rec, ".");
    ASSERT_EQ(out.ending, Ending::Fault);
    EXPECT_EQ(out.fault, Fault::DivisionByZero);
    EXPECT_EQ(Shown(out, ResultLabel::lbRr), "2.616");
    EXPECT_EQ(Shown(out, ResultLabel::lbRv), "0.187");
    EXPECT_FALSE(out.darstellung.texte[static_cast<int>(ResultLabel::lbEta)]);
    EXPECT_FALSE(out.ergebnisseLoeschen);
    EXPECT_FALSE(out.ankopplungFreigeben);
    EXPECT_EQ(out.meldung->text, "Division durch Null");
    EXPECT_EQ(out.meldung->title, " Fehler ");
    EXPECT_EQ(out.meldung->icon, BoxIcon::Exclamation);
    // The total loss holds the sum of the series losses written before the fault.
    EXPECT_NEAR(rec.RGesamt, 2.616 + 0.187 + 0.05, 0.001);
}

TEST(ErrorPath, UnknownMaterialFaultsAfterRadiationResistance) {
    for (const char* material : {"cu", "Gold", ""}) {
        const LoopAusgang out = Calc(With(&LoopEingaben::Combo2, material), "englisch");
        ASSERT_EQ(out.ending, Ending::Fault) << material;
        EXPECT_EQ(out.meldung->text, "Division by zero");
        EXPECT_TRUE(out.darstellung.texte[static_cast<int>(ResultLabel::lbRr)]);
        EXPECT_FALSE(out.darstellung.texte[static_cast<int>(ResultLabel::lbRv)]);
    }
}

TEST(ErrorPath, BadArgumentsAndOverflowsNeverReachTheLabels) {
    // Negative power: the capacitor voltage needs the root of a negative number.
    const LoopAusgang power = Calc(With(&LoopEingaben::Text6, "-3"), "französisch");
    ASSERT_EQ(power.ending, Ending::Fault);
    EXPECT_EQ(power.fault, Fault::InvalidArgument);
    EXPECT_EQ(power.meldung->text, "Appel de procédure ou argument incorrect");
    EXPECT_TRUE(power.darstellung.texte[static_cast<int>(ResultLabel::lbB)]);
    EXPECT_FALSE(power.darstellung.texte[static_cast<int>(ResultLabel::lbUc)]);

    DesignRecord rec = Record("englisch");
    rec.Umfang = 42;
    const LoopAusgang huge = LoopRechnen(With(&LoopEingaben::Text1, "1e400"), rec, ".");
    EXPECT_EQ(huge.ending, Ending::Fault);
    EXPECT_EQ(huge.meldung->text, "Overflow");
    EXPECT_EQ(rec.Umfang, 42);  // the diameter is read before the circumference
    EXPECT_FALSE(huge.spulenlaengeSichtbar);

    // A coil length beyond the range of a 32-bit float overflows in the input check.
    LoopEingaben longCoil = DreiWindungen("7,1");
    longCoil.Text8 = "1e39";
    EXPECT_EQ(Calc(longCoil).fault, Fault::Overflow);

    for (const char* text : {"1e300", "&HFFFFFFFFFFFFFFFF", "-1e300"}) {
        for (auto field : {&LoopEingaben::Text1, &LoopEingaben::Text2, &LoopEingaben::Text3, &LoopEingaben::Text4,
                           &LoopEingaben::Text5, &LoopEingaben::Text6, &LoopEingaben::Text7, &LoopEingaben::Text8,
                           &LoopEingaben::Text9}) {
            const LoopAusgang out = Calc(With(field, text));
            for (const std::string& shown : AngezeigteTexte(out)) {
                EXPECT_EQ(shown.find("inf"), std::string::npos) << text;
                EXPECT_EQ(shown.find("nan"), std::string::npos) << text;
            }
            if (out.ending == Ending::Fault) EXPECT_FALSE(out.meldung->text.empty());
        }
    }
}

TEST(Messages, UnknownLanguageShowsTheBoxWithEmptyText) {
    const LoopAusgang out = Calc(With(&LoopEingaben::Text1, ""), "Deutsch");
    ASSERT_TRUE(out.meldung);
    EXPECT_EQ(out.meldung->text, "");
    EXPECT_EQ(out.meldung->icon, BoxIcon::Exclamation);
    EXPECT_FALSE(Calc(StartWerte(), "Deutsch").darstellung.tooltipC);
    // A fault still names itself, in the program's default language.
    EXPECT_EQ(Calc(With(&LoopEingaben::Text9, "0"), "").meldung->text, "Division durch Null");
}

TEST(Messages, EnglishInputRefusal) {
    EXPECT_EQ(Calc(With(&LoopEingaben::Text3, "0"), "englisch").meldung->text, "Value unreal!\r\nor incomplete input!");
    EXPECT_EQ(Calc(With(&LoopEingaben::Text5, "30"), "englisch").meldung->text,
              "Unrealistic datal!\r\n\r\nThe length of the conductor is too close to\r\nor longer than a half-wave dipole.");
}
