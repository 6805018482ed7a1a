// The coupling loop: resonance resistance, circumference and contact length.
#include <gtest/gtest.h>

#include "coupling/ankopplung_rechnen.h"
#include "engine/interface_titles.h"

using namespace ringfeld;

namespace {

DesignRecord Loop(double U, double N, double Q, double Rs, double C = 100, const char* sprache = "deutsch") {
    DesignRecord rec;
    rec.Sprache = sprache;
    TitelSetzen(rec);
    rec.Umfang = U;
    rec.Windungen = N;
    rec.Guete = Q;
    rec.RGesamt = Rs;
    rec.Kapazitaet = C;
    return rec;
}

}  // namespace

TEST(Resonanzwiderstand, UnitAndPatternByMagnitude) {
    auto show = [](double Q, double Rs) { return ResonanzwiderstandAnzeigen(Loop(3, 1, Q, Rs), ","); };
    EXPECT_EQ(show(500, 0.1)->wert, "25,0");
    EXPECT_EQ(show(500, 0.1)->einheit, "kOhm");
    EXPECT_EQ(show(200, 0.05)->wert, "2,0");
    EXPECT_EQ(show(1000, 0.5)->wert, "500,0");   // above 100 kOhm: one decimal
    EXPECT_EQ(show(100, 10)->wert, "100,0");     // exactly 100 kOhm: "#0.0#"
    EXPECT_EQ(show(100, 10)->einheit, "kOhm");
    EXPECT_EQ(show(100, 0.1)->wert, "1000,0");   // exactly 1 kOhm is shown in Ohm
    EXPECT_EQ(show(100, 0.1)->einheit, "Ohm");
    EXPECT_EQ(show(10, 0.5)->wert, "50,0");
    EXPECT_FALSE(show(0, 0));                    // no loop calculated yet
    EXPECT_FALSE(show(-5, -1));
    EXPECT_FALSE(show(1e200, 1));                // beyond a float: nothing shown
}

TEST(AnkopplungRechnen, NormalOutcome) {
    const DesignRecord rec = Loop(3, 1, 500, 0.1);
    const AnkopplungAusgang out = AnkopplungRechnen("4,05", rec, ".");
    ASSERT_EQ(out.art, KopplungsArt::Normal);
    EXPECT_NEAR(out.umfangCm, 122.06, 0.01);
    EXPECT_NEAR(out.lkaCm, 24.597, 0.001);
    EXPECT_EQ(out.label2, "1.221");
    EXPECT_EQ(out.label4, "0.246");
    EXPECT_TRUE(out.druckFreigeben);
    EXPECT_EQ(out.zusatzhinweis, "");
    EXPECT_FALSE(out.meldung);
    EXPECT_FALSE(out.hinweisZeigen);

    const AnkopplungAusgang wide = AnkopplungRechnen("4,95", rec, ",");
    EXPECT_NEAR(wide.umfangCm, 99.867, 0.001);
    EXPECT_NEAR(wide.lkaCm, 20.125, 0.001);
    EXPECT_EQ(wide.label2, "0,999");
    EXPECT_EQ(wide.label4, "0,201");
    // Point and comma read alike.
    EXPECT_EQ(AnkopplungRechnen("4.95", rec, ",").label2, wide.label2);
}

TEST(AnkopplungRechnen, RangeOutcomeChoosesBoxOrNoteByCapacitance) {
    const DesignRecord big = Loop(3, 3, 200, 0.05, 1500);
    const AnkopplungAusgang out = AnkopplungRechnen("4,05", big, ".");
    ASSERT_EQ(out.art, KopplungsArt::Bereich);
    EXPECT_NEAR(out.umfangCm, 229.51, 0.01);
    EXPECT_NEAR(out.lkaCm, 144.94, 0.01);
    EXPECT_EQ(out.label2, "2.295 - 2.899");
    EXPECT_FALSE(out.label4);          // an earlier contact length stays
    EXPECT_FALSE(out.druckFreigeben);  // and so does the print button's state
    ASSERT_TRUE(out.zusatzhinweis);
    EXPECT_EQ(*out.zusatzhinweis,
              "Es kann aber sein dass die Frequenz schon zu tief  \r\nist und die Ankopplungsschleife einen Umfang von  "
              "\r\netwa 290 cm haben muss oder eine andere  \r\nAnkopplungsart sinnvoller ist.  ");
    ASSERT_TRUE(out.meldung);
    EXPECT_FALSE(out.hinweisZeigen);
    EXPECT_EQ(out.meldung->title, "Ankoppelschleife nicht genau berechenbar ");
    EXPECT_EQ(out.meldung->icon, BoxIcon::Information);
    EXPECT_EQ(out.meldung->text, "Die Berechnung bitte immer bei der tiefsten,\r\n"
                                 "maximal bei einer mittleren Frequenz durchführen. \r\n\r\n" + *out.zusatzhinweis);

    const AnkopplungAusgang atLimit = AnkopplungRechnen("4,05", Loop(3, 3, 200, 0.05, 1000), ".");
    EXPECT_EQ(atLimit.art, KopplungsArt::Bereich);
    EXPECT_FALSE(atLimit.meldung);
    EXPECT_TRUE(atLimit.hinweisZeigen);

    const AnkopplungAusgang english = AnkopplungRechnen("4,05", Loop(3, 3, 200, 0.05, 1500, "englisch"), ".");
    EXPECT_EQ(english.meldung->title, "Coupling loop cannot be exactly calculated. ");
    EXPECT_NE(english.zusatzhinweis->find("\r\n290 cm. A different method "), std::string::npos);

    // No language: the explanation keeps its old text and the note command runs.
    const AnkopplungAusgang none = AnkopplungRechnen("4,05", Loop(3, 3, 200, 0.05, 1500, "Deutsch"), ".");
    EXPECT_FALSE(none.zusatzhinweis);
    EXPECT_TRUE(none.hinweisZeigen);
    EXPECT_FALSE(none.meldung);
}

TEST(AnkopplungRechnen, OutsideTheValidDomainNothingChanges) {
    auto expectRefused = [](const AnkopplungAusgang& out, const std::string& start) {
        EXPECT_EQ(out.art, KopplungsArt::Abgelehnt);
        EXPECT_FALSE(out.label2);
        EXPECT_FALSE(out.label4);
        EXPECT_FALSE(out.zusatzhinweis);
        EXPECT_FALSE(out.druckFreigeben);
        EXPECT_FALSE(out.hinweisZeigen);
        ASSERT_TRUE(out.meldung);
        EXPECT_EQ(out.meldung->text.substr(0, start.size()), start);
        EXPECT_EQ(out.meldung->icon, BoxIcon::Exclamation);
    };
    expectRefused(AnkopplungRechnen("4,05", Loop(0, 0, 0, 0), "."), "Es wurde noch keine Loop berechnet.");
    const DesignRecord rec = Loop(3, 1, 500, 0.1, 100, "englisch");
    for (const char* ratio : {"", "0", "abc", "-1", "1e39", "1e999"})
        expectRefused(AnkopplungRechnen(ratio, rec, "."), "The ratio must be a number greater than 0.");
    // A loop with a negative circumference would need a negative length.
    expectRefused(AnkopplungRechnen("4,05", Loop(-3, 1, 500, 0.1, 100, "französisch"), "."), "Avec ces valeurs");
}

TEST(HinweisMeldung, NoteWithExplanationAfterARange) {
    const DesignRecord rec = Loop(3, 1, 500, 0.1);
    const Meldung plain = HinweisMeldung(rec, "");
    EXPECT_EQ(plain.title, "Ankoppelschleife berechnen ");
    EXPECT_EQ(plain.icon, BoxIcon::Information);
    EXPECT_EQ(plain.text.substr(plain.text.size() - 2), "\r\n");
    EXPECT_NE(plain.text.find("die Schleife an der Loop direkt anliegt (Lka). \r\n"), std::string::npos);

    const Meldung withRange = HinweisMeldung(rec, "XYZ");
    EXPECT_EQ(withRange.text, plain.text + "\r\nXYZ");

    const Meldung french = HinweisMeldung(Loop(3, 1, 500, 0.1, 100, "französisch"), "");
    EXPECT_EQ(french.title, "Calculer la boucle de couplage ");
    EXPECT_NE(french.text.find("(Lccp),  \r\n"), std::string::npos);

    const Meldung none = HinweisMeldung(Loop(3, 1, 500, 0.1, 100, "x"), "");
    EXPECT_EQ(none.title, "");
    EXPECT_EQ(none.text, "");
}
