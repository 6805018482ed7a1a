// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// Lengths in feet and inches: the texts the reader takes and refuses, the
// units table against hand values, and the main window's texts carried to the
// calculation's units.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "finder/finder_inputs.h"
#include "presentation/exposure_inputs.h"
#include "text/input_rules.h"
#include "text/length_reader.h"
#include "text/length_texts.h"
#include "text/length_units.h"
#include "text/loop_field_units.h"
#include "text/tube_sizes.h"

using namespace ringfeld;

TEST(ReadImperialLength, TakesDecimalsFractionsAndMarks) {
    struct {
        std::string text;
        ImperialUnit plain;
        double value;
    } const faelle[] = {
        {"7/8", ImperialUnit::Inches, 0.875},
        {"1 1/8", ImperialUnit::Inches, 1.125},
        {" 1\t1/8 ", ImperialUnit::Inches, 1.125},
        {"9/8", ImperialUnit::Inches, 1.125},  // an improper fraction alone is still a number
        {"2.5", ImperialUnit::Inches, 2.5},
        {"2,5", ImperialUnit::Feet, 2.5},
        {",75", ImperialUnit::Inches, 0.75},
        {"3.", ImperialUnit::Feet, 3},
        {"0", ImperialUnit::Feet, 0},
        {"42\"", ImperialUnit::Feet, 3.5},
        {"42 \"", ImperialUnit::Inches, 42},
        {"3'", ImperialUnit::Inches, 36},
        {"3'", ImperialUnit::Feet, 3},
        {"3' 6\"", ImperialUnit::Feet, 3.5},
        {"3'6\"", ImperialUnit::Inches, 42},
        {"3' 6", ImperialUnit::Feet, 3.5},  // the inches' mark may be left out after feet
        {"2' 7 1/2\"", ImperialUnit::Inches, 31.5},
        {"1 1/2'", ImperialUnit::Inches, 18},
        {"0.5'", ImperialUnit::Inches, 6},
        {"10' 0\"", ImperialUnit::Feet, 10},
    };
    for (const auto& f : faelle) {
        const auto value = ReadImperialLength(f.text, f.plain);
        ASSERT_TRUE(value) << f.text;
        EXPECT_DOUBLE_EQ(*value, f.value) << f.text;
    }
}

TEST(ReadImperialLength, RefusesNonsense) {
    const char* const faelle[] = {
        "",     " ",    "1/0",   "1 1/0",   "3'' 6",    "3''",     "-1",      "+1",      "1e3",    "1/",       "/8",
        "1 /8", "1/ 8", "1 9/8", "1 1/8/2", "7/8.5",    "1.5 1/2", "3' 12\"", "3' 6'",   "6\" 3'", "3' -6",    "1 2",
        ".",    ",",    "1.2.3", "1,2,3",   "3' 6\"\"", "abc",     "3m",      "1 1/2 3", "1e999",  "3' 6\" x", "2 ' '",
    };
    for (const char* text : faelle) {
        EXPECT_FALSE(ReadImperialLength(text, ImperialUnit::Inches)) << text;
        EXPECT_FALSE(ReadImperialLength(text, ImperialUnit::Feet)) << text;
    }
    // A value too large for a double is no length.
    EXPECT_FALSE(ReadImperialLength(std::string(400, '9') + "'", ImperialUnit::Inches));
}

// Every quantity's unit against hand conversions (1 ft = 0.3048 m, 1 in = 25.4 mm).
TEST(LengthUnits, ConvertAtTheEdgeAsByHand) {
    struct {
        std::string text;
        LengthQuantity quantity;
        Units units;
        double engine;      // in the calculation's units
        std::string shown;  // the engine value written back in `units`
    } const faelle[] = {
        {"2,25", LengthQuantity::LoopSize, Units::Metric, 2.25, "2.250"},
        {"3' 6\"", LengthQuantity::LoopSize, Units::Imperial, 1.0668, "3.500"},
        {"7/8", LengthQuantity::Conductor, Units::Imperial, 22.225, "0.875"},
        {"22", LengthQuantity::Conductor, Units::Metric, 22, "22.00"},
        {"1 1/8", LengthQuantity::Coupling, Units::Imperial, 2.8575, "1.1"},
        {"0,85", LengthQuantity::Coupling, Units::Metric, 85, "0.850"},
        {"10", LengthQuantity::Distance, Units::Imperial, 3.048, "10.0"},
        {"3", LengthQuantity::Distance, Units::Metric, 3, "3.00"},
    };
    for (const auto& f : faelle) {
        const auto engine = LengthFromText(f.text, f.quantity, f.units);
        ASSERT_TRUE(engine) << f.text;
        EXPECT_NEAR(*engine, f.engine, 1e-12 * f.engine) << f.text;
        EXPECT_EQ(LengthText(f.engine, f.quantity, f.units, "."), f.shown) << f.text;
    }
    // The strict rule in metric: a trailing unit is no number there.
    EXPECT_FALSE(LengthFromText("12 mm", LengthQuantity::Conductor, Units::Metric));
    EXPECT_FALSE(LengthFromText("12 mm", LengthQuantity::Conductor, Units::Imperial));
}

// What a unit shows reads back within half its last digit, in every quantity and system.
TEST(LengthUnits, ShownTextsReadBack) {
    for (const LengthRow& row : kLengthUnits)
        for (const UnitSystem& system : kUnitSystems)
            for (double engine : {0.3, 1.0, 22.225, 123.456}) {
                const LengthUnit& unit = row.unit.in(system.units);
                const std::string shown = LengthText(engine, row.quantity, system.units, ",");
                const auto back = LengthFromText(shown, row.quantity, system.units);
                ASSERT_TRUE(back) << shown;
                EXPECT_LE(std::abs(*back - engine), 0.5 * std::pow(10.0, -unit.decimals) * unit.engineUnits + 1e-12)
                    << system.word << " " << shown;
            }
}

// The main window's loop typed in feet and inches calculates as the same loop in metres.
TEST(LengthUnits, ImperialFieldsCalculateAsTheirMetricEquivalent) {
    const LoopEingaben zoll{"3' 3 3/8\"", "10 1/4", "7/8", "2", "7,1", "100", "0", "2' 1", "10000", "Circle", "Cu"};
    const LoopEingaben meter{"1.000125", "3.1242", "22.225", "2", "7,1", "100", "0", "635", "10000", "Circle", "Cu"};
    const LoopZahlen a = LoopLesen(MetricInputs(zoll, Units::Imperial));
    const LoopZahlen b = LoopLesen(meter);
    for (auto feld : {&LoopZahlen::D, &LoopZahlen::U, &LoopZahlen::d, &LoopZahlen::l})
        EXPECT_DOUBLE_EQ((a.*feld).wert, (b.*feld).wert);
    EXPECT_EQ(MetricInputs(meter, Units::Metric), meter);  // metric texts pass untouched
    // A text that is no length reads as nothing, which the calculation refuses.
    EXPECT_EQ(LoopLesen(MetricInputs({"3'' 6", "1", "1", "1", "", "", "", "", "", "", ""}, Units::Imperial)).D.wert, 0);
    // Switching carries the lengths with the table's decimals; a text that is no length stays.
    const LoopEingaben umgestellt = InputsSwitched(meter, Units::Metric, Units::Imperial, ".");
    EXPECT_EQ(umgestellt.Text1, "3.281");
    EXPECT_EQ(umgestellt.Text3, "0.875");
    EXPECT_EQ(umgestellt.Text8, "25.000");
    LoopEingaben keineLaenge = meter;
    keineLaenge.Text1 = "abc";
    EXPECT_EQ(InputsSwitched(keineLaenge, Units::Metric, Units::Imperial, ".").Text1, "abc");
}

// The rules between the fields work in the unit typed: feet follow feet, and the
// coil length's (N - 1) d + 1 mm is written in inches.
TEST(LengthUnits, FieldRulesInFeetAndInches) {
    const auto umfang = UmfangAusDurchmesser("1 1/2", "Circle", ".", Units::Imperial);
    ASSERT_TRUE(umfang);
    EXPECT_EQ(umfang->text, "4.712");
    EXPECT_NEAR(umfang->umfang, 1.5 * 3.14159265358979 * 0.3048, 1e-9);  // the record keeps metres
    const auto seite = DurchmesserAusUmfang("8'", "Square", ".", Units::Imperial);
    ASSERT_TRUE(seite);
    EXPECT_EQ(seite->text, "2.0");
    const auto spule = SpulenlaengeNachWindungen("0", "1/2", "3", ".", Units::Imperial);
    ASSERT_TRUE(spule && spule->text8);
    EXPECT_EQ(*spule->text8, "1.039");  // 2 * 12.7 mm + 1 mm = 26.4 mm
    EXPECT_FALSE(UmfangAusDurchmesser("1/0", "Circle", ".", Units::Imperial));
}

// US copper tube is sold by a nominal size 1/8 inch below its outside diameter;
// metric tube by its outside diameter; each series grows from entry to entry.
TEST(TubeSizes, OutsideDiametersFollowTheirNames) {
    const TubeSize* vorher = nullptr;
    for (const TubeSize& rohr : kTubeSizes) {
        if (rohr.series == TubeSeries::UsCopper) {
            std::string nominal(rohr.name);
            nominal.pop_back();  // the inches' mark
            const auto zoll = ReadImperialLength(nominal, ImperialUnit::Inches);
            ASSERT_TRUE(zoll) << rohr.name;
            EXPECT_DOUBLE_EQ(rohr.outsideMm, (*zoll + 0.125) * 25.4) << rohr.name;
        } else if (rohr.series == TubeSeries::MetricCopper) {
            EXPECT_EQ(std::to_string(static_cast<int>(rohr.outsideMm)) + " mm", rohr.name);
        }
        if (vorher && vorher->series == rohr.series) {
            EXPECT_LT(vorher->outsideMm, rohr.outsideMm) << rohr.name;
        }
        vorher = &rohr;
    }
}

// A finder search and named places typed in feet and inches give the search and the
// safety distance the same numbers as the same lengths typed in metres and
// millimetres; the settings keep them as metric texts.
TEST(LengthUnits, FinderAndPlacesTypedInFeetReadAsInMetres) {
    struct {
        const char *sizeMin, *sizeMax, *step, *conductors;  // typed in feet and inches
        double minM, maxM, stepM;
        std::vector<double> conductorsMm;
    } const faelle[] = {
        {"1 1/2", "6' 6\"", "1/2", "7/8, 1 1/8; 3/8", 0.4572, 1.9812, 0.1524, {22.225, 28.575, 9.525}},
        {"3", "4.5", "0,25", " 0.5 ,3/4", 0.9144, 1.3716, 0.0762, {12.7, 19.05}},
    };
    for (const auto& f : faelle) {
        finder::FeldTexte t = finder::FinderVorgaben();
        t[finder::at(finder::Feld::SizeMin)] = f.sizeMin;
        t[finder::at(finder::Feld::SizeMax)] = f.sizeMax;
        t[finder::at(finder::Feld::SizeStep)] = f.step;
        t[finder::at(finder::Feld::Conductors)] = f.conductors;
        const finder::FeldTexte metrisch = finder::LaengenIn(t, Units::Imperial, Units::Metric, ".");
        const auto o = finder::LiesFinder(metrisch, Language::English).options;
        ASSERT_TRUE(o) << f.sizeMin;
        EXPECT_NEAR(o->sizeMinM, f.minM, 1e-12);
        EXPECT_NEAR(o->sizeMaxM, f.maxM, 1e-12);
        EXPECT_NEAR(o->sizeStepM, f.stepM, 1e-12);
        ASSERT_EQ(o->conductorsMm.size(), f.conductorsMm.size()) << f.conductors;
        for (std::size_t i = 0; i < f.conductorsMm.size(); ++i)
            EXPECT_NEAR(o->conductorsMm[i], f.conductorsMm[i], 1e-9) << f.conductors;
        // Shown in feet again, each length reads back to the same metres.
        const finder::FeldTexte zurueck = finder::LaengenIn(metrisch, Units::Metric, Units::Imperial, ".");
        const auto wieder =
            finder::LiesFinder(finder::LaengenIn(zurueck, Units::Imperial, Units::Metric, "."), Language::English)
                .options;
        ASSERT_TRUE(wieder);
        EXPECT_NEAR(wieder->sizeMaxM, f.maxM, 0.0005 * 0.3048);
    }
    // Blanks separate a metric list only: "0.5 0.75" in inches is one refused entry, not 0.5 and 0.75 mm.
    finder::FeldTexte zwei = finder::FinderVorgaben();
    zwei[finder::at(finder::Feld::Conductors)] = "0.5 0.75";
    EXPECT_FALSE(
        finder::LiesFinder(finder::LaengenIn(zwei, Units::Imperial, Units::Metric, "."), Language::English).options);

    // The safety distance's places: 16' 5" is 5.0038 m; 1/32 ft (under 1 cm) is refused in feet.
    exposure::Eingaben zoll, meter;
    zoll.places = {{"balcony", "16' 5\""}, {"", "10"}, {"shed", "1/32"}};
    meter.places = {{"balcony", "5.0038"}, {"", "3.048"}, {"shed", "0.009525"}};
    const auto a = exposure::LiesEingaben(zoll, Language::English, Units::Imperial);
    const auto b = exposure::LiesEingaben(meter, Language::English, Units::Metric);
    ASSERT_EQ(a.places.size(), 2u);
    ASSERT_EQ(b.places.size(), 2u);
    for (std::size_t i = 0; i < a.places.size(); ++i) EXPECT_NEAR(a.places[i].metres, b.places[i].metres, 1e-12);
    EXPECT_NE(a.placeReasons[2].find("ft"), std::string::npos) << a.placeReasons[2];
    EXPECT_EQ(exposure::OrteIn(zoll, Units::Imperial, Units::Metric, ".").places[0].metres, "5.0038");
    const auto ort = exposure::LiesOrt("shed=10'", Units::Imperial);
    ASSERT_TRUE(ort);
    EXPECT_NEAR(ort->metres, 3.048, 1e-12);
    EXPECT_EQ(ort->name, "shed");
}
