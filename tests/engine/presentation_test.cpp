// Which text each result label shows, with its unit and precision switches.
#include <gtest/gtest.h>

#include "engine/result_presentation.h"

using namespace ringfeld;

namespace {

std::string Text(const Darstellung& d, ResultLabel label) {
    return d.texte[static_cast<std::size_t>(label)].value_or("<unset>");
}

Darstellung Only(std::optional<double> LoopWerte::*member, double value, std::string_view sep = ".") {
    LoopWerte w;
    w.*member = value;
    return ErgebnisDarstellen(w, Language::German, sep);
}

std::string Eta(double eta) {
    LoopWerte w;
    w.wirkungsgrad = eta;
    w.prozent = eta * 100;
    return Text(ErgebnisDarstellen(w, Language::German, "."), ResultLabel::lbEta);
}

}  // namespace

TEST(Darstellung, RadiationResistanceSwitchesToMilliohmOnTheShownText) {
    EXPECT_EQ(Text(Only(&LoopWerte::strahlung, 0.0001633), ResultLabel::lbRr), "0.1633 m");
    EXPECT_EQ(Text(Only(&LoopWerte::strahlung, 0.0098), ResultLabel::lbRr), "0.01");
    EXPECT_EQ(Text(Only(&LoopWerte::strahlung, 0.0005), ResultLabel::lbRr), "0.001");
    EXPECT_EQ(Text(Only(&LoopWerte::strahlung, 0.0001633, ","), ResultLabel::lbRr), "0,1633 m");
    // A separator that is neither point nor comma reads back as its whole part only.
    EXPECT_EQ(Text(Only(&LoopWerte::strahlung, 0.0098, "٫"), ResultLabel::lbRr), "9٫8 m");
}

TEST(Darstellung, EfficiencyGetsMoreDecimalsWhenSmall) {
    EXPECT_EQ(Eta(0.90231), "90.23");
    EXPECT_EQ(Eta(0.0557782), "5.57782");
    EXPECT_EQ(Eta(0.00000000005), "0.000000005");
    EXPECT_EQ(Eta(0.1), "10.0");
}

TEST(Darstellung, CapacitancesSwitchOnTheValue) {
    EXPECT_EQ(Text(Only(&LoopWerte::kapazitaet, 999.96), ResultLabel::lbC), "1000.0");
    EXPECT_EQ(Text(Only(&LoopWerte::kapazitaet, 1000), ResultLabel::lbC), "1000");
    EXPECT_EQ(Text(Only(&LoopWerte::kapazitaet, 1234.5), ResultLabel::lbC), "1235");
    EXPECT_EQ(Text(Only(&LoopWerte::eigenkapazitaet, 99.99), ResultLabel::lbCL), "100.0");
    EXPECT_EQ(Text(Only(&LoopWerte::eigenkapazitaet, 100), ResultLabel::lbCL), "100");
}

TEST(Darstellung, GainQualityAndOtherPatterns) {
    EXPECT_EQ(Text(Only(&LoopWerte::gewinn, -0.4464), ResultLabel::lbGewinn), "- 0.45");
    EXPECT_EQ(Text(Only(&LoopWerte::gewinn, -12.5354), ResultLabel::lbGewinn), "- 12.54");
    EXPECT_EQ(Text(Only(&LoopWerte::gewinn, 0), ResultLabel::lbGewinn), "0.0");
    EXPECT_EQ(Text(Only(&LoopWerte::gewinn, 1.5), ResultLabel::lbGewinn), "1.5");
    EXPECT_EQ(Text(Only(&LoopWerte::guete, 234.4191), ResultLabel::lbKu), "234.42");
    EXPECT_EQ(Text(Only(&LoopWerte::guete, 2000), ResultLabel::lbKu), "2000.0");
    EXPECT_EQ(Text(Only(&LoopWerte::lambdaAnteil, 0.40977), ResultLabel::lbLamda), "0.4098");
    EXPECT_EQ(Text(Only(&LoopWerte::spannung, 3.99148), ResultLabel::lbUc), "3.991");
    // Nothing but the given value is written.
    const Darstellung d = Only(&LoopWerte::guete, 1);
    EXPECT_EQ(Text(d, ResultLabel::lbB), "<unset>");
    EXPECT_FALSE(d.tooltipC);
}

TEST(Darstellung, CapacitorTooltipPerLanguage) {
    LoopWerte w;
    w.kapazitaet = 16.26;
    EXPECT_EQ(ErgebnisDarstellen(w, Language::German, ",").tooltipC, " Schwingkreiskondensator 16,3 pF ");
    EXPECT_EQ(ErgebnisDarstellen(w, Language::French, ".").tooltipC, " Condensateur du circuit d'oscillation 16.3 pF ");
    EXPECT_EQ(ErgebnisDarstellen(w, Language::English, ".").tooltipC, " Voltage dinder 16.3 pF ");
    EXPECT_FALSE(ErgebnisDarstellen(w, Language::None, ".").tooltipC);
}

TEST(Darstellung, BlankingLeavesTheElectricalLengthAlone) {
    EXPECT_EQ(kErgebnisseLoeschenLabels.size(), kResultLabelCount - 1);
    for (ResultLabel label : kErgebnisseLoeschenLabels) EXPECT_NE(label, ResultLabel::lbLamda);
    EXPECT_EQ(ResultLabelName(ResultLabel::lbInduktivitaet), "lbInduktivität");
}
