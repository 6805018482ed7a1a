// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The main window's field rules: diameter and circumference following each
// other, the shape switch, and the coil length raised to what the turns need.
#include <gtest/gtest.h>

#include <string>

#include "core/loop_model.h"
#include "text/design_record.h"
#include "text/input_rules.h"
#include "text/loop_fields.h"

using namespace ringfeld;

TEST(DurchmesserUmfang, EveryShape) {
    EXPECT_EQ(UmfangAusDurchmesser("1", "Kreis", ".")->text, "3.142");  // pi D
    EXPECT_EQ(UmfangAusDurchmesser("2", "Quadrat", ",")->text, "8,0");  // 4 a
    EXPECT_EQ(UmfangAusDurchmesser("2", "", ".")->text, "8.0");         // any other text is a square
    EXPECT_EQ(DurchmesserAusUmfang("7,069", "circulaire", ",")->text, "2,25");
    EXPECT_EQ(DurchmesserAusUmfang("7,069", "Square", ".")->text, "1.767");
    // Across flats w, the polygons' perimeter is n w tan(pi/n): 8 (sqrt 2 - 1) w and 2 sqrt 3 w.
    EXPECT_EQ(UmfangAusDurchmesser("1", "Achteck", ".")->text, "3.314");
    EXPECT_EQ(UmfangAusDurchmesser("2", "Hexagon", ",")->text, "6,928");
    EXPECT_EQ(DurchmesserAusUmfang("6,62742", "octogone", ",")->text, "2,0");
    // Out of range: the other field stays as it is.
    EXPECT_FALSE(UmfangAusDurchmesser(std::string(400, '9'), "Kreis", "."));
    EXPECT_FALSE(UmfangAusDurchmesser("1e308", "Quadrat", "."));  // 4e308 is beyond a double
    EXPECT_TRUE(DurchmesserAusUmfang("1e308", "Kreis", "."));
}

TEST(FormWechsel, CircumferenceStaysAndTheSizeFollows) {
    struct {
        const char *umfang, *form, *label, *text;
    } const faelle[] = {
        {"7,069", "Quadrat", "Seitenlänge:", "1,767"},
        {"7,069", "Kreis", "Durchmesser:", "2,25"},
        {"4", "carrée", "longueur d'un côté:", "1,00"},
        {"4", "circulaire", "Diamètre:", "1,273"},
        {"4", "Square", "Side-length:", "1,00"},
        {"6,6274", "Achteck", "Breite über Flächen:", "2,00"},
        {"3,4641", "hexagone", "largeur sur plats:", "1,00"},
        {"3,4641", "Octagon", "Width across flats:", "1,045"},
    };
    for (const auto& f : faelle) {
        const auto out = FormWechsel(f.umfang, f.form, ",");
        ASSERT_TRUE(out && out->label1 && out->text1) << f.form;
        EXPECT_EQ(*out->label1, f.label);
        EXPECT_EQ(*out->text1, f.text);
    }
    EXPECT_FALSE(FormWechsel("4", "Oval", ".")->label1);
}

TEST(Spulenlaenge, RaisedToOneConductorPerTurnPlusOneMillimetre) {
    struct {
        bool nachWindungen;  // else after the conductor changed
        const char *laenge, *leiter, *windungen;
        bool sichtbar;
        const char* text8;  // nullptr: left as it is
    } const faelle[] = {
        {true, "12", "12", "3", true, "25,0"},   // (3 - 1) 12 + 1 = 25 mm
        {true, "25", "12", "3", true, nullptr},  // exactly the minimum: left alone
        {true, "24,9", "12", "3", true, "25,0"},
        {true, "25", "12", "1", false, "12,0"},  // one turn: the conductor diameter, even when shorter
        {true, "25", "12", "", false, "12,0"},
        {true, "12", "12", "1,5", true, nullptr},     // 7 mm needed, 12 mm there
        {true, "12", "1e20", "1e20", true, nullptr},  // the minimum is beyond a float
        {false, "25", "20", "3", true, "41,0"},
        {false, "41", "12", "3", true, nullptr},  // a thinner conductor never lowers it
        {false, "30", "12", "1", false, nullptr},
        {false, "5", "12", "1", false, "12,0"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.laenge) + " mm, " + f.leiter + " mm, " + f.windungen + " turns");
        const auto out = f.nachWindungen ? SpulenlaengeNachWindungen(f.laenge, f.leiter, f.windungen, ",")
                                         : SpulenlaengeNachLeiter(f.laenge, f.leiter, f.windungen, ",");
        if (std::string(f.leiter) == "1e20") {
            EXPECT_FALSE(out);
            continue;
        }
        ASSERT_TRUE(out);
        EXPECT_EQ(out->sichtbar, f.sichtbar);
        EXPECT_EQ(out->text8.value_or("-"), f.text8 ? f.text8 : "-");
    }
}

// Found by fuzzing: the calculation must accept the coil length the window wrote
// itself, though the window reads the turns in single precision.
TEST(Spulenlaenge, TheCalculationAcceptsWhatTheWindowWrote) {
    for (const auto& [leiter, windungen] :
         {std::pair{"12", "3"}, {"12", "1,5"}, {"0,1", "12"}, {"3,3", "7"}, {"0,5", "1"}, {"0,5", "1,00000001"}}) {
        for (const auto& regel : {SpulenlaengeNachWindungen("0", leiter, windungen, ","),
                                  SpulenlaengeNachLeiter("0", leiter, windungen, ",")}) {
            ASSERT_TRUE(regel && regel->text8);
            const LoopEingaben in{"2,25", "7,069",       leiter,  windungen, "14,4", "100",
                                  "0,05", *regel->text8, "10000", "Kreis",   "Cu"};
            DesignRecord rec;
            EXPECT_NE(LoopModell(LoopLesen(in), rec).ending, Ending::Input)
                << leiter << " " << windungen << " " << *regel->text8;
        }
    }
}
