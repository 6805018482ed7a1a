// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "presentation/vna_results.h"

#include "core/constants.h"
#include "presentation/tuning_display.h"
#include "presentation/tuning_row_texts.h"
#include "text/messages.h"

namespace ringfeld::vna {
namespace {

using namespace constants;

using Value = std::optional<double>;
Value loopValue(const LoopMeasurement& m, double tuning::MeasuredResult::*field) {
    return m.loopOk() ? Value(m.loop.*field) : std::nullopt;
}

}  // namespace

std::optional<double> LoopMeasurement::modelQ() const {
    // Q = X / R_total and Q_model = X / R_model.
    if (!loopOk() || !(loop.R_model_ohm > 0)) return std::nullopt;
    return loop.Q * loop.R_total_ohm / loop.R_model_ohm;
}

LoopMeasurement MessungAufLoop(const ResonanceFit& fit, const LoopZahlen& loop, const tuning::SheetOptions& options) {
    return {fit, tuning::BerechneMessungAusGuete(loop, options, fit.f0Hz / kHertzPerMegahertz, fit.unloadedQ)};
}

std::string_view CouplingText(Coupling coupling, Language lang) {
    return (coupling == Coupling::Under ? kUnder : kOver).in(lang);
}

const std::array<Quantity, 13> kQuantities{{
    {"f0_MHz",
     {"Resonanzfrequenz f0", "Fréquence de résonance f0", "Resonant frequency f0"},
     "MHz",
     Muster("0.000###"),
     [](const LoopMeasurement& m) { return Value(m.fit.f0Hz / kHertzPerMegahertz); },
     [](ResonanceFit& f, double v) { f.f0Hz = v * kHertzPerMegahertz; }},
    {"QL",
     {"Belastete Güte QL", "Q en charge QL", "Loaded Q QL"},
     "",
     Muster("0"),
     [](const LoopMeasurement& m) { return Value(m.fit.loadedQ); },
     [](ResonanceFit& f, double v) { f.loadedQ = v; }},
    {"beta",
     {"Koppelfaktor β", "Coefficient de couplage β", "Coupling coefficient β"},
     "",
     Muster("0.000"),
     [](const LoopMeasurement& m) { return Value(m.fit.beta); },
     [](ResonanceFit& f, double v) { f.beta = v; }},
    {"Q0",
     {"Unbelastete Güte Q0 = QL (1 + β)", "Q à vide Q0 = QL (1 + β)", "Unloaded Q Q0 = QL (1 + β)"},
     "",
     Muster("0"),
     [](const LoopMeasurement& m) { return Value(m.fit.unloadedQ); },
     [](ResonanceFit& f, double v) { f.unloadedQ = v; }},
    {"residual",
     {"Abweichung vom Kreis (rms)", "Écart au cercle (rms)", "Deviation from the circle (rms)"},
     "",
     Muster("0.00000"),
     [](const LoopMeasurement& m) { return Value(m.fit.rmsResidual); },
     [](ResonanceFit& f, double v) { f.rmsResidual = v; }},
    {"points_used",
     {"Ausgewertete Messpunkte", "Points de mesure utilisés", "Points used"},
     "",
     Muster("0"),
     [](const LoopMeasurement& m) { return Value(static_cast<double>(m.fit.pointsUsed)); },
     [](ResonanceFit& f, double v) { f.pointsUsed = static_cast<std::size_t>(v); }},
    {"R_total_ohm",
     {"R gesamt = X / Q0", "R totale = X / Q0", "R total = X / Q0"},
     "Ω",
     Muster("0.00000"),
     [](const LoopMeasurement& m) { return loopValue(m, &tuning::MeasuredResult::R_total_ohm); }},
    {"R_unexplained_ohm",
     {"Verlust über dem Modell", "Perte au-delà du modèle", "Loss beyond the model"},
     "Ω",
     Muster("0.00000;-0.00000"),
     [](const LoopMeasurement& m) { return loopValue(m, &tuning::MeasuredResult::R_unexplained_ohm); }},
    {"efficiency_percent",
     {"Wirkungsgrad Rr / R gesamt", "Rendement Rr / R totale", "Efficiency Rr / R total"},
     "%",
     Muster("0.00"),
     [](const LoopMeasurement& m) { return loopValue(m, &tuning::MeasuredResult::efficiency_percent); }},
    {"gain_dBi",
     {"Gewinn", "Gain", "Gain"},
     "dBi",
     Muster("0.00;-0.00"),
     [](const LoopMeasurement& m) { return loopValue(m, &tuning::MeasuredResult::gain_dBi); }},
    {"vswr_min",
     {"Kleinstes SWR", "ROS minimal", "Least VSWR"},
     "",
     Muster("0.000"),
     [](const LoopMeasurement& m) { return Value(m.fit.vswrMin); },
     [](ResonanceFit& f, double v) { f.vswrMin = v; }},
    {"bandwidth_vswr2_kHz",
     {"Bandbreite SWR ≤ 2", "Bande passante ROS ≤ 2", "Bandwidth VSWR ≤ 2"},
     "kHz",
     Muster("0.00"),
     [](const LoopMeasurement& m) {
         return m.fit.bandwidthVswr2Hz ? Value(*m.fit.bandwidthVswr2Hz / kHertzPerKilohertz) : std::nullopt;
     },
     [](ResonanceFit& f, double v) { f.bandwidthVswr2Hz = v * kHertzPerKilohertz; }},
    {"bandwidth_halfpower_kHz",
     {"Bandbreite halbe Leistung f0 / Q0", "Bande à mi-puissance f0 / Q0", "Half-power bandwidth f0 / Q0"},
     "kHz",
     Muster("0.00"),
     [](const LoopMeasurement& m) { return Value(m.fit.bandwidthHalfPowerHz / kHertzPerKilohertz); },
     [](ResonanceFit& f, double v) { f.bandwidthHalfPowerHz = v * kHertzPerKilohertz; }},
}};

std::string QuantityText(const Quantity& q, const LoopMeasurement& m, std::string_view sep) {
    const std::optional<double> v = q.value(m);
    return v ? FormatZahl(*v, q.pattern, sep) : std::string("–");
}

std::vector<ResultLine> ResultLines(const LoopMeasurement& m, Language lang, std::string_view sep) {
    std::vector<ResultLine> out;
    for (std::size_t i = 0; i < kQuantities.size(); ++i) {
        const Quantity& q = kQuantities[i];
        std::string value = QuantityText(q, m, sep);
        if (!q.unit.empty() && q.value(m)) value += " " + std::string(q.unit);
        out.push_back({std::string(q.caption.in(lang)), std::move(value)});
        if (i == kCouplingAfter)
            out.push_back({std::string(kCouplingCaption.in(lang)), std::string(CouplingText(m.fit.coupling, lang))});
    }
    return out;
}

MeasuredFields MessblockTexte(const ResonanceFit& fit, std::string_view sep) {
    // Enough digits that the sheet reads Q0 back within a few parts in a million.
    constexpr Muster kMhz{"0.000000"}, kKhz{"0.000###"}, kVswr{"0.000000"};
    return {FormatZahl(fit.f0Hz / kHertzPerMegahertz, kMhz, sep),
            FormatZahl(fit.bandwidthHalfPowerHz / kHertzPerKilohertz, kKhz, sep),
            FormatZahl(tuning::kHalfPowerVswr, kVswr, sep)};
}

std::string LoopRefusal(const LoopMeasurement& m, const LoopZahlen& loop, Language lang) {
    if (m.loopOk()) return {};
    std::string text = AbbruchZeile(m.loop.ending, m.loop.fault, loop.N.wert, lang);
    if (m.loop.cause) text += tuning::texte::UrsachenText(*m.loop.cause).in(lang);
    return text;
}

std::string LoopNotes(const LoopMeasurement& m, Language lang) {
    return m.loopOk() ? tuning::HinweisText(m.loop.flags, lang, "; ") : std::string();
}

}  // namespace ringfeld::vna
