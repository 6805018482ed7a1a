// Diameter and circumference following each other, the shape switch and the coil length.
#include <gtest/gtest.h>

#include <string>

#include "engine/input_rules.h"

using namespace ringfeld;

TEST(DurchmesserUmfang, CircleAndSquare) {
    auto circle = UmfangAusDurchmesser("1", "Kreis", ".");
    ASSERT_TRUE(circle);
    EXPECT_EQ(circle->text, "3.142");
    EXPECT_DOUBLE_EQ(circle->umfang, 3.14159265358979);  // the window's decimal pi
    EXPECT_EQ(UmfangAusDurchmesser("2", "Quadrat", ",")->text, "8,0");
    EXPECT_EQ(UmfangAusDurchmesser("2", "", ".")->text, "8.0");
    EXPECT_EQ(UmfangAusDurchmesser("", "Circle", ".")->text, "0.0");

    auto back = DurchmesserAusUmfang("7,069", "circulaire", ",");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->text, "2,25");
    EXPECT_DOUBLE_EQ(back->umfang, 7.069);
    EXPECT_EQ(DurchmesserAusUmfang("7,069", "Square", ".")->text, "1.767");
}

TEST(DurchmesserUmfang, NumbersOutOfRangeLeaveTheOtherFieldAlone) {
    EXPECT_FALSE(UmfangAusDurchmesser(std::string(400, '9'), "Kreis", "."));
    EXPECT_FALSE(UmfangAusDurchmesser("1e999", "Kreis", "."));
    EXPECT_FALSE(UmfangAusDurchmesser("1e308", "Quadrat", "."));  // times 4 leaves the double range
    EXPECT_FALSE(DurchmesserAusUmfang(std::string(400, '9'), "Kreis", "."));
    EXPECT_TRUE(DurchmesserAusUmfang("1e308", "Kreis", "."));
}

TEST(FormWechsel, CircumferenceStaysAndTheSizeFollows) {
    auto square = FormWechsel("7,069", "Quadrat", ",");
    ASSERT_TRUE(square);
    EXPECT_EQ(square->label1, "Seitenlänge:");
    EXPECT_EQ(square->text1, "1,767");
    auto circle = FormWechsel("7,069", "Kreis", ",");
    EXPECT_EQ(circle->label1, "Durchmesser:");
    EXPECT_EQ(circle->text1, "2,25");
    EXPECT_EQ(FormWechsel("4", "carrée", ".")->label1, "longueur d'un côté:");
    EXPECT_EQ(FormWechsel("4", "Square", ".")->label1, "Side-length:");
    EXPECT_EQ(FormWechsel("4", "Circle", ".")->text1, "1.273");
    auto unknown = FormWechsel("4", "Oval", ".");
    ASSERT_TRUE(unknown);
    EXPECT_DOUBLE_EQ(unknown->umfang, 4);
    EXPECT_FALSE(unknown->label1);
    EXPECT_FALSE(unknown->text1);
}

TEST(Spulenlaenge, TurnsDecideVisibilityAndMinimum) {
    auto three = SpulenlaengeNachWindungen("12", "12", "3", ",");
    ASSERT_TRUE(three);
    EXPECT_TRUE(three->sichtbar);
    EXPECT_EQ(three->text8, "25,0");

    auto one = SpulenlaengeNachWindungen("25", "12", "1", ",");
    EXPECT_FALSE(one->sichtbar);
    EXPECT_EQ(one->text8, "12,0");  // one turn: the conductor diameter, even when longer before

    auto empty = SpulenlaengeNachWindungen("25", "12", "", ".");
    EXPECT_FALSE(empty->sichtbar);
    EXPECT_EQ(empty->text8, "12.0");

    auto oneAndHalf = SpulenlaengeNachWindungen("12", "12", "1,5", ".");
    EXPECT_TRUE(oneAndHalf->sichtbar);
    EXPECT_FALSE(oneAndHalf->text8);  // 7 mm needed, 12 mm there

    // Typing "12" turns passes through "1" first.
    auto first = SpulenlaengeNachWindungen("40", "12", "1", ".");
    auto second = SpulenlaengeNachWindungen(*first->text8, "12", "12", ".");
    EXPECT_EQ(second->text8, "133.0");
}

TEST(Spulenlaenge, ConductorChangeOnlyRaises) {
    auto thicker = SpulenlaengeNachLeiter("25", "20", "3", ".");
    EXPECT_EQ(thicker->text8, "41.0");
    auto thinner = SpulenlaengeNachLeiter("41", "12", "3", ".");
    EXPECT_TRUE(thinner->sichtbar);
    EXPECT_FALSE(thinner->text8);
    // One turn: raised to the conductor diameter only when shorter.
    EXPECT_FALSE(SpulenlaengeNachLeiter("30", "12", "1", ".")->text8);
    EXPECT_EQ(SpulenlaengeNachLeiter("5", "12", "1", ".")->text8, "12.0");
}

TEST(Spulenlaenge, FloatRangeOverflowChangesNothing) {
    EXPECT_FALSE(SpulenlaengeNachLeiter("12", "1e39", "3", "."));
    EXPECT_FALSE(SpulenlaengeNachWindungen("12", "12", std::string(400, '9'), "."));
    EXPECT_FALSE(SpulenlaengeNachWindungen("1e39", "12", "3", "."));
    // Each value fits a float, but the minimum does not.
    EXPECT_FALSE(SpulenlaengeNachWindungen("12", "1e20", "1e20", "."));
}
